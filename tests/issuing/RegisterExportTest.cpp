#include "CsvText.h"
#include "OpenedSource.h"
#include "PrintTo.h"
#include "ProgramRun.h"
#include "RegisterExport.h"
#include "SignedEntries.h"

#include <QDir>
#include <QFile>

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
        e.lines[0] = {"1", "", "P-1", "1", "S1", "NEW", {}};
        e.lines[1] = {"2", "", "P-2", "3", "", "REPAIRED", {}};
        savedAsNew(data, e);
        e.tracking = "000002";
        e.block13eDate.clear();
        e.organ1 = "Skyparts";
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
    std::vector<QStringList> rows(QDate from = {}, QDate to = {})
    {
        std::vector<QStringList> out;
        const arc::DbStatus s = arc::RegisterExport::rows(data.certificates(), {from, to}, out);
        EXPECT_TRUE(s.ok()) << s.detail().toStdString();
        return out;
    }
};

TEST_P(RegisterExportOnEngine, OneRowPerLineWithTheFirstIssueOfIssuedCertificates)
{
    const QString form = "FAA Form 8130-3";
    const std::vector<QStringList> expected = {
        {"000001", form, "2026-12-01", "", QString::fromUtf8("Müller, \"Aero\""), "1", "", "P-1", "S1", "1", "NEW", "Ann", "", "", "", ""},
        {"000001", form, "2026-12-01", "", QString::fromUtf8("Müller, \"Aero\""), "2", "", "P-2", "", "3", "REPAIRED", "Ann", "", "", "", ""},
        {"000002", "EASA Form 1 (maintenance)", "", "2026-12-10", "Skyparts", "1", "", "V-9", "", "", "REPAIRED", "Bob",
         "2026-12-10T10:00:00Z", "000002_2026-12-10T10:00:00Z.pdf", "hash-2026-12-10T10:00:00Z", ""},
        {"000003", form, "", "", "", "", "", "", "", "", "", "", "", "", "", ""},
    };
    EXPECT_EQ(rows(), expected);
    // Bounds are inclusive and leave out certificates without a day.
    EXPECT_EQ(rows(QDate(2026, 12, 10)), std::vector<QStringList>(expected.begin() + 2, expected.begin() + 3));
    EXPECT_EQ(rows({}, QDate(2026, 12, 1)), std::vector<QStringList>(expected.begin(), expected.begin() + 2));
    EXPECT_EQ(rows(QDate(2026, 12, 2), QDate(2026, 12, 9)), std::vector<QStringList>{});

    // The command writes the same register, marked as UTF-8.
    const QString file = folder() + "register.csv";
    const ProgramRun wrote = ProgramRun::of(EXPORT_EXE, {source(), file, "--from", "10/Dec/2026", "--to", "31/Dec/2026"});
    EXPECT_EQ(wrote.exit, 0) << wrote.said.toStdString();
    EXPECT_EQ(wrote.errors, "") << "no progress line when standard error is no terminal: the count goes to standard output";
    EXPECT_EQ(readFile(file), arc::RegisterExport::csv({expected[2]}));

    // Stopped even after the last row, the file stays as it was, or absent.
    const arc::Progress stopAtTheEnd([](const QString &, qint64 done, qint64 total) { return done == 0 || done < total; });
    const QString absent = folder() + "absent.csv";
    for (const QString &path : {file, absent}) {
        const arc::DbStatus s = arc::RegisterExport::write(data.certificates(), {}, path, nullptr, stopAtTheEnd);
        EXPECT_TRUE(s.is(arc::DbCondition::Cancelled)) << path.toStdString();
    }
    EXPECT_EQ(readFile(file), arc::RegisterExport::csv({expected[2]}));
    EXPECT_FALSE(QFile::exists(absent));
    EXPECT_EQ(QDir(folder()).entryList({"*.csv*"}, QDir::Files), QStringList{"register.csv"}) << "no leftover";
    EXPECT_EQ(ProgramRun::of(EXPORT_EXE, {source(), file, "--from", "yesterday"}).exit, 2);
    EXPECT_EQ(ProgramRun::of(EXPORT_EXE, {source()}).exit, 2);
}

ARC_ON_BOTH_ENGINES(RegisterExportOnEngine);

} // namespace
