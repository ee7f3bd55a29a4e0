// Signing keys set up from the command line, on a data folder and on a
// server: the shop's authority made once and reused, keys made or brought
// in under the signatory's sign-in password, the authority's certificate
// handed out, and every refusal saying why and keeping nothing.

#include "CertificateInfo.h"
#include "KeyCommands.h"
#include "SignatoryKeys.h"
#include "KeysOf.h"
#include "OpenedSource.h"
#include "Passwords.h"
#include "SignatoryCommands.h"

#include <QProcess>
#include <functional>
#include <openssl/pkcs12.h>

using namespace arc;

namespace {

const QString kPat = QStringLiteral("Pat Doe");
const QString kPassphrase = QStringLiteral("shop passphrase");

// A PKCS#12 file for "J. Smith" under "file-pw", as another authority
// hands one out (its certificate self-signed here).
QByteArray pkcs12(const Validity &validity = Validity::years(1))
{
    SigningResult<PKeyPtr> key = CertificateBuilder::newKey();
    SigningResult<X509Ptr> certificate = CertificateBuilder::authority({"J. Smith", {}}, key->get(), validity);
    Pkcs12Ptr p12(PKCS12_create("file-pw", "signatory", key->get(), certificate->get(), nullptr, 0, 0, 0, 0, 0));
    BioPtr out(BIO_new(BIO_s_mem()));
    return p12 && i2d_PKCS12_bio(out.get(), p12.get()) == 1 ? bioBytes(out.get()) : QByteArray();
}

class KeyCommandsTest : public OpenedSourceTest {
protected:
    void SetUp() override
    {
        OpenedSourceTest::SetUp();
        if (HasFatalFailure())
            return;
        // Lee's password is still kept in plain text, as an earlier version kept it.
        for (const auto &[name, password, approval] : {std::tuple{kPat, Passwords::hash("pat-pw"), "ARC-77"},
                                                       std::tuple{QStringLiteral("Lee Roe"), QStringLiteral("lee-pw"), ""},
                                                       std::tuple{QStringLiteral("Twin"), QStringLiteral("a"), ""},
                                                       std::tuple{QStringLiteral("Twin"), QStringLiteral("b"), ""}})
            ASSERT_TRUE(data.reference()
                            .exec("INSERT INTO \"Agents\" (\"Name\", \"Password\", \"ApprovalNumber\") VALUES (?, ?, ?)",
                                  {name, password, QString::fromUtf8(approval)})
                            .ok());
        // The authority is named after the first organisation as the list sorts them.
        ASSERT_TRUE(data.reference()
                        .exec("INSERT INTO \"Organizations\" (\"Organization\") VALUES ('Zenith Overhaul'), ('Alpha Aero')")
                        .ok());
        // As the command line opens it: the rows just written are read.
        data.close();
        ASSERT_TRUE(data.open(source()).ok());
    }

