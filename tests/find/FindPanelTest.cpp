#include "EntryBox.h"
#include "FindPanel.h"
#include "ScriptedMessages.h"
#include "SearchFixture.h"

#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <memory>

using arc::Message;

namespace {

// The panel over a window of its own, its hooks recorded.
class FindPanelTest : public SearchTest {
protected:
    void SetUp() override
    {
        SearchTest::SetUp();
        window.resize(900, 700);
        panel = new arc::FindPanel(data, messages, &window);
        QObject::connect(panel, &arc::FindPanel::commandsEnabled, [this](bool on) { commandsEnabled = on; });
        QObject::connect(panel, &arc::FindPanel::found, [this] { shown << data.header().text("Tracking"); });
        window.show();
    }

    QWidget window;
    arc::FindPanel *panel = nullptr;
    ScriptedMessages messages;
    bool commandsEnabled = true;
    QStringList shown;
};

} // namespace

TEST_F(FindPanelTest, OpensOverTheCommandsAndNamesADateBoxHoldingNoDate)
{
    certificate("T1", {"AB-1"}, {{"Date18", "2026-05-12"}});
    EXPECT_TRUE(panel->isHidden());
    panel->open();
    EXPECT_FALSE(commandsEnabled);
    EXPECT_EQ(window.focusWidget(), panel->boxes[0]) << "the first box";
    panel->boxes[8]->setText("12/31/2026");
    panel->firstButton->click();
    messages.expectAsked("Find Match", {"\"12/31/2026\" in 13e Date is not a date"});
    EXPECT_TRUE(panel->isVisible());
    EXPECT_FALSE(commandsEnabled);
    EXPECT_EQ(window.focusWidget(), panel->boxes[8]);
    EXPECT_TRUE(shown.isEmpty());

    panel->boxes[8]->setText("12/05/2026");
    panel->firstButton->click();
    EXPECT_EQ(shown, QStringList{"T1"});
    EXPECT_TRUE(panel->isHidden());
    EXPECT_TRUE(commandsEnabled);
}

TEST_F(FindPanelTest, CancellingTheFoldingSearchesNothingAndThePanelStays)
{
    certificate("T1", {QString::fromUtf8("Ä-1")});
    QTimer::singleShot(0, &window, [this] {
        if (auto *dialog = window.findChild<QProgressDialog *>("ProgressWindow"))
            dialog->cancel();
    });
    panel->open();
    panel->boxes[1]->setText(QString::fromUtf8("ä"));
    panel->firstButton->click();
    EXPECT_TRUE(shown.isEmpty());
    EXPECT_EQ(messages.shown.size(), 0u);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(staleCopies(), 1);

    panel->firstButton->click();
    EXPECT_EQ(shown, QStringList{"T1"});
}
