#include "FindRequest.h"
#include "PrintTo.h"

#include <gtest/gtest.h>

using arc::FindRequest;
using Texts = std::array<QString, arc::kFindBoxes>;

TEST(FindRequestTest, BoxesHoldingTextBecomeConditionsInTheOrderOfTheBoxes)
{
    Texts texts;
    texts[11] = "05/12/2026";
    texts[1] = "AB-1";
    texts[4] = " 0012";
    texts[8] = "5 Dec 2026";
    const FindRequest r = FindRequest::read(texts);
    ASSERT_EQ(r.notADate, -1);
    QStringList fields;
    for (const arc::SearchCondition &c : r.conditions)
        fields << c.table + "." + c.field;
    ASSERT_EQ(fields, (QStringList{"Detail.PartNum", "Header.Tracking", "Header.Date18", "Header.Date23"}));
    EXPECT_EQ(r.conditions[1].beginsWith, " 0012") << "as typed";
    EXPECT_EQ(r.conditions[2].day, QDate(2026, 12, 5));
    EXPECT_EQ(r.conditions[3].day, QDate(2026, 12, 5)) << "day first";
    EXPECT_TRUE(FindRequest::read({}).conditions.empty());
}

// The table of certificate fields places the twelve boxes: today's labels,
// fields and limits, in today's order.
TEST(FindRequestTest, TheTwelveBoxesComeFromTheFieldTableInTodaysOrder)
{
    struct Box {
        const char *label, *field;
        int limit;
        bool date;
    };
    const Box expected[] = {
        {"Description", "Detail.Description", 40, false},
        {"Part Number", "Detail.PartNum", 30, false},
        {"Serial/Batch Number", "Detail.SerialNum", 30, false},
        {"Country", "Header.Country", 20, false},
        {"System Tracking No.", "Header.Tracking", 15, false},
        {"Invoice/Contract No.", "Header.Invoice", 40, false},
        {"13d Name", "Header.Name17", 30, false},
        {"13c Authorization No.", "Header.AuthNum", 20, false},
        {"13e Date", "Header.Date18", 0, true},
        {"14d Name", "Header.Name22", 30, false},
        {"14c Certificate No.", "Header.CertNum", 20, false},
        {"14e Date", "Header.Date23", 0, true},
    };
    ASSERT_EQ(std::size(expected), arc::kFindBoxes);
    for (std::size_t i = 0; i < arc::kFindBoxes; ++i) {
        const arc::FindField &f = arc::findFields()[i];
        EXPECT_STREQ(f.label, expected[i].label) << i;
        EXPECT_EQ(QString(f.table) + "." + f.field, expected[i].field) << i;
        EXPECT_EQ(f.limit, expected[i].limit) << i;
        EXPECT_EQ(f.date, expected[i].date) << i;
    }
}
