#include "CertificateStore.h"
#include "SearchFixture.h"

#include <QSqlQuery>

using arc::SearchCondition;

TEST_F(SearchTest, BoxesMatchTheBeginningOfTheirFieldWithoutRegardToCase)
{
    certificate("T1", {"AB-12"}, {{"Country", "FAA/United States"}});
    certificate("T2", {"XAB-12"});
    certificate("T3", {"ab-129"}, {{"Country", "EASA/France"}});

    EXPECT_EQ(found({text("Detail", "PartNum", "AB-12")}), (QStringList{"T1", "T3"}));
    EXPECT_EQ(found({text("Detail", "PartNum", "B-12")}), QStringList{}) << "begins with, not contains";
    EXPECT_EQ(found({text("Header", "Country", "faa")}), QStringList{"T1"});
    EXPECT_EQ(found({text("Header", "Tracking", "t")}), (QStringList{"T1", "T2", "T3"}));
    // Both boxes must match.
    EXPECT_EQ(found({text("Detail", "PartNum", "ab"), text("Header", "Country", "EASA")}), QStringList{"T3"});
    EXPECT_EQ(found({text("Detail", "PartNum", "XAB"), text("Header", "Country", "EASA")}), QStringList{});
}

// The result lists a certificate once for each item line it matches with,
// and never one without lines, also when nothing is asked.
TEST_F(SearchTest, ACertificateComesOncePerMatchingLineAndNeverWithoutLines)
{
    certificate("two", {"K-1", "Z-9", "K-2"});
    certificate("none", {});
    certificate("one", {"K-3"});
    insert("Detail", {{"FormIndex", 999}, {"PartNum", "K-4"}}); // a line whose certificate is gone
    insert("Detail", {{"PartNum", "K-5"}});                     // a line of no certificate

    EXPECT_EQ(found({text("Detail", "PartNum", "K")}), (QStringList{"two", "two", "one"}));
    EXPECT_EQ(found({}), (QStringList{"two", "two", "two", "one"}));
    // An item condition and a header condition may be met by different parts
    // of the certificate, item conditions by one line.
    EXPECT_EQ(found({text("Detail", "PartNum", "Z"), text("Header", "Tracking", "tw")}), QStringList{"two"});
}

TEST_F(SearchTest, DateBoxesMatchTheWholeDay)
{
    certificate("13e", {"P"}, {{"Date18", "2026-12-05"}});
    certificate("14e", {"P"}, {{"Date23", "2026-12-05"}});
    certificate("timed", {"P"}, {{"Date18", "2026-12-05 16:30:00"}}); // as another program may store it
    certificate("next day", {"P"}, {{"Date18", "2026-12-06"}});

    EXPECT_EQ(found({day("Date18", QDate(2026, 12, 5))}), (QStringList{"13e", "timed"}));
    EXPECT_EQ(found({day("Date23", QDate(2026, 12, 5))}), QStringList{"14e"});
    EXPECT_EQ(found({day("Date18", QDate(2026, 12, 5)), day("Date23", QDate(2026, 12, 5))}), QStringList{});
}

// Quotes, the engines' wildcards and the escape character are letters like
// any other in a box.
TEST_F(SearchTest, QuotesAndWildcardsAreMatchedLiterally)
{
    const QStringList serials = {"O'Brien", "50%", "50x", "A_1", "AB1", "A*", "AZ", "\"Q\"", "C:\\x", "C:x", "[a]"};
    QStringList trackings;
    for (int i = 0; i < serials.size(); ++i) {
        trackings << QString::number(i);
        const qint64 key = certificate(trackings.last(), {});
        insert("Detail", {{"FormIndex", key}, {"SerialNum", serials[i]}});
    }
    for (int i = 0; i < serials.size(); ++i)
        EXPECT_EQ(found({text("Detail", "SerialNum", serials[i])}), QStringList{trackings[i]})
            << serials[i].toStdString();
    EXPECT_EQ(found({text("Detail", "SerialNum", "' OR 1=1 --")}), QStringList{});
}

TEST_F(SearchTest, CaseIsIgnoredForEveryAlphabet)
{
    certificate("umlaut", {"P"}, {{"Name17", QString::fromUtf8("müller valve")}});
    // Decomposed, as some programs write it: u and a combining diaeresis.
    certificate("decomposed", {"P"}, {{"Name17", QString::fromUtf8("Mu\xcc\x88ller")}});
    certificate("greek", {"P"}, {{"Name17", QString::fromUtf8("ΑΛΦΑ")}});
    certificate("plain", {"P"}, {{"Name17", "Muller"}});

    EXPECT_EQ(found({text("Header", "Name17", QString::fromUtf8("MÜLLER"))}), (QStringList{"umlaut", "decomposed"}));
    EXPECT_EQ(found({text("Header", "Name17", QString::fromUtf8("αλφ"))}), QStringList{"greek"});
}

// Rows written by another program (a script, the command line tool, an
// import) are found as the program's own are, as soon as they are there.
TEST_F(SearchTest, RowsWrittenByAnotherProgramAreFoundAsTheyNowAre)
{
    const qint64 key = certificate("T1", {"OLD-1"});
    EXPECT_EQ(found({text("Detail", "PartNum", "OLD")}), QStringList{"T1"});

    ASSERT_TRUE(other.exec("UPDATE Detail SET PartNum = 'NEW-1' WHERE FormIndex = ?", {key}).ok());
    ASSERT_TRUE(other.exec("UPDATE Header SET Tracking = 'T9', Country = 'EASA' WHERE FormIndex = ?", {key}).ok());
    certificate("T2", {"NEW-2"});
    EXPECT_EQ(found({text("Detail", "PartNum", "OLD")}), QStringList{});
    EXPECT_EQ(found({text("Detail", "PartNum", "new"), text("Header", "Country", "easa")}), QStringList{"T9"});

    ASSERT_TRUE(other.exec("DELETE FROM Detail WHERE FormIndex = ?", {key}).ok());
    EXPECT_EQ(found({text("Detail", "PartNum", "NEW")}), QStringList{"T2"});
}

