// The names issued pages are kept under, and what a folder archive refuses to write over.

#include "ArchiveName.h"
#include "FolderArchive.h"
#include "TempFolder.h"

#include <sys/stat.h>

namespace {

TEST(ArchiveName, TrackingKeyAndUtcTimeWithWhatNoFileNameMayHoldReplaced)
{
    const QDateTime at(QDate(2026, 12, 5), QTime(14, 3, 9), Qt::UTC);
    const struct {
        const char *tracking;
        qint64 formIndex;
        const char *expected;
    } names[] = {{"000123", 42, "000123_42_20261205T140309Z.pdf"},  {"ABC-000124", 7, "ABC-000124_7_20261205T140309Z.pdf"},
                 {"A/B\\C D:E*", 1, "A_B_C_D_E__1_20261205T140309Z.pdf"}, {"Nº5ü", 2, "N_5__2_20261205T140309Z.pdf"},
                 {"..", 3, "_._3_20261205T140309Z.pdf"} /* no hidden file */, {" ", 4, "__4_20261205T140309Z.pdf"}};
    for (const auto &n : names)
        EXPECT_EQ(arc::ArchiveName::make(n.tracking, n.formIndex, at), n.expected) << n.tracking;

    const QStringList taken = {"7_1_20261205T140309Z.pdf", "7_1_20261205T140309Z_2.pdf"};
    EXPECT_EQ(arc::ArchiveName::unused("7", 1, at, [&](const QString &n) { return taken.contains(n); }),
              "7_1_20261205T140309Z_3.pdf");
}

using FolderArchiveTest = TempFolderTest;

} // namespace

// No link is followed out of Issued/ and nothing but a new plain file is
// written: whatever stands at the name stays as it was.
TEST_F(FolderArchiveTest, WhatStandsAtAnArchiveNameIsRefusedAndNeverFollowed)
{
    const struct {
        const char *name;
        std::function<void(const QString &at, const QString &outside)> plant;
    } planted[] = {
        {"a link to nothing", [](const QString &at, const QString &outside) { ASSERT_TRUE(QFile::link(outside, at)); }},
        {"a link to a file",
         [](const QString &at, const QString &outside) {
             writeFile(outside, "someone's file");
             ASSERT_TRUE(QFile::link(outside, at));
         }},
        {"a FIFO", [](const QString &at, const QString &) { ASSERT_EQ(::mkfifo(QFile::encodeName(at), 0600), 0); }},
        {"a folder", [](const QString &at, const QString &) { ASSERT_TRUE(QDir().mkpath(at)); }},
    };
    for (const auto &p : planted) {
        SCOPED_TRACE(p.name);
        const QString data = folder() + p.name + "/", issued = data + "Issued/", at = issued + "page.pdf",
                      outside = data + "outside.pdf";
        ASSERT_TRUE(QDir().mkpath(issued));
        p.plant(at, outside);
        const QFileInfo before(at);
        QString error;
        EXPECT_FALSE(arc::FolderArchive(data).write("page.pdf", "%PDF signed", &error));
        EXPECT_FALSE(error.isEmpty());
        EXPECT_NE(readFile(outside), "%PDF signed");
        const QFileInfo after(at);
        EXPECT_EQ(after.isSymLink(), before.isSymLink());
        EXPECT_EQ(after.isDir(), before.isDir());
        EXPECT_EQ(QDir(issued).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot),
                  QStringList{"page.pdf"});
    }
}
