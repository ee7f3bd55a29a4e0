#include "LargeFolder.h"
#include "LegacyFolder.h"
#include "Passwords.h"
#include "SignedEntries.h"
#include "Statements.h"
#include "StoredFiles.h"
#include "OpenedSource.h"
#include "ProgramRun.h"
#include "ServerImport.h"
#include "TestPaths.h"

#include <QDir>
#include <QFileInfo>

using namespace arc;

class ServerImportTest : public TempFolderTest, public ::testing::WithParamInterface<Engine> {
protected:
    void SetUp() override { TempFolderTest::SetUp(); schema.make(); }
    const QString &source() const { return schema.uri; }
    TestServer::Schema schema;
};
INSTANTIATE_TEST_SUITE_P(Server, ServerImportTest, ::testing::Values(Engine::PostgreSQL), engineName);

namespace {

// The names of a schema's indexes, read without opening a store there.
QString indexesOf(const QString &schema)
{
    const QString name = QStringLiteral("arc-test-indexes");
    QString names;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        ServerUri::parse(TestServer::baseUri())->configure(db);
        QSqlQuery q(db);
        if (db.open() && q.prepare("SELECT string_agg(indexname, ',' ORDER BY indexname) FROM pg_indexes WHERE schemaname = ?")) {
            q.addBindValue(schema);
            if (q.exec() && q.next())
                names = q.value(0).toString();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return names;
}

} // namespace

// A server that already holds data is refused and stays as it was.
TEST_P(ServerImportTest, AFolderMovesIntoAnEmptyServerWholeAndOnlyOnce)
{
    qint64 kept = 0;
    {
        OpenedSource made;
        ASSERT_NO_FATAL_FAILURE(made.open(Engine::SQLite, folder()));
        DataFolder &data = made.data;
        for (const char *tracking : {"000001", "000002", "000003"})
            kept = savedAsNew(data, signedEntries(tracking));
        ASSERT_TRUE(data.certificates().exec("DELETE FROM Header WHERE Tracking = '000002'").ok());
        ASSERT_TRUE(data.reference()
                        .exec("INSERT INTO Agents (Name, Password, ElectronicSign, Administrator) VALUES ('Pat', 'h', "
                              "'pat.bmp', 1)")
                        .ok());
        ASSERT_TRUE(data.certificates().exec("UPDATE Defaults SET Tracking = '000003', IncreaseTrack = 1").ok());
        ASSERT_TRUE(Statements::save(data.reference(), {Statements::kNotExport, "SHOP TEXT", "shop"}).ok());
        ASSERT_TRUE(data.certificates()
                        .exec("INSERT INTO IssueLog (FormIndex, Tracking, IssuedAt, Signatory, Copies, PdfFile, "
                              "PdfSha256, ContentSha256) VALUES (1, '000001', '2026-12-05T14:03:09Z', 'Pat', 1, "
                              "'000001_1_20261205T140309Z.pdf', 'ab', 'cd')")
                        .ok());
    }
    writeFile(folder() + "pat.bmp", QByteArray("BM\0\x01\xff", 5));
    writeFile(folder() + "Issued/000001_1_20261205T140309Z.pdf", "%PDF-1.4 issued");
    const QByteArray before = readFile(folder() + "VELLORAN.MDB");

    const ProgramRun run = ProgramRun::of(test_paths::program("arc8130-import"), {folder(), source()});
    ASSERT_EQ(run.exit, 0) << run.said.toStdString();
    for (const char *said : {"Header: 2 rows", "Files: 1 signature bitmaps", "Files: 1 issued pages"})
        EXPECT_TRUE(run.said.contains(said)) << run.said.toStdString();
    EXPECT_EQ(run.errors, "") << "no progress line where standard error is no terminal";
    EXPECT_EQ(readFile(folder() + "VELLORAN.MDB"), before);
    // Loaded without them, every index is made again by the import itself,
    // before any program opens the store: as a store made afresh has them.
    TestServer::Schema fresh;
    ASSERT_NO_FATAL_FAILURE(fresh.make());
    {
        DataFolder made;
        ASSERT_TRUE(made.open(fresh.uri).ok());
    }
    EXPECT_EQ(indexesOf(schema.name), indexesOf(fresh.name));

    {
        DataFolder server;
        ASSERT_TRUE(server.open(source()).ok());
        Database &db = server.certificates();
        EXPECT_EQ(db.scalar("SELECT string_agg(\"Tracking\" || ':' || \"FormIndex\", ',' ORDER BY \"FormIndex\") FROM "
                            "\"Header\"")
                      .toString(),
                  QString("000001:1,000003:%1").arg(kept));
        EXPECT_EQ(db.scalar("SELECT \"Date18\" || ' ' || \"New\" FROM \"Header\" LIMIT 1").toString(), "2026-12-05 1");
        EXPECT_EQ(db.scalar("SELECT count(*) FROM \"Detail\"").toInt(), 6) << "lines are moved as they are stored";
        // The first searches are planned with the tables' true sizes, their
        // search copies' included.
        for (const auto &[table, rows] : {std::pair{"Header", 2}, {"HeaderFold", 2}, {"Detail", 6}, {"DetailFold", 6}})
            EXPECT_EQ(db.scalar(QString("SELECT reltuples FROM pg_class WHERE oid = to_regclass('\"%1\"')").arg(table)).toInt(),
                      rows)
                << table;
        // And the copies are vacuumed once committed: freshly written, a
        // search of them visits each row it finds until the server's own
        // vacuum passes.
        for (const char *table : {"HeaderFold", "DetailFold"})
            EXPECT_EQ(db.scalar(QString("SELECT vacuum_count FROM pg_stat_user_tables WHERE relid = to_regclass('\"%1\"')")
                                    .arg(table))
                          .toInt(),
                      1)
                << table;
        EXPECT_EQ(db.scalar("SELECT count(*) FROM \"ListKeys\"").toInt(), 2);
        EXPECT_GT(db.scalar("SELECT count(*) FROM \"ActivityTally\"").toInt(), 0);
        EXPECT_EQ(db.scalar("SELECT count(*) || ' ' || max(\"Tracking\") FROM \"Defaults\"").toString(), "1 000003");
        QByteArray bmp;
        ASSERT_TRUE(StoredFiles::read(server.reference(), "pat.bmp", bmp).ok());
        EXPECT_EQ(bmp, QByteArray("BM\0\x01\xff", 5));
        // The issued pages stay with their log: no station has the folder.
        QByteArray page;
        ASSERT_TRUE(StoredFiles::read(server.reference(), "Issued/000001_1_20261205T140309Z.pdf", page).ok());
        EXPECT_EQ(page, "%PDF-1.4 issued");
        EXPECT_EQ(db.scalar("SELECT \"PdfFile\" FROM \"IssueLog\"").toString(), "000001_1_20261205T140309Z.pdf");
        EXPECT_EQ(StoredFiles::names(server.reference(), ".bmp"), QStringList{"pat.bmp"});
        EXPECT_EQ(server.reference().scalar("SELECT \"Text\" FROM \"Statements\" WHERE \"Name\" = 'Not an export'").toString(),
                  "SHOP TEXT")
            << "the shop's statements replace the defaults the server started with";

        EXPECT_EQ(savedAsNew(server, CertificateEntries{}), kept + 1) << "the counter goes on after the largest key moved";
    }

    const ProgramRun again = ProgramRun::of(test_paths::program("arc8130-import"), {folder(), source()});
    EXPECT_EQ(again.exit, 1);
    EXPECT_TRUE(again.said.contains("must be empty")) << again.said.toStdString();
    DataFolder server;
    ASSERT_TRUE(server.open(source()).ok());
    EXPECT_EQ(server.certificates().scalar("SELECT count(*) FROM \"Header\"").toInt(), 3);
}

// A table of more lines than are held at once goes in whole, in order,
// read back part after part.
TEST_P(ServerImportTest, ATableLargerThanAPartMovesWholeAndInOrder)
{
    const QString from = folder() + "large/";
    ASSERT_TRUE(QDir().mkpath(from));
    ASSERT_TRUE(LargeFolder::generate(from, 7000).ok());
    QString lines;
    {
        DataFolder source;
        ASSERT_TRUE(source.open(from).ok());
        lines = source.certificates()
                    .scalar("SELECT count(*) || ' ' || group_concat(\"PartNum\", '') FROM (SELECT \"PartNum\" FROM \"Detail\" ORDER BY rowid)")
                    .toString();
    }
    ASSERT_GT(lines.section(' ', 0, 0).toInt(), 50000);
    const ConversionReport report = ServerImport::run(from, source());
    ASSERT_EQ(report.outcome, ConversionReport::Outcome::Converted) << report.lines.join(' ').toStdString();
    DataFolder server;
    ASSERT_TRUE(server.open(source()).ok());
    EXPECT_EQ(server.certificates()
                  .scalar("SELECT count(*) || ' ' || string_agg(\"PartNum\", '' ORDER BY rowid) FROM \"Detail\"")
                  .toString(),
              lines);
}

TEST_P(ServerImportTest, AccessFilesGoInWithoutTheFolderBeingConverted)
{
    ASSERT_NO_FATAL_FAILURE(copyLegacyFolder(folder()));
    const QByteArray before = readFile(folder() + "VELLORAN.MDB");
    const ProgramRun run = ProgramRun::of(test_paths::program("arc8130-import"), {folder(), source()});
    ASSERT_EQ(run.exit, 0) << run.said.toStdString();
    EXPECT_EQ(readFile(folder() + "VELLORAN.MDB"), before);
    EXPECT_FALSE(QFileInfo::exists(folder() + "access-originals"));

    DataFolder server;
    ASSERT_TRUE(server.open(source()).ok());
    EXPECT_EQ(server.certificates().scalar("SELECT count(*) FROM \"Header\"").toInt(), 300);
}

// The characters the bulk load's text form escapes or gives a meaning, nulls
// apart from empty texts. What the folder conversion accepts (a field widened,
// a NUL removed, a clear password hashed) the server accepts the same way; a
// killed import's working copy is removed too.
struct Carried {
    const char *name;
    QVariant stored;  // Header.Remarks in the folder
    QVariant arrives; // on the server
};
const Carried kCarried[] = {
    {"backslash", "C:\\shop\\", "C:\\shop\\"},
    {"null marker as text", "\\N", "\\N"},
    {"end marker as text", "\\.", "\\."},
    {"tab", "a\tb", "a\tb"},
    {"line breaks", "one\r\ntwo\nthree\rfour", "one\r\ntwo\nthree\rfour"},
    {"quotes", "it's \"Valve\"", "it's \"Valve\""},
    {"beyond ASCII", "Müller ✈ 日本 Ωmega", "Müller ✈ 日本 Ωmega"},
    {"empty", "", ""},
    {"null", QVariant(), QVariant()},
    {"NUL character", QString("a") + QChar(0) + "b", "ab"},
};

TEST_P(ServerImportTest, EveryValueArrivesAsItWasOrAsTheFolderConversionTakesIt)
{
    const QString local = folder() + "data/", temporary = folder() + "tmp/";
    ASSERT_TRUE(QDir().mkpath(local) && QDir().mkpath(temporary + "arc8130-import-left"));
    writeFile(temporary + "arc8130-import-left/VELLORANA.MDB", "a killed import's copy");
    {
        OpenedSource made;
        ASSERT_NO_FATAL_FAILURE(made.open(Engine::SQLite, local));
        Database &db = made.data.certificates();
        for (int i = 0; i < int(std::size(kCarried)); ++i)
            ASSERT_TRUE(db.exec("INSERT INTO Header (Tracking, Invoice, Date18, Remarks) VALUES (?, ?, ?, ?)",
                                {QString::number(i), QString("ÉCLAIR-%1").arg(i), "2028-02-29", kCarried[i].stored})
                            .ok());
        ASSERT_TRUE(db.exec("INSERT INTO Detail (FormIndex, PartNum) VALUES (1, 'ÅB-9\\x')").ok());
        ASSERT_TRUE(db.exec("UPDATE Defaults SET Shade = 0.1, IncreaseTrack = -2.5e-7").ok());
        ASSERT_TRUE(db.exec("PRAGMA ignore_check_constraints = ON").ok());
        ASSERT_TRUE(db.exec("INSERT INTO Header (Tracking, Invoice) VALUES ('wide', ?)", {QString(60, 'W')}).ok());
        ASSERT_TRUE(made.data.reference().exec("INSERT INTO Agents (Name, Password) VALUES ('Pat', 'pat-plain')").ok());
    }
    const ProgramRun run = ProgramRun::of(test_paths::program("arc8130-import"), {local, source()}, {}, {"TMPDIR=" + temporary});
    ASSERT_EQ(run.exit, 0) << run.said.toStdString();
    for (const char *said : {"field Header.Invoice widened from 40 to 60 characters",
                             "field Header.Remarks: 1 NUL characters removed"})
        EXPECT_TRUE(run.said.contains(said)) << run.said.toStdString();
    EXPECT_EQ(QDir(temporary).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList{});

    DataFolder server;
    ASSERT_TRUE(server.open(source()).ok());
    Database &db = server.certificates();
    for (int i = 0; i < int(std::size(kCarried)); ++i) {
        SCOPED_TRACE(kCarried[i].name);
        const QVariant got =
            db.scalar("SELECT \"Remarks\" FROM \"Header\" WHERE \"Tracking\" = ?", {QString::number(i)});
        EXPECT_EQ(got.isNull(), kCarried[i].arrives.isNull());
        EXPECT_EQ(got.toString(), kCarried[i].arrives.toString());
    }
    EXPECT_EQ(db.scalar("SELECT count(*) FROM \"Header\" WHERE \"Date18\" = '2028-02-29'").toInt(), int(std::size(kCarried)));
    EXPECT_EQ(db.scalar("SELECT \"PartNum\" FROM \"Detail\"").toString(), "ÅB-9\\x");
    EXPECT_EQ(db.scalar("SELECT \"Shade\" FROM \"Defaults\"").toDouble(), 0.1);
    EXPECT_EQ(db.scalar("SELECT \"IncreaseTrack\" FROM \"Defaults\"").toDouble(), -2.5e-7);
    EXPECT_EQ(db.scalar("SELECT (SELECT count(*) FROM \"HeaderFold\" WHERE \"Fresh\" IS NULL) + "
                        "(SELECT count(*) FROM \"DetailFold\" WHERE \"Fresh\" IS NULL)")
                  .toInt(),
              0);
    EXPECT_EQ(db.scalar("SELECT \"Invoice\" FROM \"HeaderFold\" WHERE \"FormIndex\" = 1").toString(), "éclair-0");
    const QString stored = server.reference().scalar("SELECT \"Password\" FROM \"Agents\" WHERE \"Name\" = 'Pat'").toString();
    EXPECT_TRUE(Passwords::isHash(stored)) << stored.toStdString();
    EXPECT_EQ(Passwords::verify(stored, "pat-plain"), Passwords::Verdict::Right);
    // The widened field takes what it was widened for, and no more.
    const QString wide = "UPDATE \"Header\" SET \"Invoice\" = ? WHERE \"Tracking\" = 'wide'";
    EXPECT_EQ(db.scalar("SELECT \"Invoice\" FROM \"Header\" WHERE \"Tracking\" = 'wide'").toString(), QString(60, 'W'));
    EXPECT_TRUE(db.exec(wide, {QString(60, 'V')}).ok());
    EXPECT_FALSE(db.exec(wide, {QString(61, 'V')}).ok());
}
