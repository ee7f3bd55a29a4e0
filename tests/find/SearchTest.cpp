#include "CertificateStore.h"
#include "FindResults.h"
#include "FoldedCopies.h"
#include "FoundCertificates.h"
#include "FoundCertificatesModel.h"
#include "SearchFixture.h"

#include <QLabel>
#include <QSqlQuery>
#include <QTest>
#include <algorithm>

using arc::SearchCondition;


namespace {

// A box holding the beginning of a field; a date box.
SearchCondition text(const char *table, const char *field, const QString &beginning)
{
    return {table, field, beginning, {}};
}
SearchCondition day(const char *field, QDate d) { return {"Header", field, {}, d}; }

struct SearchCase {
    const char *name;
    std::vector<SearchCondition> conditions;
    QStringList found;
};

// Quotes, wildcards and the escape character are letters like any other.
const QStringList kSerials = {"O'Brien", "50%", "50x", "A_1", "AB1", "A*", "AZ", "\"Q\"", "C:\\x", "C:x", "[a]"};

const QDate kDay(2026, 12, 5);
const SearchCase kSearches[] = {
    {"part number from its beginning in any case", {text("Detail", "PartNum", "AB-12")}, {"A1", "A3"}},
    {"begins with, not contains", {text("Detail", "PartNum", "B-12")}, {}},
    {"a header field", {text("Header", "Country", "faa")}, {"A1"}},
    {"the tracking number", {text("Header", "Tracking", "a")}, {"A1", "A2", "A3"}},
    {"both boxes match", {text("Detail", "PartNum", "ab"), text("Header", "Country", "EASA")}, {"A3"}},
    {"one of two boxes fails", {text("Detail", "PartNum", "XAB"), text("Header", "Country", "EASA")}, {}},
    // Once for each matching line, never without lines.
    {"once per matching line", {text("Detail", "PartNum", "K")}, {"L-two", "L-two", "L-one"}},
    {"a header box lists each line", {text("Header", "Tracking", "L-")}, {"L-two", "L-two", "L-two", "L-one"}},
    // Item and header conditions may be met by different parts of the
    // certificate, item conditions by one line.
    {"item and header from different parts", {text("Detail", "PartNum", "Z"), text("Header", "Tracking", "l-tw")}, {"L-two"}},
    // Date boxes match the whole day.
    {"13e on the day, a time of day included", {day("Date18", kDay)}, {"D-13e", "D-timed"}},
    {"14e on the day", {day("Date23", kDay)}, {"D-14e"}},
    {"both dates", {day("Date18", kDay), day("Date23", kDay)}, {}},
    {"text never part of the query", {text("Detail", "SerialNum", "' OR 1=1 --")}, {}},
    // Case is ignored for every alphabet, decomposed letters included.
    {"umlaut in any case", {text("Header", "Name17", QString::fromUtf8("MÜLLER"))}, {"N-umlaut", "N-decomposed"}},
    {"greek in any case", {text("Header", "Name17", QString::fromUtf8("αλφ"))}, {"N-greek"}},
};

} // namespace

ARC_ON_BOTH_ENGINES(SearchOnEngine);

