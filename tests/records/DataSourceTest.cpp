// The stores on both engines: what one data folder does, a server database
// does the same, with the same tables, fields and value conventions.
#include "CertificateSearch.h"
#include "CertificateStore.h"
#include "DataFolder.h"
#include "ReferenceLists.h"
#include "Schema.h"
#include "StampTexts.h"
#include "Statements.h"
#include "StoredFiles.h"
#include "StoredTracking.h"
#include "OpenedSource.h"
#include "WriteTransaction.h"

#include <QSqlQuery>

using namespace arc;

namespace arc {
void PrintTo(const Statement &s, std::ostream *os) { *os << s.name.toStdString() << ": " << s.text.toStdString(); }
} // namespace arc

namespace {

CertificateEntries entries(const QString &tracking, const QString &partNum, const QString &status = "NEW")
{
    CertificateEntries e;
    e.country = "FAA/United States";
    e.tracking = tracking;
    e.invoice = "";
    e.organ1 = "Müller Valve Works\nHangar 2";
    e.remarks = "Overhauled per CMM 29-10-01";
    e.approvedDesign = true;
    e.block13dName = "John A. Carter";
    e.block13eDate = "05/Dec/2026";
    e.lines[0] = {"1", "VALVE", partNum, "1", "SN-1", status, {}};
    e.lines[1] = {"2", "SEAL", partNum + "-S", "2", "SN-2", status, {}};
    return e;
}

} // namespace

using StoreOnEngine = OpenedSourceTest;
ARC_ON_BOTH_ENGINES(StoreOnEngine);

TEST_P(StoreOnEngine, FirstOpenMakesTheTablesOnceWithTheStartingDefaultsRowAndItsVersion)
{
    EXPECT_EQ(data.certificates().engine(), GetParam());
    EXPECT_EQ(data.certificates().scalar("SELECT \"Country\" FROM \"Defaults\"").toString(), "FAA/United States");
    EXPECT_EQ(data.certificates().scalar(SqlDialect::userVersionQuery(GetParam(), StoreKind::Certificates)).toInt(),
              Schema::version);
    EXPECT_EQ(data.reference().scalar(SqlDialect::userVersionQuery(GetParam(), StoreKind::Reference)).toInt(),
              Schema::version);
    // Opened again: nothing is made twice.
    DataFolder again;
    ASSERT_TRUE(again.open(source()).ok());
    EXPECT_EQ(again.certificates().scalar("SELECT count(*) FROM \"Defaults\"").toInt(), 1);
}

// Every field the stores are defined with is made on both engines, takes a
// value as long as its limit and reads it back as the program reads it.
TEST_P(StoreOnEngine, EveryDefinedFieldRoundTripsAtItsFullLength)
{
    for (const StoreKind kind : {StoreKind::Certificates, StoreKind::Reference}) {
        Database &db = kind == StoreKind::Certificates ? data.certificates() : data.reference();
        for (const TableDef &table : Schema::tables(kind)) {
            QStringList names, marks;
            QVariantList values;
            for (const FieldDef &f : table.fields) {
                QVariant v;
                switch (f.type) {
                case FieldType::Counter: continue;
                case FieldType::Long:
                case FieldType::Number: v = qint64(values.size() + 7); break;
                case FieldType::YesNo: v = 1; break; // as the program stores a ticked box
                case FieldType::Date: v = QDate(2026, 12, 5); break;
                case FieldType::Blob: v = QByteArray("B\0\xff", 3); break;
                case FieldType::Text: v = (f.name + QString(f.maxLength, QChar(0xfc))).left(f.maxLength); break;
                }
                names << "\"" + f.name + "\"";
                marks << "?";
                values << (f.type == FieldType::Date ? QVariant(v.toDate().toString(Qt::ISODate)) : v);
            }
            ASSERT_TRUE(db.exec("DELETE FROM \"" + table.name + "\"").ok()) << table.name.toStdString();
            const DbStatus wrote = db.exec(QString("INSERT INTO \"%1\" (%2) VALUES (%3)")
                                               .arg(table.name, names.join(", "), marks.join(", ")),
                                           values);
            ASSERT_TRUE(wrote.ok()) << table.name.toStdString() << ": " << wrote.detail().toStdString();
            DataView view(db, table.name);
            ASSERT_TRUE(view.refresh().ok());
            ASSERT_TRUE(view.moveFirst().ok());
            int i = 0;
            for (const FieldDef &f : table.fields) {
                if (f.type == FieldType::Counter)
                    continue;
                const QVariant back = view.value(f.name), want = values[i++];
                const std::string where = (table.name + "." + f.name).toStdString();
                switch (f.type) {
                case FieldType::YesNo: EXPECT_TRUE(back.toBool()) << where; break;
                case FieldType::Date: EXPECT_EQ(back.toDate(), QDate(2026, 12, 5)) << where; break;
                case FieldType::Blob: EXPECT_EQ(back.toByteArray(), want.toByteArray()) << where; break;
                case FieldType::Text: EXPECT_EQ(back.toString(), want.toString()) << where; break;
                default: EXPECT_EQ(back.toLongLong(), want.toLongLong()) << where;
                }
            }
        }
    }
}

