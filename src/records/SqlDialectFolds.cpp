#include "SqlDialectFolds.h"

namespace arc::SqlDialect {

namespace {

QString quotedList(const QStringList &names, const QString &prefix = {})
{
    QStringList out;
    for (const QString &n : names)
        out << prefix + quoted(n);
    return out.join(QStringLiteral(", "));
}

QString indexStatement(const QString &table, const QStringList &columns, const QString &where = {})
{
    const QString name =
        QStringLiteral("idx_%1_%2").arg(table, where.isEmpty() ? columns.join(QLatin1Char('_')) : QStringLiteral("stale"));
    const QString partial = where.isEmpty() ? QString() : QStringLiteral(" WHERE ") + where;
    return QStringLiteral("CREATE INDEX IF NOT EXISTS %1 ON %2(%3)%4")
        .arg(quoted(name), quoted(table), quotedList(columns), partial);
}

// The fold row of the source row a trigger acts on, made anew and stale.
QString staleRowFor(const FoldTable &fold)
{
    const QString copied =
        fold.copied.isEmpty() ? QString() : QStringLiteral(", ") + quotedList(fold.copied, QStringLiteral("NEW."));
    return QStringLiteral("INSERT OR REPLACE INTO %1 (%2) VALUES (NEW.rowid%3)")
        .arg(quoted(fold.name), quotedList(QStringList{fold.key} + fold.copied), copied);
}

QString serverTriggerName(const FoldTable &fold) { return fold.name + QStringLiteral("_change"); }

// The server's trigger runs a function: it drops the fold row of the old
// source row and makes a stale one for the new.
QList<std::pair<QString, QString>> serverFoldTriggers(const FoldTable &fold)
{
    const QString key = rowIdOf(fold.source);
    const QString function = fold.name + QStringLiteral("_stale");
    const QString trigger = serverTriggerName(fold);
    QStringList values{QStringLiteral("NEW.") + key};
    for (const QString &c : fold.copied)
        values << QStringLiteral("NEW.") + quoted(c);
    const QString body =
        QStringLiteral("BEGIN "
                       "IF TG_OP <> 'INSERT' THEN DELETE FROM %1 WHERE %2 = OLD.%3; END IF; "
                       "IF TG_OP <> 'DELETE' THEN DELETE FROM %1 WHERE %2 = NEW.%3; "
                       "INSERT INTO %1 (%4) VALUES (%5); END IF; "
                       "RETURN NULL; END")
            .arg(quoted(fold.name), quoted(fold.key), key, quotedList(QStringList{fold.key} + fold.copied),
                 values.join(", "));
    return {{function, QStringLiteral("CREATE OR REPLACE FUNCTION %1() RETURNS trigger LANGUAGE plpgsql AS $fold$ %2 $fold$")
                           .arg(quoted(function), body)},
            {trigger, QStringLiteral("CREATE TRIGGER %1 AFTER INSERT OR UPDATE OR DELETE ON %2 FOR EACH ROW "
                                     "EXECUTE FUNCTION %3()")
                          .arg(quoted(trigger), quoted(fold.source), quoted(function))}};
}

} // namespace

QStringList createFoldTableStatements(const FoldTable &fold, Engine e)
{
    const bool server = e == Engine::PostgreSQL;
    QStringList columns{quoted(fold.key) + (server ? QStringLiteral(" BIGINT PRIMARY KEY") : QStringLiteral(" INTEGER PRIMARY KEY"))};
    for (const QString &c : fold.copied)
        columns << quoted(c) + (server ? QStringLiteral(" BIGINT") : QStringLiteral(" INTEGER"));
    for (const QString &f : fold.folded)
        columns << quoted(f) + (server ? QStringLiteral(" TEXT COLLATE \"C\"") : QStringLiteral(" TEXT"));
    columns << quoted(Schema::freshColumn()) + QStringLiteral(" INTEGER");
    QStringList out{QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (%2)").arg(quoted(fold.name), columns.join(", "))};
    for (const QStringList &index : fold.indexes)
        out << indexStatement(fold.name, index);
    // Stale rows are few and looked for before every search.
    out << indexStatement(fold.name, {fold.key}, quoted(Schema::freshColumn()) + QStringLiteral(" IS NULL"));
    return out;
}

QList<std::pair<QString, QString>> foldTriggers(const FoldTable &fold, Engine e)
{
    if (e == Engine::PostgreSQL)
        return serverFoldTriggers(fold);
    const QString source = quoted(fold.source);
    const QString removeOld =
        QStringLiteral("DELETE FROM %1 WHERE %2 = OLD.rowid;").arg(quoted(fold.name), quoted(fold.key));
    const auto name = [&](const char *event) { return QStringLiteral("%1_%2").arg(fold.name, QLatin1String(event)); };
    const auto trigger = [&](const QString &triggerName, const char *event, const QString &body) {
        return std::pair{triggerName, QStringLiteral("CREATE TRIGGER IF NOT EXISTS %1 AFTER %2 ON %3 BEGIN %4 END")
                                          .arg(quoted(triggerName), QLatin1String(event), source, body)};
    };
    return {trigger(name("insert"), "INSERT", staleRowFor(fold) + QLatin1Char(';')),
            trigger(name("update"), "UPDATE", removeOld + QLatin1Char(' ') + staleRowFor(fold) + QLatin1Char(';')),
            trigger(name("delete"), "DELETE", removeOld)};
}

QStringList pauseFoldTriggerStatements(const FoldTable &fold, Engine e)
{
    if (e != Engine::PostgreSQL)
        return {};
    return {QStringLiteral("ALTER TABLE %1 DISABLE TRIGGER %2").arg(quoted(fold.source), quoted(serverTriggerName(fold)))};
}

QStringList resumeFoldTriggerStatements(const FoldTable &fold, Engine e)
{
    if (e != Engine::PostgreSQL)
        return {};
    return QStringList{QStringLiteral("ALTER TABLE %1 ENABLE TRIGGER %2").arg(quoted(fold.source), quoted(serverTriggerName(fold)))}
           + refillFoldTableStatements(fold, e);
}

QStringList refillFoldTableStatements(const FoldTable &fold, Engine e)
{
    const QString key = e == Engine::PostgreSQL ? rowIdOf(fold.source) : QStringLiteral("rowid");
    return {QStringLiteral("DELETE FROM %1").arg(quoted(fold.name)),
            QStringLiteral("INSERT INTO %1 (%2) SELECT %5%3 FROM %4")
                .arg(quoted(fold.name), quotedList(QStringList{fold.key} + fold.copied),
                     fold.copied.isEmpty() ? QString() : QStringLiteral(", ") + quotedList(fold.copied),
                     quoted(fold.source), key)};
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

QString foldAsciiRows(const FoldTable &fold, Engine e)
{
    const bool server = e == Engine::PostgreSQL;
    QStringList sets, ascii;
    for (const QString &c : fold.copied)
        sets << QStringLiteral("%1 = s.%1").arg(quoted(c));
    for (const QString &f : fold.folded) {
        // The "C" collation's lower() folds ASCII letters alone, whatever
        // the server's locale.
        sets << (server ? QStringLiteral("%1 = lower(s.%1 COLLATE \"C\")") : QStringLiteral("%1 = lower(s.%1)")).arg(quoted(f));
        // A text is ASCII when it has as many bytes as characters.
        ascii << (server ? QStringLiteral("octet_length(s.%1) IS NOT DISTINCT FROM length(s.%1)")
                         : QStringLiteral("length(CAST(s.%1 AS BLOB)) IS length(s.%1)"))
                     .arg(quoted(f));
    }
    sets << quoted(Schema::freshColumn()) + QStringLiteral(" = 1");
    const QString key = server ? rowIdOf(fold.source) : QStringLiteral("rowid");
    return QStringLiteral("UPDATE %1 AS f SET %2 FROM %3 AS s WHERE s.%7 = f.%4 AND f.%5 IS NULL AND %6")
        .arg(quoted(fold.name), sets.join(", "), quoted(fold.source), quoted(fold.key), quoted(Schema::freshColumn()),
             ascii.join(QStringLiteral(" AND ")), key);
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

QStringList createSearchIndexStatements(const Schema::SourceIndex &index)
{
    return {indexStatement(index.table, {index.field})};
}

} // namespace arc::SqlDialect
