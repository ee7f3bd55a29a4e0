#include "WindowFixture.h"

#include "EntryBox.h"
#include "EntryLimit.h"
#include "EntryText.h"

#include "StatusLine.h"

#include <QClipboard>
#include <QLabel>
#include <QScrollBar>

class ItemEntryTest : public DataWindowTest {
protected:
    // A catalogue part number longer than block 8 takes.
    inline static const QString kLongPart = "PN-" + QString(22, '7');
    void SetUp() override
    {
        DataWindowTest::SetUp();
        addRow("PartNumbers", {{"PartNumber", "PN-\"100\""}, {"Description", "Fuel pump"}, {"PMA_PartNumber", "ASSY-1"}});
        addRow("PartNumbers", {{"PartNumber", "PN-200"}, {"Description", "Seal"}});
        addRow("PartNumbers", {{"PartNumber", kLongPart}, {"Description", "Gasket"}});
        addRow("Organizations", {{"Organization", "Acme Aero"}, {"Address1", "1 Main St"}, {"Address2", "Wichita"},
                                 {"Address3", "KS"}, {"CertificateNum", "ACME123"}});
        openWindow();
        showWindow();
    }
};

TEST_F(ItemEntryTest, LinesAreTypedPickedFromTheListsAndSavedAsTheyStand)
{
    arc::ItemGrid *grid = screen().grid1;
    screen().newButton->click();
    EXPECT_TRUE(grid->hasFocus());

    // Row 1: a part from the part list, then a status from the status list.
    window->itemLines().setCurrentCell(1, arc::ItemGridModel::ItemColumn, true);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(1, 0)).center());
    screen().columnButtons[2]->click();
    ASSERT_TRUE(screen().list1->isVisible());
    EXPECT_EQ(screen().list1->count(), 3);
    screen().list1->setFocus();
    screen().list1->setCurrentRow(0);
    QTest::keyClick(screen().list1, Qt::Key_Return);
    EXPECT_FALSE(screen().list1->isVisible());
    EXPECT_EQ(window->itemSlots()[1], (arc::ItemLine{"2", "Fuel pump", "PN-\"100\"", "", "", "", "ASSY-1"}));

    screen().columnButtons[5]->click();
    ASSERT_TRUE(screen().list2->isVisible());
    EXPECT_TRUE(screen().list2->hasFocus());
    QListWidgetItem *repaired = screen().list2->item(2);
    QTest::mouseClick(screen().list2->viewport(), Qt::LeftButton, {}, screen().list2->visualItemRect(repaired).center());
    EXPECT_FALSE(screen().list2->isVisible());
    EXPECT_TRUE(screen().block14aReturnToService->isChecked()) << "a maintenance status selects block 14";

    // Keys reach the grid; a part typed and looked up with Enter.
    window->itemLines().setCurrentCell(1, arc::ItemGridModel::SerialNoColumn, true);
    QTest::keyClicks(grid, "sn-9");
    window->itemLines().setCurrentCell(2, arc::ItemGridModel::PartNoColumn, true);
    QTest::keyClicks(grid, "pn-200");
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_EQ(window->itemSlots()[2].description, "Seal");

    // The organisation chooser fills block 4 and, for block 14, 14c.
    window->itemLines().setCurrentCell(1, arc::ItemGridModel::StatusColumn, true);
    screen().combo3->showPopup();
    EXPECT_TRUE(screen().combo3->isWide());
    screen().combo3->hidePopup();
    screen().combo3->setCurrentIndex(0);
    emit screen().combo3->activated(0);
    expectShown({{screen().block4Organization, "Acme Aero\n1 Main St\nWichita\nKS"}, {screen().block14cNumber, "ACME123"}});
    EXPECT_TRUE(screen().block5Invoice->hasFocus());

    screen().saveButton->click();
    EXPECT_EQ(stored("SELECT count(*) FROM Detail").toInt(), 3);
    screen().newButton->click();
    screen().previousButton->click();
    EXPECT_EQ(window->itemSlots()[1], (arc::ItemLine{"2", "Fuel pump", "PN-\"100\"", " ", "SN-9", "REPAIRED", {}}))
        << "a loaded certificate cites no looked-up part";
    EXPECT_TRUE(screen().combo3->isHidden());
}