TEST_P(SearchOnEngine, EveryBoxFindsWhatBeginsWithItWithoutRegardToCase)
{
    certificate("A1", {"AB-12"}, {{"Country", "FAA/United States"}});
    certificate("A2", {"XAB-12"});
    certificate("A3", {"ab-129"}, {{"Country", "EASA/France"}});
    certificate("L-two", {"K-1", "Z-9", "K-2"});
    certificate("L-none", {});
    certificate("L-one", {"K-3"});
    insert("Detail", {{"FormIndex", 999}, {"PartNum", "K-4"}}); // a line whose certificate is gone
    insert("Detail", {{"PartNum", "K-5"}});                     // a line of no certificate
    certificate("D-13e", {"P"}, {{"Date18", "2026-12-05"}});
    certificate("D-14e", {"P"}, {{"Date23", "2026-12-05"}});
    certificate("D-timed", {"P"}, {{"Date18", "2026-12-05 16:30:00"}}); // as another program may store it
    certificate("D-next", {"P"}, {{"Date18", "2026-12-06"}});
    for (int i = 0; i < kSerials.size(); ++i)
        insert("Detail", {{"FormIndex", certificate(QString("S%1").arg(i), {})}, {"SerialNum", kSerials[i]}});
    certificate("N-umlaut", {"P"}, {{"Name17", QString::fromUtf8("müller valve")}});
    // Decomposed, as some programs write it: u and a combining diaeresis.
    certificate("N-decomposed", {"P"}, {{"Name17", QString::fromUtf8("Mu\xcc\x88ller")}});
    certificate("N-greek", {"P"}, {{"Name17", QString::fromUtf8("ΑΛΦΑ")}});
    certificate("N-plain", {"P"}, {{"Name17", "Muller"}});

    for (const SearchCase &c : kSearches)
        EXPECT_EQ(found(c.conditions), c.found) << c.name;
    for (int i = 0; i < kSerials.size(); ++i)
        EXPECT_EQ(found({text("Detail", "SerialNum", kSerials[i])}), QStringList{QString("S%1").arg(i)})
            << kSerials[i].toStdString();
    // Nothing asked: every certificate once per line, none without lines.
    const QStringList all = found({});
    EXPECT_EQ(all.count("L-two"), 3);
    EXPECT_FALSE(all.contains("L-none"));
    // A field no box searches is refused, the walk left as it was.
    EXPECT_TRUE(arc::CertificateSearch::show(data, {text("Header", "Remarks", "x")}).is(arc::DbCondition::ItemNotFound));
    EXPECT_EQ(walked(), all);
}

// The engine folds rows as they are written, but for texts beyond ASCII:
// the first search after many writes has little to fold.
TEST_P(SearchOnEngine, RowsWrittenByAnotherProgramAreFoundAsTheyNowAre)
{
    const qint64 key = certificate("T1", {"OLD-1"});
    EXPECT_EQ(found({text("Detail", "PartNum", "OLD")}), QStringList{"T1"});

    ASSERT_TRUE(other.exec("UPDATE \"Detail\" SET \"PartNum\" = 'New-1' WHERE \"FormIndex\" = ?", {key}).ok());
    ASSERT_TRUE(other.exec("UPDATE \"Header\" SET \"Tracking\" = 'T9', \"Country\" = 'EASA' WHERE \"FormIndex\" = ?", {key}).ok());
    certificate("T2", {"NEW-2"}, {{"Name17", QString::fromUtf8("MÜLLER")}});
    EXPECT_EQ(staleCopies(), 1); // T2's header
    EXPECT_EQ(found({text("Detail", "PartNum", "OLD")}), QStringList{});
    EXPECT_EQ(staleCopies(), 0);
    EXPECT_EQ(found({text("Detail", "PartNum", "nEw"), text("Header", "Country", "easa")}), QStringList{"T9"});
    EXPECT_EQ(found({text("Detail", "PartNum", "new"), text("Header", "Name17", QString::fromUtf8("müller"))}),
              QStringList{"T2"});

    ASSERT_TRUE(other.exec("DELETE FROM \"Detail\" WHERE \"FormIndex\" = ?", {key}).ok());
    EXPECT_EQ(found({text("Detail", "PartNum", "NEW")}), QStringList{"T2"});
}

// A search that found nothing leaves the view on no row, not the save
// without its certificate.
TEST_P(SearchOnEngine, SavingUpdatesTheCertificateByItsKeyWhateverTheViewWalks)
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
    EXPECT_EQ(other.scalar("SELECT \"Tracking\" FROM \"Header\" WHERE \"FormIndex\" = ?", {shown}).toString(), "T1 edited");
    EXPECT_EQ(other.scalar("SELECT count(*) FROM \"Header\"").toInt(), 2);

    // A new certificate joins what the view walks, and the view stands on it.
    EXPECT_EQ(found({text("Detail", "PartNum", "P-2")}), QStringList{"T2"});
    entries.tracking = "T3";
    qint64 added = 0;
    ASSERT_TRUE(store.save(entries, true, added).ok());
    EXPECT_EQ(data.header().rowId(), added);
    EXPECT_EQ(walked(), (QStringList{"T2", "T3"}));

    ASSERT_TRUE(other.exec("DELETE FROM \"Header\" WHERE \"FormIndex\" = ?", {shown}).ok());
    key = shown;
    EXPECT_TRUE(store.save(entries, false, key).is(arc::DbCondition::RecordGone));
}

