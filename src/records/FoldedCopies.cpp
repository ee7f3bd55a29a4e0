#include "FoldedCopies.h"

#include "Database.h"
#include "SearchText.h"
#include "SqlDialectErrors.h"
#include "SqlDialectFolds.h"
#include "WriteTransaction.h"

#include <QSqlQuery>
#include <algorithm>
#include <optional>
#include <vector>

namespace arc::FoldedCopies {

namespace {

constexpr int kBatch = 5000;

bool exists(Database &db, const QString &type, const QString &name, DbStatus &s)
{
    return !db.scalar(SqlDialect::schemaObjectQuery(db.engine()), {type, name}, &s).isNull();
}

DbStatus runAll(Database &db, const QStringList &statements)
{
    for (const QString &sql : statements)
        if (DbStatus s = db.exec(sql); !s.ok())
            return s;
    return {};
}

// Whether a fold table there has every column of the current layout; a
// table of an earlier one lacks what was added to it since.
bool hasEveryColumn(Database &db, const FoldTable &fold, DbStatus &s)
{
    QSqlQuery q;
    if (s = db.run(q, SqlDialect::tableColumnsQuery(db.engine()), {fold.name}); !s.ok())
        return false;
    QStringList there;
    while (q.next())
        there << q.value(0).toString();
    const QStringList wanted = SqlDialect::foldTableColumns(fold);
    return std::all_of(wanted.begin(), wanted.end(),
                       [&](const QString &c) { return there.contains(c, Qt::CaseInsensitive); });
}

// Whether every fold table, of the current layout, and every trigger is
// there: then nothing is refilled, and what the statements below make is
// only made where it went missing.
bool inPlace(Database &db, DbStatus &s)
{
    for (const FoldTable &fold : Schema::foldTables(db.kind())) {
        if (!exists(db, QStringLiteral("table"), fold.name, s) || !s.ok() || !hasEveryColumn(db, fold, s) || !s.ok())
            return false;
        for (const auto &trigger : SqlDialect::foldTriggers(fold, db.engine()))
            if (!exists(db, QStringLiteral("trigger"), trigger.first, s) || !s.ok())
                return false;
    }
    return true;
}

DbStatus ensureTable(Database &db, const FoldTable &fold, bool &refilled)
{
    // A table made afresh, or one whose triggers were missing, cannot know
    // which rows changed meanwhile.
    DbStatus s;
    bool refill = !exists(db, QStringLiteral("table"), fold.name, s);
    // A table of an earlier layout is made anew, with the triggers that
    // fill what it lacked.
    if (s.ok() && !refill && !hasEveryColumn(db, fold, s) && s.ok()) {
        s = runAll(db, SqlDialect::dropFoldTableStatements(fold, db.engine()));
        refill = true;
    }
    if (s.ok())
        s = db.exec(SqlDialect::createFoldTable(fold, db.engine()));
    if (s.ok())
        s = runAll(db, SqlDialect::formerFoldTriggerStatements(fold, db.engine()));
    for (const auto &[name, sql] : SqlDialect::foldTriggers(fold, db.engine())) {
        if (!s.ok())
            return s;
        if (exists(db, QStringLiteral("trigger"), name, s) || !s.ok())
            continue;
        s = db.exec(sql);
        refill = true;
    }
    refilled = refilled || refill;
    if (refill && s.ok())
        s = runAll(db, SqlDialect::refillFoldTableStatements(fold, db.engine()));
    // Made once over the copies rather than kept up row by row as they go in.
    return s.ok() ? runAll(db, SqlDialect::createFoldIndexStatements(fold)) : s;
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

DbStatus ensure(Database &db)
{
    DbStatus s;
    // A file that has them all is opened without taking its write lock,
    // which another program may hold.
    const bool whole = inPlace(db, s);
    if (!s.ok())
        return s;
    std::optional<WriteTransaction> tx;
    if (!whole && !(tx.emplace(db), tx->ok()))
        return tx->status();
    bool refilled = false;
    for (const FoldTable &fold : Schema::foldTables(db.kind()))
        if (s = ensureTable(db, fold, refilled); !s.ok())
            return s;
    for (const Schema::SourceIndex &index : Schema::searchIndexes(db.kind()))
        if (s = runAll(db, SqlDialect::createSearchIndexStatements(index)); !s.ok())
            return s;
    // The refill folded what the engine folds; the rest is folded here,
    // where the file is being made over anyway, not at the first search.
    if (refilled)
        if (s = bringUpToDate(db); !s.ok())
            return s;
    return tx ? tx->commit() : s;
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
        const QString step = QStringLiteral("Preparing the certificates for searching");
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
        // few stale ones.
        const QString statistics = SqlDialect::refreshStatistics(fold.name, db.engine());
        if (folded >= kBatch && !statistics.isEmpty())
            if (s = db.exec(statistics); !s.ok())
                return s;
    }
    return {};
}

} // namespace arc::FoldedCopies
