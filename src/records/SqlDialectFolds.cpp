#include "SqlDialectFolds.h"

#include "SqlDialectActivity.h"

namespace arc::SqlDialect {

namespace {

QString quotedList(const QStringList &names, const QString &prefix = {})
{
    QStringList out;
    for (const QString &n : names)
        out << prefix + quoted(n);
    return out.join(QStringLiteral(", "));
}

NamedStatement index(const QString &table, const QStringList &columns, const QString &where = {})
{
    const QString name =
        QStringLiteral("idx_%1_%2").arg(table, where.isEmpty() ? columns.join(QLatin1Char('_')) : QStringLiteral("stale"));
    const QString partial = where.isEmpty() ? QString() : QStringLiteral(" WHERE ") + where;
    return {name, QStringLiteral("CREATE INDEX IF NOT EXISTS %1 ON %2(%3)%4")
                      .arg(quoted(name), quoted(table), quotedList(columns), partial)};
}

// The engine's lower() folds ASCII letters alone: of a text all ASCII it
// makes what the program's fold makes; the "C" collation keeps the
// server's locale out of it.
QString engineFolded(const QString &value, Engine e)
{
    return e == Engine::PostgreSQL ? QStringLiteral("lower(%1 COLLATE \"C\")").arg(value)
                                   : QStringLiteral("lower(%1)").arg(value);
}

// Whether every folded field of a source row is ASCII (or null): a text
// is ASCII when it has as many bytes as characters. Never null.
QString allAscii(const FoldTable &fold, const QString &row, Engine e)
{
    QStringList ascii;
    for (const QString &f : fold.folded)
        ascii << (e == Engine::PostgreSQL ? QStringLiteral("octet_length(%1.%2) IS NOT DISTINCT FROM length(%1.%2)")
                                          : QStringLiteral("length(CAST(%1.%2 AS BLOB)) IS length(%1.%2)"))
                     .arg(row, quoted(f));
    return QStringLiteral("(%1)").arg(ascii.join(QStringLiteral(" AND ")));
}

// The key, the copied and the folded values of a source row, and the mark
// saying it is fresh: what the engine makes of an all-ASCII row.
QStringList foldedRowValues(const FoldTable &fold, const QString &row, const QString &key, Engine e)
{
    QStringList values{row + QLatin1Char('.') + key};
    for (const QString &c : fold.copied)
        values << row + QLatin1Char('.') + quoted(c);
    for (const QString &f : fold.folded)
        values << engineFolded(row + QLatin1Char('.') + quoted(f), e);
    return values << QStringLiteral("1");
}

QString allColumns(const FoldTable &fold) { return quotedList(foldTableColumns(fold)); }

// A source row's fold row made in one statement when the engine folds it
// as the program does, else made stale for the program to fold. Another
// program's plain INSERTs thus leave nothing to fold but the texts beyond
// ASCII.
QStringList rowsFrom(const FoldTable &fold, const QString &insert, const QString &source, const QString &row,
                     const QString &key, Engine e)
{
    QStringList stale{row + QLatin1Char('.') + key};
    for (const QString &c : fold.copied)
        stale << row + QLatin1Char('.') + quoted(c);
    const QString ascii = allAscii(fold, row, e);
    return {QStringLiteral("%1 INTO %2 (%3) SELECT %4%5 WHERE %6")
                .arg(insert, quoted(fold.name), allColumns(fold), foldedRowValues(fold, row, key, e).join(", "),
                     source, ascii),
            QStringLiteral("%1 INTO %2 (%3) SELECT %4%5 WHERE NOT %6")
                .arg(insert, quoted(fold.name), quotedList(QStringList{fold.key} + fold.copied), stale.join(", "),
                     source, ascii)};
}

QString serverTriggerName(const FoldTable &fold) { return fold.name + QStringLiteral("_write"); }

// The server's trigger runs a function: it drops the fold row of the old
// source row and makes one for the new.
QList<NamedStatement> serverFoldTriggers(const FoldTable &fold)
{
    const QString key = rowIdOf(fold.source);
    const QString function = fold.name + QStringLiteral("_fold");
    const QString trigger = serverTriggerName(fold);
    const QStringList made = rowsFrom(fold, QStringLiteral("INSERT"), {}, QStringLiteral("NEW"), key, Engine::PostgreSQL);
    const QString body =
        QStringLiteral("BEGIN "
                       "IF TG_OP <> 'INSERT' THEN DELETE FROM %1 WHERE %2 = OLD.%3; END IF; "
                       "IF TG_OP <> 'DELETE' THEN DELETE FROM %1 WHERE %2 = NEW.%3; %4; %5; END IF; "
                       "RETURN NULL; END")
            .arg(quoted(fold.name), quoted(fold.key), key, made[0], made[1]);
    return {{function, QStringLiteral("CREATE OR REPLACE FUNCTION %1() RETURNS trigger LANGUAGE plpgsql AS $fold$ %2 $fold$")
                           .arg(quoted(function), body)},
            {trigger, QStringLiteral("CREATE TRIGGER %1 AFTER INSERT OR UPDATE OR DELETE ON %2 FOR EACH ROW "
                                     "EXECUTE FUNCTION %3()")
                          .arg(quoted(trigger), quoted(fold.source), quoted(function))}};
}

// A copied field keeps its source column's type, so that it compares as
// the source does: dates as texts, by code point on both engines.
QString copiedColumnType(const FoldTable &fold, const QString &field, Engine e)
{
    const TableDef *source = Schema::table(fold.source);
    const FieldDef *f = source ? source->field(field) : nullptr;
    if (f && (f->type == FieldType::Date || f->type == FieldType::Text))
        return e == Engine::PostgreSQL ? QStringLiteral("TEXT COLLATE \"C\"") : QStringLiteral("TEXT");
    return e == Engine::PostgreSQL ? QStringLiteral("BIGINT") : QStringLiteral("INTEGER");
}

} // namespace

QStringList foldTableColumns(const FoldTable &fold)
{
    return QStringList{fold.key} + fold.copied + fold.folded + QStringList{Schema::freshColumn()};
}

QStringList dropFoldTableStatements(const FoldTable &fold, Engine e)
{
    QStringList out;
    if (e == Engine::PostgreSQL)
        out << QStringLiteral("DROP TRIGGER IF EXISTS %1 ON %2").arg(quoted(serverTriggerName(fold)), quoted(fold.source))
            << QStringLiteral("DROP FUNCTION IF EXISTS %1()").arg(quoted(fold.name + QStringLiteral("_fold")));
    else
        for (const auto &trigger : foldTriggers(fold, e))
            out << QStringLiteral("DROP TRIGGER IF EXISTS %1").arg(quoted(trigger.first));
    return out << QStringLiteral("DROP TABLE IF EXISTS %1").arg(quoted(fold.name));
}

QString createFoldTable(const FoldTable &fold, Engine e)
{
    const bool server = e == Engine::PostgreSQL;
    QStringList columns{quoted(fold.key) + (server ? QStringLiteral(" BIGINT PRIMARY KEY") : QStringLiteral(" INTEGER PRIMARY KEY"))};
    for (const QString &c : fold.copied)
        columns << quoted(c) + QLatin1Char(' ') + copiedColumnType(fold, c, e);
    for (const QString &f : fold.folded)
        columns << quoted(f) + (server ? QStringLiteral(" TEXT COLLATE \"C\"") : QStringLiteral(" TEXT"));
    columns << quoted(Schema::freshColumn()) + QStringLiteral(" INTEGER");
    return QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (%2)").arg(quoted(fold.name), columns.join(", "));
}

QList<NamedStatement> foldIndexes(const FoldTable &fold)
{
    QList<NamedStatement> out;
    for (const QStringList &columns : fold.indexes)
        out << index(fold.name, columns);
    // Stale rows are few and looked for before every search.
    out << index(fold.name, {fold.key}, quoted(Schema::freshColumn()) + QStringLiteral(" IS NULL"));
    return out;
}

QList<NamedStatement> foldTriggers(const FoldTable &fold, Engine e)
{
    if (e == Engine::PostgreSQL)
        return serverFoldTriggers(fold);
    const QString source = quoted(fold.source);
    const QString removeOld =
        QStringLiteral("DELETE FROM %1 WHERE %2 = OLD.rowid;").arg(quoted(fold.name), quoted(fold.key));
    const auto name = [&](const char *event) { return QStringLiteral("%1_on_%2").arg(fold.name, QLatin1String(event)); };
    const auto trigger = [&](const QString &triggerName, const char *event, const QString &body) {
        return std::pair{triggerName, QStringLiteral("CREATE TRIGGER IF NOT EXISTS %1 AFTER %2 ON %3 BEGIN %4 END")
                                          .arg(quoted(triggerName), QLatin1String(event), source, body)};
    };
    const QString makeNew =
        rowsFrom(fold, QStringLiteral("INSERT OR REPLACE"), {}, QStringLiteral("NEW"), QStringLiteral("rowid"), e)
            .join(QStringLiteral("; "))
        + QLatin1Char(';');
    return {trigger(name("insert"), "INSERT", makeNew),
            trigger(name("update"), "UPDATE", removeOld + QLatin1Char(' ') + makeNew),
            trigger(name("delete"), "DELETE", removeOld)};
}

QStringList pauseFoldTriggerStatements(const FoldTable &fold, Engine e)
{
    if (e != Engine::PostgreSQL)
        return {};
    // The copies' refill would count a certificate again for each row.
    return QStringList{QStringLiteral("ALTER TABLE %1 DISABLE TRIGGER %2").arg(quoted(fold.source), quoted(serverTriggerName(fold)))}
           + pauseActivityTrigger(fold.name, e);
}

QStringList resumeFoldTriggerStatements(const FoldTable &fold, Engine e)
{
    if (e != Engine::PostgreSQL)
        return {};
    return QStringList{QStringLiteral("ALTER TABLE %1 ENABLE TRIGGER %2").arg(quoted(fold.source), quoted(serverTriggerName(fold)))}
           + refillFoldTableStatements(fold, e) + resumeActivityTrigger(fold.name, e);
}

QStringList refillFoldTableStatements(const FoldTable &fold, Engine e)
{
    const QString key = e == Engine::PostgreSQL ? rowIdOf(fold.source) : QStringLiteral("rowid");
    QStringList out = QStringList{QStringLiteral("DELETE FROM %1").arg(quoted(fold.name))}
                      + rowsFrom(fold, QStringLiteral("INSERT"), QStringLiteral(" FROM %1 AS s").arg(quoted(fold.source)),
                                 QStringLiteral("s"), key, e);
    // A server plans by its statistics: taken before the refill, they would
    // have the first searches read the copies whole.
    if (const QString statistics = refreshStatistics(fold.name, e); !statistics.isEmpty())
        out << statistics;
    return out;
}

QList<NamedStatement> formerFoldTriggers(const FoldTable &fold, Engine e)
{
    if (e == Engine::PostgreSQL) {
        const QString trigger = fold.name + QStringLiteral("_change"), function = fold.name + QStringLiteral("_stale");
        return {{trigger, QStringLiteral("DROP TRIGGER IF EXISTS %1 ON %2").arg(quoted(trigger), quoted(fold.source))},
                {function, QStringLiteral("DROP FUNCTION IF EXISTS %1()").arg(quoted(function))}};
    }
    QList<NamedStatement> out;
    for (const char *event : {"insert", "update", "delete"}) {
        const QString trigger = fold.name + QLatin1Char('_') + QLatin1String(event);
        out << NamedStatement{trigger, QStringLiteral("DROP TRIGGER IF EXISTS %1").arg(quoted(trigger))};
    }
    return out;
}

QString staleFoldRowsQuery(const FoldTable &fold, int limit, Engine e)
{
    const QString key = e == Engine::PostgreSQL ? rowIdOf(fold.source) : QStringLiteral("rowid");
    return QStringLiteral("SELECT f.%1, %2, s.%7 IS NULL FROM %3 f LEFT JOIN %4 s ON s.%7 = f.%1 "
                          "WHERE f.%5 IS NULL LIMIT %6")
        .arg(quoted(fold.key), quotedList(fold.copied + fold.folded, QStringLiteral("s.")), quoted(fold.name),
             quoted(fold.source), quoted(Schema::freshColumn()))
        .arg(limit)
        .arg(key);
}

QString staleFoldRowCount(const FoldTable &fold)
{
    return QStringLiteral("SELECT count(*) FROM %1 WHERE %2 IS NULL").arg(quoted(fold.name), quoted(Schema::freshColumn()));
}

QString foldAsciiRows(const FoldTable &fold, Engine e)
{
    QStringList sets;
    for (const QString &c : fold.copied)
        sets << QStringLiteral("%1 = s.%1").arg(quoted(c));
    for (const QString &f : fold.folded)
        sets << quoted(f) + QStringLiteral(" = ") + engineFolded(QStringLiteral("s.") + quoted(f), e);
    sets << quoted(Schema::freshColumn()) + QStringLiteral(" = 1");
    const QString key = e == Engine::PostgreSQL ? rowIdOf(fold.source) : QStringLiteral("rowid");
    return QStringLiteral("UPDATE %1 AS f SET %2 FROM %3 AS s WHERE s.%7 = f.%4 AND f.%5 IS NULL AND %6")
        .arg(quoted(fold.name), sets.join(", "), quoted(fold.source), quoted(fold.key), quoted(Schema::freshColumn()),
             allAscii(fold, QStringLiteral("s"), e), key);
}

QString updateFoldRow(const FoldTable &fold)
{
    QStringList sets;
    for (const QString &c : fold.copied + fold.folded)
        sets << quoted(c) + QStringLiteral(" = ?");
    sets << quoted(Schema::freshColumn()) + QStringLiteral(" = 1");
    return QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ?").arg(quoted(fold.name), sets.join(", "), quoted(fold.key));
}

QString deleteFoldRow(const FoldTable &fold)
{
    return QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(quoted(fold.name), quoted(fold.key));
}

NamedStatement searchIndex(const Schema::SourceIndex &source)
{
    if (!source.asNumber)
        return index(source.table, {source.field});
    const QString name = QStringLiteral("idx_%1_%2_number").arg(source.table, source.field);
    return {name, QStringLiteral("CREATE INDEX IF NOT EXISTS %1 ON %2(upper(trim(%3)))")
                      .arg(quoted(name), quoted(source.table), quoted(source.field))};
}

NamedStatement listOrderIndex(const Schema::ListOrder &order)
{
    const QString name = QStringLiteral("idx_Header_order_%1").arg(order.name);
    return {name, QStringLiteral("CREATE INDEX IF NOT EXISTS %1 ON \"Header\"((%2), \"FormIndex\")").arg(quoted(name), order.expression)};
}

} // namespace arc::SqlDialect