// Read a page at a time; a certificate deleted since the search is passed over.
TEST_P(SearchOnEngine, TheListOfResultsHoldsEachCertificateFoundOnceWithItsFirstLine)
{
    const qint64 b = certificate("B", {"K-1", "K-2"}, {{"Date23", "2026-11-30"}, {"Organ1", "Acme\r\nStreet 1"}, {"Name22", "Bob"}});
    certificate("A", {"X"});
    const qint64 c = certificate("C", {"Z", "K-3"}, {{"Date18", "2026-12-09 10:00:00"}, {"Date23", "2026-12-10"}});
    certificate("D", {"K-4"});
    const qint64 e = certificate("E", {"K-5"});
    ASSERT_TRUE(arc::CertificateSearch::show(data, {text("Detail", "PartNum", "k")}).ok());
    ASSERT_TRUE(other.exec("DELETE FROM \"Header\" WHERE \"Tracking\" = 'D'").ok());
    arc::FoundCertificates list(data.header());
    ASSERT_TRUE(list.start().ok());
    EXPECT_EQ(list.count(), 4);
    std::vector<arc::FoundCertificate> found;
    ASSERT_TRUE(list.more(2, found).ok()); // both of B's lines
    EXPECT_FALSE(list.atEnd());
    ASSERT_TRUE(list.more(2, found).ok()); // C, then D that is gone
    ASSERT_TRUE(list.rest(found).ok());
    EXPECT_TRUE(list.atEnd());
    const std::vector<arc::FoundCertificate> expected = {{b, "B", QDate(2026, 11, 30), "Acme", "K-1", "", "Bob"},
                                                         {c, "C", QDate(2026, 12, 9), "", "Z", "", ""},
                                                         {e, "E", {}, "", "K-5", "", ""}};
    EXPECT_EQ(found, expected);
}

