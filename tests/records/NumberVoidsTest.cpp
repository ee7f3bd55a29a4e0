// Every tracking number handed out ends on a certificate or as a void,
// with who, where and why; on a folder and on a server, from one station
// or two.
#include "CertificateStore.h"
#include "DefaultsForm.h"
#include "NewCertificateDefaults.h"
#include "OpenedSource.h"
#include "Rows.h"
#include "TakenNumbers.h"

using namespace arc;

class NumberVoidsTest : public OpenedSourceTest {
protected:
    void SetUp() override
    {
        OpenedSourceTest::SetUp();
        writeRow(data.defaults(), {{"Tracking", "VAS-26-0000"}, {"IncreaseTrack", 1}}, true);
    }

    // A new certificate is shown at `station`: its number, taken.
    static QString showNew(DataFolder &at, const Station &station)
    {
        DbStatus s;
        const auto d = NewCertificateDefaults::issue(at.defaults(), &s, &station);
        EXPECT_TRUE(s.ok() && d) << s.detail().toStdString();
        return d ? d->tracking : QString();
    }

    static void store(DataFolder &at, const QString &tracking)
    {
        CertificateEntries e;
        e.tracking = tracking;
        e.lines[0].item = "1";
        qint64 key = 0;
        ASSERT_TRUE(CertificateStore(at).save(e, true, key).ok());
        ASSERT_TRUE(TakenNumbers(at.certificates()).stored(tracking).ok());
    }

    // Every void as "number|workstation|user|reason".
    QStringList voids()
    {
        std::vector<VoidNumber> all;
        EXPECT_TRUE(TakenNumbers(data.certificates()).voids(all).ok());
        QStringList out;
        for (const VoidNumber &v : all) {
            EXPECT_TRUE(QDateTime::fromString(v.voidedAt, Qt::ISODate).isValid()) << v.voidedAt.toStdString();
            out << QStringList{v.tracking, v.workstation, v.user, v.reason}.join('|');
        }
        return out;
    }

    int waiting() { return data.certificates().scalar("SELECT count(*) FROM \"TakenNumbers\"").toInt(); }

    const Station bench{"bench-1", "Pat Doe", 4242};
};
ARC_ON_BOTH_ENGINES(NumberVoidsTest);

TEST_P(NumberVoidsTest, TheLastNumberTypedInTheDefaultsIsFollowedByTheNextOne)
{
    DefaultsForm form;
    DefaultsForm::load(data.defaults(), form);
    form.tracking = "VAS-26-0041";
    ASSERT_TRUE(DefaultsForm::store(data.defaults(), form).ok());
    EXPECT_EQ(showNew(data, bench), "VAS-26-0042");
}

// A number stored lets go; one left, ended or cancelled is void with why;
// one typed on a certificate meanwhile is not void.
TEST_P(NumberVoidsTest, ATakenNumberEndsStoredOrVoidWithItsReason)
{
    const QString first = showNew(data, bench);
    EXPECT_EQ(first, "VAS-26-0001");
    EXPECT_EQ(waiting(), 1) << "taken with the counter";
    ASSERT_NO_FATAL_FAILURE(store(data, first));

    const TakenNumbers numbers(data.certificates());
    bool recorded = false;
    for (const QString &reason : {TakenNumbers::leftUnsaved(), TakenNumbers::runCancelled(), TakenNumbers::programEnded()}) {
        ASSERT_TRUE(numbers.voidTaken(showNew(data, bench), bench, reason, &recorded).ok());
        EXPECT_TRUE(recorded);
    }
    const QString typedElsewhere = showNew(data, bench);
    ASSERT_NO_FATAL_FAILURE(store(data, typedElsewhere.toLower() + "  "));
    ASSERT_TRUE(numbers.voidTaken(typedElsewhere, bench, TakenNumbers::leftUnsaved(), &recorded).ok());
    EXPECT_FALSE(recorded) << "stored meanwhile: nothing to tell";

    EXPECT_EQ(voids(), QStringList({"VAS-26-0002|bench-1|Pat Doe|left unsaved", "VAS-26-0003|bench-1|Pat Doe|run cancelled",
                                    "VAS-26-0004|bench-1|Pat Doe|program ended"}));
    EXPECT_EQ(waiting(), 0);
    EXPECT_TRUE(numbers.isVoid(" vas-26-0003 "));
    EXPECT_FALSE(numbers.isVoid(first));
}

