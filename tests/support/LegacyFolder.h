#pragma once

#include "MdbExport.h"

#include <QFile>
#include <gtest/gtest.h>
#include "TestPaths.h"

// The earlier Access-based program's data files (tests/fixtures/legacy-data), copied
// writable so that the originals never change.
inline void copyLegacyFolder(const QString &folder)
{
    ASSERT_TRUE(arc::MdbExport::available()) << "mdbtools is not installed (./dev.sh installs it)";
    for (const char *name : {"VELLORAN.MDB", "VELLORANA.MDB"}) {
        ASSERT_TRUE(QFile::copy(test_paths::source("tests/fixtures/legacy-data/") + name, folder + name)) << name;
        ASSERT_TRUE(QFile::setPermissions(folder + name, QFile::ReadOwner | QFile::WriteOwner)) << name;
    }
}
