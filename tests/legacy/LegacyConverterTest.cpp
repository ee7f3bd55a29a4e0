#include "Database.h"
#include "LegacyConverter.h"
#include "MdbExport.h"
#include "Passwords.h"
#include "TempFolder.h"

#include <QFileInfo>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

using namespace arc;

namespace {

QByteArray mdbtools(const QStringList &args)
{
    QProcess p;
    p.start(args.first(), args.mid(1));
    p.waitForFinished(60000);
    return p.readAllStandardOutput();
}

} // namespace

class LegacyConverterTest : public TempFolderTest {
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        ASSERT_TRUE(MdbExport::available()) << "mdbtools is not installed (./dev.sh installs it)";
        for (const char *name : {"VELLORAN.MDB", "VELLORANA.MDB"}) {
            ASSERT_TRUE(QFile::copy(QStringLiteral(LEGACY_FIXTURE) + name, folder() + name)) << name;
            QFile::setPermissions(folder() + name, QFile::ReadOwner | QFile::WriteOwner);
        }
    }

    // What mdbtools itself reads from an Access file, loaded into a scratch
    // database through its own SQL: the yardstick the conversion is held to.
    void loadYardstick(const QString &access, Database &scratch)
    {
        const QString schema = QString::fromUtf8(mdbtools({"mdb-schema", access, "sqlite"}));
        for (const QString &sql : schema.split(';')) {
            if (sql.contains("CREATE TABLE")) {
                ASSERT_TRUE(scratch.exec(sql.mid(sql.indexOf("CREATE TABLE"))).ok()) << sql.toStdString();
            }
        }
        for (const QString &table : QString::fromUtf8(mdbtools({"mdb-tables", "-1", access})).split('\n', Qt::SkipEmptyParts)) {
            const QString inserts = QString::fromUtf8(mdbtools({"mdb-export", "-I", "sqlite", access, table}));
            QSqlQuery q(scratch.connection());
            for (const QString &sql : inserts.split(";\n", Qt::SkipEmptyParts))
                ASSERT_TRUE(q.exec(sql)) << q.lastError().text().toStdString();
        }
    }

    QString fixture(const QString &name) const { return QStringLiteral(LEGACY_FIXTURE) + name; }
};

// Every row of every table, every field as it was: nulls, single blanks,
// CR LF, quotes, non-ASCII letters, dates, flags, keys; passwords only as
// their hashes; the originals kept byte for byte; a second run does nothing.
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

    // New certificates go on after the highest key brought over.
    Database certificates;
    ASSERT_TRUE(certificates.open(folder() + "VELLORAN.MDB", StoreKind::Certificates).ok());
    const qint64 highest = certificates.scalar("SELECT max(FormIndex) FROM Header").toLongLong();
    ASSERT_TRUE(certificates.exec("INSERT INTO Header (Tracking) VALUES ('next')").ok());
    EXPECT_EQ(certificates.scalar("SELECT FormIndex FROM Header WHERE Tracking = 'next'").toLongLong(), highest + 1);
    EXPECT_EQ(certificates.scalar("SELECT count(*) FROM Detail WHERE FormIndex IS NULL").toInt(), 1);

    const ConversionReport again = LegacyConverter::convert(folder());
    EXPECT_EQ(again.outcome, ConversionReport::Outcome::NothingToConvert);
}

// A damaged Access file: nothing in the folder changes, and the report
// says why.
TEST_F(LegacyConverterTest, ADamagedFileLeavesTheFolderExactlyAsItWas)
{
    QByteArray bytes = readFile(folder() + "VELLORANA.MDB");
    bytes.truncate(bytes.size() / 3);
    writeFile(folder() + "VELLORANA.MDB", bytes);
    const QStringList before = QDir(folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    const ConversionReport report = LegacyConverter::convert(folder());
    EXPECT_EQ(report.outcome, ConversionReport::Outcome::Failed);
    EXPECT_TRUE(report.lines.join('\n').contains("Nothing in")) << report.lines.join('\n').toStdString();
    EXPECT_EQ(QDir(folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    EXPECT_EQ(readFile(folder() + "VELLORANA.MDB"), bytes);
    EXPECT_EQ(readFile(folder() + "VELLORAN.MDB"), readFile(fixture("VELLORAN.MDB")));
}

// mdb-export's CSV: nulls are empty and unquoted, texts quoted with their
// quotes doubled, line breaks kept inside texts; a text cut short is no
// table at all.
TEST(MdbExport, ReadsNullsTextsAndLineBreaksAsWritten)
{
    const auto t = MdbExport::parse("A,B,C\n1,\"x \"\"q\"\"\r\ny\",\n,\"\",\" \"\n");
    ASSERT_TRUE(t);
    EXPECT_EQ(t->columns, (QStringList{"A", "B", "C"}));
    ASSERT_EQ(t->rows.size(), 2);
    EXPECT_EQ(t->rows[0][1].toString(), "x \"q\"\r\ny");
    EXPECT_TRUE(t->rows[0][2].isNull());
    EXPECT_TRUE(t->rows[1][0].isNull());
    EXPECT_FALSE(t->rows[1][1].isNull());
    EXPECT_EQ(t->rows[1][2].toString(), " ");
    EXPECT_FALSE(MdbExport::parse("A,B\n1,\"cut"));
    EXPECT_FALSE(MdbExport::parse("A,B\n1,2,3\n"));
}
