#include "DataView.h"
#include "Database.h"
#include "TempFolder.h"
#include "WriteTransaction.h"

#include <QFileInfo>
#include <QSqlQuery>
#include <unistd.h>

using namespace arc;

namespace {

QStringList columnsOf(const Database &db, const QString &table)
{
    QSqlQuery q;
    EXPECT_TRUE(db.run(q, QStringLiteral("PRAGMA table_info(\"%1\")").arg(table)).ok());
    QStringList names;
    while (q.next())
        names << q.value(1).toString();
    return names;
}

} // namespace

using DatabaseTest = TempFolderTest;

TEST_F(DatabaseTest, FreshFilesHaveEveryTableAndField)
{
    const QMap<QString, QString> expected = {
        {"Setup", "DataPath"},
        {"Header", "FormIndex Country Tracking Organ1 Organ2 Invoice Remarks New Overhaul Name17 AuthNum Date18 CFRRTS "
                   "OtherRTS Name22 CertNum Date23 Export ExportCountry Forwarder"},
        {"Detail", "FormIndex Item Description PartNum Quantity SerialNum Status"},
        {"Defaults", "Country Organ1 Organ2 Tracking IncreaseTrack Invoice IncreaseInv Batch IncreaseBatch Description "
                     "PartNum Status Eligibility Remarks Name17 AuthNum Name22 CertNum Shade User1"},
        {"PartNumbers", "PartNumber Description PMA_PartNumber VI REL_DWG Eligibility S1 S2 S3"},
        {"Agents", "Name Password ApprovalNumber ElectronicSign UseElectronic Administrator"},
        {"Organizations", "Organization Address1 Address2 Address3 CertificateNum JAANum"},
        {"Countries", "Country Bilateral JAA"},
        {"ForwardingHouses", "ForwardHouse FHInfo1 FHInfo2 FHInfo3 FHInfo4"},
        {"Stamps", "StampNumber StampText"},
        {"Statements", "Name Text Source"},
        {"IssueLog", "FormIndex Tracking IssuedAt Signatory Copies PdfFile PdfSha256 ContentSha256"},
    };
    int tablesSeen = 0;
    for (auto [kind, name] : {std::pair{StoreKind::Setup, "setupARC.mdb"}, {StoreKind::Certificates, "VELLORAN.MDB"},
                              {StoreKind::Reference, "VELLORANA.MDB"}}) {
        EXPECT_EQ(Schema::fileName(kind), name);
        Database db;
        ASSERT_TRUE(db.open(file(Schema::fileName(kind)), kind, Database::Mode::CreateIfMissing).ok());
        EXPECT_EQ(db.scalar("PRAGMA user_version").toInt(), Schema::version);
        for (const TableDef &t : Schema::tables(kind)) {
            ASSERT_TRUE(expected.contains(t.name)) << t.name.toStdString();
            EXPECT_EQ(columnsOf(db, t.name).join(' '), expected[t.name]) << t.name.toStdString();
            ++tablesSeen;
        }
    }
    EXPECT_EQ(tablesSeen, expected.size());
}