TEST_P(NumberVoidsTest, ANumberVoidedByHandNeedsAReasonAndNoCertificateOrVoidHoldingIt)
{
    const TakenNumbers numbers(data.certificates());
    ASSERT_NO_FATAL_FAILURE(store(data, "VAS-26-0007"));
    ASSERT_TRUE(numbers.voidByHand("VAS-26-0008", bench, "torn while printing").ok());
    const struct {
        const char *number, *reason, *why;
    } refused[] = {
        {"  ", "spoiled", "no number was given"},
        {"VAS-26-0009", " ", "no reason was given"},
        {"vas-26-0007", "spoiled", "a stored certificate holds vas-26-0007"},
        {"VAS-26-0008 ", "twice", "VAS-26-0008 is void already"},
    };
    for (const auto &r : refused) {
        const DbStatus s = numbers.voidByHand(r.number, bench, r.reason);
        EXPECT_FALSE(s.ok()) << r.number;
        EXPECT_EQ(s.detail(), r.why);
    }
    EXPECT_EQ(voids(), QStringList({"VAS-26-0008|bench-1|Pat Doe|torn while printing"}));
}

// Only this computer's numbers, and only those no running program holds.
TEST_P(NumberVoidsTest, NumbersOfAProgramThatWasKilledAreVoidAtTheNextStart)
{
    const Station killed{"bench-1", "Pat Doe", 11}, running{"bench-1", "Sam Roe", 12}, other{"bench-2", "Lee Poe", 11};
    for (const Station &s : {killed, running, other, killed})
        showNew(data, s);
    const Station restarted{"bench-1", "Kim Loe", 13};
    int voided = 0;
    ASSERT_TRUE(TakenNumbers(data.certificates()).settleEnded(restarted, [](qint64 p) { return p == 12; }, &voided).ok());
    EXPECT_EQ(voided, 2);
    EXPECT_EQ(voids(), QStringList({"VAS-26-0001|bench-1|Pat Doe|program ended", "VAS-26-0004|bench-1|Pat Doe|program ended"}));
    EXPECT_EQ(waiting(), 2);

    // A row with the new program's own id was left by an earlier one.
    ASSERT_TRUE(TakenNumbers(data.certificates()).settleEnded(running, [](qint64) { return true; }, &voided).ok());
    EXPECT_EQ(voided, 1);
    EXPECT_EQ(waiting(), 1);
}

// Two stations on one source, interleaved: every number the counter gave
// is on exactly one certificate or void, none on both.
TEST_P(NumberVoidsTest, TwoStationsAccountForEveryNumberTheyTake)
{
    OpenedSource second;
    DataFolder &b = second.data;
    ASSERT_TRUE(b.open(source()).ok());
    const Station atA{"bench-1", "Pat Doe", 21}, atB{"bench-2", "Sam Roe", 22};
    QStringList given;
    for (int i = 0; i < 6; ++i) {
        const QString a = showNew(data, atA), n = showNew(b, atB);
        given << a << n;
        ASSERT_NO_FATAL_FAILURE(store(data, a));
        if (i % 2 == 0)
            ASSERT_TRUE(TakenNumbers(b.certificates()).voidTaken(n, atB, TakenNumbers::leftUnsaved()).ok());
        else
            ASSERT_NO_FATAL_FAILURE(store(b, n));
    }
    given.removeDuplicates();
    EXPECT_EQ(given.size(), 12);
    EXPECT_EQ(given.last(), "VAS-26-0012");
    Database &db = data.certificates();
    EXPECT_EQ(db.scalar("SELECT count(*) FROM \"Header\"").toInt() + voids().size(), 12);
    EXPECT_EQ(db.scalar("SELECT count(*) FROM \"Header\" h JOIN \"NumberVoids\" v ON v.\"Tracking\" = h.\"Tracking\"")
                  .toInt(),
              0);
    EXPECT_EQ(voids().filter("bench-2|Sam Roe|left unsaved").size(), 3);
    EXPECT_EQ(waiting(), 0);
}
