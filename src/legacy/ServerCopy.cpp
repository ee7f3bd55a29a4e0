#include "ServerCopy.h"

#include "Database.h"
#include "SqlDialect.h"

#include <QCoreApplication>
#include <QLocale>
#include <QSqlDriver>
#include <libpq-fe.h>

namespace arc::ServerCopy {

namespace {

struct ServerCopyTexts {
    Q_DECLARE_TR_FUNCTIONS(arc::ServerCopy)
};

constexpr qsizetype kChunk = 1 << 20;

DbStatus copyFailure(const QString &why) { return DbStatus::failure(DbCondition::Other, why); }

QString serverError(PGconn *conn) { return QString::fromUtf8(PQerrorMessage(conn)).trimmed(); }

// Backslash, tab and line ends are what the text form escapes.
void appendText(QByteArray &out, const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    for (const char c : utf8) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\t': out += "\\t"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        default: out += c;
        }
    }
}

// The server's handle behind a QPSQL connection; null for any other.
PGconn *handleOf(const Database &db)
{
    const QVariant handle = db.connection().driver()->handle();
    // Qt names the type by the struct behind libpq's typedef.
    if (!handle.isValid() || (qstrcmp(handle.typeName(), "PGconn*") != 0 && qstrcmp(handle.typeName(), "pg_conn*") != 0))
        return nullptr;
    return *static_cast<PGconn *const *>(handle.constData());
}

// The COPY's outcome, and the connection made ready for the next statement.
DbStatus finish(PGconn *conn, const char *abandoned)
{
    if (PQputCopyEnd(conn, abandoned) != 1)
        return copyFailure(serverError(conn));
    DbStatus s;
    while (PGresult *result = PQgetResult(conn)) {
        if (s.ok() && PQresultStatus(result) != PGRES_COMMAND_OK)
            s = copyFailure(QString::fromUtf8(PQresultErrorMessage(result)).trimmed());
        PQclear(result);
    }
    return s;
}

void appendRow(QByteArray &out, const TableDef &table, const QVariantList &row)
{
    for (size_t i = 0; i < table.fields.size(); ++i) {
        if (i > 0)
            out += '\t';
        const QVariant &v = row.at(static_cast<qsizetype>(i));
        if (v.isNull()) {
            out += "\\N";
            continue;
        }
        switch (table.fields[i].type) {
        case FieldType::Text:
        case FieldType::Date:
            appendText(out, v.toString());
            break;
        case FieldType::Number:
            // The shortest text that reads back as the same double.
            out += QByteArray::number(v.toDouble(), 'g', QLocale::FloatingPointShortest);
            break;
        case FieldType::Blob:
            out += "\\\\x" + v.toByteArray().toHex();
            break;
        case FieldType::Counter:
        case FieldType::Long:
        case FieldType::YesNo:
            out += QByteArray::number(static_cast<qlonglong>(v.toDouble()));
            break;
        }
    }
    out += '\n';
}

} // namespace

DbStatus write(Database &db, const TableDef &table, const QList<QVariantList> &rows, const Progress &progress)
{
    PGconn *conn = handleOf(db);
    if (!conn)
        return copyFailure(ServerCopyTexts::tr("%1 cannot be loaded in bulk: not a server connection").arg(table.name));
    QStringList columns;
    for (const FieldDef &f : table.fields)
        columns << SqlDialect::quoted(f.name);
    const QByteArray sql = QStringLiteral("COPY %1 (%2) FROM STDIN")
                               .arg(SqlDialect::quoted(table.name), columns.join(QStringLiteral(", ")))
                               .toUtf8();
    PGresult *started = PQexec(conn, sql.constData());
    const bool copying = PQresultStatus(started) == PGRES_COPY_IN;
    const QString why = copying ? QString() : QString::fromUtf8(PQresultErrorMessage(started)).trimmed();
    PQclear(started);
    if (!copying)
        return copyFailure(ServerCopyTexts::tr("%1 cannot be loaded: %2").arg(table.name, why));

    const QString step = ServerCopyTexts::tr("Writing %1").arg(table.name);
    const qint64 total = rows.size();
    QByteArray chunk;
    chunk.reserve(kChunk + 4096);
    for (qint64 r = 0; r < total; ++r) {
        appendRow(chunk, table, rows.at(r));
        if (chunk.size() < kChunk && r + 1 < total)
            continue;
        if (PQputCopyData(conn, chunk.constData(), static_cast<int>(chunk.size())) != 1) {
            const QString lost = serverError(conn);
            (void)finish(conn, "not sent whole");
            return copyFailure(ServerCopyTexts::tr("%1 cannot be loaded: %2").arg(table.name, lost));
        }
        chunk.clear();
        if (!progress(step, r + 1, total)) {
            (void)finish(conn, "stopped");
            return DbStatus::failure(DbCondition::Cancelled,
                                     ServerCopyTexts::tr("stopped while writing %1").arg(table.name));
        }
    }
    if (DbStatus s = finish(conn, nullptr); !s.ok())
        return copyFailure(ServerCopyTexts::tr("%1 cannot be loaded: %2").arg(table.name, s.detail()));
    return {};
}

} // namespace arc::ServerCopy
