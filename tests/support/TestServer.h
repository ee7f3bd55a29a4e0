#pragma once

#include "ServerUri.h"
#include "SqlDialect.h"
#include "TempFolder.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <atomic>
#include <gtest/gtest.h>

// ARC_TEST_PG holds the test server's URI (./dev.sh starts a private one).
// Each test works in a schema of its own, dropped when it ends.
namespace TestServer {

inline QString baseUri() { return qEnvironmentVariable("ARC_TEST_PG"); }
inline bool configured() { return !baseUri().isEmpty(); }
// A server test never skips: no server is not a reason the machine imposes.
inline constexpr const char *kNotConfigured =
    "ARC_TEST_PG is not set: run the server tests with ./dev.sh test, which starts a private server";

// Runs statements on the server outside any store; false with the reason.
inline bool admin(const QStringList &statements, QString *error = nullptr)
{
    const auto uri = arc::ServerUri::parse(baseUri(), error);
    if (!uri)
        return false;
    const QString name = QStringLiteral("arc-test-admin");
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        uri->configure(db);
        ok = db.open();
        if (!ok && error)
            *error = db.lastError().text();
        for (const QString &sql : statements) {
            if (!ok)
                break;
            QSqlQuery q(db);
            ok = q.exec(sql);
            if (!ok && error)
                *error = q.lastError().text();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

// A new, empty schema and the URI that works in it.
class Schema {
public:
    Schema() = default;
    Schema(const Schema &) = delete;
    Schema &operator=(const Schema &) = delete;
    ~Schema()
    {
        if (!name.isEmpty())
            admin({QStringLiteral("SET client_min_messages = warning"), QStringLiteral("DROP SCHEMA IF EXISTS %1 CASCADE").arg(name)});
    }

    // Call under ASSERT_NO_FATAL_FAILURE.
    void make()
    {
        ASSERT_TRUE(configured()) << kNotConfigured;
        static std::atomic<int> counter{0};
        name = QStringLiteral("t%1_%2").arg(QCoreApplication::applicationPid()).arg(++counter);
        QString error;
        ASSERT_TRUE(admin({QStringLiteral("SET client_min_messages = warning"), QStringLiteral("DROP SCHEMA IF EXISTS %1 CASCADE").arg(name),
                           QStringLiteral("CREATE SCHEMA %1").arg(name)},
                          &error))
            << "the test server cannot be used: " << error.toStdString();
        const QString base = baseUri();
        uri = base + (base.contains(QLatin1Char('?')) ? QLatin1Char('&') : QLatin1Char('?')) + QStringLiteral("options=")
              + QString::fromUtf8(QUrl::toPercentEncoding(QStringLiteral("-csearch_path=") + name));
    }

    QString name;
    QString uri;
};

} // namespace TestServer

namespace arc {
inline void PrintTo(Engine e, std::ostream *os) { *os << (e == Engine::PostgreSQL ? "PostgreSQL" : "SQLite"); }
} // namespace arc

inline std::string engineName(const ::testing::TestParamInfo<arc::Engine> &info) { return testing::PrintToString(info.param); }

#define ARC_ON_BOTH_ENGINES(Suite)                                                                                      \
    INSTANTIATE_TEST_SUITE_P(Engines, Suite, ::testing::Values(arc::Engine::SQLite, arc::Engine::PostgreSQL), engineName)
