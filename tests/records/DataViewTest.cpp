#include "DataView.h"
#include "Database.h"
#include "TempFolder.h"
#include "WriteTransaction.h"


using namespace arc;

namespace {

class DataViewTest : public TempFolderTest {
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        ASSERT_TRUE(db.open(file("VELLORAN.MDB"), StoreKind::Certificates, Database::Mode::CreateIfMissing).ok());
    }
    // Detail rows in the order given; Item holds the text.
    void addItems(const QStringList &items)
    {
        for (const QString &i : items)
            ASSERT_TRUE(db.exec("INSERT INTO Detail (FormIndex, Item) VALUES (1, ?)", {i}).ok());
    }
    // `field` of every row from the first on (or the last back).
    static QStringList walk(DataView &view, const QString &field, bool forward = true)
    {
        QStringList seen;
        EXPECT_TRUE((forward ? view.moveFirst() : view.moveLast()).ok());
        while (view.hasRow()) {
            seen << view.text(field);
            EXPECT_TRUE((forward ? view.moveNext() : view.movePrevious()).ok());
        }
        return seen;
    }
    Database db;
};

} // namespace

TEST_F(DataViewTest, MovesWalkStoredOrderAndStopPastTheEnds)
{
    DataView detail(db, "Detail");
    ASSERT_TRUE(detail.refresh().ok());
    EXPECT_TRUE(detail.isBof() && detail.isEof());
    EXPECT_FALSE(detail.hasRow());

    addItems({"b", "a", "c"});
    EXPECT_EQ(walk(detail, "Item"), (QStringList{"b", "a", "c"}));
    EXPECT_TRUE(detail.isEof());
    EXPECT_FALSE(detail.moveNext().ok());

    ASSERT_TRUE(detail.movePrevious().ok());
    EXPECT_EQ(detail.text("Item"), "c");
    ASSERT_TRUE(detail.moveFirst().ok());
    ASSERT_TRUE(detail.movePrevious().ok());
    EXPECT_TRUE(detail.isBof());
    EXPECT_FALSE(detail.isEof());
    ASSERT_TRUE(detail.moveNext().ok());
    EXPECT_EQ(detail.text("Item"), "b");

    // After a delete the cursor goes on from where the row was.
    ASSERT_TRUE(detail.moveNext().ok());
    ASSERT_TRUE(detail.deleteCurrent().ok());
    EXPECT_FALSE(detail.hasRow());
    ASSERT_TRUE(detail.moveNext().ok());
    EXPECT_EQ(detail.text("Item"), "c");
    EXPECT_EQ(detail.recordCount(), 2);
}

TEST_F(DataViewTest, FindsMatchValuesLiterallyAndStayPutOnNoMatch)
{
    const QString quoted = "O'Brien \"Aero\"";
    addItems({"50%", "A*", quoted, "50 percent", "AB", "A*", "x"});
    DataView detail(db, "Detail");
    const QString byItem = "Item = ?";

    ASSERT_TRUE(detail.findFirst(byItem, {quoted}).ok());
    ASSERT_FALSE(detail.noMatch());
    EXPECT_EQ(detail.text("Item"), quoted);

    ASSERT_TRUE(detail.findFirst(byItem, {"A*"}).ok());
    const qint64 first = detail.rowId();
    ASSERT_TRUE(detail.findNext(byItem, {"A*"}).ok());
    ASSERT_FALSE(detail.noMatch());
    EXPECT_GT(detail.rowId(), first);
    const qint64 second = detail.rowId();
    ASSERT_TRUE(detail.findNext(byItem, {"A*"}).ok());
    EXPECT_TRUE(detail.noMatch());
    EXPECT_EQ(detail.rowId(), second);
    EXPECT_EQ(detail.text("Item"), "A*");

    ASSERT_TRUE(detail.findLast(byItem, {"50%"}).ok());
    EXPECT_EQ(detail.text("Item"), "50%");
    ASSERT_TRUE(detail.findPrevious(byItem, {"50%"}).ok());
    EXPECT_TRUE(detail.noMatch());
    EXPECT_EQ(detail.text("Item"), "50%");

    ASSERT_TRUE(detail.findFirst(byItem, {"5%"}).ok());
    EXPECT_TRUE(detail.noMatch());
    EXPECT_EQ(detail.text("Item"), "50%");
}