// A search of many lines reads its keys a part at a time, counted as they
// come: the walk holds each line's key once, a certificate whose lines
// fill whole parts included, and the list each certificate once, by pages
// as by ranges of keys; a long list sorts a page at a time.
TEST_P(SearchOnEngine, AManyLineSearchIsReadInPartsEachCertificateOnce)
{
    const auto run = [this](const QString &sql) { ASSERT_TRUE(other.exec(sql).ok()) << sql.toStdString(); };
    run("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 3000) INSERT INTO \"Header\" "
        "(\"Tracking\", \"Name17\", \"Name22\", \"Date23\", \"Organ1\") SELECT 'T' || i, 'M' || i, 'R' || i, "
        "CASE WHEN i % 3 = 0 THEN '2026-01-02' END, 'Org ' || i FROM n");
    run("INSERT INTO \"Detail\" (\"FormIndex\", \"Item\", \"PartNum\", \"Status\") SELECT \"FormIndex\", '1', "
        "'K-' || \"Tracking\", CASE WHEN \"FormIndex\" % 2 = 0 THEN 'NEW' ELSE 'REPAIRED' END FROM \"Header\"");
    run("INSERT INTO \"Detail\" (\"FormIndex\", \"Item\", \"PartNum\", \"Status\") SELECT \"FormIndex\", '2', "
        "'K2', 'NEW' FROM \"Header\" WHERE \"FormIndex\" % 5 <> 0");
    run("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 10000) INSERT INTO \"Detail\" "
        "(\"FormIndex\", \"Item\", \"PartNum\") SELECT 1500, '3', 'K-many' FROM n");
    ASSERT_TRUE(arc::CertificateSearch::show(data, {text("Detail", "PartNum", "k")}).ok());
    run("DELETE FROM \"Header\" WHERE \"FormIndex\" % 97 = 0");

    arc::FoundCertificates counting(data.header());
    ASSERT_TRUE(counting.start().ok());
    EXPECT_FALSE(counting.counted());
    for (int before = counting.count(); !counting.counted(); before = counting.count()) {
        ASSERT_TRUE(counting.countOn().ok());
        EXPECT_GT(counting.count(), before);
    }
    EXPECT_EQ(counting.count(), 3000);
    EXPECT_EQ(static_cast<qint64>(data.header().resultKeys().size()),
              other.scalar("SELECT count(*) FROM \"Detail\"").toLongLong());

    const auto listed = [this](bool byPages) {
        arc::FoundCertificates list(data.header());
        std::vector<arc::FoundCertificate> found;
        EXPECT_TRUE(list.start().ok());
        EXPECT_EQ(list.count(), 3000);
        EXPECT_TRUE(list.more(100, found).ok());
        while (byPages && !list.atEnd())
            EXPECT_TRUE(list.more(100, found).ok());
        EXPECT_TRUE(list.rest(found).ok());
        EXPECT_TRUE(list.atEnd());
        return found;
    };
    const std::vector<arc::FoundCertificate> byPages = listed(true), byRanges = listed(false);
    EXPECT_EQ(byPages.size(), 3000u - 30u);
    EXPECT_TRUE(byPages == byRanges);
    EXPECT_EQ(byRanges[1].signatory, "M2") << "a new part's block 13";
    EXPECT_EQ(byRanges[2].signatory, "R3") << "a repair's block 14";

    arc::FoundCertificatesModel model(100);
    ASSERT_TRUE(model.show(std::make_unique<arc::FoundCertificates>(data.header())).ok());
    model.sort(arc::FoundCertificatesModel::Tracking, Qt::DescendingOrder);
    EXPECT_EQ(model.rowCount(), 100);
    EXPECT_EQ(model.index(0, arc::FoundCertificatesModel::Tracking).data().toString(), "T999");
    EXPECT_TRUE(model.canFetchMore({}));

    // The window's list counts on while the program is idle.
    ASSERT_TRUE(arc::CertificateSearch::show(data, {text("Detail", "PartNum", "k")}).ok());
    arc::FindResults results;
    ASSERT_TRUE(results.setFound(std::make_unique<arc::FoundCertificates>(data.header())).ok());
    EXPECT_TRUE(results.count->text().startsWith("At least ")) << results.count->text().toStdString();
    EXPECT_TRUE(QTest::qWaitFor([&results] { return results.count->text() == "3000 certificates"; }));
}