TEST_F(DatabaseTest, OverlongValuesAreRefusedAndTheRestOfTheRowWritten)
{
    Database db;
    ASSERT_TRUE(db.open(file("VELLORAN.MDB"), StoreKind::Certificates, Database::Mode::CreateIfMissing).ok());

    // The engine itself holds the limit, whoever writes.
    EXPECT_FALSE(db.exec("INSERT INTO Header (Tracking) VALUES (?)", {QString(16, 'T')}).ok());
    EXPECT_TRUE(db.exec("INSERT INTO Header (Tracking) VALUES (?)", {QString(15, 'T')}).ok());

    DataView header(db, "Header");
    ASSERT_TRUE(header.addNew().ok());
    header.setValue("Invoice", QString(41, 'I'));
    header.setValue("Name17", "J. Smith");
    DbStatus s = header.update();
    EXPECT_TRUE(s.is(DbCondition::FieldTooSmall));
    EXPECT_EQ(s.refusedFields(), QStringList{"Invoice"});
    ASSERT_TRUE(header.moveLast().ok());
    EXPECT_EQ(header.text("Name17"), "J. Smith");
    EXPECT_TRUE(header.value("Invoice").isNull());

    // An edited row keeps the old value of each refused field.
    ASSERT_TRUE(header.edit().ok());
    header.setValue("Invoice", "INV-1");
    ASSERT_TRUE(header.update().ok());
    ASSERT_TRUE(header.edit().ok());
    header.setValue("Invoice", QString(41, 'I'));
    header.setValue("Remarks", "checked");
    header.setValue("AuthNum", QString(26, 'A'));
    s = header.update();
    EXPECT_TRUE(s.is(DbCondition::FieldTooSmall));
    EXPECT_EQ(s.refusedFields(), (QStringList{"Invoice", "AuthNum"}));
    EXPECT_EQ(header.text("Invoice"), "INV-1");
    EXPECT_EQ(header.text("Remarks"), "checked");
    EXPECT_TRUE(header.value("AuthNum").isNull());

    // A new row whose only value is refused is still a saved row, not one
    // that a later cancel or refresh throws away.
    ASSERT_TRUE(header.addNew().ok());
    const QVariant key = header.newKey();
    header.setValue("Tracking", QString(16, 'T'));
    EXPECT_TRUE(header.update().is(DbCondition::FieldTooSmall));
    EXPECT_FALSE(header.isEditing());
    ASSERT_TRUE(header.refresh().ok());
    ASSERT_TRUE(header.findFirst("FormIndex = ?", {key}).ok());
    EXPECT_FALSE(header.noMatch());
}

TEST_F(DatabaseTest, OpenReportsWhyAFileCannotBeUsed)
{
    Database db;
    EXPECT_TRUE(db.open(file("VELLORAN.MDB"), StoreKind::Certificates).is(DbCondition::FileNotFound));
    EXPECT_FALSE(QFile::exists(file("VELLORAN.MDB")));
    EXPECT_TRUE(db.open(file("no such folder/VELLORAN.MDB"), StoreKind::Certificates, Database::Mode::CreateIfMissing)
                    .is(DbCondition::InvalidPath));
    EXPECT_FALSE(db.isOpen());

    const QByteArray text = "Certificates are kept in the office safe.\n";
    writeFile(file("notes.mdb"), text);
    EXPECT_TRUE(db.open(file("notes.mdb"), StoreKind::Certificates).is(DbCondition::NotADatabase));
    EXPECT_EQ(readFile(file("notes.mdb")), text);

    // A database without our mark but with tables, or marked by a newer
    // program, is someone else's: refused and left as it was.
    for (const int version : {0, Schema::version + 1}) {
        const QString path = file(QStringLiteral("v%1.mdb").arg(version));
        {
            Database other;
            ASSERT_TRUE(other.open(path, StoreKind::Setup, Database::Mode::CreateIfMissing).ok());
            ASSERT_TRUE(other.exec(QStringLiteral("PRAGMA user_version=%1").arg(version)).ok());
        }
        const QByteArray before = readFile(path);
        EXPECT_TRUE(db.open(path, StoreKind::Certificates).is(DbCondition::NotADatabase)) << version;
        EXPECT_FALSE(db.isOpen());
        EXPECT_EQ(readFile(path), before);
    }
}

TEST_F(DatabaseTest, OpenRefusesAReadOnlyFile)
{
    {
        Database db;
        ASSERT_TRUE(db.open(file("VELLORAN.MDB"), StoreKind::Certificates, Database::Mode::CreateIfMissing).ok());
    }
    if (geteuid() == 0)
        GTEST_SKIP() << "running as root, whom a read-only file does not stop from writing";
    QFile::setPermissions(file("VELLORAN.MDB"), QFile::ReadOwner | QFile::ReadUser);
    Database db;
    EXPECT_TRUE(db.open(file("VELLORAN.MDB"), StoreKind::Certificates).is(DbCondition::ReadOnly));
}

