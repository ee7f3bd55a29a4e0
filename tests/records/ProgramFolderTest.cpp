#include "ProgramFolder.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

// A program installed by the system's packages writes nothing beside
// itself, even when run by root, who could; a program unpacked into a
// folder of the user's own keeps its files there.
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
