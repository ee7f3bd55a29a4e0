// A signatory's signing certificate on the signatories panel: made or
// brought in only with his sign-in password, kept under his new password
// when he changes it, removed by another's reset; each refusal says why
// and keeps nothing.

#include "EntryBox.h"
#include "KeysOf.h"
#include "PanelFixture.h"
#include "SignatoryCertificates.h"
#include "SignatoryKeys.h"
#include "SigningCertificateDialog.h"
#include "SigningFixture.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace arc;

namespace {

const QString kPat = QStringLiteral("Pat");
const QString kPatPassword = QStringLiteral("pat-pw");

struct Refusal {
    const char *name;
    bool authorityFirst; // the shop authority was made before
    bool bringIn;
    QString password, passphrase, passphraseAgain, filePassword;
    const char *why;
};
void PrintTo(const Refusal &r, std::ostream *os) { *os << r.name; }

const QString pp = QStringLiteral("shop pp");
// How the key library words its own refusals is its test's: one of a kind
// stands for all here, to show that nothing is kept after it.
const Refusal refusals[] = {
    {"make_with_another_password", false, false, "other", pp, pp, {}, "not the one Pat signs in with"},
    {"make_with_no_password", false, false, "", pp, pp, {}, "not the one Pat signs in with"},
    {"new_authority_passphrases_differ", false, false, kPatPassword, pp, "shop pq", {}, "The two passphrases differ."},
    {"new_authority_without_passphrase", false, false, kPatPassword, "", "", {}, "needs a passphrase"},
    {"wrong_authority_passphrase", true, false, kPatPassword, "shop pq", {}, {}, "passphrase is wrong"},
    {"bring_in_with_another_password", false, true, "other", {}, {}, "file-pw", "not the one Pat"},
    {"bring_in_with_the_wrong_file_password", false, true, kPatPassword, {}, {}, "file-px",
     "The file's password is wrong."},
};

class SigningCertificateRefusal : public OpenedFolderTest, public testing::WithParamInterface<Refusal> {};

} // namespace

TEST_P(SigningCertificateRefusal, SaysWhyAndKeepsNothing)
{
    const Refusal &r = GetParam();
    SignatoryCertificates certificates(data);
    const std::unique_ptr<KeyStore> keys = keysOf(data);
    if (r.authorityFirst) {
        ASSERT_TRUE(keys->putAuthority(signing::authority().stored(), nullptr));
    }
    SigningResult<SigningKey> kept = SigningError{};
    if (r.bringIn) {
        const QByteArray file = signing::pkcs12Of(signing::madeKey("k"), "k", "file-pw");
        kept = certificates.bringIn(kPat, kPatPassword, r.password, file, r.filePassword);
    } else {
        kept = certificates.make({kPat, "D-1"}, kPatPassword, r.password, r.passphrase, r.passphraseAgain);
    }
    ASSERT_FALSE(kept.ok());
    EXPECT_TRUE(kept.error().message.contains(r.why)) << kept.error().message.toStdString();
    StoredSigningKey stored;
    StoredAuthority authority;
    EXPECT_EQ(keys->signingKey(kPat, stored, nullptr), KeyStore::Found::No);
    EXPECT_EQ(keys->authority(authority, nullptr), r.authorityFirst ? KeyStore::Found::Yes : KeyStore::Found::No);
    EXPECT_EQ(certificates.describe(kPat), "No signing certificate");
}

INSTANTIATE_TEST_SUITE_P(Refusals, SigningCertificateRefusal, testing::ValuesIn(refusals),
                         [](const auto &info) { return std::string(info.param.name); });

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
        return keysOf(data)->signingKey(name, stored, nullptr) == KeyStore::Found::Yes
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
    EXPECT_TRUE(panel->certificateInfo->text().startsWith("CN = Pat"));
    EXPECT_TRUE(panel->certificateInfo->text().contains("issued by CN = ARC 8130 shop authority"))
        << panel->certificateInfo->text().toStdString();
    EXPECT_TRUE(opens(kPat, kPatPassword));
    ASSERT_NE(signedInKey, nullptr) << "the new key is held for the signing at once";
    EXPECT_EQ(keptRow, access.itemData(0).value<AgentEntry>().rowId);
    QApplication::processEvents(); // the closed dialog goes

    chooseRow(1);
    EXPECT_EQ(panel->certificateInfo->text(), "No signing certificate");
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
    messages.expectNothingAsked();
    EXPECT_TRUE(panel->certificateInfo->text().startsWith("CN = J. Smith")) << panel->certificateInfo->text().toStdString();
    EXPECT_TRUE(opens("Lee", "lee-pw"));
}

TEST_P(SigningCertificatePanelTest, OwnNewPasswordKeepsTheKeyAndAnothersResetRemovesIt)
{
    SignatoryCertificates certificates(data);
    for (const auto &[name, password] : {std::pair{kPat, kPatPassword}, std::pair{QString("Lee"), QString("lee-pw")}}) {
        SigningResult<SigningKey> made = certificates.make({name, "D"}, password, password, "shop pp", "shop pp");
        ASSERT_TRUE(made.ok()) << made.error().message.toStdString();
        if (name == kPat)
            signedInKey = std::make_unique<SigningKey>(std::move(made.value()));
    }

    panel->choose(0);
    panel->newPassword->setText("pat-new");
    panel->save();
    messages.expectNothingAsked();
    EXPECT_TRUE(opens(kPat, "pat-new"));
    EXPECT_FALSE(opens(kPat, kPatPassword)) << "the old password opens it no more";

    chooseRow(1);
    panel->newPassword->setText("lee-new");
    panel->save();
    messages.expectAsked({SignatoryKeys::removedByReset("Lee"), "DMIRs", Message::Buttons::Ok,
                          Message::Icon::Information});
    EXPECT_EQ(panel->certificateInfo->text(), "No signing certificate");
    EXPECT_TRUE(opens(kPat, "pat-new")) << "only Lee's key goes";
}

ARC_ON_BOTH_ENGINES(SigningCertificatePanelTest);
