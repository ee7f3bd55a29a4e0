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
