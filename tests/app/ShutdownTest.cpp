// Event filters must be gone before the window's parts are destroyed (the
// sanitizer build reports one run against a half-destroyed window).

#include "WindowFixture.h"

TEST_F(DataWindowTest, TheWindowGoesWhileAFilteredBoxHasTheFocus)
{
    addSignatory("Pat", "pw", "D-1");
    const std::function<QWidget *()> focusOn[] = {
        [&] { return window->accessPanel().text44; },
        [&] { return window->accessPanel().combo4; },
        [&] {
            // Signed in from the password box, as a user does.
            window->accessPanel().text44->setFocus();
            signInAs(*window, "Pat", "pw");
            QApplication::processEvents();
            screen().columnButtons[arc::ItemGridModel::StatusColumn]->click();
            return screen().list2;
        },
    };
    for (const auto &focus : focusOn) {
        openWindow(false);
        showWindow();
        window->accessPanel().combo4->setCurrentIndex(0);
        QWidget *box = focus();
        box->setFocus();
        QApplication::processEvents();
        ASSERT_TRUE(box->hasFocus()) << box->objectName().toStdString();
        const QString name = box->objectName();
        window.reset();
        QApplication::processEvents(); // anything queued by a filter
        SCOPED_TRACE(name.toStdString());
        messages.expectNothingAsked();
    }
}
