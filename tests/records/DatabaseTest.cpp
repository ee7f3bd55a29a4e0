#include "Database.h"
#include "Schema.h"
#include "SqlDialectFolds.h"
#include "TempFolder.h"

#include <functional>
#include <unistd.h>

using namespace arc;

using DatabaseTest = TempFolderTest;

namespace {

struct RefusedCase {
    const char *name;
    std::function<void(const QString &path)> make; // the file at `path`
    Database::Mode mode;
    DbCondition condition;
    const char *detail = nullptr; // when the reason is worded
};
void PrintTo(const RefusedCase &c, std::ostream *os) { *os << c.name; }

// A store file of ours, marked with `version`.
void marked(const QString &path, int version)
{
    Database made;
    ASSERT_TRUE(made.open(path, StoreKind::Setup, Database::Mode::CreateIfMissing).ok());
    ASSERT_TRUE(made.exec(QStringLiteral("PRAGMA user_version=%1").arg(version)).ok());
}

// A certificates file of ours after `statements`, its version mark taken off.
void unmarked(const QString &path, const QStringList &statements)
{
    Database made;
    ASSERT_TRUE(made.open(path, StoreKind::Certificates, Database::Mode::CreateIfMissing).ok());
    for (const QString &sql : QStringList{"PRAGMA user_version=0"} + statements)
        ASSERT_TRUE(made.exec(sql).ok()) << sql.toStdString();
}

const RefusedCase kRefused[] = {
    {"Missing", [](const QString &) {}, Database::Mode::ExistingOnly, DbCondition::FileNotFound},
    {"MissingReadOnly", [](const QString &) {}, Database::Mode::ReadOnly, DbCondition::FileNotFound},
    {"FolderMissing", [](const QString &) {}, Database::Mode::CreateIfMissing, DbCondition::InvalidPath},
    {"TextFile", [](const QString &p) { writeFile(p, "Certificates are kept in the office safe.\n"); },
     Database::Mode::ExistingOnly, DbCondition::NotADatabase},
    // Without our mark but with tables, or marked by a newer program: someone else's.
    {"UnmarkedWithTables", [](const QString &p) { marked(p, 0); }, Database::Mode::ExistingOnly,
     DbCondition::NotADatabase},
    {"NewerVersion", [](const QString &p) { marked(p, Schema::version + 1); }, Database::Mode::ExistingOnly,
     DbCondition::NotADatabase},
    // No file of ours is ever empty: zero bytes mean the store was cut
    // short or replaced, and taking it for an empty store would hide that.
    {"ZeroBytes", [](const QString &p) { writeFile(p, ""); }, Database::Mode::ExistingOnly, DbCondition::NotADatabase,
     "VELLORAN.MDB is an empty file (0 bytes)"},
    {"ZeroBytesCreating", [](const QString &p) { writeFile(p, ""); }, Database::Mode::CreateIfMissing,
     DbCondition::NotADatabase, "VELLORAN.MDB is an empty file (0 bytes)"},
    // Unmarked, as made by hand or by a migration tool, and lacking what we need.
    {"UnmarkedLackingAFieldAndATable",
     // The triggers reading the field go first, as the engine asks.
     [](const QString &p) {
         unmarked(p, {"DROP TRIGGER HeaderFold_on_insert", "DROP TRIGGER HeaderFold_on_update",
                      "ALTER TABLE Header DROP COLUMN Invoice", "DROP TABLE Detail"});
     },
     Database::Mode::ExistingOnly, DbCondition::NotADatabase, "VELLORAN.MDB lacks field Header.Invoice, table Detail"},
    {"ReadOnlyFile",
     [](const QString &p) {
         Database made;
         ASSERT_TRUE(made.open(p, StoreKind::Certificates, Database::Mode::CreateIfMissing).ok());
         made.close();
         QFile::setPermissions(p, QFile::ReadOwner | QFile::ReadUser);
     },
     Database::Mode::ExistingOnly, DbCondition::ReadOnly},
};

class OpenRefusedTest : public TempFolderTest, public testing::WithParamInterface<RefusedCase> {};

} // namespace

