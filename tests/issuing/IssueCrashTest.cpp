// A kill at any moment of issuing leaves nothing half-done once the data
// folder is opened again: every kept page and every user copy has its log
// row, and no temporary file is left.

#include "ArchiveOf.h"
#include "IssueLog.h"
#include "IssueRecovery.h"
#include "KilledChild.h"
#include "OpenedSource.h"

#include <QCryptographicHash>
#include <QRandomGenerator>
#include <QSqlQuery>

using IssueCrashTest = TempFolderTest;

TEST_F(IssueCrashTest, KilledMidIssueLeavesOnlyLoggedPages)
{
    const QString data = folder() + "data/", out = folder() + "out/";
    ASSERT_TRUE(madeDataFolder(data) && QDir().mkpath(out));
    for (int cycle = 0; cycle < 12; ++cycle) {
        SCOPED_TRACE(cycle);
        const KilledChild child = KilledChild::run(CHILD_EXE, {"issue-loop", data, out}, 2 + cycle % 3,
                                                   QRandomGenerator::global()->bounded(30000));
        EXPECT_TRUE(child.killedWhileRunning);

        arc::DataFolder opened;
        ASSERT_TRUE(opened.open(data).ok());
        ASSERT_TRUE(arc::finishInterruptedIssues(opened.certificates(), *arc::archiveOf(opened)).ok());

        QSqlQuery q(opened.certificates().connection());
        ASSERT_TRUE(opened.certificates().run(q, "SELECT PdfFile, PdfSha256 FROM IssueLog").ok());
        QStringList logged, hashes;
        while (q.next()) {
            logged << q.value(0).toString();
            hashes << q.value(1).toString();
        }
        const QStringList kept = QDir(data + "Issued").entryList(QDir::Files | QDir::Hidden | QDir::System);
        QStringList sortedLogged = logged;
        sortedLogged.sort();
        EXPECT_EQ(kept, sortedLogged) << "every page kept has its row, every row its page";
        for (const QString &copy : QDir(out).entryList(QDir::Files | QDir::Hidden | QDir::System)) {
            const QString hash =
                QString::fromLatin1(QCryptographicHash::hash(readFile(out + copy), QCryptographicHash::Sha256).toHex());
            EXPECT_TRUE(hashes.contains(hash)) << copy.toStdString() << ": a user copy without its row";
            EXPECT_FALSE(copy.startsWith('.')) << copy.toStdString() << ": a temporary file left";
        }
    }
}
