#include "CertificateSearch.h"

#include "DataFolder.h"
#include "FoldedCopies.h"
#include "SearchText.h"
#include "SigningBlock.h"
#include "SqlDialect.h"

#include <QRegularExpression>
#include <QSqlQuery>

namespace arc {

namespace {

QString column(const char *alias, const QString &field)
{
    return QString::fromLatin1(alias) + QLatin1Char('.') + SqlDialect::quoted(field);
}

// A column from `from` up to, not including, `before`: one index range.
void addRange(QStringList &where, QVariantList &binds, const QString &col, const QVariant &from,
              const QVariant &before)
{
    where << col + QStringLiteral(" >= ?");
    binds << from;
    if (!before.isNull()) {
        where << col + QStringLiteral(" < ?");
        binds << before;
    }
}

} // namespace

DbStatus CertificateSearch::keyQuery(const std::vector<SearchCondition> &conditions, QString &sql,
                                     QVariantList &binds)
{
    const FoldTable *headerFold = Schema::foldTableOf(QStringLiteral("Header"));
    const FoldTable *detailFold = Schema::foldTableOf(QStringLiteral("Detail"));
    QStringList where{column("d", QStringLiteral("FormIndex")) + QStringLiteral(" IS NOT NULL")};
    binds.clear();
    bool headerTexts = false, headerDates = false;
    for (const SearchCondition &c : conditions) {
        const TableDef *table = Schema::table(c.table);
        const FieldDef *field = table ? table->field(c.field) : nullptr;
        const FoldTable *fold = c.table == QLatin1String("Header") ? headerFold
                                : c.table == QLatin1String("Detail") ? detailFold
                                                                     : nullptr;
        if (!field || !fold)
            return DbStatus::failure(DbCondition::ItemNotFound, c.table + QLatin1Char('.') + c.field);
        if (field->type == FieldType::Date && fold == headerFold) {
            // The whole day, whatever a time another program stored with it.
            addRange(where, binds, column("h", field->name), c.day.toString(Qt::ISODate),
                     c.day.addDays(1).toString(Qt::ISODate));
            headerDates = true;
        } else if (fold->folded.contains(field->name)) {
            const SearchText::PrefixRange range = SearchText::beginningWith(SearchText::fold(c.beginsWith));
            addRange(where, binds, column(fold == headerFold ? "hf" : "d", field->name), range.from,
                     range.before ? QVariant(*range.before) : QVariant());
            headerTexts = headerTexts || fold == headerFold;
        } else {
            return DbStatus::failure(DbCondition::ItemNotFound, c.table + QLatin1Char('.') + c.field);
        }
    }
    // The lines' copies alone answer a search of item columns; a line whose
    // certificate is gone is passed over when the view moves.
    QString from = SqlDialect::quoted(detailFold->name) + QStringLiteral(" d");
    if (headerTexts)
        from += QStringLiteral(" JOIN %1 hf ON hf.\"FormIndex\" = d.\"FormIndex\"").arg(SqlDialect::quoted(headerFold->name));
    if (headerDates)
        from += QStringLiteral(" JOIN \"Header\" h ON h.\"FormIndex\" = d.\"FormIndex\"");
    sql = QStringLiteral("SELECT d.\"FormIndex\" FROM %1 WHERE %2 ORDER BY d.\"FormIndex\", %3")
              .arg(from, where.join(QStringLiteral(" AND ")), column("d", detailFold->key));
    return {};
}

DbStatus CertificateSearch::show(DataFolder &folder, const std::vector<SearchCondition> &conditions)
{
    QString sql;
    QVariantList binds;
    DbStatus s = keyQuery(conditions, sql, binds);
    if (s.ok())
        s = FoldedCopies::bringUpToDate(folder.certificates());
    if (s.ok())
        s = folder.header().showResult(sql, binds);
    return s;
}

DbStatus CertificateSearch::list(DataFolder &folder, const std::vector<SearchCondition> &conditions,
                                 std::vector<FoundCertificate> &found)
{
    found.clear();
    QString keys;
    QVariantList binds;
    DbStatus s = keyQuery(conditions, keys, binds);
    if (s.ok())
        s = FoldedCopies::bringUpToDate(folder.certificates());
    if (!s.ok())
        return s;
    const auto firstLine = [](const char *field) {
        return QStringLiteral("(SELECT l.\"%1\" FROM \"Detail\" l WHERE l.\"FormIndex\" = h.\"FormIndex\" "
                              "ORDER BY l.rowid LIMIT 1)")
            .arg(QLatin1String(field));
    };
    QSqlQuery q;
    s = folder.certificates().run(
        q,
        QStringLiteral("SELECT h.\"FormIndex\", h.\"Tracking\", h.\"Date18\", h.\"Date23\", h.\"Organ1\", "
                       "h.\"Name17\", h.\"Name22\", %1, %2 FROM \"Header\" h WHERE h.\"FormIndex\" IN (%3) "
                       "ORDER BY h.\"FormIndex\"")
            .arg(firstLine("PartNum"), firstLine("Status"), keys),
        binds);
    const auto text = [&q](int column) { return q.value(column).isNull() ? QString() : q.value(column).toString().trimmed(); };
    // Stored dates are ISO text; another program may have added a time.
    const auto day = [&q](int column) { return QDate::fromString(q.value(column).toString().left(10), Qt::ISODate); };
    static const QRegularExpression lineBreak(QStringLiteral("[\r\n]"));
    while (s.ok() && q.next()) {
        FoundCertificate c;
        c.formIndex = q.value(0).toLongLong();
        c.tracking = text(1);
        c.date = day(2).isValid() ? day(2) : day(3);
        c.organization = text(4).section(lineBreak, 0, 0).trimmed();
        c.partNum = text(7);
        c.status = text(8);
        c.signatory = selectsBlock13(c.status.toUpper()) ? text(5) : text(6);
        found.push_back(c);
    }
    return s;
}

} // namespace arc
