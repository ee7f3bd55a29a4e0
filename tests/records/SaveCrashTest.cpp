#include "DataFolder.h"
#include "TempFolder.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QThread>
#include <signal.h>

using namespace arc;

namespace {

struct LastSave {
    qint64 generation = 0;
    qint64 formIndex = 0;
};

// Run save_loop until it has reported `saves` saves, then kill it without
// warning, most likely in the middle of the next save.
LastSave runAndKill(const QString &folder, int saves)
{
    QProcess child;
    child.start(QStringLiteral(SAVE_LOOP_EXE), {folder});
    EXPECT_TRUE(child.waitForStarted(30000)) << child.errorString().toStdString();
    QByteArray out;
    const QDeadlineTimer deadline(120000);
    while (out.count('\n') < saves && child.state() == QProcess::Running && !deadline.hasExpired()) {
        child.waitForReadyRead(int(deadline.remainingTime()));
        out += child.readAllStandardOutput();
    }
    // The child starts its next save as soon as it reports one; a random
    // pause moves the kill off that start to anywhere within a save.
    QThread::usleep(QRandomGenerator::global()->bounded(4000));
    // Only while it runs: a pid of 0 would hit our whole process group.
    if (const qint64 pid = child.processId(); child.state() != QProcess::NotRunning && pid > 0)
        ::kill(pid_t(pid), SIGKILL);
    child.waitForFinished(30000);
    EXPECT_GE(out.count('\n'), saves) << "save_loop stopped: " << child.readAllStandardError().toStdString();
    EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);

    out.truncate(out.lastIndexOf('\n'));
    const QList<QByteArray> last = out.mid(out.lastIndexOf('\n') + 1).split(' ');
    if (last.size() != 2)
        return {};
    return {last[0].toLongLong(), last[1].toLongLong()};
}

} // namespace

using SaveCrashTest = TempFolderTest;

// A save is all or nothing: however it is cut short, the file is sound,
// each certificate's lines are the ones saved with its header, and every
// save reported as done is still there.
TEST_F(SaveCrashTest, KilledMidSaveLeavesWholeCertificates)
{
    ASSERT_TRUE(DataFolder::create(folder()).ok());
    for (int cycle = 0; cycle < 4; ++cycle) {
        const LastSave reported = runAndKill(folder(), 40 + 15 * cycle);
        ASSERT_GT(reported.generation, 0) << "cycle " << cycle;

        DataFolder data;
        ASSERT_TRUE(data.open(folder()).ok()) << "cycle " << cycle;
        Database &db = data.certificates();
        EXPECT_EQ(db.scalar("PRAGMA integrity_check").toString(), "ok");

        QSqlQuery q(db.connection());
        ASSERT_TRUE(db.run(q, "SELECT h.FormIndex, h.Tracking, count(d.FormIndex), "
                              "count(CASE WHEN d.SerialNum = h.Tracking THEN 1 END) "
                              "FROM Header h LEFT JOIN Detail d ON d.FormIndex = h.FormIndex "
                              "GROUP BY h.FormIndex")
                        .ok());
        while (q.next()) {
            const qint64 form = q.value(0).toLongLong();
            const qint64 g = q.value(1).toString().mid(1).toLongLong(); // "G<g>"
            ASSERT_GT(g, 0) << "certificate " << form;
            EXPECT_EQ(q.value(2).toInt(), g % 10 + 1) << "certificate " << form << " saved as " << g;
            EXPECT_EQ(q.value(3).toInt(), q.value(2).toInt()) << "certificate " << form << " saved as " << g;
            // A later save may have overwritten it, never an earlier one.
            if (form == reported.formIndex) {
                EXPECT_GE(g, reported.generation) << "reported save lost, cycle " << cycle;
            }
        }
        EXPECT_EQ(db.scalar("SELECT count(*) FROM Detail d "
                            "WHERE NOT EXISTS (SELECT 1 FROM Header h WHERE h.FormIndex = d.FormIndex)")
                      .toInt(),
                  0)
            << "lines without a certificate, cycle " << cycle;
        EXPECT_TRUE(db.scalar("SELECT 1 FROM Header WHERE FormIndex = ?", {reported.formIndex}).isValid())
            << "reported certificate " << reported.formIndex << " missing, cycle " << cycle;
    }
}
