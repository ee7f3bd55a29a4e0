#include "EntryBox.h"
#include "EntryText.h"
#include "LineBreaks.h"

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>
#include <QTextCursor>
#include <gtest/gtest.h>

using arc::EntryText;

namespace {

// The box's text with its breaks written out, so a failure reads as text.
std::string shown(const QString &text)
{
    return QString(text).replace('\n', "\\n").toStdString();
}

// What the box would store, as many characters as the field takes.
qsizetype storedSize(const EntryText &box)
{
    return arc::LineBreaks::toStored(box.toPlainText()).size();
}

void paste(EntryText &box, const QString &clip)
{
    QApplication::clipboard()->setText(clip);
    box.paste();
}

} // namespace

// Never cut: the box keeps what it held and says so.
TEST(EntryText, APasteThatDoesNotFitIsRefusedWithEachLineBreakTakingTwo)
{
    struct Case {
        const char *what;
        int limit;
        QString before, clip, held;
    };
    const Case cases[] = {
        {"two breaks take four places", 10, "", "AB\nCD\nEF", "AB\nCD\nEF"},
        {"CR LF counts two, not four", 10, "", "AB\r\nCD\r\nEF", "AB\nCD\nEF"},
        {"a lone CR is a break too", 10, "", "AB\rCD\rEFG", ""},
        {"a break with one place left does not fit", 5, "", "ABCD\nE", ""},
        {"the text already held counts its breaks", 8, "A\nB", "CDEFG", "A\nB"},
        {"what fits beside it is taken", 8, "A\nB", "CDEF", "A\nBCDEF"},
        {"the invoice box: forty with two breaks", 40, "",
         QString(12, 'W') + "\n" + QString(12, 'X') + "\n" + QString(14, 'Y'), ""},
    };
    for (const Case &c : cases) {
        EntryText box("Text5");
        box.setEntryLimit(c.limit);
        box.setPlainText(c.before);
        box.moveCursor(QTextCursor::End);
        QSignalSpy refused(&box, &EntryText::refused);
        paste(box, c.clip);
        const bool taken = c.held != c.before;
        EXPECT_EQ(shown(box.toPlainText()), shown(taken ? c.held : c.before)) << c.what;
        EXPECT_EQ(refused.size(), taken ? 0 : 1) << c.what;
        EXPECT_LE(storedSize(box), c.limit) << c.what;
    }
}

TEST(EntryText, TypedBreaksTakeTwoAndASelectionMakesRoomForWhatReplacesIt)
{
    EntryText box("Text13");
    box.setEntryLimit(6);
    box.show();
    box.setFocus();
    QTest::keyClicks(&box, "AB");
    QTest::keyClick(&box, Qt::Key_Return);
    QTest::keyClicks(&box, "CDEF");
    EXPECT_EQ(shown(box.toPlainText()), "AB\\nCD");
    EXPECT_EQ(storedSize(box), 6);

    box.setPlainText("ABCDE");
    box.moveCursor(QTextCursor::End);
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_EQ(box.toPlainText(), "ABCDE") << "a break needs two places";

    // "B", the break and "C" selected: four places come free.
    box.setPlainText("AB\nCD");
    QTextCursor cursor = box.textCursor();
    cursor.setPosition(1);
    cursor.setPosition(4, QTextCursor::KeepAnchor);
    box.setTextCursor(cursor);
    paste(box, "WXYZ");
    EXPECT_EQ(box.toPlainText(), "AWXYZD");

    box.selectAll();
    QTest::keyClicks(&box, "Q");
    EXPECT_EQ(box.toPlainText(), "Q");
}

// Never the CR that ends the first line in a CR LF clipboard.
TEST(EntryBox, PastedTextKeepsOnlyItsFirstLine)
{
    for (const QString &clip : {QString("A-17\r\nsecond"), QString("A-17\nsecond"), QString("A-17\rsecond")}) {
        arc::EntryBox box("Text3");
        box.setEntryLimit(15);
        QApplication::clipboard()->setText(clip);
        box.pasteWithinLimit();
        EXPECT_EQ(box.text().toStdString(), "A-17") << shown(clip);
    }
}

// It counts as a change of the certificate, like a typed date.
TEST(EntryBox, ADoubleClickedDateIsAnEditOfTheUser)
{
    arc::EntryBox box("Text18");
    box.setTodayOnDoubleClick(true);
    QSignalSpy edited(&box, &QLineEdit::textEdited);
    QTest::mouseDClick(&box, Qt::LeftButton);
    EXPECT_FALSE(box.text().isEmpty());
    EXPECT_EQ(edited.count(), 1);
}