// A list sorted by the engine, read two at a time, each page after the
// last certificate read, ties in the order of their keys: the order of the
// list sorted in the program, and descending that order turned round.
TEST_P(SearchOnEngine, AListSortedPageByPageKeepsTheOrderOfTheListSortedWhole)
{
    const auto add = [this](const QString &tracking, QVariantMap header, const QVariant &part, const QVariant &status) {
        header.insert("Tracking", tracking);
        const qint64 key = insert("Header", header);
        insert("Detail", {{"FormIndex", key}, {"Item", "1"}, {"PartNum", part}, {"Status", status}});
        insert("Detail", {{"FormIndex", key}, {"Item", "2"}, {"PartNum", "A-0"}, {"Status", "AAA"}});
    };
    add("T3", {{"Date18", "2026-01-02"}, {"Organ1", "acme"}, {"Name17", "Zed"}, {"Name22", "Ann"}}, "Q-1", "NEW");
    add("t1", {{"Date23", "2026-01-01"}, {"Organ1", "Zeta\r\nRoad"}, {"Name17", "Abe"}, {"Name22", "amy"}}, "P-1", "REPAIRED");
    add("T2", {{"Date18", "2026-01-02"}, {"Organ1", "ACME"}, {"Name17", "bob"}}, "q-1", "new");
    add("T4", {{"Name22", "Bob"}}, "P-1", QVariant());
    add("T5", {{"Date18", "2026-01-01 10:00:00"}, {"Organ1", " Acme Two"}, {"Name17", "Cy"}}, "", "PROTOTYPE");
    ASSERT_TRUE(arc::CertificateSearch::show(data, {}).ok());

    using Order = arc::FoundCertificates::ListOrder;
    const struct {
        Order order;
        QStringList ascending;
    } orders[] = {
        {Order::Tracking, {"t1", "T2", "T3", "T4", "T5"}},
        {Order::Date, {"T4", "t1", "T5", "T3", "T2"}},
        {Order::Organization, {"T4", "T3", "T2", "T5", "t1"}},
        {Order::PartNum, {"T5", "t1", "T4", "T3", "T2"}},
        {Order::Status, {"T4", "T3", "T2", "T5", "t1"}},
        {Order::Signatory, {"t1", "T2", "T4", "T5", "T3"}},
    };
    const auto byPages = [this](Order order, bool descending) { return trackings(sortedList({}, order, descending, 2)); };
    arc::FoundCertificatesModel model(2);
    ASSERT_TRUE(model.show(std::make_unique<arc::FoundCertificates>(data.header())).ok());
    const auto whole = [&model](Order order, Qt::SortOrder direction) {
        const int column = static_cast<int>(order);
        model.sort(column, direction);
        QStringList out;
        for (int r = 0; r < model.rowCount(); ++r)
            out << model.index(r, arc::FoundCertificatesModel::Tracking).data().toString();
        return out;
    };
    for (const auto &c : orders) {
        QStringList descending = c.ascending;
        std::reverse(descending.begin(), descending.end());
        EXPECT_EQ(byPages(c.order, false), c.ascending) << static_cast<int>(c.order);
        EXPECT_EQ(byPages(c.order, true), descending) << static_cast<int>(c.order);
        EXPECT_EQ(whole(c.order, Qt::AscendingOrder), c.ascending) << static_cast<int>(c.order);
        EXPECT_EQ(whole(c.order, Qt::DescendingOrder), descending) << static_cast<int>(c.order);
    }
}

// Sorted by the engine, the first line's part number and status and the
// signatory of the block in use are read from copies kept on every write.
TEST_P(SearchOnEngine, ASortByALinesValueFollowsEveryWrite)
{
    const qint64 a = certificate("T1", {"B-2", "A-1"}, {{"Name17", "Zed"}, {"Name22", "Amy"}});
    certificate("T2", {"C-3"}, {{"Name17", "Bob"}, {"Name22", "Cy"}});
    ASSERT_TRUE(other.exec("UPDATE \"Detail\" SET \"Status\" = 'NEW'").ok());
    const auto sorted = [this](arc::FoundCertificates::ListOrder order) { return trackings(sortedList({}, order)); };
    using Order = arc::FoundCertificates::ListOrder;
    const QString first = "(SELECT min(rowid) FROM \"Detail\" WHERE \"FormIndex\" = " + QString::number(a) + ")";
    const struct {
        QString write;
        Order order;
        QStringList expected;
    } steps[] = {
        {"SELECT 1", Order::PartNum, {"T1", "T2"}},
        {"SELECT 1", Order::Signatory, {"T2", "T1"}},
        {"UPDATE \"Detail\" SET \"PartNum\" = 'D-4' WHERE rowid = " + first, Order::PartNum, {"T2", "T1"}},
        {"UPDATE \"Detail\" SET \"Status\" = 'REPAIRED' WHERE rowid = " + first, Order::Signatory, {"T1", "T2"}},
        {"UPDATE \"Detail\" SET \"Status\" = 'REPAIRED' WHERE rowid = " + first, Order::Status, {"T2", "T1"}},
        {"DELETE FROM \"Detail\" WHERE rowid = " + first, Order::PartNum, {"T1", "T2"}},
        {"UPDATE \"Header\" SET \"Name17\" = 'Abe' WHERE \"Tracking\" = 'T1'", Order::Signatory, {"T1", "T2"}},
        {"UPDATE \"Header\" SET \"Name17\" = 'Dan' WHERE \"Tracking\" = 'T2'", Order::Signatory, {"T1", "T2"}},
        {"UPDATE \"Header\" SET \"Name17\" = 'Eve' WHERE \"Tracking\" = 'T1'", Order::Signatory, {"T2", "T1"}},
    };
    for (const auto &step : steps) {
        ASSERT_TRUE(other.exec(step.write).ok()) << step.write.toStdString();
        EXPECT_EQ(sorted(step.order), step.expected) << step.write.toStdString();
    }
}