TEST_F(DataViewTest, NewHeaderRowsGetTheirKeyAtOnce)
{
    DataView header(db, "Header");
    WriteTransaction tx(db);
    ASSERT_TRUE(header.addNew().ok());
    const QVariant cancelled = header.newKey();
    ASSERT_FALSE(cancelled.isNull());
    EXPECT_EQ(db.scalar("SELECT count(*) FROM Header WHERE FormIndex = ?", {cancelled}).toInt(), 1);
    header.cancelUpdate();
    EXPECT_EQ(db.scalar("SELECT count(*) FROM Header").toInt(), 0);
    EXPECT_TRUE(header.newKey().isNull());

    ASSERT_TRUE(header.addNew().ok());
    const qint64 key = header.newKey().toLongLong();
    header.setValue("Tracking", "000042");
    ASSERT_TRUE(header.update().ok());
    ASSERT_TRUE(tx.commit().ok());
    EXPECT_EQ(db.scalar("SELECT Tracking FROM Header WHERE FormIndex = ?", {key}).toString(), "000042");
    EXPECT_TRUE(header.update().is(DbCondition::NotEditing));
}

// A key as often as it was selected; a failed search leaves the walk as it was.
TEST_F(DataViewTest, WalksASearchResultInItsOrderPassingOverDeletedRows)
{
    DataView header(db, "Header");
    QList<qint64> keys;
    for (const char *tracking : {"a", "b", "c", "d"}) {
        ASSERT_TRUE(db.exec("INSERT INTO Header (Tracking) VALUES (?)", {tracking}).ok());
        keys << db.scalar("SELECT max(FormIndex) FROM Header").toLongLong();
    }
    const QString query = "SELECT FormIndex FROM Header WHERE Tracking <> ? "
                          "UNION ALL SELECT FormIndex FROM Header WHERE Tracking = 'c' ORDER BY 1 DESC";
    ASSERT_TRUE(header.showResult(query, {"a"}).ok());
    EXPECT_FALSE(header.hasRow());
    EXPECT_EQ(walk(header, "Tracking"), (QStringList{"d", "c", "c", "b"}));
    EXPECT_TRUE(header.isEof());
    EXPECT_EQ(walk(header, "Tracking", false), (QStringList{"b", "c", "c", "d"}));

    ASSERT_TRUE(header.moveToRow(keys[2]).ok());
    ASSERT_TRUE(header.moveNext().ok());
    EXPECT_EQ(header.text("Tracking"), "c") << "the second place of the same row";
    EXPECT_TRUE(header.moveToRow(keys[0]).is(DbCondition::RecordGone)) << "not in the result";
    EXPECT_EQ(header.text("Tracking"), "c");

    ASSERT_TRUE(db.exec("DELETE FROM Header WHERE Tracking = 'c'").ok());
    ASSERT_TRUE(header.include(keys[0]).ok());
    EXPECT_EQ(walk(header, "Tracking"), (QStringList{"d", "b", "a"}));

    EXPECT_FALSE(header.showResult("SELECT nonsense FROM Header").ok());
    EXPECT_EQ(walk(header, "Tracking"), (QStringList{"d", "b", "a"}));
    ASSERT_TRUE(db.exec("INSERT INTO Header (Tracking) VALUES ('e')").ok());
    ASSERT_TRUE(header.refresh().ok()) << "runs the search again";
    EXPECT_EQ(header.text("Tracking"), "e");

    header.showWholeTable();
    EXPECT_EQ(walk(header, "Tracking"), (QStringList{"a", "b", "d", "e"}));
}
