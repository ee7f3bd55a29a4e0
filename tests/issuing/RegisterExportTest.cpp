#include "CsvText.h"
#include "OpenedSource.h"
#include "PrintTo.h"
#include "ProgramRun.h"
#include "RegisterExport.h"
#include "RegisterRows.h"
#include "SignedEntries.h"

#include <QDir>
#include <QFile>
#include <map>
#include <unistd.h>
#include "TestPaths.h"

namespace {

TEST(CsvRow, QuotesWhatWouldOtherwiseEndAFieldOrARecord)
{
    const std::pair<QStringList, QString> rows[] = {
        {{"000123", "P-1", ""}, "000123,P-1,\r\n"},
        {{"Aero, Inc.", "x"}, "\"Aero, Inc.\",x\r\n"},
        {{"12\" hose"}, "\"12\"\" hose\"\r\n"},
        {{"a\r\nb", "c\nd"}, "\"a\r\nb\",\"c\nd\"\r\n"}, // line breaks kept inside quotes
        {{QString::fromUtf8("Müller ΑΛΦΑ")}, QString::fromUtf8("Müller ΑΛΦΑ\r\n")},
        {{" "}, " \r\n"}};
    for (const auto &[fields, expected] : rows)
        EXPECT_EQ(arc::CsvText::row(fields), expected) << fields.join('|').toStdString();
}

// A spreadsheet opening the register runs no cell: whatever would start a
// formula is made text by a leading apostrophe; nothing is trimmed into one.
TEST(CsvCell, WhatWouldStartAFormulaIsText)
{
    const std::pair<QString, QString> cells[] = {
        {"=1+1", "'=1+1"},
        {"+1", "'+1"},
        {"-1", "'-1"},
        {"@SUM(A1)", "'@SUM(A1)"},
        {"\t=1+1", "'\t=1+1"},
        {"\r=1+1", "\"'\r=1+1\""},
        {"\n=1+1", "\"'\n=1+1\""},
        {"=cmd|' /C calc'!A0", "'=cmd|' /C calc'!A0"},
        {"=HYPERLINK(\"http://x\",\"y\")", "\"'=HYPERLINK(\"\"http://x\"\",\"\"y\"\")\""},
        {" =1+1", " =1+1"}, // kept as it is: a space starts no formula
        {"1-2", "1-2"},
        {"", ""},
        {QString("a") + QChar(0) + "b", QString("a") + QChar(QChar::ReplacementCharacter) + "b"},
    };
    for (const auto &[value, written] : cells)
        EXPECT_EQ(arc::CsvText::field(value), written) << value.toStdString();
}

class RegisterExportOnEngine : public OpenedSourceTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(OpenedSourceTest::SetUp());
        // Two lines, block 13; one line, block 14 and issued, its day written
        // by another program with a time; neither date nor line.
        arc::CertificateEntries e;
        e.tracking = "000001";
        e.block13eDate = "01/Dec/2026";
        e.block13dName = "Ann";
        e.block14dName = "Bob";
        e.organ1 = QString::fromUtf8("Müller, \"Aero\"\nStreet 1");
        e.invoice = "WO-7";
        e.block13cNumber = "AB1C234D";
        e.block14cNumber = "not in use";
        e.remarks = "Inspected.\r\nReleased.";
        e.lines[0] = {"1", "", "P-1", "1", "S1", "NEW", {}};
        e.lines[1] = {"2", "", "P-2", "3", "", "REPAIRED", {}};
        savedAsNew(data, e);
        e.tracking = "000002";
        e.block13eDate.clear();
        e.organ1 = "Skyparts";
        e.invoice.clear();
        e.remarks.clear();
        e.block14cNumber = "UK.145.0001";
        e.form = "EASA Form 1 (maintenance)";
        e.lines[0] = {"1", "", "V-9", "", "", "REPAIRED", {}};
        e.lines[1] = {};
        const qint64 b = savedAsNew(data, e);
        ASSERT_TRUE(data.certificates()
                        .exec("UPDATE \"Header\" SET \"Date23\" = ? WHERE \"FormIndex\" = ?", {"2026-12-10 09:30:00", b})
                        .ok());
        for (const char *at : {"2026-12-11T08:00:00Z", "2026-12-10T10:00:00Z"})
            ASSERT_TRUE(data.certificates()
                            .exec("INSERT INTO \"IssueLog\" (\"FormIndex\", \"IssuedAt\", \"PdfFile\", \"PdfSha256\") "
                                  "VALUES (?, ?, ?, ?)",
                                  {b, at, QString("000002_%1.pdf").arg(at), QString("hash-%1").arg(at)})
                            .ok());
        e = {};
        e.tracking = "000003";
        savedAsNew(data, e);
    }
    std::vector<QStringList> rows(QDate from = {}, QDate to = {}) { return registerRows(data.certificates(), from, to); }
};

