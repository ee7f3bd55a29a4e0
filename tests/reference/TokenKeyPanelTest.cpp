// "Key on a smart card or token" on the signatories panel: the module's
// tokens and keys listed, the PIN asked, the authority's certificate made
// for the token's key; nothing kept but where the key lies.

#include "KeysOf.h"
#include "PanelFixture.h"
#include "SigningCertificateDialog.h"
#include "SigningFixture.h"
#include "SoftHsmToken.h"
#include "TokenKeyChooser.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace arc;

namespace {

class TokenKeyPanelTest : public SignatoriesPanelFixture<OpenedSourceTest> {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(SignatoriesPanelFixture::SetUp());
        ASSERT_NO_FATAL_FAILURE(token.make(folder() + "hsm/"));
        if (IsSkipped())
            return;
        ASSERT_NO_FATAL_FAILURE(token.addKey("01"));
        ASSERT_TRUE(keysOf(data)->putAuthority(signing::authority().stored(), nullptr));
        ASSERT_NO_FATAL_FAILURE(openAsFirst({agent("Pat", "p", "D-1", true)}));
        panel->setSigningKeys([] { return nullptr; }, [this](qint64 row, std::unique_ptr<SigningKey> key) {
            keptRow = row;
            handedOver = key != nullptr;
        });
        panel->choose(0);
    }

    SoftHsmToken token;
    qint64 keptRow = 0;
    bool handedOver = true;
};

TEST_P(TokenKeyPanelTest, TheTokensKeyIsSetWithItsPin)
{
    panel->signingCertificate->click();
    auto *dialog = panel->findChild<SigningCertificateDialog *>();
    ASSERT_NE(dialog, nullptr);
    dialog->token->module->setText(SoftHsmToken::kModule);
    dialog->tokenKey->setChecked(true);
    ASSERT_GE(dialog->token->tokens->count(), 1);
    EXPECT_TRUE(dialog->token->tokens->itemText(0).startsWith("Inspector (serial "));
    ASSERT_EQ(dialog->token->keys->count(), 1);
    EXPECT_EQ(dialog->token->keys->itemText(0), "sig01 (id 01)");
    dialog->passphrase->setText(signing::kPassphrase);

    dialog->token->pin->setText("000000");
    dialog->submit();
    messages.expectAsked("Signing certificate", {"No signing certificate was kept", "PIN of the token Inspector is wrong"});
    EXPECT_EQ(panel->certificateInfo->text(), "No signing certificate");

    dialog->token->pin->setText(SoftHsmToken::kPin);
    dialog->submit();
    messages.expectNothingAsked();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->token->pin->text(), "") << "the PIN is not kept in its box";
    EXPECT_EQ(keptRow, access.itemData(0).value<AgentEntry>().rowId);
    EXPECT_FALSE(handedOver) << "no key stays open: the PIN is asked at each issue";
    EXPECT_TRUE(panel->certificateInfo->text().startsWith("CN = Pat")) << panel->certificateInfo->text().toStdString();
    EXPECT_TRUE(panel->certificateInfo->text().contains("Key on the token Inspector"));
}

ARC_ON_BOTH_ENGINES(TokenKeyPanelTest);

} // namespace
