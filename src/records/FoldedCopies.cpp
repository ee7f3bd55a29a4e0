#include "FoldedCopies.h"

#include "Database.h"
#include "SearchText.h"
#include "SqlDialectActivity.h"
#include "SqlDialectErrors.h"
#include "SqlDialectFolds.h"
#include "SqlDialectTables.h"
#include "WriteTransaction.h"

#include <QCoreApplication>
#include <QSet>
#include <QSqlQuery>
#include <algorithm>
#include <vector>

namespace arc::FoldedCopies {

namespace {

struct FoldedCopiesTexts {
    Q_DECLARE_TR_FUNCTIONS(FoldedCopies)
};

constexpr int kBatch = 5000;

DbStatus runAll(Database &db, const QStringList &statements)
{
    for (const QString &sql : statements)
        if (DbStatus s = db.exec(sql); !s.ok())
            return s;
    return {};
}

// The schema's tables, indexes, triggers and columns, read at once: on a
// server a statement making an object that is already there still waits
// for the locks of whoever reads or writes its table, or vacuums it.
class SchemaObjects {
public:
    DbStatus read(Database &db)
    {
        QSqlQuery q;
        const DbStatus s = db.run(q, SqlDialect::schemaObjectsQuery(db.engine()));
        while (s.ok() && q.next())
            m_present.insert(key(q.value(0).toString(), q.value(1).toString()));
        return s;
    }
    bool has(const char *type, const QString &name) const { return m_present.contains(key(QLatin1String(type), name)); }
    bool hasAll(const char *type, const QList<SqlDialect::NamedStatement> &objects) const
    {
        return std::all_of(objects.begin(), objects.end(), [&](const auto &o) { return has(type, o.first); });
    }
    bool hasAny(const char *type, const QList<SqlDialect::NamedStatement> &objects) const
    {
        return std::any_of(objects.begin(), objects.end(), [&](const auto &o) { return has(type, o.first); });
    }
    // Whether a fold table there has every column of the current layout; a
    // table of an earlier one lacks what was added to it since.
    bool hasEveryColumn(const FoldTable &fold) const
    {
        const QStringList wanted = SqlDialect::foldTableColumns(fold);
        return std::all_of(wanted.begin(), wanted.end(),
                           [&](const QString &c) { return has("column", fold.name + QLatin1Char('.') + c); });
    }

private:
    // Column names compare without regard to case, as the engines do.
    static QString key(const QString &type, const QString &name)
    {
        return type + QLatin1Char('/') + (type == QLatin1String("column") ? name.toLower() : name);
    }
    QSet<QString> m_present;
};

QList<SqlDialect::NamedStatement> searchIndexes(StoreKind kind)
{
    QList<SqlDialect::NamedStatement> out;
    for (const Schema::SourceIndex &index : Schema::searchIndexes(kind))
        out << SqlDialect::searchIndex(index);
    for (const Schema::ListOrder &order : Schema::listOrders(kind))
        out << SqlDialect::listOrderIndex(order);
    return out;
}

// Whether the list's sort keys are there, of the current layout: an
// earlier one lacks the marks of the lines' statuses.
bool listKeysCurrent(const SchemaObjects &schema)
{
    return schema.has("column", Schema::listKeysTable() + QStringLiteral(".Statuses"));
}

// Whether every fold table, of the current layout, and every trigger and
// index is there and no earlier version's trigger is: then the store is
// opened without a statement that takes a lock another program may hold (a
// file's write lock, a server table's lock).
bool inPlace(Database &db, const SchemaObjects &schema)
{
    for (const FoldTable &fold : Schema::foldTables(db.kind()))
        if (!schema.has("table", fold.name) || !schema.hasAll("trigger", SqlDialect::foldTriggers(fold, db.engine()))
            || !schema.hasAll("index", SqlDialect::foldIndexes(fold))
            || schema.hasAny("trigger", SqlDialect::formerFoldTriggers(fold, db.engine())) || !schema.hasEveryColumn(fold))
            return false;
    if (!schema.hasAll("index", searchIndexes(db.kind())))
        return false;
    return db.kind() != StoreKind::Certificates
           || (schema.has("table", Schema::activityTable()) && listKeysCurrent(schema)
               && schema.hasAll("trigger", SqlDialect::activityTriggers(db.engine()))
               && schema.hasAll("index", SqlDialect::activityIndexes() + SqlDialect::listKeysIndexes(db.engine())));
}

// Runs the statements of the objects `schema` lacks (or, with `present`,
// holds).
DbStatus runFor(Database &db, const SchemaObjects &schema, const char *type, const QList<SqlDialect::NamedStatement> &objects,
                bool present = false)
{
    for (const auto &[name, sql] : objects)
        if (schema.has(type, name) == present)
            if (DbStatus s = db.exec(sql); !s.ok())
                return s;
    return {};
}

DbStatus ensureTable(Database &db, const SchemaObjects &schema, const FoldTable &fold, bool &refilled)
{
    // A table made afresh, or one whose triggers were missing, cannot know
    // which rows changed meanwhile.
    DbStatus s;
    // A table of an earlier layout is made anew, with its triggers and
    // indexes, which fill what it lacked.
    const bool outdated = schema.has("table", fold.name) && !schema.hasEveryColumn(fold);
    if (outdated)
        s = runAll(db, SqlDialect::dropFoldTableStatements(fold, db.engine()));
    const SchemaObjects none;
    const SchemaObjects &there = outdated ? none : schema;
    const bool refill = !there.has("table", fold.name) || !there.hasAll("trigger", SqlDialect::foldTriggers(fold, db.engine()));
    if (s.ok())
        s = db.exec(SqlDialect::createFoldTable(fold, db.engine()));
    if (s.ok())
        s = runFor(db, schema, "trigger", SqlDialect::formerFoldTriggers(fold, db.engine()), true);
    if (s.ok())
        s = runFor(db, there, "trigger", SqlDialect::foldTriggers(fold, db.engine()));
    refilled = refilled || refill;
    if (refill && s.ok())
        s = runAll(db, SqlDialect::refillFoldTableStatements(fold, db.engine()));
    // Made once over the copies rather than kept up row by row as they go in.
    return s.ok() ? runFor(db, there, "index", SqlDialect::foldIndexes(fold)) : s;
}

// The tally of released lines, with its triggers made after the copies
// were filled and folded: a certificate is counted again at each change of
// a copy. Counted anew when the copies were, or when it or its triggers
// were missing, which left changes uncounted.
DbStatus ensureActivity(Database &db, const SchemaObjects &schema, bool refilled, bool &recount)
{
    const bool outdated = schema.has("table", Schema::listKeysTable()) && !listKeysCurrent(schema);
    recount = refilled || outdated || !schema.has("table", Schema::activityTable()) || !schema.has("table", Schema::listKeysTable())
              || !schema.hasAll("trigger", SqlDialect::activityTriggers(db.engine()));
    DbStatus s = db.exec(SqlDialect::createActivityTable(db.engine()));
    // Made anew, with its indexes.
    if (s.ok() && outdated)
        s = db.exec(SqlDialect::dropStatement(QStringLiteral("table"), Schema::listKeysTable()));
    if (s.ok())
        s = db.exec(SqlDialect::createListKeysTable(db.engine()));
    for (const auto &trigger : SqlDialect::activityTriggers(db.engine()))
        if (s.ok())
            s = db.exec(trigger.second);
    if (s.ok() && recount)
        s = runAll(db, SqlDialect::refillActivityTable(db.engine()));
    if (!s.ok())
        return s;
    const SchemaObjects none;
    return runFor(db, outdated ? none : schema, "index", SqlDialect::activityIndexes() + SqlDialect::listKeysIndexes(db.engine()));
}

// The stale rows of one batch, read whole before any is written: writing
// while the read is open could step over rows leaving the stale index.
struct StaleRow {
    QVariant key;
    QVariantList values; // copied, then the sources of the folded
    bool sourceGone = false;
};

DbStatus readStale(Database &db, const FoldTable &fold, std::vector<StaleRow> &rows)
{
    rows.clear();
    QSqlQuery q;
    const DbStatus s = db.run(q, SqlDialect::staleFoldRowsQuery(fold, kBatch, db.engine()));
    if (!s.ok())
        return s;
    const int fields = static_cast<int>(fold.copied.size() + fold.folded.size());
    while (q.next()) {
        StaleRow row{q.value(0), {}, q.value(fields + 1).toBool()};
        for (int i = 1; i <= fields; ++i)
            row.values << q.value(i);
        rows.push_back(std::move(row));
    }
    return q.lastError().type() == QSqlError::NoError ? DbStatus() : SqlDialect::status(q.lastError());
}

DbStatus prepare(QSqlQuery &q, const QString &sql)
{
    return q.prepare(sql) ? DbStatus() : SqlDialect::status(q.lastError());
}

DbStatus writeFolds(Database &db, const FoldTable &fold, const std::vector<StaleRow> &rows)
{
    WriteTransaction tx(db);
    if (!tx.ok())
        return tx.status();
    QSqlQuery update(db.connection());
    QSqlQuery remove(db.connection());
    DbStatus s = prepare(update, SqlDialect::updateFoldRow(fold));
    if (s.ok())
        s = prepare(remove, SqlDialect::deleteFoldRow(fold));
    const int copied = static_cast<int>(fold.copied.size());
    for (size_t r = 0; s.ok() && r < rows.size(); ++r) {
        const StaleRow &row = rows[r];
        QSqlQuery &q = row.sourceGone ? remove : update;
        int at = 0;
        if (!row.sourceGone) {
            for (int i = 0; i < row.values.size(); ++i) {
                const QVariant &v = row.values[i];
                q.bindValue(at++, i < copied || v.isNull() ? v : QVariant(SearchText::fold(v.toString())));
            }
        }
        q.bindValue(at, row.key);
        if (!q.exec())
            s = SqlDialect::status(q.lastError());
    }
    update.finish();
    remove.finish();
    return s.ok() ? tx.commit() : s;
}

} // namespace

DbStatus ensure(Database &db, const Progress &progress)
{
    SchemaObjects schema;
    DbStatus s = schema.read(db);
    if (!s.ok() || inPlace(db, schema))
        return s;
    WriteTransaction tx(db);
    if (!tx.ok())
        return tx.status();
    // A refill of a large table takes a second or more: told at each part.
    const QString step = FoldedCopiesTexts::tr("Preparing the search copies");
    const std::vector<FoldTable> &folds = Schema::foldTables(db.kind());
    const qint64 parts = static_cast<qint64>(folds.size()) + 1;
    qint64 done = 0;
    const auto told = [&] { return progress(step, done++, parts) ? DbStatus() : DbStatus::failure(DbCondition::Cancelled, step); };
    bool refilled = false;
    // Until the copies are in place, their triggers would count a
    // certificate again for each row filled or folded.
    if (db.kind() == StoreKind::Certificates)
        if (s = runFor(db, schema, "trigger", SqlDialect::dropActivityTriggers(db.engine()), true); !s.ok())
            return s;
    for (const FoldTable &fold : folds) {
        if (s = told(); s.ok())
            s = ensureTable(db, schema, fold, refilled);
        if (!s.ok())
            return s;
    }
    if (s = told(); s.ok())
        s = runFor(db, schema, "index", searchIndexes(db.kind()));
    if (s.ok())
        s = told();
    if (!s.ok())
        return s;
    // The refill folded what the engine folds; the rest is folded here,
    // where the file is being made over anyway, not at the first search.
    if (refilled)
        if (s = bringUpToDate(db, progress); !s.ok())
            return s;
    bool recounted = false;
    if (db.kind() == StoreKind::Certificates)
        if (s = ensureActivity(db, schema, refilled, recounted); !s.ok())
            return s;
    if (s = tx.commit(); !s.ok() || !(refilled || recounted))
        return s;
    return settle(db);
}

DbStatus settle(Database &db)
{
    if (db.inTransaction())
        return {};
    QStringList tables;
    for (const FoldTable &fold : Schema::foldTables(db.kind()))
        tables << fold.name;
    if (db.kind() == StoreKind::Certificates)
        tables << Schema::activityTable() << Schema::listKeysTable();
    return runAll(db, SqlDialect::settleTables(tables, db.engine()));
}

DbStatus bringUpToDate(Database &db, const Progress &progress)
{
    std::vector<StaleRow> rows;
    for (const FoldTable &fold : Schema::foldTables(db.kind())) {
        // Most searches find nothing stale, and look no further.
        DbStatus s;
        const qint64 stale = db.scalar(SqlDialect::staleFoldRowCount(fold), {}, &s).toLongLong();
        if (!s.ok())
            return s;
        if (stale == 0)
            continue;
        // Between batches nothing is half-done: what is folded stays.
        const QString step = FoldedCopiesTexts::tr("Preparing the certificates for searching");
        const auto stop = [&](qint64 done) { return !progress(step, done, stale) && done < stale; };
        if (stop(0))
            return DbStatus::failure(DbCondition::Cancelled, step);
        // The triggers fold what the engine folds as the program does; rows
        // written before they did (or by a program that marked them stale)
        // are folded by the engine here in one statement, the rest one by one.
        QSqlQuery ascii;
        if (s = db.run(ascii, SqlDialect::foldAsciiRows(fold, db.engine())); !s.ok())
            return s;
        qint64 folded = std::max(0, ascii.numRowsAffected());
        for (;;) {
            if (s = readStale(db, fold, rows); !s.ok())
                return s;
            if (rows.empty())
                break;
            if (s = writeFolds(db, fold, rows); !s.ok())
                return s;
            folded += static_cast<qint64>(rows.size());
            if (stop(folded))
                return DbStatus::failure(DbCondition::Cancelled, step);
        }
        // A server plans by its statistics: taken while every copy was
        // stale, they would have each search scan the whole table for the
        // few stale ones. Outside a transaction the table is settled too.
        QStringList statistics = db.inTransaction() ? QStringList{SqlDialect::refreshStatistics(fold.name, db.engine())}
                                                    : SqlDialect::settleTables({fold.name}, db.engine());
        statistics.removeAll(QString());
        if (folded >= kBatch)
            if (s = runAll(db, statistics); !s.ok())
                return s;
    }
    return {};
}

} // namespace arc::FoldedCopies