// Block 5, the approval of the block in use and block 12 (its line breaks
// kept) are columns of their own.
TEST_P(RegisterExportOnEngine, OneRowPerLineWithTheFirstIssueOfIssuedCertificates)
{
    const QString form = "FAA Form 8130-3", muller = QString::fromUtf8("Müller, \"Aero\""),
                  remarks = "Inspected.\r\nReleased.";
    const std::vector<QStringList> expected = {
        {"000001", form, "2026-12-01", "", muller, "WO-7", "1", "", "P-1", "S1", "1", "NEW", "Ann", "AB1C234D", "", "", "", "", remarks},
        {"000001", form, "2026-12-01", "", muller, "WO-7", "2", "", "P-2", "", "3", "REPAIRED", "Ann", "AB1C234D", "", "", "", "", remarks},
        {"000002", "EASA Form 1 (maintenance)", "", "2026-12-10", "Skyparts", "", "1", "", "V-9", "", "", "REPAIRED", "Bob",
         "UK.145.0001", "2026-12-10T10:00:00Z", "000002_2026-12-10T10:00:00Z.pdf", "hash-2026-12-10T10:00:00Z", "", ""},
        {"000003", form, "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", ""},
    };
    EXPECT_EQ(registerColumns({arc::RegisterExport::header()}, {"WO/Contract (5)", "Approval (13c/14c)", "Remarks (12)"}),
              QStringList("WO/Contract (5)|Approval (13c/14c)|Remarks (12)"));
    EXPECT_EQ(rows(), expected);
    // Bounds are inclusive and leave out certificates without a day.
    EXPECT_EQ(rows(QDate(2026, 12, 10)), std::vector<QStringList>(expected.begin() + 2, expected.begin() + 3));
    EXPECT_EQ(rows({}, QDate(2026, 12, 1)), std::vector<QStringList>(expected.begin(), expected.begin() + 2));
    EXPECT_EQ(rows(QDate(2026, 12, 2), QDate(2026, 12, 9)), std::vector<QStringList>{});

    // The command writes the same register, marked as UTF-8.
    const QString file = folder() + "register.csv";
    const ProgramRun wrote = ProgramRun::of(test_paths::program("arc8130-export"), {source(), file, "--from", "10/Dec/2026", "--to", "31/Dec/2026"});
    EXPECT_EQ(wrote.exit, 0) << wrote.said.toStdString();
    EXPECT_EQ(wrote.errors, "") << "no progress line when standard error is no terminal: the count goes to standard output";
    EXPECT_EQ(wrote.said, "1 certificate, 1 line written to " + file + "\n");
    EXPECT_EQ(readFile(file), arc::RegisterExport::csv({expected[2]}));
    const ProgramRun all = ProgramRun::of(test_paths::program("arc8130-export"), {source(), file, "--force"});
    EXPECT_EQ(all.said, "3 certificates, 3 lines written to " + file + "\n") << "a certificate without lines has none";
    EXPECT_TRUE(readFile(file).contains(",\"Inspected.\r\nReleased.\"\r\n"));

    // Stopped even after the last row, the file stays as it was, or absent.
    const arc::Progress stopAtTheEnd([](const QString &, qint64 done, qint64 total) { return done == 0 || done < total; });
    const QString absent = folder() + "absent.csv";
    for (const QString &path : {file, absent}) {
        const arc::DbStatus s = arc::RegisterExport::write(data.certificates(), {}, path, nullptr, stopAtTheEnd,
                                                           arc::RegisterExport::Existing::Replace);
        EXPECT_TRUE(s.is(arc::DbCondition::Cancelled)) << path.toStdString();
    }
    EXPECT_EQ(readFile(file), arc::RegisterExport::csv(expected));
    EXPECT_FALSE(QFile::exists(absent));
    EXPECT_EQ(QDir(folder()).entryList({"*.csv*"}, QDir::Files), QStringList{"register.csv"}) << "no leftover";
    EXPECT_EQ(ProgramRun::of(test_paths::program("arc8130-export"), {source(), file, "--from", "yesterday"}).exit, 2);
    EXPECT_EQ(ProgramRun::of(test_paths::program("arc8130-export"), {source()}).exit, 2);
}