// A search by status sorted by status passes over, by the marks kept of
// their lines' statuses, the certificates none of whose lines can match:
// whatever wrote, folded, moved or removed a line, nothing found is missed.
TEST_P(SearchOnEngine, ASortByStatusFindsEveryCertificateTheSearchFinds)
{
    const auto add = [this](const QString &tracking, const QStringList &statuses) {
        const qint64 key = insert("Header", {{"Tracking", tracking}});
        for (int i = 0; i < statuses.size(); ++i)
            insert("Detail", {{"FormIndex", key}, {"Item", QString::number(i + 1)}, {"Status", statuses[i]}});
        return key;
    };
    const qint64 a = add("A", {"REPAIRED", "NEW"});
    const qint64 b = add("B", {"NEW"});
    const qint64 c = add("C", {"OVERHAULED"});
    const qint64 d = add("D", {"INSPECTED"});
    const auto sorted = [this](const QString &status, bool descending) {
        return trackings(sortedList({text("Detail", "Status", status)}, arc::FoundCertificates::ListOrder::Status, descending, 1));
    };
    const auto line = [](qint64 key) { return QString::number(key); };
    const struct {
        QString write;
        QString search;
        QStringList ascending;
    } steps[] = {
        {"SELECT 1", "new", {"B", "A"}},
        {"SELECT 1", "", {"D", "B", "C", "A"}},
        {"UPDATE \"Detail\" SET \"Status\" = 'New' WHERE \"FormIndex\" = " + line(c), "NE", {"B", "C", "A"}},
        // Folded by the program, not the engine.
        {"UPDATE \"Detail\" SET \"Status\" = 'ÜBERHOLT' WHERE \"FormIndex\" = " + line(d), QString::fromUtf8("über"), {"D"}},
        {"INSERT INTO \"Detail\" (\"FormIndex\", \"Item\", \"Status\") VALUES (" + line(b) + ", '2', 'Überprüft')",
         QString::fromUtf8("Ü"), {"B", "D"}},
        // Marks another program's trigger left unknown.
        {"UPDATE \"ListKeys\" SET \"Statuses\" = NULL", "new", {"B", "C", "A"}},
        {"DELETE FROM \"Detail\" WHERE \"FormIndex\" = " + line(a) + " AND \"Status\" = 'NEW'", "new", {"B", "C"}},
        {"UPDATE \"Header\" SET \"Tracking\" = 'C2' WHERE \"FormIndex\" = " + line(c), "new", {"B", "C2"}},
        {"UPDATE \"Detail\" SET \"FormIndex\" = " + line(a) + " WHERE \"FormIndex\" = " + line(c), "new", {"B", "A"}},
        {"INSERT INTO \"Detail\" (\"FormIndex\", \"Item\", \"Status\") VALUES (" + line(d) + ", '2', 'Newly made')",
         "new", {"B", "A", "D"}},
    };
    for (const auto &step : steps) {
        SCOPED_TRACE(step.write.toStdString() + " / " + step.search.toStdString());
        ASSERT_TRUE(other.exec(step.write).ok());
        QStringList descending = step.ascending;
        std::reverse(descending.begin(), descending.end());
        EXPECT_EQ(sorted(step.search, false), step.ascending);
        EXPECT_EQ(sorted(step.search, true), descending);
    }
}

