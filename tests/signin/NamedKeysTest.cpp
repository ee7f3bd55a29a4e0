// Keys that earlier versions kept under the signatory's name move to his
// row when the data source is opened; a name two signatories share hands
// its key to neither.

#include "FolderKeys.h"
#include "KeysOf.h"
#include "NamedKeys.h"
#include "OpenedSource.h"
#include "Rows.h"
#include "SigningFixture.h"
#include "StoredFiles.h"
#include "TableKeys.h"

using namespace arc;

namespace {

class NamedKeysTest : public OpenedSourceTest {
protected:
    // An entry as an earlier version wrote it.
    void writeEntry(const QString &entry, const QByteArray &content)
    {
        if (onServer())
            ASSERT_TRUE(StoredFiles::write(data.reference(), TableKeys::fileOf(entry), content).ok());
        else
            writeFile(FolderKeys(folder()).fileOf(entry), content);
    }
    void writeKey(const QString &name, const QString &password)
    {
        const StoredSigningKey key = signing::madeKey(password);
        writeEntry(KeyStore::namedEntry(name), KeyStore::joined(key.encryptedKey, key.certificates));
    }
    bool opens(qint64 row, const QString &password)
    {
        StoredSigningKey stored;
        return keysOf(data)->signingKey(row, stored, nullptr) == KeyStore::Found::Yes
               && SigningKey::open(stored, password).ok();
    }
};

TEST_P(NamedKeysTest, EachKeyMovesToTheOneSignatoryOfItsName)
{
    QMap<QString, qint64> rows;
    for (const char *name : {"Pat", "Lee", "Twin", "Other"}) {
        writeRow(data.agents(), {{"Name", name}, {"ApprovalNumber", "D"}});
        rows[name] = signatoryRow(data.reference(), name);
    }
    writeRow(data.agents(), {{"Name", " Twin"}, {"ApprovalNumber", "D-9"}});
    const qint64 twin = signatoryRow(data.reference(), " Twin");
    writeKey("Pat", "pat-pw");
    writeKey("Twin", "twin-pw");
    writeKey("Gone", "gone-pw"); // no signatory of that name any more
    writeEntry(KeyStore::namedEntry("Lee") + "-removed", "removed with a password reset\n");
    // A key kept by row already is newer than the one kept by name.
    ASSERT_TRUE(keysOf(data)->putSigningKey(rows["Other"], signing::madeKey("new-pw"), nullptr));
    writeKey("Other", "old-pw");

    const NamedKeysMoved moved = NamedKeys::moveToRows(data);
    EXPECT_EQ(moved.shared, QStringList{"Twin"});
    EXPECT_EQ(moved.failure, "");
    EXPECT_TRUE(NamedKeys::told(moved).startsWith("More than one signatory is named Twin"));
    EXPECT_TRUE(opens(rows["Pat"], "pat-pw"));
    EXPECT_TRUE(keysOf(data)->removedByReset(rows["Lee"]));
    EXPECT_FALSE(opens(rows["Twin"], "twin-pw"));
    EXPECT_FALSE(opens(twin, "twin-pw"));
    EXPECT_TRUE(opens(rows["Other"], "new-pw"));

    // Once moved, opening again finds nothing more to move or tell.
    const NamedKeysMoved again = NamedKeys::moveToRows(data);
    EXPECT_TRUE(again.shared.isEmpty());
    EXPECT_EQ(NamedKeys::told(again), "");
    EXPECT_TRUE(opens(rows["Pat"], "pat-pw"));
    // Renaming one of the two later hands the set-aside key to neither.
    ASSERT_TRUE(data.reference().exec("UPDATE \"Agents\" SET \"Name\" = 'Tam' WHERE rowid = ?", {twin}).ok());
    (void)NamedKeys::moveToRows(data);
    EXPECT_FALSE(opens(rows["Twin"], "twin-pw"));
}

ARC_ON_BOTH_ENGINES(NamedKeysTest);

} // namespace
