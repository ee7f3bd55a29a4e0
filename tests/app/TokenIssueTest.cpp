// A signatory whose key is on a token (SoftHSM, the test's own) issues
// pages signed there, asked for the PIN at each issue and once for a run;
// Cancel, a wrong PIN and a token gone issue nothing.

#include "IssuingWindow.h"

#include "BatchDialog.h"
#include "FolderKeys.h"
#include "IssueVerifier.h"
#include "SignatoryTokens.h"
#include "SigningFixture.h"
#include "SoftHsmToken.h"

namespace {

class TokenIssueTest : public IssuingWindowTest {
protected:
    void fillBeforeOpening() override
    {
        IssuingWindowTest::fillBeforeOpening();
        ASSERT_NO_FATAL_FAILURE(token.make(folder() + "hsm/"));
        if (IsSkipped())
            return;
        ASSERT_NO_FATAL_FAILURE(token.addKey("01"));
        arc::DataFolder f;
        ASSERT_TRUE(f.open(dataFolder()).ok());
        ASSERT_TRUE(arc::FolderKeys(dataFolder()).putAuthority(signing::authority().stored(), nullptr));
        const auto given = [](const QString &s) { return [s] { return std::optional<QString>(s); }; };
        const arc::KeyOutcome set = arc::SignatoryTokens(f).set({kSignatory, {}, "DMIR-7", signatoryRow(f.reference(), kSignatory)},
                                                                {SoftHsmToken::kModule, "Inspector", "\x01"},
                                                                given(signing::kPassphrase), given(SoftHsmToken::kPin));
        ASSERT_TRUE(set.ok()) << set.refusal.message.toStdString();
    }
    void SetUp() override
    {
        IssuingWindowTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        window->signIn().setPinPrompt([this](const QString &label) {
            asked << label;
            return pin;
        });
        screen().saveButton->click();
    }

    SoftHsmToken token;
    std::optional<QString> pin = SoftHsmToken::kPin;
    QStringList asked;
};

TEST_F(TokenIssueTest, EachIssueAsksThePinAndIsSignedOnTheToken)
{
    EXPECT_EQ(window->signIn().signingKey(), nullptr) << "nothing is opened at sign-in";
    EXPECT_EQ(window->signIn().keyState().kind(), arc::SigningKeyState::Kind::OnToken);
    EXPECT_TRUE(asked.isEmpty());

    // Cancel, a wrong PIN, a token gone: nothing written, kept or logged.
    pin.reset();
    pdf();
    messages.expectNothingAsked();
    pin = "654321";
    pdf();
    messages.expectAsked("Issue certificate", {"PIN of the token Inspector is wrong", "Nothing was printed or kept"});
    EXPECT_EQ(logged(), 0);
    EXPECT_FALSE(QFile::exists(pdfPath));
    EXPECT_EQ(asked, QStringList({"Inspector", "Inspector"}));

    pin = SoftHsmToken::kPin;
    pdf();
    messages.expectNothingAsked();
    ASSERT_EQ(logged(), 1);
    const arc::IssueVerifier::Result verified = arc::IssueVerifier::verifyFile(pdfPath.toUtf8(), dataFolder());
    EXPECT_EQ(verified.outcome, arc::IssueVerifier::Result::Outcome::Issued) << verified.detail.toStdString();
    EXPECT_TRUE(verified.signature.intact) << verified.signature.problem.toStdString();
    EXPECT_TRUE(verified.signature.fromAuthority);
    EXPECT_EQ(verified.signature.signer, kSignatory);
    if (const std::optional<QString> said = signing::pdfsig(readFile(pdfPath))) {
        EXPECT_TRUE(said->contains("Signature is Valid")) << said->toStdString();
    }

    // A run of serial numbers: one PIN for all its pages.
    asked.clear();
    issueRun(2);
    EXPECT_EQ(asked, QStringList{"Inspector"});
    EXPECT_EQ(logged(), 3) << messages.shown.value(0).prompt.toStdString();
    messages.shown.clear(); // what the run stored, told as every run tells it

    token.remove();
    pdf();
    messages.expectAsked("Issue certificate", {"finds no token", "Nothing was printed or kept"});
    EXPECT_EQ(logged(), 3);
}

} // namespace
