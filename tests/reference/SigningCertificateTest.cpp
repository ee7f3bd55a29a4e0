// The signing certificate on the signatories panel; what SignatoryKeys
// refuses and why is its own test's.

#include "Rows.h"
#include "EntryBox.h"
#include "KeysOf.h"
#include "PanelFixture.h"
#include "RevokeCertificateDialog.h"
#include "SignatoryKeys.h"
#include "SigningCertificateDialog.h"
#include "SigningFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace arc;

namespace {

const QString kPat = QStringLiteral("Pat");
const QString kPatPassword = QStringLiteral("pat-pw");

// The panel with Pat (an administrator, signed in) and Lee, on either engine.
class SigningCertificatePanelTest : public SignatoriesPanelFixture<OpenedSourceTest> {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(SignatoriesPanelFixture::SetUp());
        openPanel({agent(kPat, kPatPassword, "D-1", true), agent("Lee", "lee-pw", "D-2")});
        panel->setSigningKeys([this] { return signedInKey.get(); },
                              [this](qint64 row, std::unique_ptr<SigningKey> key) {
                                  keptRow = row;
                                  signedInKey = std::move(key);
                              });
        signInAs(0);
        ASSERT_TRUE(pressDmirs());
    }
    SigningCertificateDialog *pressSigningCertificate()
    {
        panel->signingCertificate->click();
        return panel->findChild<SigningCertificateDialog *>();
    }
    bool opens(const QString &name, const QString &password)
    {
        StoredSigningKey stored;
        return keysOf(data)->signingKey(signatoryRow(data.reference(), name), stored, nullptr) == KeyStore::Found::Yes
               && SigningKey::open(stored, password).ok();
    }

    std::unique_ptr<SigningKey> signedInKey;
    qint64 keptRow = 0;
};

TEST_P(SigningCertificatePanelTest, MakesOneWithANewAuthorityAndBringsOneIn)
{
    EXPECT_EQ(panel->certificateInfo->text(), "No signing certificate");
    SigningCertificateDialog *dialog = pressSigningCertificate();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->passphraseAgain->isVisibleTo(dialog)) << "a new authority's passphrase is asked twice";
    dialog->passphrase->setText("shop pp");
    dialog->passphraseAgain->setText("shop pp");
    dialog->password->setText(kPatPassword);
    dialog->buttons->button(QDialogButtonBox::Ok)->click();
    messages.expectNothingAsked();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_TRUE(panel->certificateInfo->text().startsWith("CN = Pat")) << panel->certificateInfo->text().toStdString();
    EXPECT_TRUE(opens(kPat, kPatPassword));
    ASSERT_NE(signedInKey, nullptr) << "the new key is held for the signing at once";
    EXPECT_EQ(keptRow, access.itemData(0).value<AgentEntry>().rowId);
    QApplication::processEvents(); // the closed dialog goes
    // An administrator withdraws it beside it, with the authority's
    // passphrase; a wrong one is told and leaves the dialog open.
    ASSERT_TRUE(panel->revokeCertificate->isVisibleTo(panel.get()));
    panel->revokeCertificate->click();
    auto *revoking = panel->findChild<RevokeCertificateDialog *>();
    ASSERT_NE(revoking, nullptr);
    revoking->passphrase->setText("guess");
    revoking->reason->setCurrentText("superseded");
    revoking->submit();
    messages.expectAsked("Revoke", {"The certificate was not revoked", "passphrase is wrong"});
    EXPECT_TRUE(revoking->isVisible());
    revoking->passphrase->setText("shop pp");
    revoking->submit();
    messages.expectNothingAsked();
    EXPECT_EQ(revoking->result(), QDialog::Accepted);
    QApplication::processEvents();
    EXPECT_TRUE(panel->certificateInfo->text().endsWith(
        "\nRevoked on " + QDateTime::currentDateTimeUtc().toString("yyyy-MM-dd") + " (superseded): it signs nothing more."))
        << panel->certificateInfo->text().toStdString();

    chooseRow(1);
    EXPECT_EQ(panel->certificateInfo->text(), "No signing certificate");
    // Another's certificate, as an outside authority would hand it out.
    writeFile(folder() + "lee.p12", signing::pkcs12Of(signing::madeKey("k"), "k", "file-pw"));
    dialog = pressSigningCertificate();
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(dialog->passphraseAgain->isVisibleTo(dialog));
    dialog->bringIn->setChecked(true);
    dialog->keyFile->setText(folder() + "lee.p12");
    dialog->filePassword->setText("file-pw");
    dialog->password->setText("wrong");
    dialog->submit();
    messages.expectAsked("Signing certificate", {"No signing certificate was kept", "not the one Lee signs in with"});
    EXPECT_TRUE(dialog->isVisible()) << "a refusal leaves the dialog open";
    dialog->password->setText("lee-pw");
    dialog->submit();
    messages.expectAsked("Signing certificate", {"No signing certificate was kept", "made out to \"J. Smith\"",
                                                 "not to the signatory \"Lee\" (approval number \"D-2\")"});
    EXPECT_FALSE(opens("Lee", "lee-pw"));
    writeFile(folder() + "lee.p12", signing::foreignPkcs12({.name = "LEE", .serialNumber = "D-2"}, "file-pw"));
    dialog->submit();
    messages.expectNothingAsked();
    EXPECT_TRUE(panel->certificateInfo->text().startsWith("CN = LEE")) << panel->certificateInfo->text().toStdString();
    EXPECT_TRUE(opens("Lee", "lee-pw"));
}

TEST_P(SigningCertificatePanelTest, OwnNewPasswordKeepsTheKeyAndAnothersResetRemovesIt)
{
    SignatoryKeys keys(data);
    for (const auto &[name, password] : {std::pair{kPat, kPatPassword}, std::pair{QString("Lee"), QString("lee-pw")}}) {
        KeyOutcome made = keys.make({name, password, "D", signatoryRow(data.reference(), name)}, password, "shop pp",
                                    "shop pp");
        ASSERT_TRUE(made.ok());
        if (name == kPat)
            signedInKey = std::make_unique<SigningKey>(std::move(*made.key));
    }

    panel->choose(0);
    panel->newPassword->setText("pat-new-pass-1");
    panel->save();
    messages.expectNothingAsked();
    EXPECT_TRUE(opens(kPat, "pat-new-pass-1"));
    EXPECT_FALSE(opens(kPat, kPatPassword)) << "the old password opens it no more";

    chooseRow(1);
    panel->newPassword->setText("lee-new-pass-1");
    panel->save();
    messages.expectAsked({SignatoryKeys::removedByReset("Lee"), "DMIRs", Message::Buttons::Ok,
                          Message::Icon::Information});
    EXPECT_EQ(panel->certificateInfo->text(), "No signing certificate");
    EXPECT_TRUE(opens(kPat, "pat-new-pass-1")) << "only Lee's key goes";
}

ARC_ON_BOTH_ENGINES(SigningCertificatePanelTest);

} // namespace