// Stored values go out as they are, untrimmed, and never as formulas.
TEST_P(RegisterExportOnEngine, StoredValuesAreWrittenUntrimmedAndAsText)
{
    arc::CertificateEntries e;
    e.tracking = "000004";
    e.block13eDate = "02/Dec/2026";
    e.lines[0] = {"1", "=cmd|' /C calc'!A0", " =1+1", "1", "@A1", "NEW", {}};
    savedAsNew(data, e);
    const std::vector<QStringList> out = rows(QDate(2026, 12, 2), QDate(2026, 12, 2));
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(registerColumns(out, {"Description", "Part No.", "Serial No."}),
              QStringList("=cmd|' /C calc'!A0| =1+1|@A1"));
    EXPECT_TRUE(arc::RegisterExport::csv(out).contains(",'=cmd|' /C calc'!A0, =1+1,'@A1,"));
}

// The period is read through the signature dates' indexes; the day that
// places a certificate is still 13e's, 14e's only without it.
TEST_P(RegisterExportOnEngine, ACertificateWithA13eDateIsPlacedByItWhatever14eSays)
{
    arc::CertificateEntries e;
    e.tracking = "000005";
    e.block13eDate = "30/Nov/2026";
    e.lines[0] = {"1", "", "P-5", "1", "", "NEW", {}};
    const qint64 key = savedAsNew(data, e);
    ASSERT_TRUE(data.certificates().exec("UPDATE \"Header\" SET \"Date23\" = '2026-12-05' WHERE \"FormIndex\" = ?", {key}).ok());
    EXPECT_EQ(rows(QDate(2026, 12, 2), QDate(2026, 12, 9)), std::vector<QStringList>{});
    EXPECT_EQ(registerColumns(rows(QDate(2026, 11, 30), QDate(2026, 11, 30)), {"Part No."}), QStringList{"P-5"});
    EXPECT_EQ(registerColumns(rows({}, QDate(2026, 11, 30)), {"Part No."}), QStringList{"P-5"});
}

ARC_ON_BOTH_ENGINES(RegisterExportOnEngine);

// The register goes anywhere but over the data source itself: its data
// and set-up files, by any name, and its folders of keys and issued pages
// are refused with the reason, --force or not, and left as they were.
class RegisterExportTarget : public OpenedFolderTest {
protected:
    ProgramRun exported(const QString &file, bool force = true)
    {
        return ProgramRun::of(test_paths::program("arc8130-export"), force ? QStringList{"--force", folder(), file} : QStringList{folder(), file});
    }
};

