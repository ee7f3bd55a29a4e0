#pragma once

#include "DataFolder.h"
#include "TestServer.h"

// A data source made as a first start makes it, and open: on a data folder
// and on a server database, each test with its own.
class OpenedSourceTest : public DataSourceTest {
protected:
    void SetUp() override
    {
        DataSourceTest::SetUp();
        ASSERT_TRUE(arc::DataFolder::create(source()).ok());
        ASSERT_TRUE(data.open(source()).ok());
    }
    // The schema is dropped only once no session of ours uses it.
    void TearDown() override
    {
        data.close();
        DataSourceTest::TearDown();
    }

    arc::DataFolder data;
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