    KeyStore::Found keyOf(const QString &name, StoredSigningKey &key)
    {
        QString error;
        return keysOf(data)->signingKey(name, key, &error);
    }
    KeyStore::Found authority(StoredAuthority &stored)
    {
        QString error;
        return keysOf(data)->authority(stored, &error);
    }
    // The kept key opened with `password`, as sign-in opens it.
    CertificateInfo openedWith(const QString &name, const QString &password)
    {
        StoredSigningKey stored;
        EXPECT_EQ(keyOf(name, stored), KeyStore::Found::Yes) << name.toStdString();
        const SigningResult<SigningKey> key = SigningKey::open(stored, password);
        EXPECT_TRUE(key.ok()) << key.error().message.toStdString();
        return key.ok() ? CertificateInfo::of(key->certificate()) : CertificateInfo();
    }
};

TEST_P(KeyCommandsTest, TheAuthorityIsMadeOnceAndIssuesEachSignatorysCertificate)
{
    const CommandOutcome first = KeyCommands::makeSigningKey(data, kPat, kPassphrase, "pat-pw");
    ASSERT_TRUE(first.done()) << first.text.toStdString();
    EXPECT_TRUE(first.text.startsWith("Made the shop authority: CN = Alpha Aero")) << first.text.toStdString();
    const CertificateInfo pat = openedWith(kPat, "pat-pw");
    EXPECT_EQ(pat.subject, "CN = Pat Doe, serialNumber = ARC-77");
    EXPECT_EQ(pat.issuerName, "Alpha Aero");
    EXPECT_TRUE(first.text.endsWith("Signing certificate of Pat Doe: " + pat.text())) << first.text.toStdString();

    StoredAuthority made;
    ASSERT_EQ(authority(made), KeyStore::Found::Yes);
    const CommandOutcome second = KeyCommands::makeSigningKey(data, "Lee Roe", kPassphrase, "lee-pw");
    ASSERT_TRUE(second.done()) << second.text.toStdString();
    EXPECT_FALSE(second.text.contains("Made")) << second.text.toStdString();
    EXPECT_EQ(openedWith("Lee Roe", "lee-pw").issuerName, "Alpha Aero");

    // What customers are given: the certificate of the authority kept, replacing an older file.
    writeFile(file("shop.pem"), "an older file");
    const CommandOutcome exported = KeyCommands::exportAuthority(data, file("shop.pem"));
    EXPECT_TRUE(exported.done()) << exported.text.toStdString();
    StoredAuthority kept;
    ASSERT_EQ(authority(kept), KeyStore::Found::Yes);
    EXPECT_EQ(kept.certificate, made.certificate) << "the second key was issued under the same authority";
    EXPECT_EQ(readFile(file("shop.pem")), made.certificate);
}

TEST_P(KeyCommandsTest, AKeyIsBroughtInFromAPkcs12File)
{
    const CommandOutcome imported = KeyCommands::importKey(data, kPat, pkcs12(), "file-pw", "pat-pw");
    ASSERT_TRUE(imported.done()) << imported.text.toStdString();
    EXPECT_EQ(openedWith(kPat, "pat-pw").commonName, "J. Smith") << "the file's own certificate";
    StoredAuthority none;
    EXPECT_EQ(authority(none), KeyStore::Found::No) << "a key brought in needs no shop authority";
}

TEST_P(KeyCommandsTest, AResetPasswordTakesTheSignatorysKeyWithIt)
{
    ASSERT_TRUE(KeyCommands::makeSigningKey(data, kPat, kPassphrase, "pat-pw").done());
    const CommandOutcome reset = SignatoryCommands::resetPassword(data, kPat, "new-pw");
    EXPECT_EQ(reset.text, "The password of Pat Doe has been reset.\n" + SignatoryKeys::removedByReset(kPat));
    EXPECT_EQ(SignatoryKeys::removedByReset(kPat), "The signing key of Pat Doe was removed with the old password: Pat Doe needs "
                                      "a new signing certificate.");
    StoredSigningKey gone;
    EXPECT_EQ(keyOf(kPat, gone), KeyStore::Found::No);
    EXPECT_EQ(SignatoryCommands::resetPassword(data, kPat, "newer-pw").text, "The password of Pat Doe has been reset.");
}

struct Refusal {
    const char *name;
    std::function<CommandOutcome(DataFolder &, const QString &folder)> command;
    QString says;
};

TEST_P(KeyCommandsTest, EveryRefusalSaysWhyAndKeepsNothing)
{
    const QByteArray p12 = pkcs12();
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const QByteArray expired = pkcs12({now.addYears(-2), now.addDays(-1)});
    const auto import = [](QByteArray file, QString filePassword, QString password) {
        return [=](DataFolder &d, const QString &) { return KeyCommands::importKey(d, kPat, file, filePassword, password); };
    };
    const auto make = [](QString name, QString passphrase, QString password) {
        return [=](DataFolder &d, const QString &) { return KeyCommands::makeSigningKey(d, name, passphrase, password); };
    };
    const std::vector<Refusal> refusals{
        // The passphrase is a good one: no authority may come of it all the same.
        {"unknown signatory", make("Nobody", kPassphrase, "pat-pw"), "No signatory is named Nobody."},
        {"shared name", make("Twin", kPassphrase, "a"), "2 signatories are named Twin."},
        {"not the sign-in password", make(kPat, kPassphrase, "lee-pw"),
         "That is not the sign-in password of Pat Doe."},
        {"no passphrase", make(kPat, "", "pat-pw"), "The shop authority needs a passphrase."},
        {"not PKCS#12", import("not a key file", "file-pw", "pat-pw"),
         "The file is not a PKCS#12 (.p12, .pfx) file."},
        {"wrong file password", import(p12, "guess", "pat-pw"), "The file's password is wrong."},
        {"expired certificate", import(expired, "file-pw", "pat-pw"), "The file's certificate has expired."},
        {"import with the wrong sign-in password", import(p12, "file-pw", "guess"),
         "That is not the sign-in password of Pat Doe."},
        {"no authority to export",
         [](DataFolder &d, const QString &folder) { return KeyCommands::exportAuthority(d, folder + "shop.pem"); },
         "No shop authority has been made yet: the first signing-key command makes it."},
    };
    for (const Refusal &r : refusals) {
        SCOPED_TRACE(r.name);
        const CommandOutcome out = r.command(data, folder());
        EXPECT_EQ(out.code, CommandOutcome::Refused);
        EXPECT_EQ(out.text, r.says + " Nothing was changed.");
    }
    StoredAuthority authorityKept;
    StoredSigningKey keyKept;
    EXPECT_EQ(authority(authorityKept), KeyStore::Found::No);
    EXPECT_EQ(keyOf(kPat, keyKept), KeyStore::Found::No);
    EXPECT_FALSE(QFile::exists(file("shop.pem")));

    // Once there is an authority, only its own passphrase opens it.
    QString error;
    ASSERT_TRUE(keysOf(data)->putAuthority(ShopAuthority::create("Shop", kPassphrase)->stored(), &error));
    EXPECT_EQ(KeyCommands::makeSigningKey(data, kPat, "guess", "pat-pw").text,
              "The shop authority's passphrase is wrong. Nothing was changed.");
    EXPECT_EQ(keyOf(kPat, keyKept), KeyStore::Found::No);
}

// Standard input as a script pipes it: the passphrase, then the signatory's
// password, each line end (CR LF too) no part of them.
TEST_P(KeyCommandsTest, TheProgramReadsThePassphraseThenThePassword)
{
    QProcess p;
    p.start(ADMIN_EXE, {"signing-key", source(), kPat});
    p.write("shop passphrase\r\npat-pw\n");
    p.closeWriteChannel();
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    EXPECT_TRUE(p.readAllStandardOutput().contains("Signing certificate of Pat Doe"));
    StoredAuthority made;
    ASSERT_EQ(authority(made), KeyStore::Found::Yes);
    EXPECT_TRUE(ShopAuthority::open(made, kPassphrase).ok());
    EXPECT_EQ(openedWith(kPat, "pat-pw").commonName, kPat);
}

ARC_ON_BOTH_ENGINES(KeyCommandsTest);

} // namespace
