// An authority that cannot be read is never replaced by a new one.

#include "KeysOf.h"
#include "OpenedSource.h"
#include "Passwords.h"
#include "SignatoryKeys.h"
#include "SigningFixture.h"

using namespace arc;
using Why = KeyRefusal::Why;

namespace {

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

} // namespace

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
    EXPECT_EQ(keysOf(data)->signingKey("Pat", stored, nullptr), KeyStore::Found::No);
    EXPECT_EQ(readFile(authorityFile), authorityBefore);
}

INSTANTIATE_TEST_SUITE_P(Refusals, SignatoryKeyRefusal, testing::ValuesIn(refusals),
                         [](const auto &info) { return std::string(info.param.name); });
