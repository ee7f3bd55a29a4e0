#include "CertificateStore.h"
#include "DataFolder.h"
#include "Database.h"
#include "KilledChild.h"
#include "LegacyConverter.h"
#include "LegacyFolder.h"
#include "MdbCsvParser.h"
#include "MdbExport.h"
#include "Passwords.h"
#include "ProgramRun.h"
#include "Statements.h"
#include "TempFolder.h"

#include <QDir>
#include <QScopeGuard>
#include <QSqlError>
#include <QSqlQuery>
#include <functional>
#include "TestPaths.h"

using namespace arc;

class LegacyConverterTest : public TempFolderTest {
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        ASSERT_NO_FATAL_FAILURE(copyLegacyFolder(folder()));
    }

    // What mdbtools itself reads, through its own SQL: the conversion's yardstick.
    void loadYardstick(const QString &access, Database &scratch)
    {
        const QString schema = ProgramRun::of("mdb-schema", {access, "sqlite"}).said;
        for (const QString &sql : schema.split(';')) {
            if (sql.contains("CREATE TABLE")) {
                ASSERT_TRUE(scratch.exec(sql.mid(sql.indexOf("CREATE TABLE"))).ok()) << sql.toStdString();
            }
        }
        for (const QString &table : ProgramRun::of("mdb-tables", {"-1", access}).said.split('\n', Qt::SkipEmptyParts)) {
            const QString inserts = ProgramRun::of("mdb-export", {"-I", "sqlite", access, table}).said;
            QSqlQuery q(scratch.connection());
            for (const QString &sql : inserts.split(";\n", Qt::SkipEmptyParts))
                ASSERT_TRUE(q.exec(sql)) << q.lastError().text().toStdString();
        }
    }

    QString fixture(const QString &name) const { return test_paths::source("tests/fixtures/legacy-data/") + name; }
};

// Nulls, single blanks, CR LF, quotes, non-ASCII letters, dates, flags and
// keys as they were; passwords only as their hashes; a second run does nothing.
TEST_F(LegacyConverterTest, EveryTableComesOverFieldByField)
{
    const ConversionReport report = LegacyConverter::convert(folder());
    ASSERT_EQ(report.outcome, ConversionReport::Outcome::Converted) << report.lines.join('\n').toStdString();
    int fieldsCompared = 0;
    for (const auto &[name, kind] : {std::pair{"VELLORAN.MDB", StoreKind::Certificates}, {"VELLORANA.MDB", StoreKind::Reference}}) {
        EXPECT_EQ(readFile(folder() + "access-originals/" + name), readFile(fixture(name))) << name;
        Database scratch;
        ASSERT_TRUE(scratch.open(file(QString("yardstick-") + name), StoreKind::Setup, Database::Mode::CreateIfMissing).ok());
        loadYardstick(fixture(name), scratch);
        Database converted;
        ASSERT_TRUE(converted.open(folder() + name, kind).ok()) << name;
        for (const TableDef &def : Schema::tables(kind)) {
            if (Schema::isAddition(def.name))
                continue; // the earlier program had no such table
            QSqlQuery want(scratch.connection()), got(converted.connection());
            ASSERT_TRUE(want.exec(QString("SELECT * FROM \"%1\" ORDER BY rowid").arg(def.name)));
            ASSERT_TRUE(got.exec(QString("SELECT * FROM \"%1\" ORDER BY rowid").arg(def.name)));
            int row = 0;
            while (want.next()) {
                ASSERT_TRUE(got.next()) << def.name.toStdString() << " has too few rows";
                for (const FieldDef &f : def.fields) {
                    const QVariant w = want.value(f.name), g = got.value(f.name);
                    const std::string where = (def.name + "." + f.name + " row " + QString::number(row)).toStdString();
                    ASSERT_EQ(w.isNull(), g.isNull()) << where;
                    if (w.isNull())
                        continue;
                    if (def.name == "Agents" && f.name == "Password")
                        EXPECT_EQ(Passwords::verify(g.toString(), w.toString()), Passwords::Verdict::Right) << where;
                    else if (f.type == FieldType::Date)
                        EXPECT_EQ(g.toString(), w.toString().left(10)) << where;
                    else if (f.type == FieldType::Text)
                        EXPECT_EQ(g.toString(), w.toString()) << where;
                    else
                        EXPECT_EQ(g.toDouble(), w.toDouble()) << where;
                    ++fieldsCompared;
                }
                ++row;
            }
            EXPECT_FALSE(got.next()) << def.name.toStdString() << " has too many rows";
        }
    }
    EXPECT_GT(fieldsCompared, 5000);

    // The earlier program had its block 12 texts built in.
    Database reference;
    ASSERT_TRUE(reference.open(folder() + "VELLORANA.MDB", StoreKind::Reference).ok());
    QList<Statement> statements;
    ASSERT_TRUE(Statements::read(reference, statements).ok());
    EXPECT_TRUE(statements == QList<Statement>(Statements::defaults().begin(), Statements::defaults().end()));

    // New certificates go on after the highest key brought over.
    Database certificates;
    ASSERT_TRUE(certificates.open(folder() + "VELLORAN.MDB", StoreKind::Certificates).ok());
    // The search copies are folded already: the first search waits for none.
    EXPECT_EQ(certificates.scalar("SELECT (SELECT count(*) FROM HeaderFold WHERE Fresh IS NULL) + "
                                  "(SELECT count(*) FROM DetailFold WHERE Fresh IS NULL)")
                  .toInt(),
              0);
    const qint64 highest = certificates.scalar("SELECT max(FormIndex) FROM Header").toLongLong();
    ASSERT_TRUE(certificates.exec("INSERT INTO Header (Tracking) VALUES ('next')").ok());
    EXPECT_EQ(certificates.scalar("SELECT FormIndex FROM Header WHERE Tracking = 'next'").toLongLong(), highest + 1);
    EXPECT_EQ(certificates.scalar("SELECT count(*) FROM Detail WHERE FormIndex IS NULL").toInt(), 1);

    const ConversionReport again = LegacyConverter::convert(folder());
    EXPECT_EQ(again.outcome, ConversionReport::Outcome::NothingToConvert);
}

