#include "CertificateSearch.h"

#include "DataFolder.h"
#include "FoldedCopies.h"
#include "SearchText.h"
#include "SqlDialect.h"
#include "SqlDialectActivity.h"

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

// What every certificate found has in its sort keys: the mark of each
// status a line of it must begin with.
DataView::Narrowing narrowing(const std::vector<SearchCondition> &conditions)
{
    DataView::Narrowing out;
    QStringList filters;
    for (const SearchCondition &c : conditions) {
        if (c.table != QLatin1String("Detail") || c.field != QLatin1String("Status"))
            continue;
        // Only a bounded range is of texts beginning with its first letter.
        const SearchText::PrefixRange range = SearchText::beginningWith(SearchText::fold(c.beginsWith));
        if (range.from.isEmpty() || !range.before)
            continue;
        filters << SqlDialect::statusMarksFilter();
        out.binds << SqlDialect::statusMark(range.from);
    }
    out.condition = filters.join(QStringLiteral(" AND "));
    return out;
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
    // certificate is gone is passed over when the view moves. Header boxes
    // are looked up first, the lines of what they find after: read in the
    // keys' order, the lines would otherwise be walked from the first key on
    // (CROSS JOIN keeps the order given on a file, and is a join like any
    // other on a server).
    QStringList tables;
    if (headerTexts) {
        tables << SqlDialect::quoted(headerFold->name) + QStringLiteral(" hf");
        where << QStringLiteral("hf.\"FormIndex\" = d.\"FormIndex\"");
    }
    if (headerDates) {
        tables << QStringLiteral("\"Header\" h");
        where << QStringLiteral("h.\"FormIndex\" = d.\"FormIndex\"");
    }
    tables << SqlDialect::quoted(detailFold->name) + QStringLiteral(" d");
    const QString from = tables.join(QStringLiteral(" CROSS JOIN "));
    // One key per line found, in no order: the view sorts them.
    sql = QStringLiteral("SELECT d.\"FormIndex\" FROM %1 WHERE %2").arg(from, where.join(QStringLiteral(" AND ")));
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
        s = folder.header().showResult(sql, binds, DataView::KeyOrder::Ascending, &folder.reads().reader(), narrowing(conditions));
    return s;
}

} // namespace arc
