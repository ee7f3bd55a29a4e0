#include "CertificateContent.h"

#include "BlankRule.h"
#include "ContentFields.h"
#include "DataView.h"
#include "DateText.h"
#include "FormNames.h"
#include "SqlDialect.h"
#include "LineBreaks.h"

#include <QCryptographicHash>
#include <QSqlQuery>
#include <QSqlRecord>
#include <algorithm>

namespace arc {

static_assert(ContentFields::kLine.size() == CertificateContent::kLineFields);

namespace {

// The item line's member holding a Detail field.
QString ItemLine::*lineMember(const char *column)
{
    return CertificateFields::byColumn(StoredTable::Detail, QString::fromLatin1(column))->lineText;
}

// The block of the form each field fills.
QString blockOf(StoredTable table, const QString &field)
{
    const CertificateField *f = CertificateFields::byColumn(table, field);
    return f ? QString::fromLatin1(f->block) : QString();
}
QString blockOf(const QString &field) { return blockOf(StoredTable::Header, field); }

// The form's order: by number, then by letter ("12" after "11", "13c" after "13a").
bool formOrder(const QString &a, const QString &b)
{
    const auto split = [](const QString &block) {
        qsizetype digits = 0;
        while (digits < block.size() && block[digits].isDigit())
            ++digits;
        return std::pair{block.left(digits).toInt(), block.mid(digits)};
    };
    return split(a) < split(b);
}

// Quoted with backslash escapes, null as a bare word: no two values read alike.
QString encoded(const QVariant &v)
{
    if (v.isNull())
        return QStringLiteral("null");
    QString t = v.toString();
    t.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
        .replace(QLatin1Char('"'), QLatin1String("\\\""))
        .replace(QLatin1Char('\n'), QLatin1String("\\n"))
        .replace(QLatin1Char('\r'), QLatin1String("\\r"))
        .replace(QLatin1Char('\t'), QLatin1String("\\t"));
    return QLatin1Char('"') + t + QLatin1Char('"');
}

// A value as the printed page shows it: a null and a blank text (the blank
// rule stores " "; other tools and older files leave null) read alike.
QString shown(const QVariant &v)
{
    return v.isNull() || BlankRule::isBlank(v.toString()) ? QStringLiteral("null") : encoded(v);
}

QVariant storedText(const QString &screenText) { return BlankRule::stored(LineBreaks::toStored(screenText)); }

// The FAA form, named or not, is what every certificate was before forms
// were chosen: left out, so that their content reads as it always did.
bool leftOut(const QString &field, const QVariant &v)
{
    return field.compare(QLatin1String("Form"), Qt::CaseInsensitive) == 0 && FormNames::isFaa(v.toString());
}

} // namespace

std::optional<CertificateContent> CertificateContent::read(Database &db, qint64 formIndex, DbStatus *status)
{
    DbStatus ignored;
    DbStatus &s = status ? *status : ignored;
    QStringList fields;
    for (const char *f : ContentFields::kHeader)
        fields << SqlDialect::quoted(QString::fromLatin1(f));
    QSqlQuery q;
    s = db.run(q, QStringLiteral("SELECT %1 FROM \"Header\" WHERE \"FormIndex\" = ?").arg(fields.join(", ")),
               {formIndex});
    if (!s.ok() || !q.next())
        return std::nullopt;
    CertificateContent c;
    c.m_formIndex = formIndex;
    // Values as the file holds them, so that a change made by any tool shows.
    for (int i = 0; i < fields.size(); ++i) {
        const QVariant v = q.value(i);
        if (!leftOut(q.record().fieldName(i), v))
            c.m_header.emplace_back(q.record().fieldName(i), v.isNull() ? QVariant() : QVariant(v.toString()));
    }
    // The lines in the order they were stored, as the cursor walks them.
    DataView detail(db, QStringLiteral("Detail"));
    const QString criterion = QStringLiteral("\"FormIndex\" = ?");
    for (s = detail.findFirst(criterion, {formIndex}); s.ok() && !detail.noMatch();
         s = detail.findNext(criterion, {formIndex})) {
        Line line;
        for (int f = 0; f < kLineFields; ++f) {
            const QVariant v = detail.value(QString::fromLatin1(ContentFields::kLine[f]));
            line[f] = v.isNull() ? QVariant() : QVariant(v.toString());
        }
        c.m_lines.push_back(line);
    }
    if (!s.ok())
        return std::nullopt;
    return c;
}

CertificateContent CertificateContent::of(qint64 formIndex, const QHash<QString, QVariant> &header, std::vector<Line> lines)
{
    CertificateContent c;
    c.m_formIndex = formIndex;
    for (const char *f : ContentFields::kHeader) {
        const QString name = QString::fromLatin1(f);
        const QVariant v = header.value(name);
        if (!leftOut(name, v))
            c.m_header.emplace_back(name, v.isNull() ? QVariant() : QVariant(v.toString()));
    }
    c.m_lines = std::move(lines);
    return c;
}

CertificateContent CertificateContent::afterSave(const CertificateEntries &e, const CertificateContent &stored)
{
    const auto date = [&](const char *field, const QString &text) -> QVariant {
        const QDate d = BlankRule::isBlank(text) ? QDate() : DateText::parse(text);
        return d.isValid() ? QVariant(d.toString(Qt::ISODate)) : stored.value(QString::fromLatin1(field));
    };
    const auto flag = [](bool ticked) { return QVariant(ticked ? QStringLiteral("1") : QStringLiteral("0")); };
    CertificateContent c;
    c.m_formIndex = stored.m_formIndex;
    for (const char *column : ContentFields::kHeader) {
        const QString name = QString::fromLatin1(column);
        const CertificateField &f = *CertificateFields::byColumn(StoredTable::Header, name);
        const QVariant v = f.flag ? flag(e.*f.flag) : f.dateText ? date(f.column, e.*f.dateText) : storedText(e.*f.text);
        if (!leftOut(name, v))
            c.m_header.emplace_back(name, v);
    }
    for (const ItemLine &l : e.lines) {
        if (l.isEmptyLine())
            break;
        Line line;
        for (int f = 0; f < kLineFields; ++f)
            line[f] = storedText(l.*lineMember(ContentFields::kLine[f]));
        c.m_lines.push_back(line);
    }
    return c;
}

CertificateEntries CertificateContent::entries() const
{
    const auto text = [this](const char *field) { return value(QString::fromLatin1(field)).toString(); };
    const auto date = [&](const char *field) {
        const QDate d = QDate::fromString(text(field), Qt::ISODate);
        return d.isValid() ? DateText::format(d) : text(field);
    };
    const auto flag = [&](const char *field) { return text(field).toInt() != 0; };
    CertificateEntries e;
    for (const CertificateField *f : CertificateFields::of(StoredTable::Header)) {
        if (!blockOf(QString::fromLatin1(f->column)).isEmpty()) {
            if (f->flag)
                e.*f->flag = flag(f->column);
            else if (f->dateText)
                e.*f->dateText = date(f->column);
            else
                e.*f->text = text(f->column);
        }
    }
    if (e.lines.size() < m_lines.size())
        e.lines.resize(m_lines.size());
    for (std::size_t n = 0; n < m_lines.size(); ++n)
        for (int f = 0; f < kLineFields; ++f)
            e.lines[n].*lineMember(ContentFields::kLine[f]) = m_lines[n][f].toString();
    return e;
}

QVariant CertificateContent::value(const QString &field) const
{
    for (const auto &[name, v] : m_header)
        if (name.compare(field, Qt::CaseInsensitive) == 0)
            return v;
    return {};
}

QByteArray CertificateContent::canonicalText() const
{
    QString t = QStringLiteral("ARC 8130 certificate %1\nFormIndex %2\n").arg(ContentFields::kVersion).arg(m_formIndex);
    for (const auto &[name, v] : m_header)
        t += QStringLiteral("Header.%1 %2\n").arg(name, encoded(v));
    for (std::size_t n = 0; n < m_lines.size(); ++n)
        for (int f = 0; f < kLineFields; ++f)
            t += QStringLiteral("Detail%1.%2 %3\n").arg(n + 1).arg(QLatin1String(ContentFields::kLine[f]), encoded(m_lines[n][f]));
    return t.toUtf8();
}

QString CertificateContent::sha256() const
{
    return QString::fromLatin1(QCryptographicHash::hash(canonicalText(), QCryptographicHash::Sha256).toHex());
}

QStringList CertificateContent::differingBlocks(const CertificateContent &other) const
{
    QSet<QString> differ;
    for (const auto &[name, v] : m_header)
        if (shown(v) != shown(other.value(name)))
            differ << blockOf(name);
    const Line none{};
    const std::size_t rows = std::max(m_lines.size(), other.m_lines.size());
    for (std::size_t n = 0; n < rows; ++n) {
        const Line &a = n < m_lines.size() ? m_lines[n] : none;
        const Line &b = n < other.m_lines.size() ? other.m_lines[n] : none;
        for (int f = 0; f < kLineFields; ++f)
            if (shown(a[f]) != shown(b[f]))
                differ << blockOf(StoredTable::Detail, QString::fromLatin1(ContentFields::kLine[f]));
    }
    QStringList out(differ.begin(), differ.end());
    std::sort(out.begin(), out.end(), formOrder);
    return out;
}

QDate CertificateContent::signingDate() const
{
    const QString status = m_lines.empty() ? QString() : m_lines.front()[5].toString().trimmed().toUpper();
    const QDate d18 = QDate::fromString(value(QStringLiteral("Date18")).toString(), Qt::ISODate);
    const QDate d23 = QDate::fromString(value(QStringLiteral("Date23")).toString(), Qt::ISODate);
    if (selectsBlock13(status))
        return d18.isValid() ? d18 : d23;
    return d23.isValid() ? d23 : d18;
}

} // namespace arc
