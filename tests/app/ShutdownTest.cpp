// Closing the window while a box with an event filter has the focus: the
// filters must be gone before the window's parts are destroyed (the
// sanitizer build reports any filter run against a half-destroyed window).

#include "WindowFixture.h"

#include "SignIn.h"

class ShutdownTest : public DataWindowTest {
protected:
    void SetUp() override
    {
        DataWindowTest::SetUp();
        addRow("Agents", {{"Name", "Pat"}, {"Password", "pw"}, {"ApprovalNumber", "D-1"}});
    }
    void openShownWindow()
    {
        openWindow(false);
        window->show();
        QApplication::setActiveWindow(window.get());
    }
};

TEST_F(ShutdownTest, TheWindowGoesWhileAFilteredBoxHasTheFocus)
{
    const std::function<QWidget *()> focusOn[] = {
        [&] { return window->accessPanel().text44; },
        [&] { return window->accessPanel().combo4; },
        [&] {
            // Signed in from the password box, as a user does.
            window->accessPanel().text44->setFocus();
            window->accessPanel().text44->setText("pw");
            window->signIn().AgentSecurity();
            QApplication::processEvents();
            screen().columnButtons[arc::ItemGridModel::StatusColumn]->click();
            return screen().list2;
        },
    };
    for (const auto &focus : focusOn) {
        openShownWindow();
        window->accessPanel().combo4->setCurrentIndex(0);
        QWidget *box = focus();
        box->setFocus();
        QApplication::processEvents();
        ASSERT_TRUE(box->hasFocus()) << box->objectName().toStdString();
        const QString name = box->objectName();
        window.reset();
        QApplication::processEvents(); // anything queued by a filter
        EXPECT_TRUE(messages.shown.isEmpty())
            << name.toStdString() << ": " << messages.shown.value(0).prompt.toStdString();
        messages.shown.clear();
    }
}
