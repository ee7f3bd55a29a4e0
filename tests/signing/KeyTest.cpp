#include "CertificateInfo.h"
#include "KeyFiles.h"
#include "OpenSslPointers.h"
#include "PdfSignature.h"
#include "PrintTo.h"
#include "SigningFixture.h"

#include <openssl/core_names.h>
#include <openssl/pem.h>
#include <openssl/x509.h>
#include <openssl/x509v3.h>

#include <QRegularExpression>
#include <functional>

using namespace arc;
using namespace signing;

namespace {

const QString password = QStringLiteral("signatory's password");
const CertificateSubject smith{QStringLiteral("J. Smith"), QStringLiteral("ARC-1234")};

// The private scalar itself, as a P-256 key file holds it (32 bytes, padded), to look for in what is kept.
QByteArray privateScalar(EVP_PKEY *key)
{
    BIGNUM *bn = nullptr;
    if (EVP_PKEY_get_bn_param(key, OSSL_PKEY_PARAM_PRIV_KEY, &bn) != 1)
        return {};
    QByteArray bytes(32, '\0');
    if (BN_bn2binpad(bn, reinterpret_cast<unsigned char *>(bytes.data()), int(bytes.size())) != 32)
        bytes.clear();
    BN_clear_free(bn);
    return bytes;
}

// Every PEM block's bytes decoded, so that a key in clear is found in any form.
QByteArray decoded(const QByteArray &pem)
{
    QByteArray all = pem;
    static const QRegularExpression block("-----BEGIN [^-]+-----([^-]*)-----END");
    for (const QRegularExpressionMatch &m : block.globalMatch(QString::fromLatin1(pem)))
        all += QByteArray::fromBase64(m.captured(1).toLatin1());
    return all;
}

// How many PBKDF2 rounds stand between a stolen key file and the password guessed for it.
long pbkdf2Rounds(const QByteArray &pem)
{
    BioPtr in = readBio(pem);
    std::unique_ptr<X509_SIG, OpenSslFree<X509_SIG_free>> sealed(PEM_read_bio_PKCS8(in.get(), nullptr, nullptr, nullptr));
    if (!sealed)
        return 0;
    const X509_ALGOR *scheme = nullptr;
    X509_SIG_get0(sealed.get(), &scheme, nullptr);
    const ASN1_OBJECT *oid = nullptr;
    int type = 0;
    const void *value = nullptr;
    X509_ALGOR_get0(&oid, &type, &value, scheme);
    if (OBJ_obj2nid(oid) != NID_pbes2 || type != V_ASN1_SEQUENCE)
        return 0;
    std::unique_ptr<PBE2PARAM, OpenSslFree<PBE2PARAM_free>> pbes2(static_cast<PBE2PARAM *>(
        ASN1_item_unpack(static_cast<const ASN1_STRING *>(value), ASN1_ITEM_rptr(PBE2PARAM))));
    X509_ALGOR_get0(&oid, &type, &value, pbes2 ? pbes2->keyfunc : nullptr);
    if (!pbes2 || OBJ_obj2nid(oid) != NID_id_pbkdf2 || type != V_ASN1_SEQUENCE)
        return 0;
    std::unique_ptr<PBKDF2PARAM, OpenSslFree<PBKDF2PARAM_free>> pbkdf2(static_cast<PBKDF2PARAM *>(
        ASN1_item_unpack(static_cast<const ASN1_STRING *>(value), ASN1_ITEM_rptr(PBKDF2PARAM))));
    return pbkdf2 ? ASN1_INTEGER_get(pbkdf2->iter) : 0;
}

TEST(SigningKeyTest, KeptEncryptedOpenedOnlyWithItsPasswordAndReencrypted)
{
    const std::pair<const char *, std::function<SigningResult<StoredSigningKey>()>> sources[] = {
        {"made by the shop", [] { return SigningResult<StoredSigningKey>(madeKey(password)); }},
        {"brought in from PKCS#12",
         [] {
             const QByteArray p12 = pkcs12Of(madeKey("x"), "x", "file password");
             return SigningKey::import(p12, "file password", password, {"J. Smith", "ARC-1234"});
         }},
    };
    for (const auto &[name, make] : sources) {
        SCOPED_TRACE(name);
        SigningResult<StoredSigningKey> stored = make();
        ASSERT_TRUE(stored.ok()) << stored.error().message.toStdString();

        const CertificateInfo info = CertificateInfo::fromPem(stored->certificates);
        EXPECT_EQ(info.commonName, "J. Smith");
        EXPECT_TRUE(info.subject.contains("ARC-1234")) << info.text().toStdString();
        EXPECT_EQ(info.issuerName, ShopAuthority::defaultName());
        EXPECT_TRUE(info.text().contains(info.validUntil.date().toString(Qt::ISODate)));

        EXPECT_EQ(SigningKey::open(stored.value(), QStringLiteral("guess")).fault(), SigningFault::WrongPassword);
        SigningResult<SigningKey> opened = SigningKey::open(stored.value(), password);
        ASSERT_TRUE(opened.ok()) << opened.error().message.toStdString();

        const QByteArray scalar = privateScalar(opened->key());
        ASSERT_EQ(scalar.size(), 32);
        const QByteArray kept = stored->encryptedKey + stored->certificates;
        EXPECT_FALSE(decoded(kept).contains(scalar)) << "no key in clear, in whatever PEM block";
        EXPECT_GE(pbkdf2Rounds(stored->encryptedKey), 600000); // as current advice has it for PBKDF2-SHA256

        SigningResult<StoredSigningKey> again = opened->stored(QStringLiteral("new password"));
        ASSERT_TRUE(again.ok());
        EXPECT_FALSE(decoded(again->encryptedKey).contains(scalar));
        EXPECT_EQ(SigningKey::open(again.value(), password).fault(), SigningFault::WrongPassword);
        SigningResult<SigningKey> reopened = SigningKey::open(again.value(), QStringLiteral("new password"));
        ASSERT_TRUE(reopened.ok());
        EXPECT_EQ(EVP_PKEY_eq(reopened->key(), opened->key()), 1);
        EXPECT_EQ(reopened->chain().size(), 2u); // the signatory's and the authority's
    }
}

QByteArray pkcs12For(const Validity &validity)
{
    return pkcs12Of(madeKey(QStringLiteral("x"), validity), QStringLiteral("x"), QStringLiteral("p12"));
}

TEST(SigningRefusal, IsTypedAndSaysWhy)
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const Validity expired{now.addYears(-2), now.addDays(-1)}, notYetValid{now.addDays(1), now.addYears(2)};
    const struct {
        const char *name;
        std::function<SigningError()> attempt;
        SigningFault fault;
        const char *said;
    } refusals[] = {
        {"authority, wrong passphrase", [] { return ShopAuthority::open(authority().stored(), "passphrase").error(); },
         SigningFault::WrongPassword, "passphrase is wrong"},
        {"authority without passphrase", [] { return ShopAuthority::create("Shop", {}).error(); },
         SigningFault::EmptyPassword, "needs a passphrase"},
        {"key without password", [] { return SigningKey::make(authority(), {"J. Smith", {}}, {}).error(); },
         SigningFault::EmptyPassword, "needs a password"},
        {"not PKCS#12", [] { return SigningKey::import(authority().stored().certificate, "p12", password, smith).error(); },
         SigningFault::NotPkcs12, "not a PKCS#12"},
        {"PKCS#12, wrong password",
         [] { return SigningKey::import(pkcs12For(Validity::years(1)), "guess", password, smith).error(); },
         SigningFault::WrongPassword, "file's password is wrong"},
        {"PKCS#12 expired", [&] { return SigningKey::import(pkcs12For(expired), "p12", password, smith).error(); },
         SigningFault::Expired, "expired"},
        {"PKCS#12 not yet valid", [&] { return SigningKey::import(pkcs12For(notYetValid), "p12", password, smith).error(); },
         SigningFault::NotYetValid, "not valid yet"},
    };
    for (const auto &r : refusals) {
        const SigningError refused = r.attempt();
        EXPECT_EQ(refused.fault, r.fault) << r.name;
        EXPECT_TRUE(refused.message.contains(QLatin1String(r.said))) << r.name << ": " << refused.message.toStdString();
    }
}

