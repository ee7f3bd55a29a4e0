#include "BenchServer.h"

#include "BenchFolder.h"
#include "Resident.h"
#include "ServerImport.h"
#include "ServerUri.h"

#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <cstdio>

namespace arc::bench {

namespace {

const char *const kSchema = "arc_bench";

DbStatus makeSchema(const ServerUri &uri, const QString &schema)
{
    const QString name = QStringLiteral("arc-bench-admin");
    DbStatus s;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        db.setHostName(uri.host);
        if (uri.port)
            db.setPort(uri.port);
        db.setUserName(uri.user);
        db.setPassword(uri.password);
        db.setDatabaseName(uri.dbname);
        db.setConnectOptions(uri.connectOptions());
        if (!db.open()) {
            s = DbStatus::failure(DbCondition::FileNotFound, db.lastError().text());
        } else {
            QSqlQuery q(db);
            for (const QString &sql : {QStringLiteral("SET client_min_messages = warning"),
                                       QStringLiteral("DROP SCHEMA IF EXISTS %1 CASCADE").arg(schema),
                                       QStringLiteral("CREATE SCHEMA %1").arg(schema)})
                if (s.ok() && !q.exec(sql))
                    s = DbStatus::failure(DbCondition::Other, q.lastError().text());
        }
    }
    QSqlDatabase::removeDatabase(name);
    return s;
}

struct Made {
    QString uri;
    DbStatus status;
};

Made make()
{
    Made m;
    const QString &folder = BenchFolder::path(&m.status);
    if (!m.status.ok())
        return m;
    const QString schemaUri = BenchServer::freshSchema(QString::fromLatin1(kSchema), &m.status);
    if (!m.status.ok())
        return m;
    QElapsedTimer timer;
    forgetPeak();
    const double before = residentMegabytes();
    timer.start();
    const ConversionReport report = ServerImport::run(folder, schemaUri);
    if (report.outcome == ConversionReport::Outcome::Failed) {
        m.status = report.status;
        return m;
    }
    std::fprintf(stderr, "moved %d certificates into the server in %.1f s, holding at most %.0f MB more\n",
                 BenchFolder::certificates(), static_cast<double>(timer.elapsed()) / 1000.0,
                 peakMegabytes() - before);
    m.uri = schemaUri;
    return m;
}

} // namespace

QString BenchServer::freshSchema(const QString &schema, DbStatus *status)
{
    QString base = qEnvironmentVariable("ARC_BENCH_PG");
    if (base.isEmpty())
        base = qEnvironmentVariable("ARC_TEST_PG");
    const std::optional<ServerUri> uri = ServerUri::parse(base);
    *status = uri ? makeSchema(*uri, schema)
                  : DbStatus::failure(DbCondition::InvalidPath, QStringLiteral("set ARC_BENCH_PG to a server URI"));
    if (!status->ok())
        return {};
    return base + (base.contains(QLatin1Char('?')) ? QLatin1Char('&') : QLatin1Char('?')) + QStringLiteral("options=")
           + QString::fromUtf8(QUrl::toPercentEncoding(QStringLiteral("-csearch_path=") + schema));
}

const QString &BenchServer::uri(DbStatus *status)
{
    static const Made made = make();
    if (status)
        *status = made.status;
    return made.uri;
}

} // namespace arc::bench
