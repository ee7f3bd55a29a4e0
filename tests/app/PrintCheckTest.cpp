#include "WindowFixture.h"

#include "PrintCommand.h"
#include "PrintPanel.h"

using arc::Message;

// What the check finds is its own tests' concern; here: it stops a
// certificate with mistakes before any page or file is made, and a
// complete one prints without a question.
class PrintCheckTest : public DataWindowTest {
protected:
    void SetUp() override
    {
        DataWindowTest::SetUp();
        addCertificate("T-100");
        openWindow();
        window->printCommand().setFileChooser([this] {
            ++chooserCalls;
            return folder() + "out.pdf";
        });
        screen().newButton->click();
        screen().block3Tracking->setText("T-200");
        screen().block4Organization->setPlainText("Acme Aero\n1 Main St");
        window->setItemLine(0, {"1", "Fuel pump", "PN-7", "1", "SN-1", "NEW", {}});
        window->checkstat();
        screen().block13dName->setText("Pat Doe"); // signed in with the master password: typed by hand
        screen().block13cNumber->setText("DMIR-7");
        screen().block13eDate->setText(today());
    }
    void pdf()
    {
        window->printCommand().open();
        window->printCommand().panel().pdfButton->click();
    }
    int chooserCalls = 0;
};

TEST_F(PrintCheckTest, MistakesAreFoundBeforeThePdfIsWritten)
{
    screen().block3Tracking->setText("T-100"); // the stored certificate's number
    pdf(); // No, the default
    messages.expectAsked("Certificate check",
                         {"Block 3: tracking number T-100 is also used by another stored certificate.", "Print anyway?"});
    EXPECT_EQ(chooserCalls, 0) << "No: no file dialog, nothing written";

    messages.answers = {Message::Answer::Yes};
    pdf();
    EXPECT_EQ(chooserCalls, 1);
    EXPECT_TRUE(QFile::exists(folder() + "out.pdf"));
}

TEST_F(PrintCheckTest, ACompleteCertificatePrintsWithoutAQuestion)
{
    pdf();
    messages.expectNothingAsked();
    EXPECT_EQ(chooserCalls, 1);
}
