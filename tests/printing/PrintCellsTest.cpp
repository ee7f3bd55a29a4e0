// Breaking texts into printed lines; where they land is in the recorded pages.

#include "AddressLines.h"
#include "PrintFixtures.h"
#include "WrapToWidth.h"

namespace {

QStringList lines(const char *joined) { return QString(joined).split('|'); }

TEST(PrintBlock4Test, ColumnsBrokenByCharacterCount)
{
    using arc::addressLines;
    EXPECT_EQ(addressLines("ABC"), lines("ABC"));
    EXPECT_TRUE(addressLines("").isEmpty());
    // Exactly 40 characters and a space as the 41st: the line keeps them all.
    const QString forty(40, 'X');
    EXPECT_EQ(addressLines(forty + " MORE"), QStringList({forty + " ", "MORE"}));
    // Back from the 41st character to the nearest space, "-" or ",".
    EXPECT_EQ(addressLines(QString(30, 'A') + "-" + QString(20, 'B')), QStringList({QString(30, 'A') + "-", QString(20, 'B')}));
    EXPECT_EQ(addressLines("AAAA BBBB," + QString(35, 'C')), QStringList({"AAAA BBBB,", QString(35, 'C')}));
    // Line breaks; the line feed after a carriage return is skipped.
    EXPECT_EQ(addressLines("Acme\r\n12 Main St\r\n\r\nTown"), lines("Acme|12 Main St||Town"));
    EXPECT_EQ(addressLines("Acme\nTown"), lines("Acme|Town"));
    // A run without a break character breaks hard after 40, and ends.
    EXPECT_EQ(addressLines(QString(100, 'Z')), QStringList({QString(40, 'Z'), QString(40, 'Z'), QString(20, 'Z')}));
}

TEST(PrintWrapTest, BreaksLikeAWordWrappingBox)
{
    const arc::RecordingCanvas font = RecordedPage::font(7, false);
    const auto w = [&](const char *t) { return font.textWidth(t); };
    const auto wrap = [&](const QString &t, double width, int limit = 300) {
        return arc::WrapToWidth(t, width, limit, font);
    };
    // At spaces, which stay at the end of the line.
    EXPECT_EQ(wrap("aaa bbb ccc", w("aaa bbb") + 1), lines("aaa bbb |ccc"));
    EXPECT_EQ(wrap("aaa bbb ccc", w("aaa") + 1), lines("aaa |bbb |ccc"));
    EXPECT_EQ(wrap("aaa bbb ccc", w("aaa bbb ccc") + 1), lines("aaa bbb ccc"));
    // Inside a word wider than the column; never at a hyphen.
    EXPECT_EQ(wrap("mmmmmmmmmm", w("mmmm") + 0.5), lines("mmmm|mmmm|mm"));
    EXPECT_EQ(wrap("xx ab-cd", w("xx ab-") + 0.5), lines("xx |ab-cd"));
    // At every line break, CR LF or a lone LF; empty lines count.
    EXPECT_EQ(wrap("a\r\nb\nc", 5000), lines("a|b|c"));
    EXPECT_EQ(wrap("a\r\n\r\nb", 5000), lines("a||b"));
    EXPECT_EQ(wrap("a\r\n", 5000), lines("a|"));
    // Each line cut at the fetch limit.
    EXPECT_EQ(wrap(QString(500, 'q'), 1e9, 300), QStringList({QString(300, 'q')}));
    EXPECT_EQ(wrap(QString(500, 'q'), 1e9, 450), QStringList({QString(450, 'q')}));
}

} // namespace
