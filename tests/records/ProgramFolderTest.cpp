#include "ProgramFolder.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

// Not even when run by root, who could write beside it.
TEST(ProgramFolderTest, AProgramInASystemFolderKeepsItsFilesInThePerUserFolder)
{
    for (const char *installed : {"/usr/bin", "/usr/local/bin/", "/opt/arc8130/bin"}) {
        const arc::ProgramFolders f = arc::ProgramFolder::locate(installed);
        EXPECT_FALSE(f.programWritable) << installed;
        EXPECT_EQ(f.home(), f.perUser) << installed;
    }
    QTemporaryDir own;
    EXPECT_TRUE(arc::ProgramFolder::locate(own.path()).programWritable);
    EXPECT_FALSE(arc::ProgramFolder::isSystemFolder("/usrlocal/bin"));
}