TEST_F(DatabaseTest, WriteTransactionsRollBackUnlessCommittedAndLockOutOthers)
{
    Database db;
    ASSERT_TRUE(db.open(file("VELLORANA.MDB"), StoreKind::Reference, Database::Mode::CreateIfMissing).ok());
    const auto count = [&] { return db.scalar("SELECT count(*) FROM Stamps").toInt(); };
    {
        WriteTransaction tx(db);
        ASSERT_TRUE(tx.ok());
        ASSERT_TRUE(db.exec("INSERT INTO Stamps (StampNumber) VALUES ('1')").ok());
    }
    EXPECT_EQ(count(), 0);
    {
        WriteTransaction tx(db);
        ASSERT_TRUE(db.exec("INSERT INTO Stamps (StampNumber) VALUES ('2')").ok());
        EXPECT_TRUE(tx.commit().ok());
    }
    EXPECT_EQ(count(), 1);
    {
        // An inner step that gives up spoils the whole transaction.
        WriteTransaction outer(db);
        ASSERT_TRUE(db.exec("INSERT INTO Stamps (StampNumber) VALUES ('3')").ok());
        { WriteTransaction inner(db); }
        EXPECT_FALSE(outer.commit().ok());
    }
    EXPECT_EQ(count(), 1);
    EXPECT_FALSE(db.inTransaction());

    Database second;
    ASSERT_TRUE(second.open(file("VELLORANA.MDB"), StoreKind::Reference).ok());
    ASSERT_TRUE(second.exec("PRAGMA busy_timeout=0").ok());
    {
        WriteTransaction held(db);
        ASSERT_TRUE(held.ok());
        WriteTransaction blocked(second);
        EXPECT_TRUE(blocked.status().is(DbCondition::Locked));
    }
    WriteTransaction afterwards(second);
    EXPECT_TRUE(afterwards.ok());
}

// No file of ours is ever empty: zero bytes mean the store was cut short or
// replaced, and taking it for an empty store would hide that.
TEST_F(DatabaseTest, AZeroByteFileIsRefusedNotTakenForAnEmptyStore)
{
    for (const Database::Mode mode : {Database::Mode::ExistingOnly, Database::Mode::CreateIfMissing}) {
        writeFile(file("VELLORAN.MDB"), "");
        Database db;
        const DbStatus s = db.open(file("VELLORAN.MDB"), StoreKind::Certificates, mode);
        EXPECT_TRUE(s.is(DbCondition::NotADatabase));
        EXPECT_EQ(s.detail(), "VELLORAN.MDB is an empty file (0 bytes)");
        EXPECT_EQ(QFileInfo(file("VELLORAN.MDB")).size(), 0);
    }
}

// A file made by hand or by a migration tool, with every table and field
// but no version mark, is ours: checked table by table, then marked. One
// that lacks a table or field is refused, naming what it lacks.
TEST_F(DatabaseTest, UnmarkedFilesAreAdoptedWhenWholeAndRefusedNamingWhatTheyLack)
{
    const auto makeUnmarked = [&](const QString &name, const QStringList &statements) {
        Database made;
        ASSERT_TRUE(made.open(file(name), StoreKind::Setup, Database::Mode::CreateIfMissing).ok());
        ASSERT_TRUE(made.exec("DROP TABLE Setup").ok());
        for (const QString &sql : statements)
            ASSERT_TRUE(made.exec(sql).ok()) << sql.toStdString();
        ASSERT_TRUE(made.exec("PRAGMA user_version=0").ok());
    };
    const QString reference = "CREATE TABLE PartNumbers (PartNumber, Description, PMA_PartNumber, VI, REL_DWG, "
                              "Eligibility, S1, S2, S3)|CREATE TABLE Agents (Name, Password, ApprovalNumber, "
                              "ElectronicSign, UseElectronic, Administrator)|CREATE TABLE Organizations (Organization, "
                              "Address1, Address2, Address3, CertificateNum, JAANum)|CREATE TABLE Countries (Country, "
                              "Bilateral, JAA)|CREATE TABLE ForwardingHouses (ForwardHouse, FHInfo1, FHInfo2, FHInfo3, "
                              "FHInfo4)|CREATE TABLE Stamps (StampNumber, StampText)|CREATE TABLE Migration (Note)";
    makeUnmarked("whole.mdb", reference.split('|') << "INSERT INTO Agents (Name) VALUES ('Pat Doe')");
    Database db;
    ASSERT_TRUE(db.open(file("whole.mdb"), StoreKind::Reference).ok());
    EXPECT_EQ(db.scalar("PRAGMA user_version").toInt(), Schema::version);
    EXPECT_EQ(db.scalar("SELECT Name FROM Agents").toString(), "Pat Doe");
    db.close();

    QString lacking = reference;
    lacking.replace("ApprovalNumber, ", "").replace("CREATE TABLE Stamps (StampNumber, StampText)|", "");
    makeUnmarked("lacking.mdb", lacking.split('|'));
    const QByteArray before = readFile(file("lacking.mdb"));
    const DbStatus s = db.open(file("lacking.mdb"), StoreKind::Reference);
    EXPECT_TRUE(s.is(DbCondition::NotADatabase));
    EXPECT_EQ(s.detail(), "lacking.mdb lacks field Agents.ApprovalNumber, table Stamps");
    EXPECT_EQ(readFile(file("lacking.mdb")), before);
}

