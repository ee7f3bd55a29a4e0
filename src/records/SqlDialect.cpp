#include "SqlDialect.h"

#include <QRegularExpression>

namespace arc::SqlDialect {

namespace {

// SQLite primary result codes (extended codes carry them in the low byte).
constexpr int kBusy = 5;
constexpr int kLocked = 6;
constexpr int kReadOnly = 8;
constexpr int kCantOpen = 14;
constexpr int kConstraint = 19;
constexpr int kNotADb = 26;
constexpr int kError = 1;

QString lengthConstraintName(const QString &field) { return QStringLiteral("len_") + field; }

QString quoted(const QString &name) { return QLatin1Char('"') + name + QLatin1Char('"'); }

QString columnSql(const FieldDef &f)
{
    const QString name = QLatin1Char('"') + f.name + QLatin1Char('"');
    switch (f.type) {
    case FieldType::Counter:
        return name + QStringLiteral(" INTEGER PRIMARY KEY AUTOINCREMENT");
    case FieldType::Long:
        return name + QStringLiteral(" INTEGER");
    case FieldType::Number:
        return name + QStringLiteral(" NUMERIC");
    case FieldType::YesNo:
        return name + QStringLiteral(" INTEGER CHECK(%1 IN (0, 1))").arg(name);
    case FieldType::Date:
        return name + QStringLiteral(" TEXT");
    case FieldType::Text:
        return name + QStringLiteral(" TEXT CONSTRAINT %1 CHECK(length(%2) <= %3)")
                          .arg(lengthConstraintName(f.name), name)
                          .arg(f.maxLength);
    }
    return name;
}

} // namespace

QString driverName() { return QStringLiteral("QSQLITE"); }

QStringList createTableStatements(const TableDef &table)
{
    QStringList columns;
    for (const auto &f : table.fields)
        columns << columnSql(f);
    QStringList out;
    out << QStringLiteral("CREATE TABLE IF NOT EXISTS \"%1\" (%2)").arg(table.name, columns.join(", "));
    if (!table.indexedField.isEmpty())
        out << QStringLiteral("CREATE INDEX IF NOT EXISTS \"idx_%1_%2\" ON \"%1\"(\"%2\")")
                   .arg(table.name, table.indexedField);
    return out;
}

QStringList rebuildTableStatements(const TableDef &table, const QStringList &oldColumns)
{
    TableDef rebuilt = table;
    rebuilt.name = table.name + QStringLiteral("_rebuilt");
    rebuilt.indexedField.clear();
    QStringList shared;
    for (const FieldDef &f : table.fields)
        if (oldColumns.contains(f.name, Qt::CaseInsensitive))
            shared << QLatin1Char('"') + f.name + QLatin1Char('"');
    QStringList out = createTableStatements(rebuilt);
    out << QStringLiteral("INSERT INTO \"%1\" (%3) SELECT %3 FROM \"%2\"").arg(rebuilt.name, table.name, shared.join(", "))
        << QStringLiteral("DROP TABLE \"%1\"").arg(table.name)
        << QStringLiteral("ALTER TABLE \"%1\" RENAME TO \"%2\"").arg(rebuilt.name, table.name);
    // The index went with the old table.
    out << createTableStatements(table).mid(1);
    return out;
}

QStringList connectionPragmas()
{
    // Rollback journal, not WAL: data folders may live on a network share.
    // Replaced content is overwritten, so a password once hashed leaves no
    // plain copy in the file.
    return {QStringLiteral("PRAGMA journal_mode=DELETE"), QStringLiteral("PRAGMA synchronous=FULL"),
            QStringLiteral("PRAGMA busy_timeout=5000"), QStringLiteral("PRAGMA secure_delete=ON")};
}

QString readOnlyConnectOptions() { return QStringLiteral("QSQLITE_OPEN_READONLY"); }

QStringList readOnlyPragmas() { return {QStringLiteral("PRAGMA busy_timeout=5000")}; }

QString tableColumnsQuery() { return QStringLiteral("SELECT name FROM pragma_table_info(?)"); }

QString beginWriteTransaction() { return QStringLiteral("BEGIN IMMEDIATE"); }

QString userVersionQuery() { return QStringLiteral("PRAGMA user_version"); }

QString setUserVersion(int version) { return QStringLiteral("PRAGMA user_version=%1").arg(version); }

QString insertDefaultRow(const TableDef &table)
{
    return QStringLiteral("INSERT INTO \"%1\" DEFAULT VALUES").arg(table.name);
}

QString resultTable(const QString &name) { return QStringLiteral("temp.") + quoted(name); }

QString dropResultTable(const QString &name) { return QStringLiteral("DROP TABLE IF EXISTS ") + resultTable(name); }

QStringList fillResultTableStatements(const QString &name, const QString &keyQuery)
{
    // Rows inserted from an ordered query take their row ids in its order.
    return {dropResultTable(name),
            QStringLiteral("CREATE TEMP TABLE %1 (pos INTEGER PRIMARY KEY, rowkey INTEGER)").arg(quoted(name)),
            QStringLiteral("INSERT INTO %1 (rowkey) %2").arg(resultTable(name), keyQuery)};
}

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

} // namespace