// Read in the keys' order a part at a time, a search by a header box still
// starts from that box's index, not from the first line stored.
TEST_F(SearchTest, AHeaderBoxIsLookedUpInItsIndexWhenTheKeysAreReadInOrder)
{
    QString sql;
    QVariantList binds;
    ASSERT_TRUE(arc::CertificateSearch::keyQuery({text("Header", "Tracking", "054321")}, sql, binds).ok());
    QSqlQuery q;
    ASSERT_TRUE(data.certificates()
                    .run(q, "EXPLAIN QUERY PLAN SELECT k.\"FormIndex\" FROM (" + sql +
                                ") k WHERE k.\"FormIndex\" > ? ORDER BY k.\"FormIndex\" LIMIT ?",
                         binds << 0 << 1024)
                    .ok());
    QString plan;
    while (q.next())
        plan += q.value(3).toString() + '\n';
    EXPECT_TRUE(plan.contains("idx_HeaderFold_Tracking")) << plan.toStdString();
}

// A sort reads the rest first, the current row following its certificate;
// sorting by no column gives back the order found.
TEST_F(SearchTest, TheListReadsOnAsScrolledAndSortsEveryCertificateFound)
{
    for (const char *tracking : {"T3", "t1", "T5", "T2", "T4"})
        certificate(tracking);
    ASSERT_TRUE(arc::CertificateSearch::show(data, {text("Detail", "PartNum", "p")}).ok());
    arc::FoundCertificatesModel model(2);
    ASSERT_TRUE(model.show(std::make_unique<arc::FoundCertificates>(data.header())).ok());
    const auto column = [&model] {
        QStringList out;
        for (int r = 0; r < model.rowCount(); ++r)
            out << model.index(r, arc::FoundCertificatesModel::Tracking).data().toString();
        return out;
    };
    EXPECT_EQ(model.count(), 5);
    EXPECT_EQ(column(), (QStringList{"T3", "t1"}));
    ASSERT_TRUE(model.canFetchMore({}));
    model.fetchMore({});
    EXPECT_EQ(column(), (QStringList{"T3", "t1", "T5", "T2"}));

    const QPersistentModelIndex current = model.index(1, 0);
    model.sort(arc::FoundCertificatesModel::Tracking, Qt::DescendingOrder);
    EXPECT_EQ(column(), (QStringList{"T5", "T4", "T3", "T2", "t1"}));
    EXPECT_FALSE(model.canFetchMore({}));
    EXPECT_EQ(current.row(), 4);
    model.sort(-1);
    EXPECT_EQ(column(), (QStringList{"T3", "t1", "T5", "T2", "T4"}));
}