// Blanks, line breaks, non-ASCII text, dates and Yes/No flags come back as
// they were written, and an update stays on its key.
TEST_P(StoreOnEngine, CertificatesRoundTripWithTheirLinesAndValueConventions)
{
    CertificateStore store(data);
    qint64 key = 0;
    ASSERT_TRUE(store.save(entries("000042", "PN-100"), true, key).ok());
    ASSERT_GT(key, 0);

    CertificateEntries changed = entries("000042", "PN-200", "REPAIRED");
    changed.lines[1] = {};
    qint64 same = key;
    ASSERT_TRUE(store.save(changed, false, same).ok());
    EXPECT_EQ(same, key);

    ASSERT_TRUE(data.header().moveFirst().ok());
    const CertificateHeader h = store.currentHeader();
    EXPECT_EQ(h.formIndex, key);
    EXPECT_EQ(h.invoice, " ") << "a blank box is stored as one blank";
    EXPECT_EQ(h.organ1, "Müller Valve Works\r\nHangar 2");
    EXPECT_TRUE(h.approvedDesign);
    EXPECT_FALSE(h.cfrReturnToService);
    EXPECT_EQ(h.block13eDate, QDate(2026, 12, 5));
    EXPECT_FALSE(h.block14eDate.isValid());
    EXPECT_EQ(data.certificates().scalar("SELECT \"Date18\" FROM \"Header\"").toString(), "2026-12-05");
    EXPECT_EQ(data.certificates().scalar("SELECT \"New\" FROM \"Header\"").toInt(), 1);

    ItemSlots lines;
    ASSERT_TRUE(store.loadLines(key, lines).ok());
    EXPECT_EQ(lines[0].partNum, "PN-200");
    EXPECT_EQ(lines[0].status, "REPAIRED");
    EXPECT_TRUE(lines[1].isEmptyLine());
    EXPECT_EQ(data.certificates().scalar("SELECT count(*) FROM \"Header\"").toInt(), 1);

    ASSERT_TRUE(data.header().moveFirst().ok());
    ASSERT_TRUE(store.deleteCurrent().ok());
    EXPECT_EQ(data.certificates().scalar("SELECT count(*) FROM \"Detail\"").toInt(), 0);
    EXPECT_FALSE(data.header().tableHasRows());
}

// A refused value must not spoil the rest of the save: on the server a
// failed statement would otherwise abort the whole transaction.
TEST_P(StoreOnEngine, TooLongAValueIsLeftOutAndTheRestIsStored)
{
    CertificateStore store(data);
    qint64 key = 0;
    ASSERT_TRUE(store.save(entries("000001", "PN-1"), true, key).ok());
    CertificateEntries tooLong = entries(QString(16, '9'), "PN-2");
    const DbStatus s = store.save(tooLong, false, key);
    EXPECT_TRUE(s.is(DbCondition::FieldTooSmall)) << s.detail().toStdString();
    EXPECT_EQ(data.certificates().scalar("SELECT \"Tracking\" FROM \"Header\"").toString(), "000001");
    ItemSlots lines;
    ASSERT_TRUE(store.loadLines(key, lines).ok());
    EXPECT_EQ(lines[0].partNum, "PN-2");
}

