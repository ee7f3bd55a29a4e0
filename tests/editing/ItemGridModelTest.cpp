#include "ItemGridModel.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using arc::CataloguePart;
using arc::ItemGridModel;
using arc::ItemLine;

namespace {

void typeText(ItemGridModel &m, const QString &text)
{
    for (QChar c : text)
        m.type(c);
}

ItemLine filled(const QString &item)
{
    return {item, "Valve", "PN-1", "2", "SN1", "NEW", "PMA-1"};
}

} // namespace

TEST(ItemGridModel, FirstKeyReplacesAndCellChangesClearTheFlagOnlyOnANewCertificate)
{
    ItemGridModel m;
    m.setLine(0, filled("1"));
    m.setCurrentCell(0, ItemGridModel::DescriptionColumn, true);
    typeText(m, "Pump");
    EXPECT_EQ(m.line(0).description, "Pump") << "the first key replaces, the next ones append";

    m.setCurrentCell(0, ItemGridModel::QtyColumn, true);
    EXPECT_FALSE(m.typing());
    typeText(m, "5");
    EXPECT_EQ(m.line(0).quantity, "5");

    // Editing a stored certificate: after the first key, every cell appends.
    m.setLines({filled("1"), filled("2")});
    m.setCurrentCell(1, ItemGridModel::QtyColumn, false);
    typeText(m, "7");
    EXPECT_EQ(m.line(1).quantity, "7");
    m.setCurrentCell(1, ItemGridModel::SerialNoColumn, false);
    typeText(m, "x");
    EXPECT_EQ(m.line(1).serialNum, "SN1X");

    // Backspace is a keystroke of its own: "ABC", Backspace, "D" is "ABD".
    m.setLines({});
    m.setLine(0, {"", "ABC", "", "", "", "", {}});
    m.setCurrentCell(0, ItemGridModel::DescriptionColumn, true);
    m.type('\b');
    m.type('D');
    EXPECT_EQ(m.line(0).description, "ABD");
    m.setCurrentCell(0, ItemGridModel::QtyColumn, true);
    m.type('\b');
    EXPECT_EQ(m.line(0).quantity, "") << "Backspace in an empty cell";
}

TEST(ItemGridModel, EachColumnCutsAndCasesWhatIsTyped)
{
    struct Case {
        int column;
        QString typed, stored;
    };
    const Case cases[] = {{ItemGridModel::ItemColumn, "12a", "12a"},
                          {ItemGridModel::DescriptionColumn, QString(51, 'd'), QString(50, 'd')},
                          {ItemGridModel::PartNoColumn, "abc", "ABC"},
                          {ItemGridModel::PartNoColumn, QString(21, 'p'), QString(20, 'P')},
                          {ItemGridModel::QtyColumn, "2 ea. (approx)", "2 ea. (approx)"},
                          {ItemGridModel::SerialNoColumn, QString(31, 's'), QString(30, 'S')},
                          {ItemGridModel::StatusColumn, QString(21, 'r'), QString(20, 'r')}};
    for (const Case &c : cases) {
        ItemGridModel m;
        QSignalSpy told(&m, &ItemGridModel::typedPastLimit);
        m.setCurrentCell(3, c.column, true);
        typeText(m, c.typed);
        // A key past the limit is told, with the limit, never dropped unseen.
        EXPECT_EQ(told.count(), c.typed.size() > c.stored.size() ? 1 : 0) << c.column;
        if (!told.isEmpty()) {
            EXPECT_EQ(told[0][1].toInt(), c.stored.size());
        }
        const QString shown = m.data(m.index(3, c.column)).toString();
        EXPECT_EQ(shown, c.stored) << c.column;
        const ItemLine &l = m.line(3);
        const QString values[] = {l.item, l.description, l.partNum, l.quantity, l.serialNum, l.status};
        EXPECT_EQ(values[c.column], c.stored) << c.column;
    }
}

TEST(ItemGridModel, LineBreaksMakeTheRowTaller)
{
    ItemGridModel m;
    m.setCurrentCell(2, ItemGridModel::DescriptionColumn, true);
    typeText(m, "A");
    m.type('\n');
    typeText(m, "B");
    m.type('\n');
    EXPECT_EQ(m.line(2).description, "A\r\nB\r\n");
    EXPECT_EQ(m.extraHeight(2), 400);
    EXPECT_EQ(m.data(m.index(2, 1)).toString(), "A\nB\n");

    // A look-up rebuilds the row at its height; clearing gives the default.
    m.setCurrentCell(2, ItemGridModel::PartNoColumn, true);
    m.lookedUp(CataloguePart{"Seal", "PMA"}, true);
    EXPECT_EQ(m.extraHeight(2), 400);
    m.setCurrentCell(2, ItemGridModel::ItemColumn, true);
    m.deleteInItemColumn();
    EXPECT_EQ(m.extraHeight(2), 0);
}

