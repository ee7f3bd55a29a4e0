// Where signing keys are kept, in a data folder or on a server, and what a
// refused key leaves there: nothing, and never a new authority in place of
// one that cannot be read.

#include "AnotherAccount.h"
#include "FolderKeys.h"
#include "KeysOf.h"
#include "OpenedSource.h"
#include "Passwords.h"
#include "Revocations.h"
#include "SigningRequests.h"
#include "SignatoryKeys.h"
#include "SigningFixture.h"

#include <QDirIterator>
#include <QFile>
#include <sys/stat.h>

using namespace arc;
using Why = KeyRefusal::Why;

namespace {

struct stat statusOf(const QString &path)
{
    struct stat s {};
    ::stat(QFile::encodeName(path).constData(), &s);
    return s;
}
mode_t modeOf(const QString &path) { return statusOf(path).st_mode & 07777; }

// Signatories' rows.
constexpr qint64 kSmith = 1;
constexpr qint64 kJones = 2;

class KeyStoreTest : public OpenedSourceTest {
protected:
    std::unique_ptr<KeyStore> keys() { return keysOf(data); }
};

TEST_P(KeyStoreTest, KeepsTheAuthorityAndEachSignatorysKeyApartAndPrivate)
{
    QString error;
    StoredAuthority authority;
    StoredSigningKey key;
    EXPECT_EQ(keys()->authority(authority, &error), KeyStore::Found::No) << error.toStdString();
    EXPECT_EQ(keys()->signingKey(kSmith, key, &error), KeyStore::Found::No);

    // A data folder shared by the accounts of a group (as root can set it: "users").
    if (!onServer() && ::geteuid() == 0) {
        ASSERT_EQ(::chown(QFile::encodeName(folder()).constData(), uid_t(-1), 100), 0);
    }
    ASSERT_TRUE(keys()->putAuthority(signing::authority().stored(), &error)) << error.toStdString();
    const StoredSigningKey smith = signing::madeKey(QStringLiteral("smith-pw"));
    ASSERT_TRUE(keys()->putSigningKey(kSmith, smith, &error)) << error.toStdString();

    ASSERT_EQ(keys()->authority(authority, &error), KeyStore::Found::Yes);
    EXPECT_TRUE(ShopAuthority::open(authority, signing::kPassphrase).ok());
    ASSERT_EQ(keys()->signingKey(kSmith, key, &error), KeyStore::Found::Yes);
    const auto opened = SigningKey::open(key, QStringLiteral("smith-pw"));
    ASSERT_TRUE(opened.ok()) << opened.error().message.toStdString();
    EXPECT_EQ(opened->chain().size(), 2u) << "the signatory's certificate, then the authority's";
    EXPECT_EQ(keys()->signingKey(kJones, key, &error), KeyStore::Found::No);

    // The keys come encrypted (their own tests show it); readable by the
    // data folder's group, so that each account of the group opens its
    // own, and by nobody else.
    if (!onServer()) {
        const gid_t group = statusOf(folder()).st_gid;
        EXPECT_EQ(modeOf(folder() + "Keys"), 02750u);
        EXPECT_EQ(statusOf(folder() + "Keys").st_gid, group);
        QDirIterator it(folder() + "Keys", QDir::Files);
        while (it.hasNext()) {
            EXPECT_EQ(modeOf(it.next()), 0640u) << it.filePath().toStdString();
            EXPECT_EQ(statusOf(it.filePath()).st_gid, group) << it.filePath().toStdString();
        }
    }

    // A new key replaces the old one whole.
    const StoredSigningKey again = signing::madeKey(QStringLiteral("new-pw"));
    ASSERT_TRUE(keys()->putSigningKey(kSmith, again, &error));
    ASSERT_EQ(keys()->signingKey(kSmith, key, &error), KeyStore::Found::Yes);
    EXPECT_FALSE(SigningKey::open(key, QStringLiteral("smith-pw")).ok());
    EXPECT_TRUE(SigningKey::open(key, QStringLiteral("new-pw")).ok());

    // A reset takes the key and leaves word of it, until a new key comes.
    EXPECT_FALSE(keys()->removedByReset(kSmith));
    ASSERT_TRUE(keys()->removeSigningKey(kSmith, &error));
    EXPECT_EQ(keys()->signingKey(kSmith, key, &error), KeyStore::Found::No);
    EXPECT_TRUE(keys()->removedByReset(kSmith));
    EXPECT_TRUE(keys()->removeSigningKey(kJones, &error)) << "none kept is no failure";
    EXPECT_FALSE(keys()->removedByReset(kJones)) << "nothing was removed";
    ASSERT_TRUE(keys()->putSigningKey(kSmith, again, &error));
    EXPECT_FALSE(keys()->removedByReset(kSmith));
}

ARC_ON_BOTH_ENGINES(KeyStoreTest);

TEST(KeyStoreEntries, NoSignatorysNameReachesOutsideTheStore)
{
    for (const QString &name : {QStringLiteral("../../etc/passwd"), QStringLiteral("a/b"), QStringLiteral("..\\x"),
                               QStringLiteral("authority"), QStringLiteral("Ünal Öz")}) {
        const QString entry = KeyStore::namedEntry(name);
        EXPECT_TRUE(entry.startsWith(QLatin1String("signatory-"))) << entry.toStdString();
        EXPECT_FALSE(entry.contains(QLatin1Char('/')) || entry.contains(QLatin1Char('\\')) || entry.contains(QLatin1Char('.')))
            << entry.toStdString();
        EXPECT_NE(entry, KeyStore::authorityEntry());
    }
    EXPECT_EQ(KeyStore::namedEntry(QStringLiteral(" J. Smith ")), KeyStore::namedEntry(QStringLiteral("J. Smith")));
    // No name's entry is a row's.
    EXPECT_NE(KeyStore::namedEntry(QStringLiteral("row-1")), KeyStore::signatoryEntry(1));
}

class FolderKeysTest : public TempFolderTest {};

TEST_F(FolderKeysTest, ADamagedOrLinkedEntryIsAFailureNotAMissingKey)
{
    FolderKeys keys(folder());
    QString error;
    ASSERT_TRUE(keys.putAuthority(signing::authority().stored(), &error));
    const QString file = keys.fileOf(KeyStore::authorityEntry());
    writeFile(file, "-----BEGIN CERTIFICATE-----\n");
    StoredAuthority read;
    EXPECT_EQ(keys.authority(read, &error), KeyStore::Found::Failed);
    EXPECT_TRUE(error.contains(QLatin1String("damaged"))) << error.toStdString();

    ASSERT_TRUE(QFile::remove(file));
    ASSERT_TRUE(QFile::link(folder() + "elsewhere.pem", file));
    EXPECT_EQ(keys.authority(read, &error), KeyStore::Found::Failed);
}

// A Keys folder another account made owner-only, as earlier versions made
// it: a failure that names the account and the folder, never a missing key.
TEST_F(FolderKeysTest, AKeyTheAccountMayNotReadIsAFailureNamingBoth)
{
    FolderKeys keys(folder());
    ASSERT_TRUE(keys.putSigningKey(kSmith, signing::madeKey(QStringLiteral("pw")), nullptr));
    StoredSigningKey read;
    KeyStoreFailure failure;
    KeyStore::Found found = KeyStore::Found::Yes;
    QString account;
    {
        const AnotherAccount other(keys.place(), {folder()});
        found = keys.signingKey(kSmith, read, failure);
        account = FolderKeys::account();
    }
    EXPECT_EQ(found, KeyStore::Found::Failed);
    EXPECT_EQ(failure.cause, KeyStoreFailure::Cause::Denied);
    EXPECT_EQ(failure.path, keys.place());
    EXPECT_EQ(failure.account, account);
    EXPECT_EQ(failure.text, QStringLiteral("the account %1 may not read %2").arg(account, keys.place()));
}

enum class Authority { None, Made, Damaged };

struct Refusal {
    const char *name;
    Authority before;
    bool bringIn;
    QString who, password, passphrase, passphraseAgain, filePassword;
    Why why;
    const char *says;
};
void PrintTo(const Refusal &r, std::ostream *os) { *os << r.name; }

const QString pp = QStringLiteral("shop pp");
// How the key library words its own refusals is its test's: one of a kind
// stands for all here, to show that nothing is kept after it.
const Refusal refusals[] = {
    {"unknown_name", Authority::None, false, "Nobody", {}, {}, {}, {}, Why::NoSuchSignatory, "No signatory is named Nobody."},
    {"shared_name", Authority::None, false, "Twin", {}, {}, {}, {}, Why::SharedName, "2 signatories are named Twin."},
    {"make_with_no_password", Authority::None, false, "Pat", "", pp, pp, {}, Why::NoPassword,
     "A signing key needs a password."},
    {"make_with_another_password", Authority::None, false, "Pat", "other", pp, pp, {}, Why::NotSignInPassword,
     "That is not the sign-in password of Pat."},
    {"without_passphrase", Authority::Made, false, "Pat", "pat-pw", "", "", {}, Why::NoPassphrase,
     "The shop authority needs a passphrase."},
    {"new_authority_passphrases_differ", Authority::None, false, "Pat", "pat-pw", pp, "shop pq", {},
     Why::PassphrasesDiffer, "The two passphrases differ."},
    {"wrong_authority_passphrase", Authority::Made, false, "Pat", "pat-pw", "shop pq", "shop pq", {}, Why::KeyRefused,
     "The shop authority's passphrase is wrong."},
    {"damaged_authority", Authority::Damaged, false, "Pat", "pat-pw", pp, pp, {}, Why::AuthorityUnreadable,
     "The shop authority cannot be read: the stored key authority is damaged."},
    {"bring_in_with_another_password", Authority::None, true, "Pat", "other", {}, {}, "file-pw",
     Why::NotSignInPassword, "That is not the sign-in password of Pat."},
    {"bring_in_with_the_wrong_file_password", Authority::None, true, "Pat", "pat-pw", {}, {}, "file-px",
     Why::KeyRefused, "The file's password is wrong."},
};

class SignatoryKeyRefusal : public OpenedFolderTest, public testing::WithParamInterface<Refusal> {};

TEST_P(SignatoryKeyRefusal, SaysWhyAndKeepsNothing)
{
    const Refusal &r = GetParam();
    for (const auto &[name, password] : {std::pair{"Pat", Passwords::hash("pat-pw")}, {"Twin", "a"}, {"Twin", "b"}})
        ASSERT_TRUE(data.reference().exec("INSERT INTO \"Agents\" (\"Name\", \"Password\") VALUES (?, ?)",
                                          {name, password}).ok());
    data.close();
    ASSERT_TRUE(data.open(folder()).ok());
    const QString authorityFile = folder() + "Keys/authority.pem";
    if (r.before == Authority::Made) {
        ASSERT_TRUE(keysOf(data)->putAuthority(signing::authority().stored(), nullptr));
    } else if (r.before == Authority::Damaged) {
        writeFile(authorityFile, "no key here");
    }
    const QByteArray authorityBefore = readFile(authorityFile);

    SignatoryKeys keys(data);
    KeyRefusal refusal;
    if (const std::optional<AgentEntry> signatory = keys.named(r.who, refusal)) {
        const QByteArray file = signing::pkcs12Of(signing::madeKey("k"), "k", "file-pw");
        KeyOutcome out = r.bringIn ? keys.bringIn(*signatory, r.password, file, r.filePassword)
                                   : keys.make(*signatory, r.password, r.passphrase, r.passphraseAgain);
        ASSERT_FALSE(out.ok());
        refusal = out.refusal;
    }
    EXPECT_EQ(refusal.why, r.why);
    EXPECT_EQ(refusal.message, r.says);
    StoredSigningKey stored;
    for (const qint64 row : {1, 2, 3})
        EXPECT_EQ(keysOf(data)->signingKey(row, stored, nullptr), KeyStore::Found::No);
    EXPECT_EQ(readFile(authorityFile), authorityBefore);
}

INSTANTIATE_TEST_SUITE_P(Refusals, SignatoryKeyRefusal, testing::ValuesIn(refusals),
                         [](const auto &info) { return std::string(info.param.name); });

// Approving a request and withdrawing a certificate open the shop authority
// alike, and refuse alike when they cannot, changing nothing.
enum class AuthorityUse { Approve, Revoke };

struct AuthorityRefusal {
    const char *name;
    AuthorityUse use;
    Authority before;
    QString passphrase;
    Why why;
    const char *says;
};
void PrintTo(const AuthorityRefusal &r, std::ostream *os) { *os << r.name; }

const char *const kNoAuthority = "No shop authority has been made yet (arc8130-admin signing-key makes it).";
const char *const kDamaged = "The shop authority cannot be read: the stored key authority is damaged.";
const char *const kNoPassphrase = "The shop authority needs a passphrase.";
const char *const kWrongPassphrase = "The shop authority's passphrase is wrong.";

const AuthorityRefusal authorityRefusals[] = {
    {"approve_without_authority", AuthorityUse::Approve, Authority::None, pp, Why::AuthorityUnreadable, kNoAuthority},
    {"revoke_without_authority", AuthorityUse::Revoke, Authority::None, pp, Why::AuthorityUnreadable, kNoAuthority},
    {"approve_damaged", AuthorityUse::Approve, Authority::Damaged, pp, Why::AuthorityUnreadable, kDamaged},
    {"revoke_damaged", AuthorityUse::Revoke, Authority::Damaged, pp, Why::AuthorityUnreadable, kDamaged},
    {"approve_without_passphrase", AuthorityUse::Approve, Authority::Made, "", Why::NoPassphrase, kNoPassphrase},
    {"revoke_without_passphrase", AuthorityUse::Revoke, Authority::Made, "", Why::NoPassphrase, kNoPassphrase},
    {"approve_wrong_passphrase", AuthorityUse::Approve, Authority::Made, "shop pq", Why::KeyRefused, kWrongPassphrase},
    {"revoke_wrong_passphrase", AuthorityUse::Revoke, Authority::Made, "shop pq", Why::KeyRefused, kWrongPassphrase},
};

class AuthorityRefusalTest : public OpenedFolderTest, public testing::WithParamInterface<AuthorityRefusal> {};

TEST_P(AuthorityRefusalTest, SaysWhyAndKeepsNothing)
{
    const AuthorityRefusal &r = GetParam();
    ASSERT_TRUE(data.reference().exec("INSERT INTO \"Agents\" (\"Name\", \"Password\") VALUES (?, ?)",
                                      {"Pat", Passwords::hash("pat-pw")}).ok());
    const QString authorityFile = folder() + "Keys/authority.pem";
    if (r.before == Authority::Made)
        ASSERT_TRUE(keysOf(data)->putAuthority(signing::authority().stored(), nullptr));
    else if (r.before == Authority::Damaged)
        writeFile(authorityFile, "no key here");
    KeyRefusal named;
    const std::optional<AgentEntry> pat = SignatoryKeys(data).named("Pat", named);
    ASSERT_TRUE(pat);
    SigningRequests requests(data);
    ASSERT_TRUE(requests.makeKey(*pat, "pat-pw").ok());
    const QByteArray authorityBefore = readFile(authorityFile);

    const std::optional<KeyRefusal> refusal = r.use == AuthorityUse::Approve
                                                  ? requests.approve(pat->rowId, r.passphrase)
                                                  : Revocations(*keysOf(data)).revoke(*pat, r.passphrase, 1);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->why, r.why);
    EXPECT_EQ(refusal->message, r.says);
    QList<RequestRow> pending;
    ASSERT_TRUE(requests.pending(pending).ok());
    EXPECT_EQ(pending.size(), 1) << "the request awaits approval still";
    EXPECT_EQ(readFile(authorityFile), authorityBefore);
}

INSTANTIATE_TEST_SUITE_P(Refusals, AuthorityRefusalTest, testing::ValuesIn(authorityRefusals),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
