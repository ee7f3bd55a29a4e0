// A signatory's key on a token (SoftHSM here, each test its own): set with
// arc8130-admin token-key and through the library; what it signs checks out;
// only where the key lies is kept; refusals and failed issues keep nothing.

#include "KeyFiles.h"
#include "KeysOf.h"
#include "OpenedSource.h"
#include "Passwords.h"
#include "PdfSignature.h"
#include "ProgramRun.h"
#include "Rows.h"
#include "SignatoryTokens.h"
#include "SigningRequests.h"
#include "SigningFixture.h"
#include "SoftHsmToken.h"
#include "TokenSigning.h"

#include <QDirIterator>
#include "TestPaths.h"

using namespace arc;

namespace {

const QString kTokenHolder = QStringLiteral("Pat Doe");

class TokenKeyTest : public OpenedSourceTest {
protected:
    void SetUp() override
    {
        OpenedSourceTest::SetUp();
        if (HasFatalFailure())
            return;
        ASSERT_NO_FATAL_FAILURE(token.make(folder() + "hsm/"));
        if (IsSkipped())
            return;
        ASSERT_NO_FATAL_FAILURE(token.addKey("01"));
        writeRow(data.agents(), {{"Name", kTokenHolder}, {"Password", Passwords::hash("pat-pw")},
                                 {"ApprovalNumber", "ARC-77"}, {"Administrator", true}});
        pat = signatoryRow(data.reference(), kTokenHolder);
        ASSERT_TRUE(keysOf(data)->putAuthority(signing::authority().stored(), nullptr));
    }
    StoredTokenKey kept()
    {
        StoredTokenKey key;
        EXPECT_EQ(keysOf(data)->tokenKey(pat, key, nullptr), KeyStore::Found::Yes);
        return key;
    }
    bool keptNothing()
    {
        StoredTokenKey key;
        return keysOf(data)->tokenKey(pat, key, nullptr) == KeyStore::Found::No;
    }
    static SecretAsked given(const QString &secret)
    {
        return [secret] { return std::optional<QString>(secret); };
    }
    KeyOutcome set(const TokenKeyChoice &choice, const QString &pin = SoftHsmToken::kPin)
    {
        return SignatoryTokens(data).set({kTokenHolder, {}, "ARC-77", pat}, choice, given(signing::kPassphrase), given(pin));
    }