TEST_P(OpenRefusedTest, IsToldWhyAndTheFileIsLeftAsItWas)
{
    const RefusedCase &c = GetParam();
    if (c.condition == DbCondition::ReadOnly && geteuid() == 0)
        GTEST_SKIP() << "running as root, whom a read-only file does not stop from writing";
    const QString path = file(c.condition == DbCondition::InvalidPath ? "no such folder/VELLORAN.MDB" : "VELLORAN.MDB");
    ASSERT_NO_FATAL_FAILURE(c.make(path));
    const bool existed = QFile::exists(path);
    const QByteArray before = readFile(path);
    Database db;
    const DbStatus s = db.open(path, StoreKind::Certificates, c.mode);
    EXPECT_TRUE(s.is(c.condition)) << s.detail().toStdString();
    if (c.detail) {
        EXPECT_EQ(s.detail(), c.detail);
    }
    EXPECT_FALSE(db.isOpen());
    EXPECT_EQ(QFile::exists(path), existed);
    EXPECT_EQ(readFile(path), before);
}

INSTANTIATE_TEST_SUITE_P(Files, OpenRefusedTest, testing::ValuesIn(kRefused),
                         [](const testing::TestParamInfo<RefusedCase> &i) { return std::string(i.param.name); });

TEST_F(DatabaseTest, ReadOnlyOpeningNeverWrites)
{
    {
        Database made;
        ASSERT_TRUE(made.open(file("setupARC.mdb"), StoreKind::Setup, Database::Mode::CreateIfMissing).ok());
        ASSERT_TRUE(made.exec("INSERT INTO Setup (DataPath) VALUES ('/srv/arc/')").ok());
    }
    const QByteArray before = readFile(file("setupARC.mdb"));
    Database db;
    ASSERT_TRUE(db.open(file("setupARC.mdb"), StoreKind::Setup, Database::Mode::ReadOnly).ok());
    EXPECT_TRUE(db.isReadOnly());
    EXPECT_EQ(db.scalar("SELECT DataPath FROM Setup").toString(), "/srv/arc/");
    EXPECT_FALSE(db.exec("UPDATE Setup SET DataPath = NULL").ok());
    db.close();
    EXPECT_EQ(readFile(file("setupARC.mdb")), before);
}

// The part table is rebuilt with room for a whole stamp text as eligibility;
// the organisations gain the fields added since.
TEST_F(DatabaseTest, AnEarlierVersionIsBroughtUpKeepingItsRows)
{
    {
        Database made;
        ASSERT_TRUE(made.open(file("VELLORANA.MDB"), StoreKind::Reference, Database::Mode::CreateIfMissing).ok());
        for (const char *sql : {"DROP TABLE PartNumbers",
                                "CREATE TABLE PartNumbers (PartNumber TEXT, Description TEXT, PMA_PartNumber TEXT, VI "
                                "TEXT, REL_DWG TEXT, Eligibility TEXT CONSTRAINT len_Eligibility CHECK(length("
                                "Eligibility) <= 50), S1 TEXT, S2 TEXT, S3 TEXT)",
                                "INSERT INTO PartNumbers (PartNumber, Eligibility, S1) VALUES ('PN-1', 'All', 'A1')",
                                // Before the UK approval was kept.
                                "DROP TABLE Organizations",
                                "CREATE TABLE Organizations (Organization TEXT, Address1 TEXT, Address2 TEXT, Address3 "
                                "TEXT, CertificateNum TEXT, JAANum TEXT)",
                                "INSERT INTO Organizations (Organization, JAANum) VALUES ('Acme', 'E1')",
                                "PRAGMA user_version=1"})
            ASSERT_TRUE(made.exec(sql).ok()) << sql;
    }
    Database db;
    ASSERT_TRUE(db.open(file("VELLORANA.MDB"), StoreKind::Reference).ok());
    EXPECT_EQ(db.scalar("PRAGMA user_version").toInt(), Schema::version);
    EXPECT_EQ(db.scalar("SELECT PartNumber || Eligibility || S1 FROM PartNumbers").toString(), "PN-1AllA1");
    EXPECT_EQ(db.scalar("SELECT Organization || JAANum || coalesce(UkNum, '-') FROM Organizations").toString(), "AcmeE1-");
    EXPECT_TRUE(db.exec("UPDATE PartNumbers SET Eligibility = ?", {QString(255, 'E')}).ok());
    EXPECT_FALSE(db.exec("UPDATE PartNumbers SET Eligibility = ?", {QString(256, 'E')}).ok());
    EXPECT_EQ(db.scalar("SELECT count(*) FROM sqlite_master WHERE type = 'index' AND tbl_name = 'PartNumbers'").toInt(),
              1);
}

