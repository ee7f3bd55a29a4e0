// The signing certificate on the signatories panel; what SignatoryKeys
// refuses and why is its own test's.

#include "Rows.h"
#include "EntryBox.h"
#include "KeyFiles.h"
#include "KeysOf.h"
#include "PendingCertificates.h"
#include "PanelFixture.h"
#include "RevokeCertificateDialog.h"
#include "Revocations.h"
#include "SignatoryKeys.h"
#include "SigningCertificateDialog.h"
#include "SigningFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
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
    QStringList told; // for the status line
    QObject::connect(panel.get(), &SignatoriesPanel::told, [&told](const QString &what) { told << what; });
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
    EXPECT_EQ(told, QStringList({"Signing certificate of Pat made", "Signing certificate of Pat revoked",
                                 "Signing certificate of Lee brought in"}));
}

// Lee's own password and no passphrase leave a request, which the
// administrator approves beside the list with the passphrase alone.
TEST_P(SigningCertificatePanelTest, ARequestLeftWithoutThePassphraseIsApprovedOnThePanel)
{
    ASSERT_TRUE(keysOf(data)->putAuthority(signing::authority().stored(), nullptr));
    chooseRow(1);
    SigningCertificateDialog *dialog = pressSigningCertificate();
    ASSERT_NE(dialog, nullptr);
    dialog->password->setText("lee-pw");
    dialog->submit();
    messages.expectNothingAsked();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_TRUE(panel->certificateInfo->text().endsWith("it awaits an administrator's approval."))
        << panel->certificateInfo->text().toStdString();
    ASSERT_EQ(panel->pending->list->count(), 1);
    EXPECT_TRUE(panel->pending->list->item(0)->text().startsWith("Lee (D-2), requested "));

    QStringList typed{"guess", signing::kPassphrase};
    panel->pending->setPassphraseAsk([&typed] { return std::optional<QString>(typed.takeFirst()); });
    panel->pending->approveButton->click();
    messages.expectAsked("Signing certificate", {"The request of Lee was not approved", "passphrase is wrong"});
    EXPECT_FALSE(opens("Lee", "lee-pw"));
    panel->pending->approveButton->click();
    messages.expectNothingAsked();
    EXPECT_EQ(panel->pending->list->count(), 0);
    EXPECT_TRUE(panel->certificateInfo->text().startsWith("CN = Lee")) << panel->certificateInfo->text().toStdString();
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

    // Another's reset revokes his old certificate with the authority's
    // passphrase, asked again while it is wrong. Before, it was only removed,
    // and a copy of the old key file still signed as trusted.
    StoredSigningKey lees;
    ASSERT_EQ(keysOf(data)->signingKey(signatoryRow(data.reference(), "Lee"), lees, nullptr), KeyStore::Found::Yes);
    QStringList typed{"wrong pp", "shop pp"}, asked;
    panel->setPassphraseAsk([&](const QString &why) -> std::optional<QString> {
        asked << why;
        return typed.isEmpty() ? std::nullopt : std::optional<QString>(typed.takeFirst());
    });
    chooseRow(1);
    panel->newPassword->setText("lee-new-pass-1");
    panel->save();
    messages.expectAsked({"The old certificate of Lee is revoked (superseded).\n" + SignatoryKeys::removedByReset("Lee"),
                          "DMIRs", Message::Buttons::Ok, Message::Icon::Information});
    ASSERT_EQ(asked.size(), 2);
    EXPECT_TRUE(asked[0].isEmpty());
    EXPECT_TRUE(asked[1].contains("passphrase")) << asked[1].toStdString();
    EXPECT_EQ(panel->certificateInfo->text(), "No signing certificate");
    EXPECT_TRUE(opens(kPat, "pat-new-pass-1")) << "only Lee's key goes";
    const std::unique_ptr<KeyStore> store = keysOf(data);
    const SigningResult<std::optional<Revocation>> revoked =
        Revocations(*store).of(KeyFiles::readCertificates(lees.certificates).front().get());
    ASSERT_TRUE(revoked.ok() && revoked.value());
    EXPECT_EQ(revoked.value()->reason, CRL_REASON_SUPERSEDED);

    // An empty passphrase skips it, and says the certificate is still to be revoked.
    ASSERT_TRUE(keys.make({"Lee", "lee-new-pass-1", "D", signatoryRow(data.reference(), "Lee")}, "lee-new-pass-1", "shop pp", "shop pp").ok());
    typed = {""};
    panel->newPassword->setText("lee-newer-pass-2");
    panel->save();
    messages.expectAsked({"The old certificate of Lee is still to be revoked (superseded): an administrator revokes "
                          "it with the shop authority's passphrase.\n"
                              + SignatoryKeys::removedByReset("Lee"),
                          "DMIRs", Message::Buttons::Ok, Message::Icon::Information});
}

ARC_ON_BOTH_ENGINES(SigningCertificatePanelTest);

} // namespace