// A set-up file in an installed program's folder is read, never written.
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
    EXPECT_TRUE(db.open(file("none.mdb"), StoreKind::Setup, Database::Mode::ReadOnly).is(DbCondition::FileNotFound));
    EXPECT_FALSE(QFile::exists(file("none.mdb")));
}

// A file of the first version gets the part table rebuilt with room for a
// whole stamp text as eligibility; its parts stay as they were.
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
                                "PRAGMA user_version=1"})
            ASSERT_TRUE(made.exec(sql).ok()) << sql;
    }
    Database db;
    ASSERT_TRUE(db.open(file("VELLORANA.MDB"), StoreKind::Reference).ok());
    EXPECT_EQ(db.scalar("PRAGMA user_version").toInt(), Schema::version);
    EXPECT_EQ(db.scalar("SELECT PartNumber || Eligibility || S1 FROM PartNumbers").toString(), "PN-1AllA1");
    EXPECT_TRUE(db.exec("UPDATE PartNumbers SET Eligibility = ?", {QString(255, 'E')}).ok());
    EXPECT_FALSE(db.exec("UPDATE PartNumbers SET Eligibility = ?", {QString(256, 'E')}).ok());
    EXPECT_EQ(db.scalar("SELECT count(*) FROM sqlite_master WHERE type = 'index' AND tbl_name = 'PartNumbers'").toInt(),
              1);
}

// A certificates file of the version before the issue log gains it when
// opened, its certificates kept; a file made by hand is adopted without it.
TEST_F(DatabaseTest, TheIssueLogIsAddedToEarlierAndHandMadeFiles)
{
    {
        Database made;
        ASSERT_TRUE(made.open(file("VELLORAN.MDB"), StoreKind::Certificates, Database::Mode::CreateIfMissing).ok());
        for (const char *sql : {"DROP TABLE IssueLog", "INSERT INTO Header (Tracking) VALUES ('000042')",
                                "PRAGMA user_version=3"})
            ASSERT_TRUE(made.exec(sql).ok()) << sql;
    }
    Database db;
    ASSERT_TRUE(db.open(file("VELLORAN.MDB"), StoreKind::Certificates).ok());
    EXPECT_EQ(db.scalar("PRAGMA user_version").toInt(), Schema::version);
    EXPECT_EQ(db.scalar("SELECT Tracking FROM Header").toString(), "000042");
    EXPECT_EQ(columnsOf(db, "IssueLog").size(), 8);
    db.close();

    {
        Database made;
        ASSERT_TRUE(made.open(file("hand.mdb"), StoreKind::Setup, Database::Mode::CreateIfMissing).ok());
        for (const char *sql :
             {"DROP TABLE Setup",
              "CREATE TABLE Header (FormIndex INTEGER PRIMARY KEY, Country, Tracking, Organ1, Organ2, Invoice, "
              "Remarks, New, Overhaul, Name17, AuthNum, Date18, CFRRTS, OtherRTS, Name22, CertNum, Date23)",
              "CREATE TABLE Detail (FormIndex, Item, Description, PartNum, Quantity, SerialNum, Status)",
              "CREATE TABLE Defaults (Country, Organ1, Organ2, Tracking, IncreaseTrack, Invoice, IncreaseInv, Batch, "
              "IncreaseBatch, Description, PartNum, Status, Eligibility, Remarks, Name17, AuthNum, Name22, CertNum, "
              "Shade, User1)",
              "PRAGMA user_version=0"})
            ASSERT_TRUE(made.exec(sql).ok()) << sql;
    }
    ASSERT_TRUE(db.open(file("hand.mdb"), StoreKind::Certificates).ok());
    EXPECT_EQ(columnsOf(db, "IssueLog").size(), 8);
}