// A file whose tables were made again by another program lost the
// triggers that mark changed rows, or the copies: opening it makes every
// copy afresh.
TEST_F(SearchTest, AFileThatLostItsTriggersOrCopiesHasThemMadeAgainOnOpening)
{
    certificate("T1", {"AB"});
    EXPECT_EQ(found({text("Detail", "PartNum", "AB")}), QStringList{"T1"});
    QSqlQuery q;
    ASSERT_TRUE(other.run(q, "SELECT name FROM sqlite_master WHERE type = 'trigger' AND tbl_name = 'Detail'").ok());
    QStringList triggers;
    while (q.next())
        triggers << q.value(0).toString();
    ASSERT_EQ(triggers.size(), 3);
    for (const QString &t : triggers)
        ASSERT_TRUE(other.exec(QStringLiteral("DROP TRIGGER \"%1\"").arg(t)).ok());
    ASSERT_TRUE(other.exec("UPDATE Detail SET PartNum = 'CD'").ok());
    ASSERT_TRUE(other.exec("DROP TABLE HeaderFold").ok());

    data.close();
    ASSERT_TRUE(data.open(folder()).ok());
    EXPECT_EQ(found({text("Detail", "PartNum", "AB")}), QStringList{});
    EXPECT_EQ(found({text("Detail", "PartNum", "CD"), text("Header", "Tracking", "t1")}), QStringList{"T1"});
}

TEST_F(SearchTest, AFieldThatIsNotSearchedIsRefusedAndTheWalkStaysAsItWas)
{
    certificate("T1");
    certificate("T2");
    EXPECT_EQ(found({text("Header", "Tracking", "T2")}), QStringList{"T2"});
    EXPECT_TRUE(
        arc::CertificateSearch::show(data, {text("Header", "Remarks", "x")}).is(arc::DbCondition::ItemNotFound));
    EXPECT_EQ(walked(), QStringList{"T2"});
}

// The screen saves the certificate it shows by its key: a search that
// found nothing leaves the header view on no row, not the save without
// its certificate.
TEST_F(SearchTest, SavingUpdatesTheCertificateByItsKeyWhateverTheViewWalks)
{
    const qint64 shown = certificate("T1", {"P-1"});
    certificate("T2", {"P-2"});
    EXPECT_EQ(found({text("Detail", "PartNum", "none")}), QStringList{});

    arc::CertificateStore store(data);
    arc::CertificateEntries entries;
    entries.tracking = "T1 edited";
    entries.lines[0] = {"1", "VALVE", "P-1", "1", "", "NEW", {}, {}};
    qint64 key = shown;
    ASSERT_TRUE(store.save(entries, false, key).ok());
    EXPECT_EQ(key, shown);
    EXPECT_EQ(other.scalar("SELECT Tracking FROM Header WHERE FormIndex = ?", {shown}).toString(), "T1 edited");
    EXPECT_EQ(other.scalar("SELECT count(*) FROM Header").toInt(), 2);

    // A new certificate joins what the view walks, and the view stands on it.
    EXPECT_EQ(found({text("Detail", "PartNum", "P-2")}), QStringList{"T2"});
    entries.tracking = "T3";
    qint64 added = 0;
    ASSERT_TRUE(store.save(entries, true, added).ok());
    EXPECT_EQ(data.header().rowId(), added);
    EXPECT_EQ(walked(), (QStringList{"T2", "T3"}));

    ASSERT_TRUE(other.exec("DELETE FROM Header WHERE FormIndex = ?", {shown}).ok());
    key = shown;
    EXPECT_TRUE(store.save(entries, false, key).is(arc::DbCondition::RecordGone));
}

// A file of the version before searching had copies gets them on opening,
// for the certificates it already holds.
TEST_F(SearchTest, AFileOfTheEarlierVersionIsSearchableOnceOpened)
{
    certificate("T1", {"AB"});
    data.close();
    QSqlQuery q;
    ASSERT_TRUE(other.run(q, "SELECT name FROM sqlite_master WHERE type = 'trigger'").ok());
    QStringList earlier{"DROP TABLE HeaderFold", "DROP TABLE DetailFold", "DROP INDEX idx_Header_Date18",
                        "DROP INDEX idx_Header_Date23", "PRAGMA user_version=2"};
    while (q.next())
        earlier.prepend(QStringLiteral("DROP TRIGGER \"%1\"").arg(q.value(0).toString()));
    ASSERT_EQ(earlier.size(), 11);
    for (const QString &sql : earlier)
        ASSERT_TRUE(other.exec(sql).ok()) << sql.toStdString();
    certificate("T2", {"ABC"});

    ASSERT_TRUE(data.open(folder()).ok());
    EXPECT_EQ(data.certificates().scalar("PRAGMA user_version").toInt(), arc::Schema::version);
    EXPECT_EQ(found({text("Detail", "PartNum", "ab")}), (QStringList{"T1", "T2"}));
}
