#include "WindowFixture.h"

#include "PrintCommand.h"
#include "PrintPanel.h"

using arc::Message;

// The check stops a certificate with mistakes before any page or file is
// made; a complete one prints without a question.
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
    window->setItemLine(1, {"2", "Seal", "PN-8", "2", "SN-2", "REPAIRED", {}});
    screen().block3Tracking->setText("T-100"); // the stored certificate's number
    screen().block14aOtherRegulation->setChecked(true);
    screen().block12Remarks->setPlainText("");
    messages.answers = {Message::Answer::No};
    pdf();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0],
              (Message{"Block 11: item 1 is new (NEW or PROTOTYPE) but item 2 is maintenance; new and maintenance "
                       "releases may not share one form.\n"
                       "Block 12: \"Other regulation specified in Block 12\" is ticked but block 12 is empty.\n"
                       "Block 3: tracking number T-100 is also used by another stored certificate.\n\nPrint anyway?",
                       "Certificate check", Message::Buttons::YesNo, Message::Icon::Exclamation, Message::Answer::No}));
    EXPECT_EQ(chooserCalls, 0) << "No: no file dialog, nothing written";

    messages.answers = {Message::Answer::Yes};
    pdf();
    EXPECT_EQ(chooserCalls, 1);
    EXPECT_TRUE(QFile::exists(folder() + "out.pdf"));
}

TEST_F(PrintCheckTest, ACompleteCertificatePrintsWithoutAQuestion)
{
    pdf();
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.value(0).prompt.toStdString();
    EXPECT_EQ(chooserCalls, 1);
}
