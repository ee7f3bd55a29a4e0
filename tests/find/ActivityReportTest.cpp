#include "ActivityReport.h"
#include "EntryBox.h"
#include "ScriptedMessages.h"
#include "SearchFixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

class ActivityReportTest : public SearchTest {
protected:
    void SetUp() override
    {
        SearchTest::SetUp();
        name.setEditable(true);
        name.addItems({"Pat Doe", "Lee Wong"});
        report = std::make_unique<arc::ActivityReport>(data, messages, &name);
    }
    QStringList figures() const
    {
        QStringList out;
        for (const QLineEdit *box : report->results)
            out << box->text();
        return out;
    }

    ScriptedMessages messages;
    QComboBox name;
    std::unique_ptr<arc::ActivityReport> report;
};

} // namespace

TEST_F(ActivityReportTest, CalculateIsEnabledExactlyWhileBothBoxesHoldDates)
{
    const std::tuple<const char *, const char *, bool> cases[] = {
        {"", "31/Mar/2026", false}, {"01/Mar/2026", "31/02/2026", false}, {"1/3/2026", "2026-03-31", true}};
    for (const auto &[from, to, enabled] : cases) {
        report->from->setText(from);
        report->to->setText(to);
        EXPECT_EQ(report->calculate->isEnabled(), enabled) << from << " to " << to;
    }
    // The day, month and year as every date of the program is written fit.
    for (arc::EntryBox *box : {report->from, report->to}) {
        box->clear();
        QTest::keyClicks(box, "31/Dec/2026");
        EXPECT_EQ(box->text(), "31/Dec/2026");
    }
    EXPECT_TRUE(report->calculate->isEnabled());
}

// A figure left standing would be read as the new name's.
TEST_F(ActivityReportTest, FiguresOfAnotherNameOrAFailedCountAreNeverShown)
{
    const qint64 key = insert("Header", {{"Name17", "Pat Doe"}, {"Date18", "2026-03-02"}});
    insert("Detail", {{"FormIndex", key}, {"Status", "NEW"}});
    report->from->setText("01/Mar/2026");
    report->to->setText("31/Mar/2026");
    report->calculate->click();
    ASSERT_EQ(figures(), (QStringList{"1", "0", "0", "1"}));
    name.setCurrentIndex(1);
    EXPECT_EQ(figures(), (QStringList{"", "", "", ""}));
    report->calculate->click();
    ASSERT_EQ(figures(), (QStringList{"0", "0", "0", "0"}));
    QTest::keyClicks(name.lineEdit(), "x");
    EXPECT_EQ(figures(), (QStringList{"", "", "", ""}));
    for (const QLineEdit *box : report->results)
        EXPECT_TRUE(box->isReadOnly());

    name.setCurrentIndex(0);
    report->calculate->click();
    ASSERT_EQ(figures(), (QStringList{"1", "0", "0", "1"}));
    ASSERT_TRUE(other.exec("DROP TABLE DetailFold").ok());
    report->calculate->click();
    EXPECT_EQ(figures(), (QStringList{"", "", "", ""}));
    messages.expectAsked("Activity report", {"The item lines could not be counted"});
}
