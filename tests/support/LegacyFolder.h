#pragma once

#include "MdbExport.h"

#include <QFile>
#include <gtest/gtest.h>

// The earlier Access-based program's data files (LEGACY_FIXTURE), copied
// writable so that the originals never change.
inline void copyLegacyFolder(const QString &folder)
{
    ASSERT_TRUE(arc::MdbExport::available()) << "mdbtools is not installed (./dev.sh installs it)";
    for (const char *name : {"VELLORAN.MDB", "VELLORANA.MDB"}) {
        ASSERT_TRUE(QFile::copy(QStringLiteral(LEGACY_FIXTURE) + name, folder + name)) << name;
        ASSERT_TRUE(QFile::setPermissions(folder + name, QFile::ReadOwner | QFile::WriteOwner)) << name;
    }
}
