#pragma once

#include <QFile>
#include <QString>
#include <gtest/gtest.h>

// The data files kept by the earlier Access-based program (LEGACY_FIXTURE,
// set by the test folder's CMakeLists), copied into `folder` and writable,
// as a shop's own are. The originals are never changed.
inline void copyLegacyFolder(const QString &folder)
{
    for (const char *name : {"VELLORAN.MDB", "VELLORANA.MDB"}) {
        ASSERT_TRUE(QFile::copy(QStringLiteral(LEGACY_FIXTURE) + name, folder + name)) << name;
        ASSERT_TRUE(QFile::setPermissions(folder + name, QFile::ReadOwner | QFile::WriteOwner)) << name;
    }
}