// What the Access files hold beyond the fixture, through stand-ins for
// mdbtools: a text too long for its field has the table made anew, wider;
// a certificate of more lines than the grid shows comes over and opens
// whole. The first opening must have nothing to redo.
TEST_F(LegacyConverterTest, WhatTheFilesHoldBeyondTheFixtureComesOverWhole)
{
    const struct {
        const char *name;
        const char *exportScript, *countScript; // after "#!/bin/sh"
        std::function<void(const ConversionReport &, DataFolder &)> check;
    } cases[] = {
        {"a tracking number longer than its field",
         "/usr/bin/mdb-export \"$@\" | sed 's/,\"000001\",/,\"000001-longer-than-its-field\",/'",
         "exec /usr/bin/mdb-count \"$@\"",
         [](const ConversionReport &report, DataFolder &data) {
             EXPECT_TRUE(report.lines.join('\n').contains("Header.Tracking widened")) << report.lines.join('\n').toStdString();
             EXPECT_EQ(data.certificates().scalar("SELECT count(*) FROM HeaderFold WHERE Tracking = "
                                                  "'000001-longer-than-its-field'").toInt(), 1);
         }},
        {"a certificate of fourteen lines",
         "/usr/bin/mdb-export \"$@\" || exit 1\n"
         "if [ \"$6\" = Detail ]; then for n in 11 12 13 14; do "
         "echo \"31,\\\"$n\\\",\\\"PART $n\\\",\\\"PN-$n\\\",\\\"1\\\",\\\"SN-$n\\\",\\\"NEW\\\"\"; done; fi",
         "n=$(/usr/bin/mdb-count \"$@\") || exit 1\n[ \"$2\" != Detail ] || n=$((n + 4))\necho \"$n\"",
         [](const ConversionReport &, DataFolder &data) {
             ItemSlots lines;
             ASSERT_TRUE(CertificateStore(data).loadLines(31, lines).ok());
             ASSERT_EQ(lines.size(), 14u);
             EXPECT_FALSE(lines[9].isEmptyLine()) << "the ten it had come first";
             for (int n = 11; n <= 14; ++n)
                 EXPECT_EQ(lines[std::size_t(n - 1)].serialNum, QString("SN-%1").arg(n));
         }},
    };
    int run = 0;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString here = file(QString("run%1").arg(++run)) + "/";
        ASSERT_TRUE(QDir().mkpath(here));
        ASSERT_NO_FATAL_FAILURE(copyLegacyFolder(here));
        const QString programs = here + "programs/";
        writeFile(programs + "mdb-tables", "#!/bin/sh\nexec /usr/bin/mdb-tables \"$@\"\n");
        writeFile(programs + "mdb-export", QByteArray("#!/bin/sh\n") + c.exportScript + "\n");
        writeFile(programs + "mdb-count", QByteArray("#!/bin/sh\n") + c.countScript + "\n");
        for (const char *program : {"mdb-tables", "mdb-count", "mdb-export"})
            QFile::setPermissions(programs + program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        MdbExport::setProgramFolder(programs);
        const auto restore = qScopeGuard([] { MdbExport::setProgramFolder({}); });

        const ConversionReport report = LegacyConverter::convert(here);
        ASSERT_EQ(report.outcome, ConversionReport::Outcome::Converted) << report.lines.join('\n').toStdString();
        const auto objects = [](Database &db) {
            QStringList names;
            QSqlQuery q(db.connection());
            q.exec("SELECT type || ' ' || name FROM sqlite_master WHERE type IN ('index', 'trigger') ORDER BY 1");
            while (q.next())
                names << q.value(0).toString();
            return names;
        };
        {
            Database fresh, converted;
            ASSERT_TRUE(fresh.open(here + "new.db", StoreKind::Certificates, Database::Mode::CreateIfMissing).ok());
            // Read only: an opening for writing would make what is missing.
            ASSERT_TRUE(converted.open(here + "VELLORAN.MDB", StoreKind::Certificates, Database::Mode::ReadOnly).ok());
            EXPECT_EQ(objects(converted), objects(fresh));
            EXPECT_EQ(converted.scalar("SELECT count(*) FROM HeaderFold WHERE Fresh = 1").toInt(), 300);
            EXPECT_EQ(converted.scalar("SELECT count(*) FROM DetailFold WHERE Fresh = 1").toInt(),
                      converted.scalar("SELECT count(*) FROM Detail").toInt());
        }
        DataFolder data;
        ASSERT_TRUE(data.open(here).ok());
        c.check(report, data);
    }
}