// Made by hand or by a migration tool, whatever else it holds: it gains the
// tables added since (the issue log).
TEST_F(DatabaseTest, AnUnmarkedWholeFileIsAdoptedKeepingItsRows)
{
    ASSERT_NO_FATAL_FAILURE(unmarked(file("hand.mdb"), {"DROP TABLE IssueLog", "CREATE TABLE Migration (Note)",
                                                        "INSERT INTO Header (Tracking) VALUES ('000042')"}));
    Database db;
    ASSERT_TRUE(db.open(file("hand.mdb"), StoreKind::Certificates).ok());
    EXPECT_EQ(db.scalar("PRAGMA user_version").toInt(), Schema::version);
    EXPECT_EQ(db.scalar("SELECT Tracking FROM Header").toString(), "000042");
    EXPECT_EQ(db.scalar("SELECT count(*) FROM pragma_table_info('IssueLog')").toLongLong(),
              qsizetype(Schema::table("IssueLog")->fields.size()));
}

namespace {

// The columns a table stores, texts with their length: "Tracking(15)".
QString layoutOf(const QString &table)
{
    if (const FoldTable *fold = Schema::foldTableOf(table.chopped(4)); fold && table.endsWith("Fold"))
        return SqlDialect::foldTableColumns(*fold).join(',');
    QStringList columns;
    for (const FieldDef &f : Schema::table(table)->fields)
        columns << (f.type == FieldType::Text ? QStringLiteral("%1(%2)").arg(f.name).arg(f.maxLength) : f.name);
    return columns.join(',');
}

struct StoredLayout {
    const char *table;
    const char *columns;
};
void PrintTo(const StoredLayout &l, std::ostream *os) { *os << l.table; }

// Tables whose columns follow the fields of a certificate: files of this
// version hold them so, and a field added to or searched in the table of
// certificate fields must not change them unnoticed.
const StoredLayout kLayouts[] = {
    {"Defaults", "Country(255),Organ1(64000),Organ2(64000),Tracking(15),IncreaseTrack,Invoice(40),IncreaseInv,"
                 "Batch(30),IncreaseBatch,Description(50),PartNum(30),Status(20),Eligibility(50),Remarks(64000),"
                 "Name17(50),AuthNum(25),Name22(50),CertNum(25),Shade,User1(255),RequireSignature,VerifyOffersPdf,"
                 "TsaUrl(255),VerifyBaseUrl(255),IdleLockMinutes"},
    {"HeaderFold", "FormIndex,Date18,Date23,Country,Tracking,Invoice,Name17,AuthNum,Name22,CertNum,Fresh"},
    {"DetailFold", "Line,FormIndex,Description,PartNum,SerialNum,Status,Fresh"},
};

class StoredLayoutTest : public testing::TestWithParam<StoredLayout> {};

} // namespace

TEST_P(StoredLayoutTest, IsThatOfFilesOfThisVersion)
{
    EXPECT_EQ(layoutOf(QLatin1String(GetParam().table)), QLatin1String(GetParam().columns));
}

INSTANTIATE_TEST_SUITE_P(Tables, StoredLayoutTest, testing::ValuesIn(kLayouts),
                         [](const auto &info) { return std::string(info.param.table); });
