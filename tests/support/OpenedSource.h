#pragma once

#include "DataFolder.h"
#include "StoredFiles.h"
#include "TestServer.h"

#include <QDir>

inline bool madeDataFolder(const QString &path) { return QDir().mkpath(path) && arc::DataFolder::create(path).ok(); }

// A data source opened as a first start makes it: a data folder in the
// test's folder, or a schema of its own on the test server.
class OpenedSource {
public:
    OpenedSource() = default;
    OpenedSource(const OpenedSource &) = delete;
    OpenedSource &operator=(const OpenedSource &) = delete;
    ~OpenedSource() { data.close(); }

    // Call under ASSERT_NO_FATAL_FAILURE.
    void open(arc::Engine engine, const QString &folder)
    {
        m_engine = engine;
        if (engine == arc::Engine::PostgreSQL) {
            ASSERT_NO_FATAL_FAILURE(m_schema.make());
        }
        m_source = engine == arc::Engine::PostgreSQL ? m_schema.uri : folder;
        ASSERT_TRUE(arc::DataFolder::create(m_source).ok());
        ASSERT_TRUE(data.open(m_source).ok());
    }

    // As another workstation connects.
    arc::DbStatus openAnother(arc::Database &db, arc::StoreKind kind) const
    {
        if (m_engine == arc::Engine::PostgreSQL)
            return db.openServer(m_source, kind);
        return db.open(m_source + (kind == arc::StoreKind::Certificates ? "VELLORAN.MDB" : "VELLORANA.MDB"), kind);
    }

    // The folder (ending with "/") or the server URI.
    const QString &source() const { return m_source; }

    arc::DataFolder data;

private:
    arc::Engine m_engine = arc::Engine::SQLite;
    QString m_source;
    TestServer::Schema m_schema;
};

// Run on a data folder and on a server database (ARC_ON_BOTH_ENGINES).
class OpenedSourceTest : public TempFolderTest, public ::testing::WithParamInterface<arc::Engine> {
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        ASSERT_NO_FATAL_FAILURE(opened.open(GetParam(), folder()));
    }
    bool onServer() const { return GetParam() == arc::Engine::PostgreSQL; }
    const QString &source() const { return opened.source(); }
    // An issued page as the archive of this kind of source keeps it, and the names of all it keeps.
    QByteArray keptPage(const QString &name)
    {
        if (!onServer())
            return readFile(folder() + "Issued/" + name);
        QByteArray bytes;
        EXPECT_TRUE(arc::StoredFiles::read(data.reference(), "Issued/" + name, bytes).ok()) << name.toStdString();
        return bytes;
    }
    int logged() { return data.certificates().scalar("SELECT count(*) FROM \"IssueLog\"").toInt(); }
    QStringList keptPages()
    {
        if (!onServer())
            return QDir(folder() + "Issued").entryList(QDir::Files, QDir::Name);
        QStringList names;
        for (const QString &n : arc::StoredFiles::names(data.reference(), ".pdf"))
            names << n.mid(QStringLiteral("Issued/").size());
        return names;
    }

    OpenedSource opened;
    arc::DataFolder &data = opened.data;
};

class OpenedFolderTest : public TempFolderTest {
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        ASSERT_TRUE(arc::DataFolder::create(folder()).ok());
        ASSERT_TRUE(data.open(folder()).ok());
    }

    arc::DataFolder data;
};