// Which keys an outside authority's file may bring in, and why the others are refused.
struct KeyKind {
    const char *name;
    Foreign file;
    const char *refusal; // empty: taken
};
void PrintTo(const KeyKind &k, std::ostream *os) { *os << k.name; }

const KeyKind keyKinds[] = {
    {"P256", {}, ""},
    {"P384", {.kind = "P-384"}, ""},
    {"RSA2048", {.kind = "RSA-2048"}, ""},
    {"NoKeyUsageAtAll", {.usage = ""}, ""},
    {"NonRepudiationOnly", {.usage = "critical,nonRepudiation"}, ""},
    {"SHA384", {.digest = "SHA384"}, ""},
    {"Ed25519", {.kind = "Ed25519"}, "The key is an Ed25519 key: only ECDSA keys on P-256 or P-384 and RSA keys of "
                                     "2048 bits or more may sign."},
    {"RSA1024", {.kind = "RSA-1024"}, "The key is an RSA key of 1024 bits"},
    {"DSA", {.kind = "DSA"}, "The key is of the kind DSA"},
    {"P521", {.kind = "P-521"}, "The key is an ECDSA key on secp521r1"},
    {"KeyEnciphermentOnly", {.usage = "critical,keyEncipherment"},
     "The certificate's key usage (keyEncipherment) allows no signatures: it must include digitalSignature or "
     "nonRepudiation."},
    {"SHA1", {.digest = "SHA1"}, "The certificate is signed with SHA1: SHA-256 or stronger is needed."},
};

class KeyKindTest : public testing::TestWithParam<KeyKind> {};