// The folder is never taken for a new one; the next run converts afresh
// (killed before the point of no return) or finishes the move.
TEST_F(LegacyConverterTest, AConversionKilledAtAnyStepIsFinishedByTheNextRun)
{
    ASSERT_TRUE(QDir().mkpath(folder() + "whole/"));
    ASSERT_NO_FATAL_FAILURE(copyLegacyFolder(folder() + "whole/"));
    const QString whole = ProgramRun::of(test_paths::program("arc_test_child"), {"convert-steps", folder() + "whole", "0"}).said;
    const int done = whole.indexOf("done ");
    ASSERT_GE(done, 0) << whole.toStdString();
    const int steps = whole.mid(done + 5).trimmed().toInt();
    ASSERT_GE(steps, 14) << whole.toStdString();

    // In the middle of writing the certificates file, then each step from
    // the last file written to the end.
    QList<int> stops{2};
    for (int stop = steps - 5; stop <= steps; ++stop)
        stops << stop;
    for (int stop : stops) {
        const QString at = QStringLiteral("%1stop%2/").arg(folder()).arg(stop);
        ASSERT_TRUE(QDir().mkpath(at));
        ASSERT_NO_FATAL_FAILURE(copyLegacyFolder(at));
        const KilledChild killed = KilledChild::run(test_paths::program("arc_test_child"), {"convert-steps", at, QString::number(stop)}, stop + 1, 0);
        ASSERT_TRUE(killed.killedWhileRunning) << "step " << stop;
        EXPECT_FALSE(DataFolder::isUnstarted(at)) << "step " << stop;

        const ProgramRun again = ProgramRun::of(test_paths::program("arc8130-import"), {at});
        EXPECT_EQ(again.exit, 0) << "step " << stop << ": " << again.said.toStdString();
        EXPECT_FALSE(again.said.contains("nothing to convert")) << "step " << stop;
        EXPECT_EQ(QDir(at).entryList(QDir::Files), (QStringList{"VELLORAN.MDB", "VELLORANA.MDB"})) << "step " << stop;
        for (const char *name : {"VELLORAN.MDB", "VELLORANA.MDB"})
            EXPECT_EQ(readFile(at + "access-originals/" + name), readFile(fixture(name))) << "step " << stop;
        DataFolder converted;
        ASSERT_TRUE(converted.open(at).ok()) << "step " << stop;
        EXPECT_EQ(converted.certificates().scalar("SELECT count(*) FROM Header").toInt(), 300) << "step " << stop;
        EXPECT_EQ(converted.reference().scalar("SELECT count(*) FROM Agents").toInt(), 5) << "step " << stop;
    }
}

