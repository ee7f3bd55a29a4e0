// Where signing keys are kept, in a data folder or on a server.

#include "FolderKeys.h"
#include "KeysOf.h"
#include "OpenedSource.h"
#include "SigningFixture.h"

#include <QDirIterator>
#include <QFile>
#include <sys/stat.h>

using namespace arc;

namespace {

mode_t modeOf(const QString &path)
{
    struct stat s {};
    ::stat(QFile::encodeName(path).constData(), &s);
    return s.st_mode & 0777;
}

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
    EXPECT_EQ(keys()->signingKey(QStringLiteral("J. Smith"), key, &error), KeyStore::Found::No);

    ASSERT_TRUE(keys()->putAuthority(signing::authority().stored(), &error)) << error.toStdString();
    const StoredSigningKey smith = signing::madeKey(QStringLiteral("smith-pw"));
    ASSERT_TRUE(keys()->putSigningKey(QStringLiteral("J. Smith"), smith, &error)) << error.toStdString();

    ASSERT_EQ(keys()->authority(authority, &error), KeyStore::Found::Yes);
    EXPECT_TRUE(ShopAuthority::open(authority, signing::passphrase()).ok());
    ASSERT_EQ(keys()->signingKey(QStringLiteral("J. Smith"), key, &error), KeyStore::Found::Yes);
    const auto opened = SigningKey::open(key, QStringLiteral("smith-pw"));
    ASSERT_TRUE(opened.ok()) << opened.error().message.toStdString();
    EXPECT_EQ(opened->chain().size(), 2u) << "the signatory's certificate, then the authority's";
    EXPECT_EQ(keys()->signingKey(QStringLiteral("A. Jones"), key, &error), KeyStore::Found::No);

    // The keys come encrypted (their own tests show it); none readable by others.
    if (!onServer()) {
        EXPECT_EQ(modeOf(folder() + "Keys"), 0700u);
        QDirIterator it(folder() + "Keys", QDir::Files);
        while (it.hasNext())
            EXPECT_EQ(modeOf(it.next()), 0600u) << it.filePath().toStdString();
    }

    // A new key replaces the old one whole.
    const StoredSigningKey again = signing::madeKey(QStringLiteral("new-pw"));
    ASSERT_TRUE(keys()->putSigningKey(QStringLiteral("J. Smith"), again, &error));
    ASSERT_EQ(keys()->signingKey(QStringLiteral("J. Smith"), key, &error), KeyStore::Found::Yes);
    EXPECT_FALSE(SigningKey::open(key, QStringLiteral("smith-pw")).ok());
    EXPECT_TRUE(SigningKey::open(key, QStringLiteral("new-pw")).ok());

    ASSERT_TRUE(keys()->removeSigningKey(QStringLiteral("J. Smith"), &error));
    EXPECT_EQ(keys()->signingKey(QStringLiteral("J. Smith"), key, &error), KeyStore::Found::No);
    EXPECT_TRUE(keys()->removeSigningKey(QStringLiteral("J. Smith"), &error)) << "none kept is no failure";
}

ARC_ON_BOTH_ENGINES(KeyStoreTest);

TEST(KeyStoreEntries, NoSignatorysNameReachesOutsideTheStore)
{
    for (const QString &name : {QStringLiteral("../../etc/passwd"), QStringLiteral("a/b"), QStringLiteral("..\\x"),
                               QStringLiteral("authority"), QStringLiteral("Ünal Öz")}) {
        const QString entry = KeyStore::signatoryEntry(name);
        EXPECT_TRUE(entry.startsWith(QLatin1String("signatory-"))) << entry.toStdString();
        EXPECT_FALSE(entry.contains(QLatin1Char('/')) || entry.contains(QLatin1Char('\\')) || entry.contains(QLatin1Char('.')))
            << entry.toStdString();
        EXPECT_NE(entry, KeyStore::authorityEntry());
    }
    EXPECT_EQ(KeyStore::signatoryEntry(QStringLiteral(" J. Smith ")), KeyStore::signatoryEntry(QStringLiteral("J. Smith")));
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

} // namespace
