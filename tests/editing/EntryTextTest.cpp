#include "EntryBox.h"
#include "EntryText.h"
#include "LineBreaks.h"

#include <QApplication>
#include <QClipboard>
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

TEST(EntryText, PastedTextIsCutToTheRoomLeftWithEachLineBreakTakingTwo)
{
    struct Case {
        const char *what;
        int limit;
        QString before, clip, held;
    };
    const Case cases[] = {
        {"two breaks fill the last four places", 10, "", "AB\nCD\nEFGH", "AB\nCD\nEF"},
        {"CR LF counts two, not four", 10, "", "AB\r\nCD\r\nEFGH", "AB\nCD\nEF"},
        {"a lone CR is a break too", 10, "", "AB\rCD\rEFGH", "AB\nCD\nEF"},
        {"a break with one place left is not taken", 5, "", "ABCD\nE", "ABCD"},
        {"nor is half of CR LF", 4, "", "ABC\r\nD", "ABC"},
        {"the text already held counts its breaks", 8, "A\nB", "CDEFG", "A\nBCDEF"},
        {"a full box takes nothing", 4, "A\nB", "C", "A\nB"},
        {"the invoice box: forty with two breaks", 40, "",
         QString(12, 'W') + "\n" + QString(12, 'X') + "\n" + QString(14, 'Y'),
         QString(12, 'W') + "\n" + QString(12, 'X') + "\n" + QString(12, 'Y')},
    };
    for (const Case &c : cases) {
        EntryText box("Text5");
        box.setEntryLimit(c.limit);
        box.setPlainText(c.before);
        box.moveCursor(QTextCursor::End);
        paste(box, c.clip);
        EXPECT_EQ(shown(box.toPlainText()), shown(c.held)) << c.what;
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
    paste(box, "WXYZ!");
    EXPECT_EQ(box.toPlainText(), "AWXYZD");

    box.selectAll();
    QTest::keyClicks(&box, "Q");
    EXPECT_EQ(box.toPlainText(), "Q");
}

// A one-line box takes the first line of a pasted text, never the CR that
// ends it in a CR LF clipboard.
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