// The export choice and the form are stored with the certificate; a store
// of a version before them gains the fields on opening, its certificates
// reading "No" and no form (an FAA form).
TEST_P(StoreOnEngine, TheExportChoiceAndFormAreAddedToEarlierStoresAndRoundTrip)
{
    {
        Database &db = data.certificates();
        for (const char *field : {"Export", "ExportCountry", "Forwarder", "Form"})
            ASSERT_TRUE(db.exec(QString("ALTER TABLE \"Header\" DROP COLUMN \"%1\"").arg(field)).ok()) << field;
        ASSERT_TRUE(db.exec("INSERT INTO \"Header\" (\"Tracking\") VALUES ('000041')").ok());
        for (const QString &sql : SqlDialect::setUserVersion(4, GetParam(), StoreKind::Certificates))
            ASSERT_TRUE(db.exec(sql).ok()) << sql.toStdString();
    }
    data.close();
    ASSERT_TRUE(data.open(source()).ok());
    CertificateStore store(data);
    ASSERT_TRUE(data.header().moveFirst().ok());
    const CertificateHeader old = store.currentHeader();
    EXPECT_EQ(old.tracking, "000041");
    EXPECT_FALSE(old.exportChosen);
    EXPECT_TRUE(old.exportCountry.isEmpty());
    EXPECT_TRUE(old.form.isEmpty());

    CertificateEntries e = entries("000042", "PN-1");
    e.form = "EASA Form 1 (maintenance)";
    e.exportChosen = true;
    e.exportCountry = "Canada";
    e.forwarder = "Acme Freight";
    qint64 key = 0;
    ASSERT_TRUE(store.save(e, true, key).ok());
    ASSERT_TRUE(data.header().moveLast().ok());
    const CertificateHeader h = store.currentHeader();
    EXPECT_TRUE(h.exportChosen);
    EXPECT_EQ(h.exportCountry, "Canada");
    EXPECT_EQ(h.forwarder, "Acme Freight");
    EXPECT_EQ(h.form, "EASA Form 1 (maintenance)");
}

// A tracking number is found on another certificate and the header view
// walks the same on both engines.
TEST_P(StoreOnEngine, TrackingNumbersAndWalkingAgree)
{
    Database &db = data.certificates();
    CertificateStore store(data);
    qint64 k1 = 0, k2 = 0, k3 = 0;
    ASSERT_TRUE(store.save(entries("000100", "MÜLLER-7"), true, k1).ok());
    ASSERT_TRUE(store.save(entries("000101", "ABC-1", "REPAIRED"), true, k2).ok());
    ASSERT_TRUE(store.save(entries("000102", "müller-8"), true, k3).ok());
    EXPECT_TRUE(StoredTracking::onAnother(db, " 000101", 0));
    EXPECT_FALSE(StoredTracking::onAnother(db, "000101", k2)) << "its own number is on no other certificate";
    EXPECT_FALSE(StoredTracking::onAnother(db, "000103", 0));
    EXPECT_FALSE(StoredTracking::onAnother(db, " ", 0));
    DbStatus asked;
    const auto other = StoredTracking::holder(db, "000101 ", k1, asked);
    ASSERT_TRUE(asked.ok() && other) << asked.detail().toStdString();
    EXPECT_EQ(other->formIndex, k2);
    EXPECT_EQ(other->date, QDate(2026, 12, 5));
    DataView &h = data.header();
    ASSERT_TRUE(h.moveLast().ok());
    EXPECT_EQ(h.value("FormIndex").toLongLong(), k3);
    ASSERT_TRUE(h.movePrevious().ok());
    EXPECT_EQ(h.value("FormIndex").toLongLong(), k2);
}