TEST_F(RegisterExportTarget, NeverWritesOverTheDataSourcesOwnFiles)
{
    const ProgramRun blocking = exported(folder() + "Keys");
    EXPECT_EQ(blocking.exit, 1) << "a file where the keys folder is to be made";
    EXPECT_FALSE(QFile::exists(folder() + "Keys"));

    const QString keys = folder() + "Keys/", issued = folder() + "Issued/", elsewhere = folder() + "elsewhere/";
    ASSERT_TRUE(QDir().mkpath(keys) && QDir().mkpath(issued) && QDir().mkpath(elsewhere));
    for (const QString &path : {keys + "authority.pem", issued + "000001_page.pdf", folder() + "setupARC.mdb"})
        ASSERT_NO_FATAL_FAILURE(writeFile(path, "kept"));
    ASSERT_TRUE(QFile::link(folder() + "VELLORAN.MDB", elsewhere + "link.csv"));
    ASSERT_EQ(::link(QFile::encodeName(folder() + "VELLORANA.MDB"), QFile::encodeName(elsewhere + "hard.csv")), 0);
    ASSERT_TRUE(QFile::link(keys, elsewhere + "keys"));
    ASSERT_TRUE(QFile::link(keys + "new.pem", elsewhere + "dangling.csv"));
    data.close();

    const QStringList refused = {folder() + "VELLORAN.MDB", folder() + "VELLORANA.MDB", folder() + "setupARC.mdb",
                                 keys + "authority.pem", keys + "new.csv", issued + "000001_page.pdf",
                                 issued + "register.csv", elsewhere + "link.csv", elsewhere + "hard.csv",
                                 elsewhere + "keys/authority.pem", elsewhere + "keys/new.csv", elsewhere + "dangling.csv",
                                 folder() + "./Keys/../VELLORAN.MDB"};
    const auto files = [&] {
        std::map<QString, QByteArray> all;
        for (const QString &dir : {folder(), keys, issued})
            for (const QString &name : QDir(dir).entryList(QDir::Files | QDir::Hidden))
                all[dir + name] = readFile(dir + name);
        return all;
    };
    const std::map<QString, QByteArray> before = files();
    for (const QString &target : refused) {
        const ProgramRun run = exported(target);
        EXPECT_EQ(run.exit, 1) << target.toStdString() << ": " << run.said.toStdString();
        EXPECT_TRUE(run.errors.contains("is not written: it ")) << run.errors.toStdString();
    }
    EXPECT_TRUE(files() == before) << "a file added or changed";
    arc::DataFolder reopened;
    EXPECT_TRUE(reopened.open(folder()).ok());
    reopened.close();

    // A new file anywhere else, the data folder included, is written; an
    // existing one is replaced only with --force, before or after the rest.
    const QString mine = folder() + "register.csv";
    EXPECT_EQ(exported(mine, false).exit, 0);
    const QByteArray written = readFile(mine);
    QFile(mine).resize(0);
    const ProgramRun kept = exported(mine, false);
    EXPECT_EQ(kept.exit, 1);
    EXPECT_TRUE(kept.errors.contains("exists already; --force replaces it")) << kept.errors.toStdString();
    EXPECT_EQ(readFile(mine), "");
    EXPECT_EQ(ProgramRun::of(test_paths::program("arc8130-export"), {folder(), mine, "--force"}).exit, 0);
    EXPECT_EQ(readFile(mine), written);
}

// What the command is given is named, never the server's password, and
// quoted no longer than a line; a period that ends before it begins is a
// mistake, not an empty register.
TEST(RegisterExportCommand, RefusalsNameWhatWasGivenBriefly)
{
    const ProgramRun server =
        ProgramRun::of(test_paths::program("arc8130-export"), {"postgresql://arc:s3cret-Pw@/arc8130?host=/nonexistent/socket", "out.csv"});
    EXPECT_EQ(server.exit, 1);
    EXPECT_TRUE(server.said.contains("postgresql://arc@")) << server.said.toStdString();
    EXPECT_FALSE(server.said.contains("s3cret-Pw")) << server.said.toStdString();

    const ProgramRun date = ProgramRun::of(test_paths::program("arc8130-export"), {"data", "out.csv", "--from", QString(100000, 'x')});
    EXPECT_EQ(date.exit, 2);
    EXPECT_TRUE(date.errors.contains(QByteArray(80, 'x'))) << date.errors.size();
    EXPECT_LT(date.errors.size(), 200);

    const ProgramRun backwards =
        ProgramRun::of(test_paths::program("arc8130-export"), {"data", "out.csv", "--from", "02/Dec/2026", "--to", "01/Dec/2026"});
    EXPECT_EQ(backwards.exit, 2);
    EXPECT_TRUE(backwards.errors.contains("--from 02/Dec/2026 is later than --to 01/Dec/2026")) << backwards.errors.toStdString();
}

} // namespace
