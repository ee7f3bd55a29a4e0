#pragma once

#include "DataFolder.h"
#include "TestServer.h"

#include <QDir>

// A data folder made at `path` as a first start makes one.
inline bool madeDataFolder(const QString &path) { return QDir().mkpath(path) && arc::DataFolder::create(path).ok(); }

// A data source made as a first start makes it and opened, on either
// engine: a data folder in the test's own folder, or a schema of its own on
// the test server, dropped when the source goes.
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

    // Another connection to the same store, as another program or
    // workstation has.
    arc::DbStatus openAnother(arc::Database &db, arc::StoreKind kind) const
    {
        if (m_engine == arc::Engine::PostgreSQL)
            return db.openServer(m_source, kind);
        return db.open(m_source + (kind == arc::StoreKind::Certificates ? "VELLORAN.MDB" : "VELLORANA.MDB"), kind);
    }

    // The folder (ending with "/") or the server URI.
    const QString &source() const { return m_source; }
    arc::Engine engine() const { return m_engine; }

    arc::DataFolder data;

private:
    arc::Engine m_engine = arc::Engine::SQLite;
    QString m_source;
    TestServer::Schema m_schema;
};

// A test run once on a data folder and once on a server database, each
// with its data source opened (instantiate with ARC_ON_BOTH_ENGINES).
class OpenedSourceTest : public TempFolderTest, public ::testing::WithParamInterface<arc::Engine> {
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        ASSERT_NO_FATAL_FAILURE(opened.open(GetParam(), folder()));
    }
    bool onServer() const { return GetParam() == arc::Engine::PostgreSQL; }
    const QString &source() const { return opened.source(); }

    OpenedSource opened;
    arc::DataFolder &data = opened.data;
};

// The same on a data folder alone, for what is the same on either engine.
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