// The lists leave out nameless rows and sort ignoring case; the export
// countries follow the status. Stamp texts by code: only a code starting
// with a capital is one; saving an existing code replaces its text.
TEST_P(StoreOnEngine, ReferenceListsAndStampsReadTheSame)
{
    Database &ref = data.reference();
    for (const char *sql :
         {"INSERT INTO \"Organizations\" (\"Organization\", \"Address1\", \"JAANum\") VALUES ('Zeta Air', 'Hangar 4', "
          "NULL), (NULL, NULL, NULL), ('Alpha Parts', NULL, 'J-1'), ('beta Works', NULL, NULL)",
          "INSERT INTO \"ForwardingHouses\" (\"ForwardHouse\", \"FHInfo2\") VALUES ('Swift Cargo', 'Dock 9'), "
          "(NULL, NULL), (' Acme', NULL), ('bolt Freight', NULL)",
          "INSERT INTO \"Countries\" (\"Country\", \"Bilateral\", \"JAA\") VALUES ('Japan', 1, 0), ('germany', 0, 1), "
          "('Canada', 1, 1), (NULL, 1, 1), ('Brazil', 0, 0)",
          "INSERT INTO \"Agents\" (\"Name\", \"ApprovalNumber\") VALUES ('Pat Lee', 'DAR-1')"})
        ASSERT_TRUE(ref.exec(sql).ok()) << sql;
    for (DataView *view : {&data.organizations(), &data.forwarders(), &data.countries(), &data.agents()})
        ASSERT_TRUE(view->refresh().ok());

    const auto orgs = ReferenceLists::organizations(data.organizations());
    QStringList names;
    for (const auto &o : orgs)
        names << o.name;
    EXPECT_EQ(names, (QStringList{"Alpha Parts", "beta Works", "Zeta Air"}));
    EXPECT_EQ(orgs[0].jaaNum, "J-1");
    EXPECT_EQ(orgs[2].address1, "Hangar 4");

    const auto houses = ReferenceLists::forwarders(data.forwarders());
    names.clear();
    for (const auto &h : houses)
        names << h.name;
    EXPECT_EQ(names, (QStringList{" Acme", " Freight Forwarder", "bolt Freight", "Swift Cargo"}));
    EXPECT_EQ(houses[3].info, (QStringList{"", "Dock 9", "", ""}));

    const auto countryNames = [&](const QString &status) {
        QStringList out;
        for (const auto &c : ReferenceLists::exportCountries(data.countries(), status))
            out << c.name;
        return out;
    };
    EXPECT_EQ(countryNames("Prototype"), (QStringList{" Country", "<Manually enter country>", "Canada", "Japan"}));
    EXPECT_EQ(countryNames("prototype"), countryNames("NEW"));
    EXPECT_EQ(countryNames("REPAIRED"), (QStringList{" Country", "<Manually enter country>", "Canada", "germany"}));
    const auto agents = ReferenceLists::agents(data.agents());
    ASSERT_EQ(agents.size(), 1u);
    EXPECT_GT(agents[0].rowId, 0);

    EXPECT_FALSE(StampTexts::text(ref, "A1"));
    ASSERT_TRUE(StampTexts::save(ref, "A1", "First").ok());
    ASSERT_TRUE(StampTexts::save(ref, "A\"2", "Quoted").ok());
    ASSERT_TRUE(StampTexts::save(ref, "A1", "Second 'quoted'").ok());
    EXPECT_EQ(StampTexts::text(ref, "A1"), QString("Second 'quoted'"));
    EXPECT_EQ(StampTexts::text(ref, "A\"2"), QString("Quoted"));
    EXPECT_EQ(ref.scalar("SELECT count(*) FROM \"Stamps\"").toInt(), 2);
    for (const char *notACode : {"", "12", "a1", " A"})
        EXPECT_FALSE(StampTexts::isCode(notACode)) << notACode;
    EXPECT_TRUE(StampTexts::isCode("Z"));
}

// The statements of block 12 come with a folder made or brought up to
// this version; one the shop changed stays as the shop wrote it, one it
// lacks is added.
TEST_P(StoreOnEngine, TheStatementsStepAddsTheDefaultsAndKeepsTheShopsWording)
{
    ASSERT_TRUE(DataFolder::create(source()).ok());
    const auto defaults = QList<Statement>(Statements::defaults().begin(), Statements::defaults().end());
    const auto markVersion5 = [&](Database &ref) {
        for (const QString &sql : SqlDialect::setUserVersion(5, GetParam(), StoreKind::Reference))
            ASSERT_TRUE(ref.exec(sql).ok()) << sql.toStdString();
    };
    {
        DataFolder data;
        ASSERT_TRUE(data.open(source()).ok());
        QList<Statement> stored;
        ASSERT_TRUE(Statements::read(data.reference(), stored).ok());
        EXPECT_EQ(stored, defaults);
        ASSERT_TRUE(data.reference().exec("DROP TABLE \"Statements\"").ok());
        markVersion5(data.reference());
    }
    Statement changed = defaults[4];
    changed.text = "Certifies per the Annex Guidance, change 9, number: ";
    {
        DataFolder data;
        ASSERT_TRUE(data.open(source()).ok()) << "a folder of the version before the statements";
        QList<Statement> stored;
        ASSERT_TRUE(Statements::read(data.reference(), stored).ok());
        EXPECT_EQ(stored, defaults);
        ASSERT_TRUE(Statements::save(data.reference(), changed).ok());
        ASSERT_TRUE(data.reference().exec("DELETE FROM \"Statements\" WHERE \"Name\" = ?", {Statements::kDualReleaseFaa}).ok());
        markVersion5(data.reference());
    }
    DataFolder data;
    ASSERT_TRUE(data.open(source()).ok());
    EXPECT_EQ(data.reference().scalar(SqlDialect::userVersionQuery(GetParam(), StoreKind::Reference)).toInt(),
              Schema::version);
    QList<Statement> stored;
    ASSERT_TRUE(Statements::read(data.reference(), stored).ok());
    QList<Statement> expected = defaults;
    expected[4] = changed;
    EXPECT_EQ(stored, expected);
}