TEST(ItemGridModel, EnterMovesOnByColumnAndLooksPartsUp)
{
    ItemGridModel m;
    m.setLine(9, {"10", "Old text", "X-1", "", "", "", {}});
    m.setCurrentCell(9, ItemGridModel::ItemColumn, true);
    for (int next : {ItemGridModel::DescriptionColumn, ItemGridModel::PartNoColumn}) {
        EXPECT_FALSE(m.enter(true));
        EXPECT_EQ(m.currentColumn(), next);
    }
    EXPECT_TRUE(m.enter(true)) << "Enter in Part No. asks for the look-up";
    m.lookedUp(std::nullopt, true);
    EXPECT_EQ(m.currentColumn(), ItemGridModel::QtyColumn);
    EXPECT_EQ(m.line(9).description, "Old text");
    for (int next : {ItemGridModel::SerialNoColumn, ItemGridModel::StatusColumn, ItemGridModel::ItemColumn}) {
        EXPECT_FALSE(m.enter(true));
        EXPECT_EQ(m.currentColumn(), next);
    }
    EXPECT_EQ(m.currentRow(), 10) << "after the last line comes a new one";
    EXPECT_EQ(m.rowCount(), 11);

    m.setCurrentCell(9, ItemGridModel::PartNoColumn, true);
    m.lookedUp(CataloguePart{"Seal kit", "ASSY-9"}, true);
    EXPECT_EQ(m.line(9).description, "Seal kit");
    EXPECT_EQ(m.line(9).pmaPartNumber, "ASSY-9");
    EXPECT_EQ(m.currentRow(), 9);
    EXPECT_EQ(m.currentColumn(), ItemGridModel::ItemColumn);
}

TEST(ItemGridModel, ItemColumnClicksNumberAndDeletesClearTheRow)
{
    ItemGridModel m;
    for (int r = 0; r < 5; ++r)
        m.setLine(r, filled(QString::number(r + 1)));
    m.setCurrentCell(3, ItemGridModel::DescriptionColumn, true);
    m.clickItemColumn();
    EXPECT_EQ(m.line(3).item, "4") << "a click elsewhere than the Item column writes nothing";
    m.setLine(3, filled(""));
    m.setCurrentCell(3, ItemGridModel::ItemColumn, true);
    m.clickItemColumn();
    EXPECT_EQ(m.line(3).item, "4");

    m.setCurrentCell(2, ItemGridModel::StatusColumn, true);
    EXPECT_FALSE(m.deleteInItemColumn());
    EXPECT_EQ(m.line(2), filled("3"));
    m.setCurrentCell(2, ItemGridModel::ItemColumn, true);
    EXPECT_TRUE(m.deleteInItemColumn());
    EXPECT_EQ(m.line(2), ItemLine{}) << "the looked-up assembly number goes too";
    EXPECT_EQ(m.line(3), filled("4"));

    m.setCurrentCell(4, ItemGridModel::SerialNoColumn, true);
    m.takeStatus("See Block 12", true);
    EXPECT_EQ(m.line(4).status, "SEE BLOCK 12");
    EXPECT_EQ(m.currentColumn(), ItemGridModel::ItemColumn);
    m.setCurrentCell(4, ItemGridModel::QtyColumn, true);
    m.takePart("PN-\"7\"", std::nullopt, true);
    EXPECT_EQ(m.line(4).partNum, "PN-\"7\"");
    EXPECT_EQ(m.line(4).description, "Valve") << "a part not in the catalogue keeps the description";
}

// Tab walks the lines holding something and the next empty one, then
// leaves the grid, instead of walking all sixty cells.
TEST(ItemGridModel, TabWalksTheLinesInUseAndOneMore)
{
    ItemGridModel m;
    using Step = std::optional<std::pair<int, int>>;
    EXPECT_EQ(m.tabStep(0, 0, false), Step({0, 1}));
    EXPECT_EQ(m.tabStep(0, 5, false), std::nullopt) << "an empty grid walks its first line and then leaves";
    arc::ItemSlots lines(3);
    lines[0] = {"1", "Valve", "PN-1", "1", "S1", "NEW", {}};
    lines[1] = {" ", " ", " ", " ", " ", " ", {}}; // blanks count as empty
    lines[2] = {"3", "", "", "", "", "", {}};
    m.setLines(lines);
    const struct {
        int row, column;
        bool back;
        Step to;
    } cases[] = {{0, 0, false, Step({0, 1})}, {0, 5, false, Step({1, 0})}, {2, 5, false, Step({3, 0})},
                 {3, 5, false, std::nullopt},  {0, 0, true, std::nullopt},   {1, 0, true, Step({0, 5})}};
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.row << "," << c.column << (c.back ? " back" : ""));
        EXPECT_EQ(m.tabStep(c.row, c.column, c.back), c.to);
    }
}
TEST(ItemGridModel, RowsAreAddedBelowTheLastUpToTheMostACertificateHolds)
{
    ItemGridModel m;
    EXPECT_EQ(m.rowCount(), 10) << "a new certificate's grid";
    QSignalSpy refused(&m, &ItemGridModel::tooManyLines);
    while (m.rowCount() < 200)
        ASSERT_TRUE(m.addRow());
    EXPECT_FALSE(m.addRow()) << "the 201st line";
    m.setCurrentCell(199, ItemGridModel::StatusColumn, true);
    EXPECT_FALSE(m.enter(true));
    EXPECT_EQ(m.currentRow(), 199);
    EXPECT_EQ(m.rowCount(), 200);
    ASSERT_EQ(refused.count(), 2);
    EXPECT_EQ(refused[0][0].toInt(), 200);

    // A certificate of fewer lines shows ten rows; one of more, every line.
    arc::ItemSlots twelve(12);
    twelve[11].item = "12";
    m.setLines(twelve);
    EXPECT_EQ(m.rowCount(), 12);
    EXPECT_EQ(m.currentRow(), 11) << "kept inside the rows";
    EXPECT_EQ(m.line(11).item, "12");
    m.setLines(arc::ItemSlots(3));
    EXPECT_EQ(m.rowCount(), 10);
    EXPECT_EQ(m.currentRow(), 9);
}