// The server could not store or search for a NUL, pasted or from an input method.
TEST_F(ItemEntryTest, BoxesTakeCapitalsButNoNulAndEnterMovesOn)
{
    screen().block3Tracking->setFocus();
    QTest::keyClick(screen().block3Tracking, Qt::Key_Return);
    EXPECT_TRUE(screen().block5Invoice->hasFocus());
    arc::EntryText *invoice = screen().block5Invoice;
    invoice->clear();
    QTest::keyClicks(invoice, "wo-12a");
    EXPECT_EQ(invoice->toPlainText(), "WO-12A");
    QTest::keyClick(invoice, Qt::Key_Return);
    EXPECT_TRUE(screen().grid1->hasFocus());

    screen().block13eDate->setText("01/Jan/2001");
    QTest::mouseDClick(screen().block13eDate, Qt::LeftButton);
    EXPECT_EQ(screen().block13eDate->text(), today()) << "a double click gives today";

    const QString nul = QString("A") + QChar(0) + "B";
    QApplication::clipboard()->setText(nul);
    int boxes = 0;
    for (QWidget *box : window->findChildren<QWidget *>()) {
        auto *line = qobject_cast<QLineEdit *>(box);
        auto *text = qobject_cast<QPlainTextEdit *>(box);
        // A disabled box shows what the user cannot change.
        if (line ? line->isReadOnly() || !line->isEnabled() || qobject_cast<QComboBox *>(line->parent())
                 : !text || text->isReadOnly())
            continue;
        QMetaObject::invokeMethod(box, "clear");
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QMetaObject::invokeMethod(box, "paste");
        QInputMethodEvent commit;
        commit.setCommitString(nul);
        QApplication::sendEvent(box, &commit);
        ++boxes;
        EXPECT_FALSE((line ? line->text() : text->toPlainText()).contains(QChar(0))) << box->objectName().toStdString();
    }
    EXPECT_GT(boxes, 40);
}

// What does not fit a box is refused by name and limit, never cut; a stored
// certificate's longer values show whole.
TEST_F(ItemEntryTest, ValuesTooLongForTheirBoxAreRefusedNeverCut)
{
    using arc::EntryLimit::refusal;
    storedExec("UPDATE Defaults SET PartNum = '" + kLongPart + "'");
    screen().newButton->click();
    EXPECT_EQ(cell(0, arc::ItemGridModel::PartNoColumn), "") << "a default too long for block 8";
    messages.expectAsked(refusal("8. Part No.", 20));

    screen().block3Tracking->setText("T-1");
    QApplication::clipboard()->setText(QString(13, '9'));
    screen().block3Tracking->pasteWithinLimit();
    EXPECT_EQ(screen().block3Tracking->text(), "T-1");
    messages.expectAsked(refusal("3. Form Tracking No.", 15));
    pickPart(1, kLongPart);
    EXPECT_TRUE(window->itemSlots()[1].partNum.isEmpty()) << "a part too long for block 8, from the list";
    messages.expectAsked(refusal("8. Part No.", 20));

    const qint64 key = addRow("Header", {{"Tracking", "WIDE"}, {"AuthNum", QString(25, 'A')}});
    addRow("Detail", {{"FormIndex", key}, {"Item", "1"}, {"PartNum", kLongPart}, {"Status", "NEW"}});
    ASSERT_TRUE(window->dataFolder().header().refresh().ok());
    screen().previousButton->click();
    ASSERT_EQ(window->currentFormIndex(), key);
    EXPECT_EQ(screen().block13cNumber->text(), QString(25, 'A'));
    EXPECT_EQ(cell(0, arc::ItemGridModel::PartNoColumn), kLongPart);
    arc::ItemGrid *grid = screen().grid1;
    window->itemLines().setCurrentCell(0, arc::ItemGridModel::QtyColumn, false);
    QTest::keyClicks(grid, "2");
    window->itemLines().setCurrentCell(0, arc::ItemGridModel::PartNoColumn, false);
    QTest::keyClicks(grid, "x"); // appends: typing stops at the limit
    EXPECT_EQ(window->itemSlots()[0].partNum, kLongPart);
    messages.expectNothingAsked(); // showing refuses nothing
    screen().block13cNumber->setFocus();
    QTest::keyClick(screen().block13cNumber, Qt::Key_End);
    QTest::keyClicks(screen().block13cNumber, "x");
    EXPECT_EQ(screen().block13cNumber->text(), QString(25, 'A'));
}