    SoftHsmToken token;
    qint64 pat = 0;
};

TEST_P(TokenKeyTest, TheCommandSetsTheKeyAndItsPagesAreSignedOnTheToken)
{
    const ProgramRun run = ProgramRun::of(
        test_paths::program("arc8130-admin"),
        {"--as", kTokenHolder, "token-key", source(), kTokenHolder, "--module", SoftHsmToken::kModule, "--token", "Inspector", "--key", "01"},
        ("pat-pw\n" + signing::kPassphrase + "\n" + SoftHsmToken::kPin + "\n").toUtf8());
    ASSERT_EQ(run.exit, 0) << run.said.toStdString();
    EXPECT_TRUE(run.said.contains("Signing certificate of Pat Doe: CN = Pat Doe")) << run.said.toStdString();

    const StoredTokenKey key = kept();
    EXPECT_EQ(key.place.module, SoftHsmToken::kModule);
    EXPECT_EQ(key.place.label, "Inspector");
    EXPECT_EQ(key.place.keyId, QByteArray("\x01"));
    EXPECT_EQ(KeyFiles::readCertificates(key.certificates).size(), 2u) << "Pat's, then the authority's";

    // Never extractable, and nothing of a private key anywhere in the data source.
    EXPECT_TRUE(token.objects().contains("never extractable")) << token.objects().toStdString();
    EXPECT_FALSE(KeyStore::tokenText(key).contains("PRIVATE KEY"));
    QDirIterator files(folder(), QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString f = files.next();
        // The shop authority's own key is kept there, encrypted; no other is.
        if (!f.contains("/hsm/") && !f.endsWith("authority.pem")) {
            EXPECT_FALSE(readFile(f).contains("PRIVATE KEY")) << f.toStdString();
        }
    }

    // Signing asks for the PIN once, and pdfsig finds the signature valid.
    int asked = 0;
    TokenSigning signing(key.place, key.certificates, [&](const QString &label) {
        ++asked;
        EXPECT_EQ(label, "Inspector");
        return std::optional<QString>(SoftHsmToken::kPin);
    });
    const SigningResult<const SigningKey *> opened = signing.key();
    ASSERT_TRUE(opened.ok()) << opened.error().message.toStdString();
    ASSERT_TRUE(signing.key().ok());
    EXPECT_EQ(asked, 1);
    const SigningResult<QByteArray> page = PdfSignature::sign(signing::blankPage(), *opened.value(), QRectF(300, 100, 200, 40));
    ASSERT_TRUE(page.ok()) << page.error().message.toStdString();
    if (const std::optional<QString> said = signing::pdfsig(page.value())) {
        EXPECT_TRUE(said->contains("Signature is Valid")) << said->toStdString();
    }
}

// What stops an issue stops it before anything is signed, and says why.
TEST_P(TokenKeyTest, AnIssueStopsWhenThePinIsNotGivenOrWrongOrTheTokenIsGone)
{
    ASSERT_TRUE(set({SoftHsmToken::kModule, "Inspector", "\x01"}).ok());
    const StoredTokenKey key = kept();
    struct Case {
        const char *name;
        std::optional<QString> pin;
        SigningFault fault;
        const char *says;
    };
    for (const Case &c : {Case{"cancelled", std::nullopt, SigningFault::Cancelled, "was not given"},
                          Case{"wrong PIN", QString("654321"), SigningFault::WrongPin, "PIN of the token Inspector is wrong"},
                          Case{"PIN of 1000 characters", QString(1000, '1'), SigningFault::WrongPin, "at most 256"}}) {
        TokenSigning signing(key.place, key.certificates, [&](const QString &) { return c.pin; });
        const SigningResult<const SigningKey *> opened = signing.key();
        EXPECT_EQ(opened.fault(), c.fault) << c.name;
        EXPECT_TRUE(opened.error().message.contains(c.says)) << c.name << ": " << opened.error().message.toStdString();
    }
    token.remove();
    TokenSigning gone(key.place, key.certificates, [](const QString &) { return std::optional<QString>(SoftHsmToken::kPin); });
    EXPECT_EQ(gone.key().fault(), SigningFault::TokenMissing);
    EXPECT_TRUE(gone.key().error().message.contains("finds no token")) << gone.key().error().message.toStdString();
    TokenPlace noModule = key.place;
    noModule.module = folder() + "gone.so";
    TokenSigning moduleGone(noModule, key.certificates, [](const QString &) { return std::optional<QString>(SoftHsmToken::kPin); });
    EXPECT_EQ(moduleGone.key().fault(), SigningFault::ModuleUnusable);
}

// Without the authority's passphrase, the PIN alone leaves a request the
// key on the token signed; the approval keeps the certificate with the place.
TEST_P(TokenKeyTest, WithoutThePassphraseTheTokensKeyLeavesARequestToApprove)
{
    const KeyOutcome left =
        SignatoryTokens(data).set({kPat, {}, "ARC-77", pat}, {SoftHsmToken::kModule, "Inspector", "\x01"}, given(""),
                                  given(SoftHsmToken::kPin));
    ASSERT_TRUE(left.ok() && left.requested) << left.refusal.message.toStdString();
    EXPECT_TRUE(keptNothing());
    const std::optional<KeyRefusal> refused = SigningRequests(data).approve(pat, signing::kPassphrase);
    ASSERT_FALSE(refused) << refused->message.toStdString();
    const StoredTokenKey key = kept();
    EXPECT_EQ(key.place.keyId, QByteArray("\x01"));
    EXPECT_EQ(KeyFiles::readCertificates(key.certificates).size(), 2u);
}

struct Refused {
    const char *name;
    TokenKeyChoice choice;
    QString pin;
    const char *says;
};

TEST_P(TokenKeyTest, BadTokensKeysAndPinsAreRefusedAndNothingIsKept)
{
    writeFile(folder() + "not-a-module.so", "just text");
    ASSERT_NO_FATAL_FAILURE(token.addToken("Empty"));
    ASSERT_NO_FATAL_FAILURE(token.addKey("02", "rsa:1024"));
    const QString m = SoftHsmToken::kModule;
    for (const Refused &r : {
             Refused{"not a module", {folder() + "not-a-module.so", "Inspector", "\x01"}, SoftHsmToken::kPin, "is not a PKCS#11 module"},
             Refused{"no such token", {m, "Nobody", "\x01"}, SoftHsmToken::kPin, "No token Nobody is inserted"},
             Refused{"token without keys", {m, "Empty", "\x01"}, SoftHsmToken::kPin, "The token Empty holds no keys"},
             Refused{"no such key", {m, "Inspector", "\x09"}, SoftHsmToken::kPin, "holds no key 09"},
             Refused{"wrong PIN", {m, "Inspector", "\x01"}, "000000", "PIN of the token Inspector is wrong"},
             Refused{"PIN of 1000 characters", {m, "Inspector", "\x01"}, QString(1000, '1'), "at most 256"},
             Refused{"RSA of 1024 bits", {m, "Inspector", "\x02"}, SoftHsmToken::kPin, "RSA key of 1024 bits"},
         }) {
        const KeyOutcome out = set(r.choice, r.pin);
        EXPECT_FALSE(out.ok()) << r.name;
        EXPECT_TRUE(out.refusal.message.contains(r.says)) << r.name << ": " << out.refusal.message.toStdString();
        EXPECT_TRUE(keptNothing()) << r.name;
    }
}

ARC_ON_BOTH_ENGINES(TokenKeyTest);

} // namespace
