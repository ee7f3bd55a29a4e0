// Issue for serial numbers: every copy stored with its own numbers in one
// transaction, or none at all.

#include "BatchCopies.h"
#include "OpenedSource.h"
#include "SignedEntries.h"

#include <QSqlQuery>

namespace {

class BatchOnEngine : public OpenedSourceTest {
protected:
    QString storedText(const QString &sql) { return data.certificates().scalar(sql).toString(); }
    QString stored()
    {
        QStringList out;
        QSqlQuery q;
        EXPECT_TRUE(data.certificates()
                        .run(q, "SELECT h.\"Tracking\", d.\"SerialNum\" FROM \"Header\" h JOIN \"Detail\" d ON "
                                "d.\"FormIndex\" = h.\"FormIndex\" ORDER BY h.\"FormIndex\", d.rowid")
                        .ok());
        while (q.next())
            out << q.value(0).toString() + ":" + q.value(1).toString();
        return out.join(' ');
    }
};

TEST_P(BatchOnEngine, StoresEveryCopyWithTheNextNumbersOrNothingAtAll)
{
    EXPECT_EQ(arc::BatchCopies::serials("SN-0098", 3), (QStringList{"SN-0098", "SN-0099", "SN-0100"}));
    EXPECT_EQ(arc::BatchCopies::serials("B9", 2), (QStringList{"B9", "B10"}));
    EXPECT_TRUE(arc::BatchCopies::serials("NONE", 2).isEmpty()) << "nothing to count up";

    ASSERT_TRUE(data.certificates().exec("UPDATE \"Defaults\" SET \"Tracking\" = '000041', \"IncreaseTrack\" = 1").ok());
    arc::CertificateEntries one = signedEntries("000040");
    one.lines[1] = {};
    const arc::BatchCopies::Result r = arc::BatchCopies::store(data, one, arc::BatchCopies::serials("SN-0098", 3));
    ASSERT_TRUE(r.status.ok()) << r.status.detail().toStdString();
    EXPECT_EQ(r.trackings, (QStringList{"000042", "000043", "000044"}));
    EXPECT_EQ(r.keys.size(), 3u);
    EXPECT_EQ(stored(), "000042:SN-0098 000043:SN-0099 000044:SN-0100");
    EXPECT_EQ(storedText("SELECT \"Tracking\" FROM \"Defaults\""), "000044");

    // The third serial number outgrows its field: no copy, no number.
    const QString first = QString(28, 'S') + "98";
    const arc::BatchCopies::Result failed = arc::BatchCopies::store(data, one, arc::BatchCopies::serials(first, 3));
    EXPECT_TRUE(failed.status.is(arc::DbCondition::FieldTooSmall)) << failed.status.detail().toStdString();
    EXPECT_TRUE(failed.keys.empty());
    EXPECT_EQ(stored(), "000042:SN-0098 000043:SN-0099 000044:SN-0100");
    EXPECT_EQ(storedText("SELECT \"Tracking\" FROM \"Defaults\""), "000044");

    // Stopped after the second copy: rolled back as on failure, told so.
    int reports = 0;
    const arc::Progress stopAtTwo([&reports](const QString &, qint64 done, qint64 total) {
        ++reports;
        EXPECT_EQ(total, 3);
        return done < 2;
    });
    const arc::BatchCopies::Result stopped =
        arc::BatchCopies::store(data, one, arc::BatchCopies::serials("SN-0200", 3), stopAtTwo);
    EXPECT_TRUE(stopped.status.is(arc::DbCondition::Cancelled)) << stopped.status.detail().toStdString();
    EXPECT_TRUE(stopped.keys.empty());
    EXPECT_GE(reports, 2);
    EXPECT_EQ(stored(), "000042:SN-0098 000043:SN-0099 000044:SN-0100");
    EXPECT_EQ(storedText("SELECT \"Tracking\" FROM \"Defaults\""), "000044");
}

ARC_ON_BOTH_ENGINES(BatchOnEngine);

} // namespace