// Another program that made the tables again loses the triggers that mark
// changed rows; an earlier version's triggers left every row stale.
TEST_F(SearchTest, CopiesAndTriggersLostOrOfAnEarlierVersionAreMadeAgainOnOpening)
{
    const auto objects = [this](const QString &type, const QString &table) {
        QSqlQuery q;
        EXPECT_TRUE(other.run(q, "SELECT name FROM sqlite_master WHERE type = '" + type + "' AND tbl_name LIKE '" + table
                                     + "' ORDER BY name")
                        .ok());
        QStringList drop;
        while (q.next())
            drop << QStringLiteral("DROP %1 \"%2\"").arg(type.toUpper(), q.value(0).toString());
        return drop;
    };
    const auto triggers = [&](const QString &table) { return objects("trigger", table); };
    const QStringList current = triggers("%"), indexes = objects("index", "%");
    // Three for each fold table, three for the tally on each, three for the
    // sort keys on the lines, two for the marks of their statuses.
    ASSERT_EQ(current.size(), 17);
    const QString earlierTrigger = "CREATE TRIGGER DetailFold_insert AFTER INSERT ON Detail BEGIN INSERT OR REPLACE INTO "
                                   "DetailFold (Line, FormIndex) VALUES (NEW.rowid, NEW.FormIndex); END";
    const std::pair<const char *, QStringList> damages[] = {
        {"triggers and a copy lost", triggers("Detail") << "DROP TABLE HeaderFold"},
        {"the earlier version",
         current + QStringList{"DROP TABLE HeaderFold", "DROP TABLE DetailFold", "DROP INDEX idx_Header_Date18",
                               "DROP INDEX idx_Header_Date23", "PRAGMA user_version=2"}},
        {"earlier triggers", current + QStringList{earlierTrigger}},
        {"an earlier trigger beside the current ones", {earlierTrigger}},
        {"indexes lost", {"DROP INDEX idx_DetailFold_stale", "DROP INDEX idx_Header_Tracking_number"}},
        {"sort keys without the marks of the statuses",
         {"DROP TABLE ListKeys", "CREATE TABLE ListKeys (FormIndex INTEGER PRIMARY KEY, PartNum TEXT NOT NULL, "
                                 "Status TEXT NOT NULL, Signatory TEXT NOT NULL)",
          "CREATE INDEX idx_ListKeys_Status ON ListKeys(Status, FormIndex)", "DROP TRIGGER ActivityTally_on_DetailFold_insert_keys",
          "DROP TRIGGER ActivityTally_on_DetailFold_update_keys", "DROP TRIGGER ActivityTally_on_DetailFold_delete_keys",
          "DROP TRIGGER ActivityTally_on_DetailFold_insert_marks", "DROP TRIGGER ActivityTally_on_DetailFold_update_marks"}},
    };
    for (const auto &[name, damage] : damages) {
        SCOPED_TRACE(name);
        other.close(); // as another program started afresh
        ASSERT_TRUE(opened.openAnother(other, arc::StoreKind::Certificates).ok());
        ASSERT_TRUE(other.exec("DELETE FROM Header").ok() && other.exec("DELETE FROM Detail").ok());
        certificate("T1", {"AB"});
        certificate("T2", {"XY"});
        data.close();
        for (const QString &sql : damage + QStringList{"UPDATE Detail SET PartNum = 'CD'"})
            ASSERT_TRUE(other.exec(sql).ok()) << sql.toStdString();

        ASSERT_TRUE(data.open(folder()).ok());
        EXPECT_EQ(data.certificates().scalar("PRAGMA user_version").toInt(), arc::Schema::version);
        EXPECT_EQ(staleCopies(), 0); // nothing left for the first search
        EXPECT_EQ(triggers("%"), current);
        EXPECT_EQ(objects("index", "%"), indexes);
        certificate("T3", {"CD"});
        EXPECT_EQ(staleCopies(), 0) << "the current triggers fold what is written";
        EXPECT_EQ(found({text("Detail", "PartNum", "AB")}), QStringList{});
        EXPECT_EQ(found({text("Detail", "PartNum", "cd")}), (QStringList{"T1", "T2", "T3"}));
        EXPECT_EQ(found({text("Detail", "PartNum", "CD"), text("Header", "Tracking", "t1")}), QStringList{"T1"});
    }
}

TEST_F(SearchTest, FoldingReportsItsCountAndStopsWhenAsked)
{
    certificate("T1", {QString::fromUtf8("Ä-1"), QString::fromUtf8("Ö-2")});
    QList<std::pair<qint64, qint64>> heard;
    const auto listen = [&](bool goOn) {
        return arc::Progress([&heard, goOn](const QString &, qint64 done, qint64 total) {
            heard.append({done, total});
            return goOn;
        });
    };
    EXPECT_TRUE(arc::FoldedCopies::bringUpToDate(data.certificates(), listen(false)).is(arc::DbCondition::Cancelled));
    EXPECT_EQ(heard, (QList<std::pair<qint64, qint64>>{{0, 2}}));
    EXPECT_EQ(staleCopies(), 2);
    heard.clear();
    EXPECT_TRUE(arc::FoldedCopies::bringUpToDate(data.certificates(), listen(true)).ok());
    EXPECT_EQ(heard, (QList<std::pair<qint64, qint64>>{{0, 2}, {2, 2}}));
    EXPECT_EQ(found({text("Detail", "PartNum", QString::fromUtf8("ö"))}), QStringList{"T1"});
}
