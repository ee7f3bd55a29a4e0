#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <unistd.h>

// A primary PostgreSQL server and a hot standby streaming from it, both
// private clusters in a folder of the test's own, listening on ports of
// their own through Unix sockets in that folder. Run as an unprivileged user when the
// test runs as root (the server refuses root). Stopped when it goes.
class StandbyCluster {
public:
    StandbyCluster() = default;
    StandbyCluster(const StandbyCluster &) = delete;
    StandbyCluster &operator=(const StandbyCluster &) = delete;
    ~StandbyCluster()
    {
        for (const QString &name : {QStringLiteral("standby"), QStringLiteral("primary")})
            if (QFile::exists(dir(name) + QStringLiteral("/postmaster.pid")))
                (void)tool("pg_ctl", {"-D", dir(name), "-m", "immediate", "-w", "stop"});
    }

    // Call under ASSERT_NO_FATAL_FAILURE.
    void start()
    {
        ASSERT_TRUE(m_root.isValid());
        m_bin = binFolder();
        ASSERT_FALSE(m_bin.isEmpty()) << "no PostgreSQL server is installed";
        QFile::setPermissions(m_root.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther
                                                 | QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup);
        if (geteuid() == 0) {
            ASSERT_TRUE(QProcess::execute("chown", {"nobody", m_root.path()}) == 0);
        }
        ASSERT_TRUE(tool("initdb", {"-D", dir("primary"), "-U", "arc", "-A", "trust", "-E", "UTF8",
                                    "--locale=C.UTF-8", "--no-sync"}));
        ASSERT_NO_FATAL_FAILURE(run("primary"));
        ASSERT_NO_FATAL_FAILURE(makeStandby());
    }

    // A standby made afresh from the primary (the last one stopped first).
    void makeStandby()
    {
        stop("standby");
        QDir(dir("standby")).removeRecursively();
        ASSERT_TRUE(tool("pg_basebackup", {"-D", dir("standby"), "-h", m_root.path(), "-p", port("primary"), "-U",
                                           "arc", "-R", "-X", "stream", "--no-sync"}));
        ASSERT_NO_FATAL_FAILURE(run("standby"));
    }

    QString uri(const QString &name) const
    {
        return QStringLiteral("postgresql://arc@/postgres?host=%1&port=%2").arg(m_root.path(), port(name));
    }
    QString primaryUri() const { return uri("primary"); }
    QString standbyUri() const { return uri("standby"); }

    void stop(const QString &name)
    {
        if (QFile::exists(dir(name) + QStringLiteral("/postmaster.pid"))) {
            EXPECT_TRUE(tool("pg_ctl", {"-D", dir(name), "-m", "fast", "-w", "stop"}));
        }
    }
    void promoteStandby() { EXPECT_TRUE(tool("pg_ctl", {"-D", dir("standby"), "-w", "promote"})); }
    // Runs one statement with psql on a server; its output, trimmed.
    QString psql(const QString &name, const QString &sql)
    {
        QProcess p;
        p.start(QFile::exists(m_bin + "/psql") ? m_bin + "/psql" : QStringLiteral("psql"),
                {"-X", "-A", "-t", "-h", m_root.path(), "-p", port(name), "-U", "arc", "-d", "postgres", "-c", sql});
        p.waitForFinished(30000);
        return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
    }
    // Waits until the standby has replayed all the primary holds now.
    bool caughtUp()
    {
        const QString lsn = psql("primary", "SELECT pg_current_wal_lsn()");
        for (int i = 0; i < 200; ++i) {
            if (psql("standby", "SELECT pg_last_wal_replay_lsn() >= '" + lsn + "'::pg_lsn") == "t")
                return true;
            QThread::msleep(50);
        }
        return false;
    }

    QString dir(const QString &name) const { return m_root.path() + '/' + name; }
    static QString port(const QString &name) { return name == QLatin1String("primary") ? "5432" : "5433"; }

private:
    static QString binFolder()
    {
        QStringList versions = QDir("/usr/lib/postgresql").entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        std::sort(versions.begin(), versions.end(), [](const QString &a, const QString &b) { return a.toInt() < b.toInt(); });
        return versions.isEmpty() ? QString() : "/usr/lib/postgresql/" + versions.last() + "/bin";
    }
    void run(const QString &name)
    {
        ASSERT_TRUE(tool("pg_ctl", {"-D", dir(name), "-l", dir(name) + "/server.log", "-w", "-o",
                                    "-k " + m_root.path() + " -p " + port(name)
                                        + " -c listen_addresses= -c fsync=off -c full_page_writes=off",
                                    "start"}))
            << readLog(name).toStdString();
    }
    QString readLog(const QString &name) const
    {
        QFile f(dir(name) + "/server.log");
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }
    bool tool(const char *program, const QStringList &args)
    {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        const QString path = m_bin + '/' + QString::fromLatin1(program);
        if (geteuid() == 0)
            p.start("runuser", QStringList{"-u", "nobody", "--", path} + args);
        else
            p.start(path, args);
        const bool ok = p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
        if (!ok)
            ADD_FAILURE() << program << ": " << p.readAll().toStdString();
        return ok;
    }

    QTemporaryDir m_root;
    QString m_bin;
};
