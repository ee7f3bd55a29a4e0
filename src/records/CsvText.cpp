#include "CsvText.h"

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

} // namespace

QString field(const QString &text)
{
    QString value = startsFormula(text) ? QLatin1Char('\'') + text : text;
    value.replace(QChar(0), QChar(QChar::ReplacementCharacter));
    const bool quoted = value.contains(QLatin1Char(',')) || value.contains(QLatin1Char('"'))
                        || value.contains(QLatin1Char('\r')) || value.contains(QLatin1Char('\n'));
    if (!quoted)
        return value;
    value.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + value + QLatin1Char('"');
}

QString row(const QStringList &fields)
{
    QStringList out;
    out.reserve(fields.size());
    for (const QString &f : fields)
        out << field(f);
    return out.join(QLatin1Char(',')) + QStringLiteral("\r\n");
}

} // namespace arc::CsvText
