#include "CertificateNumbering.h"

#include <QRegularExpression>

namespace arc::CertificateNumbering {

namespace {

struct Decimal {
    bool negative = false;
    QString whole;    // digits, no sign
    QString fraction; // digits after the point, may be empty
};

Decimal parse(const QString &text)
{
    Decimal d;
    QString t = text;
    if (t.startsWith(QLatin1Char('-')) || t.startsWith(QLatin1Char('+'))) {
        d.negative = t.startsWith(QLatin1Char('-'));
        t.remove(0, 1);
    }
    const qsizetype point = t.indexOf(QLatin1Char('.'));
    d.whole = point < 0 ? t : t.left(point);
    d.fraction = point < 0 ? QString() : t.mid(point + 1);
    return d;
}

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Add one to a string of digits, however long.
QString incremented(QString digits)
{
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        if (digits[i] != QLatin1Char('9')) {
            digits[i] = QChar(digits[i].unicode() + 1);
            return digits;
        }
        digits[i] = QLatin1Char('0');
    }
    return QLatin1Char('1') + digits;
}

// Subtract one from digits known to be at least 1.
QString decremented(QString digits)
{
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        if (digits[i] != QLatin1Char('0')) {
            digits[i] = QChar(digits[i].unicode() - 1);
            return digits;
        }
        digits[i] = QLatin1Char('9');
    }
    return digits;
}

QString withoutLeadingZeros(QString digits)
{
    while (digits.size() > 1 && digits[0] == QLatin1Char('0'))
        digits.remove(0, 1);
    return digits.isEmpty() ? QStringLiteral("0") : digits;
}

bool isZero(const QString &digits)
{
    for (QChar c : digits)
        if (c != QLatin1Char('0'))
            return false;
    return true;
}

// value + 1, exactly, as a decimal.
Decimal plusOne(Decimal d)
{
    d.whole = withoutLeadingZeros(d.whole);
    if (!d.negative) {
        d.whole = incremented(d.whole);
        return d;
    }
    if (!isZero(d.whole)) {
        // -5.25 + 1 = -4.25
        d.whole = withoutLeadingZeros(decremented(d.whole));
        if (isZero(d.whole) && isZero(d.fraction))
            d.negative = false;
        return d;
    }
    // -0.25 + 1 = 0.75: the fraction's complement to one.
    d.negative = false;
    if (isZero(d.fraction)) {
        d.whole = QStringLiteral("1"); // -0.0 + 1 = 1.0: the decimals stay
        return d;
    }
    // 10^n - f: trailing zeros stay, the last non-zero digit d becomes
    // 10 - d and every digit before it 9 - digit.
    QString complement = d.fraction;
    qsizetype i = complement.size() - 1;
    while (complement[i] == QLatin1Char('0'))
        --i;
    complement[i] = QChar(u'0' + 10 - complement[i].digitValue());
    while (--i >= 0)
        complement[i] = QChar(u'0' + 9 - complement[i].digitValue());
    d.fraction = complement;
    return d;
}

QString format(const Decimal &d, int minWholeDigits)
{
    QString whole = withoutLeadingZeros(d.whole);
    if (whole.size() < minWholeDigits)
        whole = QString(minWholeDigits - whole.size(), QLatin1Char('0')) + whole;
    QString out = d.negative ? QStringLiteral("-") + whole : whole;
    if (!d.fraction.isEmpty())
        out += QLatin1Char('.') + d.fraction;
    return out;
}

QString next(const QString &last, int minDigits)
{
    if (isNumeric(last))
        return format(plusOne(parse(last)), minDigits);
    const qsizetype dash = last.indexOf(QLatin1Char('-'));
    if (dash >= 0) {
        const QString rest = last.mid(dash + 1);
        if (isNumeric(rest))
            return last.left(dash + 1) + format(plusOne(parse(rest)), minDigits);
    }
    // Any other pattern counts too: giving it back unchanged would issue
    // the same number again.
    return lastRunCounted(last);
}

} // namespace

QString lastRunCounted(const QString &last)
{
    qsizetype end = last.size();
    while (end > 0 && !isAsciiDigit(last[end - 1]))
        --end;
    if (end == 0)
        return last;
    qsizetype start = end;
    while (start > 0 && isAsciiDigit(last[start - 1]))
        --start;
    return last.left(start) + incremented(last.mid(start, end - start)) + last.mid(end);
}

bool isNumeric(const QString &text)
{
    // \z, not $: $ also matches before a final line break.
    static const QRegularExpression re(QStringLiteral("\\A[+-]?(\\d+\\.?\\d*|\\.\\d+)\\z"));
    return re.match(text).hasMatch();
}

QString tracking(const std::optional<QString> &last, bool increase)
{
    if (!last)
        return increase ? QStringLiteral("000001") : QString();
    if (increase)
        return next(*last, 6);
    return isNumeric(*last) ? format(parse(*last), 6) : *last;
}

QString invoice(const std::optional<QString> &last, bool increase)
{
    if (!last)
        return increase ? QStringLiteral("1") : QString();
    return increase ? next(*last, 1) : *last;
}

} // namespace arc::CertificateNumbering
