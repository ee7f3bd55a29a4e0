#include "DataFolder.h"
#include "KilledChild.h"
#include "TempFolder.h"

#include <QRandomGenerator>
#include <QSqlQuery>
#include "TestPaths.h"

using namespace arc;

namespace {

struct LastSave {
    qint64 generation = 0;
    qint64 formIndex = 0;
};

// Killed after `saves` reported saves, most likely in the middle of the next.
LastSave runAndKill(const QString &folder, int saves)
{
    // The child starts its next save as soon as it reports one; a random
    // pause moves the kill off that start to anywhere within a save.
    const KilledChild child = KilledChild::run(test_paths::program("arc_test_child"), {"save-loop", folder}, saves,
                                               QRandomGenerator::global()->bounded(4000));
    EXPECT_TRUE(child.killedWhileRunning);
    QByteArray out = child.output;
    out.truncate(out.lastIndexOf('\n'));
    const QList<QByteArray> last = out.mid(out.lastIndexOf('\n') + 1).split(' ');
    if (last.size() != 2)
        return {};
    return {last[0].toLongLong(), last[1].toLongLong()};
}

} // namespace

using SaveCrashTest = TempFolderTest;

// Each certificate's lines are the ones saved with its header; every save
// reported as done is still there.
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