using ServerFiles = DataSourceTest;
INSTANTIATE_TEST_SUITE_P(Server, ServerFiles, ::testing::Values(Engine::PostgreSQL), engineName);

// With no shared folder, the files a folder keeps beside its data files
// live in the server database, found by their bare names.
TEST_P(ServerFiles, FilesAreStoredReplacedAndListedByName)
{
    DataFolder data;
    ASSERT_TRUE(data.open(source()).ok());
    Database &ref = data.reference();
    QByteArray bytes;
    EXPECT_TRUE(StoredFiles::read(ref, "pat.bmp", bytes).is(DbCondition::ItemNotFound));
    const QByteArray binary("BM\0\x01\xff'\\", 7);
    ASSERT_TRUE(StoredFiles::write(ref, "pat.bmp", "old").ok());
    ASSERT_TRUE(StoredFiles::write(ref, "pat.bmp", binary).ok());
    ASSERT_TRUE(StoredFiles::write(ref, "Ann.BMP", "x").ok());
    ASSERT_TRUE(StoredFiles::write(ref, "notes.txt", "x").ok());
    ASSERT_TRUE(StoredFiles::read(ref, "pat.bmp", bytes).ok());
    EXPECT_EQ(bytes, binary) << "every byte, quotes and nulls included";
    EXPECT_EQ(StoredFiles::names(ref, ".bmp"), (QStringList{"Ann.BMP", "pat.bmp"}));
    EXPECT_TRUE(StoredFiles::write(ref, "huge.bmp", QByteArray(StoredFiles::kMaxBytes + 1, 'x')).is(DbCondition::FieldTooSmall));
}

using LostConnection = OpenedSourceTest;
INSTANTIATE_TEST_SUITE_P(Server, LostConnection, ::testing::Values(Engine::PostgreSQL), engineName);

// The server ends the session: a transaction that meets it fails as a
// lost connection (not as a certificate deleted elsewhere), the next
// statement outside one connects again by itself, and a walk through a
// search result goes on.
TEST_P(LostConnection, AStatementAfterALostSessionReconnectsAndATransactionSaysItWasLost)
{
    Database &db = data.certificates();
    CertificateStore store(data);
    qint64 k1 = 0, k2 = 0;
    ASSERT_TRUE(store.save(entries("000001", "PN-1"), true, k1).ok());
    ASSERT_TRUE(store.save(entries("000002", "PN-2"), true, k2).ok());
    ASSERT_TRUE(CertificateSearch::show(data, {{"Header", "Tracking", "00000", {}}}).ok());
    ASSERT_TRUE(data.header().moveFirst().ok());
    const auto endSession = [&] {
        const QString pid = db.scalar("SELECT pg_backend_pid()").toString();
        ASSERT_TRUE(TestServer::admin({"SELECT pg_terminate_backend(" + pid + ")"}));
    };

    endSession();
    ASSERT_TRUE(data.header().moveLast().ok());
    EXPECT_EQ(data.header().value("FormIndex").toLongLong(), k2);

    {
        WriteTransaction tx(db);
        endSession();
        const DbStatus s = store.save(entries("000003", "PN-3"), false, k1);
        EXPECT_TRUE(s.is(DbCondition::ConnectionLost)) << s.detail().toStdString();
        EXPECT_FALSE(s.detail().contains("hush"));
    }
    EXPECT_TRUE(data.ensureConnected().ok());
    EXPECT_EQ(db.scalar("SELECT \"Tracking\" FROM \"Header\" WHERE \"FormIndex\" = ?", {k1}).toString(), "000001");
}