// Once files are being moved, the conversion ends whatever is asked.
TEST_F(LegacyConverterTest, AStopBeforeTheFilesMoveLeavesTheFolderAsItWas)
{
    const QStringList before = QDir(folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    QStringList steps;
    const QString copies = "Preparing the search copies in VELLORAN.MDB";
    // Stopped at a table of the second file, or half-way through the first file's search copies.
    for (const QString &stopAt : {QString("VELLORANA.MDB: "), copies + " 1/3"}) {
        steps.clear();
        const ConversionReport stopped = LegacyConverter::convert(folder(), Progress([&](const QString &step, qint64 done, qint64 total) {
            steps << QString("%1 %2/%3").arg(step).arg(done).arg(total);
            return !steps.last().startsWith(stopAt);
        }));
        EXPECT_EQ(stopped.status.condition(), DbCondition::Cancelled) << stopped.lines.join('\n').toStdString();
        EXPECT_EQ(QDir(folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
        for (const char *name : {"VELLORAN.MDB", "VELLORANA.MDB"})
            EXPECT_EQ(readFile(folder() + name), readFile(fixture(name))) << name;
    }
    EXPECT_TRUE(steps.contains("VELLORAN.MDB: 300 rows in Header 300/300")) << steps.join('\n').toStdString();
    EXPECT_TRUE(steps.join(',').contains(copies + " 0/3," + copies + " 1/3")) << "the copies are told part by part";

    const ConversionReport carriedOn =
        LegacyConverter::convert(folder(), Progress([](const QString &step, qint64, qint64) { return !step.contains("moved"); }));
    EXPECT_EQ(carriedOn.outcome, ConversionReport::Outcome::Converted) << carriedOn.lines.join('\n').toStdString();
}

// The reader skips what it cannot make sense of without an error, so the
// rows are held against the count the file keeps.
struct Damage {
    const char *name;
    const char *file;
    int page;        // a 4096-byte page of the fixture overwritten with zeros; -1: cut to a third
    const char *why; // what the report must say
};
void PrintTo(const Damage &d, std::ostream *os) { *os << d.name; }

class DamagedAccessFile : public LegacyConverterTest, public testing::WithParamInterface<Damage> {};

TEST_P(DamagedAccessFile, IsRefusedAndTheFolderLeftExactlyAsItWas)
{
    const Damage &d = GetParam();
    QByteArray bytes = readFile(folder() + d.file);
    if (d.page < 0)
        bytes.truncate(bytes.size() / 3);
    else
        bytes.replace(d.page * 4096, 4096, QByteArray(4096, '\0'));
    writeFile(folder() + d.file, bytes);
    const QStringList before = QDir(folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    const ConversionReport report = LegacyConverter::convert(folder());
    const QString said = report.lines.join('\n');
    EXPECT_EQ(report.outcome, ConversionReport::Outcome::Failed) << said.toStdString();
    EXPECT_TRUE(said.contains("Nothing in")) << said.toStdString();
    EXPECT_TRUE(said.contains(d.why)) << said.toStdString();
    EXPECT_EQ(QDir(folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    for (const char *name : {"VELLORAN.MDB", "VELLORANA.MDB"})
        EXPECT_EQ(readFile(folder() + name), QString(name) == d.file ? bytes : readFile(fixture(name))) << name;
}

// Pages of the fixture: its catalogue, table definitions and data pages.
INSTANTIATE_TEST_SUITE_P(
    Fixture, DamagedAccessFile,
    testing::Values(Damage{"cut_short", "VELLORANA.MDB", -1, "VELLORANA.MDB"},
                    Damage{"catalogue_lost", "VELLORANA.MDB", 6, "has no table PartNumbers"},
                    Damage{"table_definition_lost", "VELLORANA.MDB", 24, "table PartNumbers"},
                    Damage{"signatory_rows_lost", "VELLORANA.MDB", 35, "table Agents: 0 rows could be read of the 5"},
                    Damage{"certificate_page_lost", "VELLORAN.MDB", 30, "table Header: 280 rows could be read of the 300"},
                    Damage{"line_page_lost", "VELLORAN.MDB", 32, "table Detail"},
                    Damage{"defaults_lost", "VELLORAN.MDB", 94, "table Defaults: 0 rows could be read of the 2"}),
    [](const testing::TestParamInfo<Damage> &i) { return std::string(i.param.name); });

// Read as mdb-export writes it, a piece at a time, the text gives the
// table it gives whole, wherever the pieces break: inside a quoted text,
// between the two quotes of a doubled one, or just before a closing one.
TEST(MdbExport, TextReadInPiecesGivesTheTableReadWhole)
{
    const QByteArray csv = "A,B,C\n1,\"x \"\"q\"\"\r\ny\",\n,\"\",\" \"\n\"\"\"\",b,\"c\"\"\"\n\"end\",,\"\"";
    const auto whole = MdbExport::parse(csv);
    ASSERT_TRUE(whole);
    ASSERT_EQ(whole->rowCount(), 4);
    EXPECT_EQ(whole->value(2, 0).toString(), "\"");
    EXPECT_EQ(whole->value(2, 2).toString(), "c\"");
    const auto same = [&](const std::optional<MdbTable> &t) {
        if (!t || t->columns != whole->columns || t->rowCount() != whole->rowCount())
            return false;
        for (qsizetype r = 0; r < t->rowCount(); ++r)
            for (int c = 0; c < t->columns.size(); ++c)
                if (t->value(r, c) != whole->value(r, c) || t->value(r, c).isNull() != whole->value(r, c).isNull())
                    return false;
        return true;
    };
    for (qsizetype cut = 0; cut <= csv.size(); ++cut) {
        MdbCsvParser parser;
        EXPECT_TRUE(parser.feed(QByteArrayView(csv).first(cut)) && parser.feed(QByteArrayView(csv).sliced(cut)));
        EXPECT_TRUE(same(parser.finish())) << "broken after byte " << cut;
    }
    MdbCsvParser bytes;
    for (const char c : csv)
        bytes.feed(QByteArrayView(&c, 1));
    EXPECT_TRUE(same(bytes.finish()));

    MdbCsvParser cutShort;
    EXPECT_TRUE(cutShort.feed("A,B\n1,\"cut") && cutShort.feed("\"\""));
    EXPECT_FALSE(cutShort.finish());
    MdbCsvParser tooWide;
    EXPECT_FALSE(tooWide.feed("A\n1,2\n"));
    EXPECT_FALSE(tooWide.feed("3\n"));
    EXPECT_FALSE(tooWide.finish());
}

// The server cannot store a NUL character: each column's are counted and
// taken out of its texts, a null left null and an emptied text a text.
TEST(MdbExport, NulCharactersAreTakenOutOfOneColumnAndCounted)
{
    static const char csv[] = "A,B\n\"a\0b\",\"\0\0\"\n,x\0\n";
    auto t = MdbExport::parse(QByteArray(csv, sizeof csv - 1));
    ASSERT_TRUE(t);
    EXPECT_EQ(t->removeNuls(0), 1);
    EXPECT_EQ(t->removeNuls(1), 3);
    EXPECT_EQ(t->value(0, 0).toString(), "ab");
    EXPECT_TRUE(t->value(1, 0).isNull());
    EXPECT_FALSE(t->value(0, 1).isNull());
    EXPECT_EQ(t->value(0, 1).toString(), "");
    EXPECT_EQ(t->value(1, 1).toString(), "x");
    EXPECT_EQ(t->removeNuls(1), 0);
}

// Nulls are empty and unquoted; a text cut short is no table at all.
TEST(MdbExport, ReadsNullsTextsAndLineBreaksAsWritten)
{
    const auto t = MdbExport::parse("A,B,C\n1,\"x \"\"q\"\"\r\ny\",\n,\"\",\" \"\n");
    ASSERT_TRUE(t);
    EXPECT_EQ(t->columns, (QStringList{"A", "B", "C"}));
    ASSERT_EQ(t->rowCount(), 2);
    EXPECT_EQ(t->value(0, 1).toString(), "x \"q\"\r\ny");
    EXPECT_TRUE(t->value(0, 2).isNull());
    EXPECT_TRUE(t->value(1, 0).isNull());
    EXPECT_FALSE(t->value(1, 1).isNull());
    EXPECT_EQ(t->value(1, 2).toString(), " ");
    EXPECT_FALSE(MdbExport::parse("A,B\n1,\"cut"));
    EXPECT_FALSE(MdbExport::parse("A,B\n1,2,3\n"));
}
