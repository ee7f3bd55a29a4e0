#include "CopyCount.h"

#include <cmath>
#include <limits>

namespace arc::CopyCount {

double numericValue(const QString &text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    QString number;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        number += text[i++];
    bool digits = false;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
        number += text[i++];
        digits = true;
    }
    if (i < n && text[i] == QLatin1Char('.')) {
        number += text[i++];
        while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
            number += text[i++];
            digits = true;
        }
    }
    if (!digits)
        return 0;
    bool ok = false;
    const double value = number.toDouble(&ok);
    return ok ? value : 0;
}

int copies(const QString &text)
{
    const double value = numericValue(text);
    if (!(value >= 1))
        return 0;
    const double whole = std::floor(value);
    return whole >= std::numeric_limits<int>::max() ? std::numeric_limits<int>::max() : static_cast<int>(whole);
}

QString initialText(const std::optional<QString> &stored)
{
    if (!stored)
        return QStringLiteral("1");
    const double value = numericValue(*stored);
    return value == 0 ? QStringLiteral("0") : QString::number(value, 'g', 15);
}

} // namespace arc::CopyCount
