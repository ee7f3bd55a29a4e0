#include "FindRequest.h"
#include "PrintTo.h"

#include <gtest/gtest.h>

using arc::FindRequest;
using Texts = std::array<QString, arc::kFindFields.size()>;

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
