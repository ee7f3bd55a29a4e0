#include "ProgressWindow.h"

#include <QProgressDialog>
#include <QTest>
#include <gtest/gtest.h>

using Stop = arc::ProgressWindow::Stop;

// Stopping some operations would leave them half-done.
TEST(ProgressWindowTest, OnlyADialogWithCancelStopsItsOperation)
{
    for (const Stop stop : {Stop::Allowed, Stop::NotAllowed}) {
        SCOPED_TRACE(stop == Stop::Allowed ? "with Cancel" : "without Cancel");
        QWidget window;
        window.show();
        arc::ProgressWindow progress(&window, "Issuing", stop);
        const arc::Progress report = progress.progress();
        ASSERT_TRUE(report("Issuing pages", 1, 3));
        progress.dialog()->show();
        if (stop == Stop::NotAllowed) {
            QTest::keyClick(progress.dialog(), Qt::Key_Escape);
            EXPECT_TRUE(progress.dialog()->isVisible());
        }
        progress.dialog()->close();
        EXPECT_EQ(report("Issuing pages", 2, 3), stop == Stop::NotAllowed);
        EXPECT_EQ(progress.dialog()->isVisible(), stop == Stop::NotAllowed);
    }
}
