// A kill at any moment of issuing leaves nothing half-done once the data
// folder is opened again.

#include "ArchiveOf.h"
#include "IssueLog.h"
#include "IssueRecovery.h"
#include "KilledChild.h"
#include "OpenedSource.h"

#include <QCryptographicHash>
#include <QRandomGenerator>
#include "TestPaths.h"

using IssueCrashTest = TempFolderTest;

TEST_F(IssueCrashTest, KilledMidIssueLeavesOnlyLoggedPages)
{
    const QString data = folder() + "data/", out = folder() + "out/";
    ASSERT_TRUE(madeDataFolder(data) && QDir().mkpath(out));
    for (int cycle = 0; cycle < 12; ++cycle) {
        SCOPED_TRACE(cycle);
        const KilledChild child = KilledChild::run(test_paths::program("arc_test_child"), {"issue-loop", data, out}, 2 + cycle % 3,
                                                   QRandomGenerator::global()->bounded(30000));
        EXPECT_TRUE(child.killedWhileRunning);

        arc::DataFolder opened;
        ASSERT_TRUE(opened.open(data).ok());
        ASSERT_TRUE(arc::finishInterruptedIssues(opened.certificates(), *arc::archiveOf(opened)).ok());

        const arc::IssueLog log(opened.certificates());
        const QStringList kept = QDir(data + "Issued").entryList(QDir::Files | QDir::Hidden | QDir::System);
        EXPECT_EQ(opened.certificates().scalar("SELECT count(*) FROM IssueLog").toInt(), kept.size()) << "a row without its page";
        for (const QString &page : kept)
            EXPECT_TRUE(log.withPdfFile(page)) << page.toStdString() << ": a page kept without its row";
        for (const QString &copy : QDir(out).entryList(QDir::Files | QDir::Hidden | QDir::System)) {
            const QByteArray hash = QCryptographicHash::hash(readFile(out + copy), QCryptographicHash::Sha256).toHex();
            EXPECT_TRUE(log.withPdfSha256(QString::fromLatin1(hash))) << copy.toStdString() << ": a user copy without its row";
            EXPECT_FALSE(copy.startsWith('.')) << copy.toStdString() << ": a temporary file left";
        }
    }
}