TEST_P(KeyKindTest, IsTakenOnlyWhenItMaySign)
{
    const KeyKind &k = GetParam();
    const QByteArray file = foreignPkcs12(k.file, "p12");
    ASSERT_FALSE(file.isEmpty());
    const SigningResult<StoredSigningKey> stored = SigningKey::import(file, "p12", password, smith);
    if (!*k.refusal) {
        ASSERT_TRUE(stored.ok()) << stored.error().message.toStdString();
        const SigningResult<SigningKey> opened = SigningKey::open(stored.value(), password);
        ASSERT_TRUE(opened.ok()) << opened.error().message.toStdString();
        EXPECT_TRUE(PdfSignature::cms("page", opened.value()).ok());
        return;
    }
    ASSERT_FALSE(stored.ok());
    EXPECT_EQ(stored.fault(), SigningFault::Unsuitable);
    EXPECT_TRUE(stored.error().message.startsWith(QLatin1String(k.refusal))) << stored.error().message.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Kinds, KeyKindTest, testing::ValuesIn(keyKinds),
                         [](const auto &info) { return std::string(info.param.name); });

// A key kept before these rules (or put in the store by hand) is refused
// when it is opened, not when the page is signed.
TEST(SigningKeyTest, AKeptKeyOfAKindThatMayNotSignIsRefusedOnOpening)
{
    const StoredSigningKey stored = storedAsIs(foreignPkcs12({.kind = "Ed25519"}, "p12"), "p12", password);
    ASSERT_FALSE(stored.encryptedKey.isEmpty());
    EXPECT_EQ(SigningKey::open(stored, password).fault(), SigningFault::Unsuitable);
}

// The certificate must name the signatory it is brought in for.
TEST(SigningKeyTest, ACertificateIsTakenOnlyForTheSignatoryItNames)
{
    const struct {
        QString name, serialNumber;
        CertificateSubject signatory;
        bool taken;
    } cases[] = {
        {"Dale P. Whitman", "V7RR123K", {"Dale P. Whitman", "V7RR123K"}, true},
        {"DALE P.  WHITMAN", "", {" Dale P. Whitman", "V7RR123K"}, true},
        {"dale p.whitman", "v7rr 123k", {"Dale P. Whitman", "V7RR123K"}, true},
        {"John A. Carter", "NFAR512K", {"Dale P. Whitman", "V7RR123K"}, false},
        {"Dale P. Whitman", "NFAR512K", {"Dale P. Whitman", "V7RR123K"}, false},
        {"Dale P. Whitman", "NFAR512K", {"Dale P. Whitman", ""}, false},
        {"Dale Whitman", "", {"Dale P. Whitman", ""}, false},
    };
    for (const auto &c : cases) {
        const QByteArray file = foreignPkcs12({.name = c.name, .serialNumber = c.serialNumber}, "p12");
        const SigningResult<StoredSigningKey> stored = SigningKey::import(file, "p12", password, c.signatory);
        EXPECT_EQ(stored.ok(), c.taken) << c.name.toStdString() << ": " << stored.error().message.toStdString();
        EXPECT_EQ(stored.fault(), c.taken ? SigningFault::None : SigningFault::NotTheSignatory) << c.name.toStdString();
    }
    const QByteArray carter = foreignPkcs12({.name = "John A. Carter", .serialNumber = "NFAR512K"}, "p12");
    EXPECT_EQ(SigningKey::import(carter, "p12", password, {"Dale P. Whitman", "V7RR123K"}).error().message,
              "The certificate is made out to \"John A. Carter\" (serialNumber \"NFAR512K\"), not to the signatory "
              "\"Dale P. Whitman\" (approval number \"V7RR123K\").");
}

// However long a certificate is asked for, the shop authority's is valid
// for at most three years, and may sign and commit its signer, nothing else.
TEST(ShopAuthorityTest, IssuesSigningCertificatesOfAtMostThreeYears)
{
    const Validity asked = Validity::years(5);
    const std::vector<X509Ptr> chain = KeyFiles::readCertificates(madeKey(password, asked).certificates);
    ASSERT_FALSE(chain.empty());
    const CertificateInfo info = CertificateInfo::of(chain.front().get());
    EXPECT_LE(info.validUntil, asked.from.addYears(3));
    EXPECT_GE(info.validUntil, asked.from.addYears(3).addSecs(-60));
    EXPECT_EQ(X509_get_key_usage(chain.front().get()), uint32_t(KU_DIGITAL_SIGNATURE | KU_NON_REPUDIATION));
}

TEST(ShopAuthorityTest, OpensWithItsPassphraseAndIsNamedAsAsked)
{
    SigningResult<ShopAuthority> opened = ShopAuthority::open(authority().stored(), kPassphrase);
    ASSERT_TRUE(opened.ok()) << opened.error().message.toStdString();
    EXPECT_FALSE(opened->stored().encryptedKey.contains("BEGIN PRIVATE KEY"));

    SigningResult<ShopAuthority> named = ShopAuthority::create(QStringLiteral("Ünited Repair Ltd"), kPassphrase);
    ASSERT_TRUE(named.ok());
    EXPECT_EQ(CertificateInfo::fromPem(named->stored().certificate).commonName, "Ünited Repair Ltd");
}

} // namespace
