#include "CsvText.h"

#include <algorithm>

namespace arc::CsvText {

namespace {

bool startsFormula(const QString &text)
{
    if (text.isEmpty())
        return false;
    switch (text.front().unicode()) {
    case u'=':
    case u'+':
    case u'-':
    case u'@':
    case u'\t':
    case u'\r':
    case u'\n':
        return true;
    default:
        return false;
    }
}

// Whether a field must be quoted, or holds a NUL to be replaced.
bool breaksField(QChar c) { return c == u',' || c == u'"' || c == u'\r' || c == u'\n'; }
bool needsWork(QChar c) { return breaksField(c) || c.unicode() == 0; }

// The field appended to `out`; a plain value, as almost all are, is
// copied in one piece (an export writes millions of them).
void appendField(QString &out, const QString &text)
{
    const bool formula = startsFormula(text);
    if (std::none_of(text.cbegin(), text.cend(), needsWork)) {
        if (formula)
            out += QLatin1Char('\'');
        out += text;
        return;
    }
    const bool quoted = std::any_of(text.cbegin(), text.cend(), breaksField);
    if (quoted)
        out += QLatin1Char('"');
    if (formula)
        out += QLatin1Char('\'');
    for (const QChar c : text) {
        if (c.unicode() == 0)
            out += QChar(QChar::ReplacementCharacter);
        else if (c == u'"' && quoted)
            out += QStringLiteral("\"\"");
        else
            out += c;
    }
    if (quoted)
        out += QLatin1Char('"');
}

} // namespace

QString field(const QString &text)
{
    QString out;
    appendField(out, text);
    return out;
}

QString row(const QStringList &fields)
{
    qsizetype size = 2;
    for (const QString &f : fields)
        size += f.size() + 1;
    QString out;
    out.reserve(size);
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += QLatin1Char(',');
        appendField(out, fields.at(i));
    }
    out += QStringLiteral("\r\n");
    return out;
}

} // namespace arc::CsvText