// A kit of fourteen parts on one certificate: Down on the last row adds
// one, a scroll bar appears, and every line is stored and shown again.
TEST_F(ItemEntryTest, DownOnTheLastRowAddsALineAndEveryLineIsKept)
{
    arc::ItemGrid *grid = screen().grid1;
    screen().newButton->click();
    for (int row = 0; row < 14; ++row) {
        window->itemLines().setCurrentCell(row, arc::ItemGridModel::ItemColumn, true);
        QTest::keyClicks(grid, QString::number(row + 1));
        window->itemLines().setCurrentCell(row, arc::ItemGridModel::PartNoColumn, true);
        QTest::keyClicks(grid, QString("pn-%1").arg(row + 1));
        window->itemLines().setCurrentCell(row, arc::ItemGridModel::StatusColumn, true);
        QTest::keyClicks(grid, "NEW");
        if (row >= 9)
            QTest::keyClick(grid, Qt::Key_Down);
    }
    EXPECT_EQ(grid->model()->rowCount(), 15);
    EXPECT_TRUE(grid->verticalScrollBar()->isVisible());
    screen().saveButton->click();
    EXPECT_EQ(stored("SELECT count(*) FROM Detail").toInt(), 14);
    screen().newButton->click();
    EXPECT_EQ(grid->model()->rowCount(), 10) << "a new certificate's grid";
    screen().previousButton->click();
    ASSERT_GE(window->itemSlots().size(), 14u);
    EXPECT_EQ(window->itemSlots()[13].partNum, "PN-14");
    EXPECT_EQ(window->itemSlots()[13].item, "14");
}

// A key typed into a full cell or box is not taken, and the status line
// says the limit.
TEST_F(ItemEntryTest, AKeyPastTheLimitIsToldOnTheStatusLine)
{
    screen().newButton->click();
    window->itemLines().setCurrentCell(0, arc::ItemGridModel::PartNoColumn, true);
    QTest::keyClicks(screen().grid1, QString(21, 'p'));
    EXPECT_EQ(window->itemSlots()[0].partNum, QString(20, 'P'));
    const auto told = [this] { return window->statusLine().message->text(); };
    EXPECT_TRUE(told().endsWith(arc::EntryLimit::typedPastLimit("8. Part No.", 20))) << told().toStdString();

    // The part catalogue's boxes, as typed.
    const struct {
        const char *box, *name;
        int limit;
        char typed;
    } boxes[] = {{"PartEntry", "Part Number", 20, 'A'}, {"PartRelDwg", "Release Drawing", 3, 'A'},
                 {"PartDescription", "Description", 50, 'd'}};
    for (const auto &b : boxes) {
        SCOPED_TRACE(b.box);
        auto *box = window->findChild<QWidget *>(b.box);
        ASSERT_TRUE(qobject_cast<arc::EntryBox *>(box) || qobject_cast<arc::EntryText *>(box));
        QTest::keyClicks(box, QString(b.limit + 1, b.typed));
        expectShown({{box, QString(b.limit, b.typed)}});
        EXPECT_TRUE(told().endsWith(arc::EntryLimit::typedPastLimit(b.name, b.limit))) << told().toStdString();
    }
    messages.expectNothingAsked();
}