QString schemaObjectQuery() { return QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = ? AND name = ?"); }

QStringList createFoldTableStatements(const FoldTable &fold)
{
    QStringList columns{quoted(fold.key) + QStringLiteral(" INTEGER PRIMARY KEY")};
    for (const QString &c : fold.copied)
        columns << quoted(c) + QStringLiteral(" INTEGER");
    for (const QString &f : fold.folded)
        columns << quoted(f) + QStringLiteral(" TEXT");
    columns << quoted(Schema::freshColumn()) + QStringLiteral(" INTEGER");
    QStringList out{QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (%2)").arg(quoted(fold.name), columns.join(", "))};
    for (const QStringList &index : fold.indexes)
        out << indexStatement(fold.name, index);
    // Stale rows are few and looked for before every search.
    out << indexStatement(fold.name, {fold.key}, quoted(Schema::freshColumn()) + QStringLiteral(" IS NULL"));
    return out;
}

QList<std::pair<QString, QString>> foldTriggers(const FoldTable &fold)
{
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

QStringList refillFoldTableStatements(const FoldTable &fold)
{
    return {QStringLiteral("DELETE FROM %1").arg(quoted(fold.name)),
            QStringLiteral("INSERT INTO %1 (%2) SELECT rowid%3 FROM %4")
                .arg(quoted(fold.name), quotedList(QStringList{fold.key} + fold.copied),
                     fold.copied.isEmpty() ? QString() : QStringLiteral(", ") + quotedList(fold.copied),
                     quoted(fold.source))};
}

QString staleFoldRowsQuery(const FoldTable &fold, int limit)
{
    return QStringLiteral("SELECT f.%1, %2, s.rowid IS NULL FROM %3 f LEFT JOIN %4 s ON s.rowid = f.%1 "
                          "WHERE f.%5 IS NULL LIMIT %6")
        .arg(quoted(fold.key), quotedList(fold.copied + fold.folded, QStringLiteral("s.")), quoted(fold.name),
             quoted(fold.source), quoted(Schema::freshColumn()))
        .arg(limit);
}

QString foldAsciiRows(const FoldTable &fold)
{
    QStringList sets, ascii;
    for (const QString &c : fold.copied)
        sets << QStringLiteral("%1 = s.%1").arg(quoted(c));
    for (const QString &f : fold.folded) {
        sets << QStringLiteral("%1 = lower(s.%1)").arg(quoted(f));
        // A text is ASCII when it has as many bytes as characters.
        ascii << QStringLiteral("length(CAST(s.%1 AS BLOB)) IS length(s.%1)").arg(quoted(f));
    }
    sets << quoted(Schema::freshColumn()) + QStringLiteral(" = 1");
    return QStringLiteral("UPDATE %1 AS f SET %2 FROM %3 AS s WHERE s.rowid = f.%4 AND f.%5 IS NULL AND %6")
        .arg(quoted(fold.name), sets.join(", "), quoted(fold.source), quoted(fold.key), quoted(Schema::freshColumn()),
             ascii.join(QStringLiteral(" AND ")));
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

QString refusedField(const QSqlError &error)
{
    static const QRegularExpression re(QStringLiteral("CHECK constraint failed: len_(\\w+)"));
    const auto m = re.match(error.databaseText());
    return m.hasMatch() ? m.captured(1) : QString();
}

DbStatus status(const QSqlError &error)
{
    if (error.type() == QSqlError::NoError)
        return {};
    bool numeric = false;
    const int code = error.nativeErrorCode().toInt(&numeric) & 0xFF;
    const QString text = error.text();
    if (!numeric)
        return DbStatus::failure(DbCondition::Other, text);
    switch (code) {
    case kConstraint:
        if (const QString field = refusedField(error); !field.isEmpty()) {
            DbStatus s = DbStatus::failure(DbCondition::FieldTooSmall, text);
            s.setRefusedFields({field});
            return s;
        }
        return DbStatus::failure(DbCondition::Other, text);
    case kBusy:
    case kLocked:
        return DbStatus::failure(DbCondition::Locked, text);
    case kReadOnly:
        return DbStatus::failure(DbCondition::ReadOnly, text);
    case kCantOpen:
        return DbStatus::failure(DbCondition::FileNotFound, text);
    case kNotADb:
        return DbStatus::failure(DbCondition::NotADatabase, text);
    case kError:
        if (error.databaseText().contains(QLatin1String("syntax error")))
            return DbStatus::failure(DbCondition::MalformedQuery, text);
        if (error.databaseText().contains(QLatin1String("no such")))
            return DbStatus::failure(DbCondition::ItemNotFound, text);
        return DbStatus::failure(DbCondition::Other, text);
    default:
        return DbStatus::failure(DbCondition::Other, text);
    }
}

} // namespace arc::SqlDialect
