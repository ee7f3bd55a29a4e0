// What one data folder does, a server database does the same.
#include "CertificateSearch.h"
#include "CertificateStore.h"
#include "DataFolder.h"
#include "ReferenceLists.h"
#include "Schema.h"
#include "RequestRows.h"
#include "SetupSettings.h"
#include "TakenNumbers.h"
#include "StampTexts.h"
#include "SetupSettings.h"
#include "Statements.h"
#include "StoredFiles.h"
#include "StoredTracking.h"
#include "OpenedSource.h"
#include "SignedEntries.h"
#include "WriteTransaction.h"

#include <QDir>
#include <QUrl>
#include <functional>

using namespace arc;

namespace arc {
void PrintTo(const Statement &s, std::ostream *os) { *os << s.name.toStdString() << ": " << s.text.toStdString(); }
} // namespace arc

namespace {

// A signed certificate with a blank box and a non-ASCII line break.
CertificateEntries entries(const QString &tracking, const QString &partNum, const QString &status = "NEW")
{
    CertificateEntries e = signedEntries(tracking);
    e.invoice = "";
    e.organ1 = "Müller Valve Works\nHangar 2";
    for (ItemLine *line : {&e.lines[0], &e.lines[1]})
        line->partNum = partNum, line->status = status;
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

TEST_P(StoreOnEngine, EveryDefinedFieldRoundTripsAtItsFullLength)
{
    const auto as = [](FieldType type, const QVariant &v) -> QVariant {
        switch (type) {
        case FieldType::YesNo: return v.toBool();
        case FieldType::Date: return v.toDate();
        case FieldType::Blob: return v.toByteArray();
        case FieldType::Text: return v.toString();
        default: return v.toLongLong();
        }
    };
    for (const StoreKind kind : {StoreKind::Certificates, StoreKind::Reference}) {
        Database &db = kind == StoreKind::Certificates ? data.certificates() : data.reference();
        for (const TableDef &table : Schema::tables(kind)) {
            QStringList names, marks;
            QVariantList values;
            for (const FieldDef &f : table.fields) {
                if (f.type == FieldType::Counter)
                    continue;
                names << "\"" + f.name + "\"";
                marks << "?";
                values << (f.type == FieldType::YesNo  ? QVariant(1) // as the program stores a ticked box
                           : f.type == FieldType::Date ? QVariant("2026-12-05")
                           : f.type == FieldType::Blob ? QVariant(QByteArray("B\0\xff", 3))
                           : f.type == FieldType::Text ? QVariant((f.name + QString(f.maxLength, QChar(0xfc))).left(f.maxLength))
                                                       : QVariant(qint64(values.size() + 7)));
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
                if (f.type != FieldType::Counter) {
                    EXPECT_EQ(as(f.type, view.value(f.name)), as(f.type, values[i++]))
                        << (table.name + "." + f.name).toStdString();
                }
            }
        }
    }
}

// An update stays on its key.
TEST_P(StoreOnEngine, CertificatesRoundTripWithTheirLinesAndValueConventions)
{
    CertificateStore store(data);
    const qint64 key = savedAsNew(data, entries("000042", "PN-100"));
    ASSERT_GT(key, 0);

    CertificateEntries changed = entries("000042", "PN-200", "REPAIRED");
    changed.lines[1] = {};
    changed.exportChosen = true;
    changed.exportCountry = "Canada";
    changed.forwarder = "Acme Freight";
    changed.form = "EASA Form 1 (maintenance)";
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
    EXPECT_TRUE(h.exportChosen);
    EXPECT_EQ(h.exportCountry + "/" + h.forwarder, "Canada/Acme Freight");
    EXPECT_EQ(h.form, "EASA Form 1 (maintenance)");
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

// Refused by the engine, whoever writes. A new row is kept even when the
// refused fields were all it held; on the server a failed statement would
// otherwise abort a certificate's whole save.
TEST_P(StoreOnEngine, TooLongAValueIsLeftOutAndTheRestIsStored)
{
    Database &db = data.certificates();
    EXPECT_FALSE(db.exec("INSERT INTO \"Header\" (\"Tracking\") VALUES (?)", {QString(16, 'T')}).ok());
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

    ASSERT_TRUE(header.edit().ok());
    header.setValue("Invoice", "INV-1");
    ASSERT_TRUE(header.update().ok());
    ASSERT_TRUE(header.edit().ok());
    header.setValue("Invoice", QString(41, 'I'));
    header.setValue("Remarks", "checked");
    header.setValue("AuthNum", QString(26, 'A'));
    QStringList refused = header.update().refusedFields();
    refused.sort(); // the engines name them in orders of their own
    EXPECT_EQ(refused, (QStringList{"AuthNum", "Invoice"}));
    EXPECT_EQ(header.text("Invoice"), "INV-1");
    EXPECT_EQ(header.text("Remarks"), "checked");
    EXPECT_TRUE(header.value("AuthNum").isNull());

    ASSERT_TRUE(header.addNew().ok());
    const QVariant added = header.newKey();
    header.setValue("Tracking", QString(16, 'T'));
    EXPECT_TRUE(header.update().is(DbCondition::FieldTooSmall));
    EXPECT_FALSE(header.isEditing());
    ASSERT_TRUE(header.refresh().ok());
    ASSERT_TRUE(header.findFirst("\"FormIndex\" = ?", {added}).ok());
    EXPECT_FALSE(header.noMatch()) << "still a saved row, not one a refresh throws away";

    CertificateStore store(data);
    qint64 key = savedAsNew(data, entries("000001", "PN-1"));
    CertificateEntries refusedInBoth = entries(QString(16, '9'), "PN-2");
    refusedInBoth.lines[1].serialNum = QString(31, 'S');
    s = store.save(refusedInBoth, false, key);
    EXPECT_TRUE(s.is(DbCondition::FieldTooSmall)) << s.detail().toStdString();
    EXPECT_EQ(db.scalar("SELECT \"Tracking\" FROM \"Header\" WHERE \"FormIndex\" = ?", {key}).toString(), "000001");
    ItemSlots lines;
    ASSERT_TRUE(store.loadLines(key, lines).ok());
    EXPECT_EQ(lines[0].partNum, "PN-2");
    EXPECT_EQ(lines[1].partNum + "/" + lines[1].serialNum, "PN-2/");
}

TEST_P(StoreOnEngine, TrackingNumbersAndWalkingAgree)
{
    Database &db = data.certificates();
    const qint64 k1 = savedAsNew(data, entries("000100", "MÜLLER-7"));
    const qint64 k2 = savedAsNew(data, entries("000101", "ABC-1", "REPAIRED"));
    const qint64 k3 = savedAsNew(data, entries("000102", "müller-8"));
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

// Statements kept prepared for the next run never run on the next source's connection.
TEST_P(StoreOnEngine, WhatIsKeptPreparedForOneSourceIsNotRunOnTheNext)
{
    OpenedSource next;
    ASSERT_TRUE(QDir().mkpath(folder() + "next/"));
    ASSERT_NO_FATAL_FAILURE(next.open(GetParam(), folder() + "next/"));
    const qint64 key = savedAsNew(data, entries("000001", "PN-FIRST"));
    const qint64 nextKey = savedAsNew(next.data, entries("000001", "PN-NEXT"));
    next.data.close();

    CertificateStore store(data);
    ItemSlots lines;
    for (const QString &source : {source(), next.source()}) {
        ASSERT_TRUE(data.open(source).ok());
        ASSERT_TRUE(data.header().moveToRow(key).ok());
        ASSERT_TRUE(store.loadLines(key, lines).ok());
    }
    EXPECT_EQ(key, nextKey);
    EXPECT_EQ(lines[0].partNum, "PN-NEXT");
}

// Nameless rows are left out; export countries follow the status; only a
// code starting with a capital is a stamp code.
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

    const auto names = [](const auto &list) {
        QStringList out;
        for (const auto &row : list)
            out << row.name;
        return out;
    };
    const auto orgs = ReferenceLists::organizations(data.organizations());
    EXPECT_EQ(names(orgs), (QStringList{"Alpha Parts", "beta Works", "Zeta Air"}));
    EXPECT_EQ(orgs[0].jaaNum, "J-1");
    EXPECT_EQ(orgs[2].address1, "Hangar 4");

    const auto houses = ReferenceLists::forwarders(data.forwarders());
    EXPECT_EQ(names(houses), (QStringList{" Acme", " Freight Forwarder", "bolt Freight", "Swift Cargo"}));
    EXPECT_EQ(houses[3].info, (QStringList{"", "Dock 9", "", ""}));

    const auto countryNames = [&](const QString &status) {
        return names(ReferenceLists::exportCountries(data.countries(), status));
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

// Earlier certificates read "No" for the export choice; a statement the
// shop changed stays as written while one it lacks is added.
TEST_P(StoreOnEngine, AStoreOfAnEarlierVersionIsBroughtUpKeepingWhatItHolds)
{
    const auto statements = [&] {
        QList<Statement> stored;
        EXPECT_TRUE(Statements::read(data.reference(), stored).ok());
        return stored;
    };
    const auto defaults = QList<Statement>(Statements::defaults().begin(), Statements::defaults().end());
    EXPECT_EQ(statements(), defaults) << "made with a new folder";
    QList<Statement> changed = defaults;
    changed[4].text = "Certifies per the Annex Guidance, change 9, number: ";
    const auto run = [](Database &db, const QString &sql, const QVariantList &binds = {}) {
        ASSERT_TRUE(db.exec(sql, binds).ok()) << sql.toStdString();
    };
    const struct {
        const char *step;
        StoreKind kind;
        int version;
        std::function<void(Database &)> undo; // back to the store that version left
        std::function<void()> check;
    } steps[] = {
        {"issue log", StoreKind::Certificates, 3, [&](Database &db) { run(db, "DROP TABLE \"IssueLog\""); },
         [&] {
             QStringList fields;
             for (const FieldDef &f : Schema::table("IssueLog")->fields)
                 fields << "\"" + f.name + "\"";
             EXPECT_TRUE(data.certificates().exec("SELECT " + fields.join(", ") + " FROM \"IssueLog\"").ok());
         }},
        {"export choice", StoreKind::Certificates, 4,
         [&](Database &db) {
             for (const char *field : {"Export", "ExportCountry", "Forwarder", "Form"})
                 run(db, QString("ALTER TABLE \"Header\" DROP COLUMN \"%1\"").arg(field));
             run(db, "INSERT INTO \"Header\" (\"Tracking\") VALUES ('000041')");
         },
         [&] {
             ASSERT_TRUE(data.header().moveFirst().ok());
             const CertificateHeader old = CertificateStore(data).currentHeader();
             EXPECT_EQ(old.tracking, "000041");
             EXPECT_FALSE(old.exportChosen);
             EXPECT_TRUE(old.exportCountry.isEmpty());
             EXPECT_TRUE(old.form.isEmpty()) << "an FAA form";
         }},
        {"statements", StoreKind::Reference, 5, [&](Database &db) { run(db, "DROP TABLE \"Statements\""); },
         [&] { EXPECT_EQ(statements(), defaults); }},
        {"statements the shop changed", StoreKind::Reference, 5,
         [&](Database &db) {
             ASSERT_TRUE(Statements::save(db, changed[4]).ok());
             run(db, "DELETE FROM \"Statements\" WHERE \"Name\" = ?", {Statements::kDualReleaseFaa});
         },
         [&] { EXPECT_EQ(statements(), changed); }},
        {"numbers taken and void", StoreKind::Certificates, 7,
         [&](Database &db) {
             run(db, "DROP TABLE \"NumberVoids\"");
             run(db, "DROP TABLE \"TakenNumbers\"");
         },
         [&] {
             const TakenNumbers numbers(data.certificates());
             EXPECT_TRUE(numbers.voidByHand("000077", Station{"bench", "Pat Doe", 1}, "spoiled").ok());
             EXPECT_TRUE(numbers.isVoid("000077"));
         }},
        {"verification page offers the PDF", StoreKind::Certificates, 8,
         [&](Database &db) { run(db, "ALTER TABLE \"Defaults\" DROP COLUMN \"VerifyOffersPdf\""); },
         [&] {
             EXPECT_TRUE(data.certificates().scalar("SELECT \"VerifyOffersPdf\" FROM \"Defaults\"").isNull());
             SetupSettings settings;
             SetupSettings::load(data.defaults(), settings);
             EXPECT_FALSE(settings.verifyOffersPdf);
             settings.verifyOffersPdf = true;
             ASSERT_TRUE(SetupSettings::store(data.defaults(), settings).ok());
             EXPECT_EQ(data.certificates().scalar("SELECT \"VerifyOffersPdf\" FROM \"Defaults\"").toInt(), 1);
         }},
        // Version 9, the time-stamp service: none set, the row kept; trimmed, and a blank one none.
        {"time-stamp service", StoreKind::Certificates, 8,
         [&](Database &db) {
             SetupSettings s;
             SetupSettings::load(data.defaults(), s);
             s.requireSignature = true;
             ASSERT_TRUE(SetupSettings::store(data.defaults(), s).ok());
             run(db, "ALTER TABLE \"Defaults\" DROP COLUMN \"TsaUrl\"");
         },
         [&] {
             EXPECT_EQ(SetupSettings::timeStampService(data.defaults()), QString());
             SetupSettings s;
             SetupSettings::load(data.defaults(), s);
             EXPECT_TRUE(s.requireSignature);
             s.tsaUrl = " http://tsa.example/stamp ";
             ASSERT_TRUE(SetupSettings::store(data.defaults(), s).ok());
             EXPECT_EQ(SetupSettings::timeStampService(data.defaults()), "http://tsa.example/stamp");
             s.tsaUrl = " ";
             ASSERT_TRUE(SetupSettings::store(data.defaults(), s).ok());
             EXPECT_TRUE(data.certificates().scalar("SELECT \"TsaUrl\" FROM \"Defaults\"").isNull());
         }},
        // Version 9, the QR code on issued pages.
        {"verification address", StoreKind::Certificates, 8,
         [&](Database &db) { run(db, "ALTER TABLE \"Defaults\" DROP COLUMN \"VerifyBaseUrl\""); },
         [&] {
             EXPECT_EQ(SetupSettings::verifyBase(data.defaults()), "");
             SetupSettings s;
             SetupSettings::load(data.defaults(), s);
             s.verifyBaseUrl = "https://verify.acme.example";
             ASSERT_TRUE(SetupSettings::store(data.defaults(), s).ok());
             EXPECT_EQ(SetupSettings::verifyBase(data.defaults()), "https://verify.acme.example");
         }},
        // Version 10, paper size: an organisation kept before prints on its form's paper.
        {"paper of an organisation", StoreKind::Reference, 9,
         [&](Database &db) {
             run(db, "ALTER TABLE \"Organizations\" DROP COLUMN \"PaperSize\"");
             run(db, "INSERT INTO \"Organizations\" (\"Organization\") VALUES ('Acme Aero')");
         },
         [&] {
             const std::optional<OrganizationEntry> acme = ReferenceLists::namedIn(data.organizations(), "Acme Aero\r\nTown");
             ASSERT_TRUE(acme);
             EXPECT_EQ(acme->paperSize, "");
         }},
        // Version 10, requests of signing certificates.
        {"certificate requests", StoreKind::Reference, 9,
         [&](Database &db) { run(db, "DROP TABLE \"CertificateRequests\""); },
         [&] {
             ASSERT_TRUE(RequestRows::put(data.reference(), {7, "Pat Doe", "D-1", "REQUEST", "2026-12-09T04:00:00Z"}).ok());
             RequestRow kept;
             ASSERT_TRUE(RequestRows::of(data.reference(), 7, kept).ok());
             EXPECT_EQ(kept.request, "REQUEST");
         }},
        // Version 10, the idle lock: 15 minutes where none was set.
        {"idle lock", StoreKind::Certificates, 9,
         [&](Database &db) { run(db, "ALTER TABLE \"Defaults\" DROP COLUMN \"IdleLockMinutes\""); },
         [&] {
             EXPECT_EQ(SetupSettings::idleLock(data.defaults()), 15);
             SetupSettings s;
             SetupSettings::load(data.defaults(), s);
             s.idleLockMinutes = 0;
             ASSERT_TRUE(SetupSettings::store(data.defaults(), s).ok());
             EXPECT_EQ(SetupSettings::idleLock(data.defaults()), 0) << "never";
         }},
    };
    for (const auto &step : steps) {
        SCOPED_TRACE(step.step);
        Database &db = step.kind == StoreKind::Certificates ? data.certificates() : data.reference();
        ASSERT_NO_FATAL_FAILURE(step.undo(db));
        for (const QString &sql : SqlDialect::setUserVersion(step.version, GetParam(), step.kind))
            ASSERT_NO_FATAL_FAILURE(run(db, sql));
        data.close();
        ASSERT_TRUE(data.open(source()).ok());
        Database &again = step.kind == StoreKind::Certificates ? data.certificates() : data.reference();
        EXPECT_EQ(again.scalar(SqlDialect::userVersionQuery(GetParam(), step.kind)).toInt(), Schema::version);
        step.check();
    }
}

using OnServer = OpenedSourceTest;
INSTANTIATE_TEST_SUITE_P(Server, OnServer, ::testing::Values(Engine::PostgreSQL), engineName);

// With no shared folder, the files kept beside the data files live in the database.
TEST_P(OnServer, FilesAreStoredReplacedAndListedByName)
{
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


// A wait for another station's lock would fail after lock_timeout here.
TEST_P(OnServer, OpeningWaitsForNoOtherStationsSave)
{
    savedAsNew(data, entries("000001", "PN-1"));
    WriteTransaction saving(data.certificates());
    ASSERT_TRUE(data.certificates().exec("UPDATE \"Header\" SET \"Remarks\" = 'saving'").ok());
    QString impatient = source();
    impatient.replace("options=", "options=" + QUrl::toPercentEncoding("-clock_timeout=2000 "));
    DataFolder starting;
    const DbStatus s = starting.open(impatient);
    EXPECT_TRUE(s.ok()) << s.detail().toStdString();
}

// Not taken for a certificate deleted elsewhere; outside a transaction the
// next statement connects again and a walk through a search result goes on.
TEST_P(OnServer, AStatementAfterALostSessionReconnectsAndATransactionSaysItWasLost)
{
    Database &db = data.certificates();
    CertificateStore store(data);
    qint64 k1 = savedAsNew(data, entries("000001", "PN-1")), k2 = savedAsNew(data, entries("000002", "PN-2"));
    ASSERT_TRUE(CertificateSearch::show(data, {{"Header", "Tracking", "00000", {}}}).ok());
    ASSERT_TRUE(data.header().moveFirst().ok());
    const auto endSession = [&] {
        const QString pid = db.scalar("SELECT pg_backend_pid()").toString();
        ASSERT_TRUE(TestServer::admin({"SELECT pg_terminate_backend(" + pid + ")"}));
    };

    endSession();
    ASSERT_TRUE(data.header().moveLast().ok());
    EXPECT_EQ(data.header().value("FormIndex").toLongLong(), k2);
    // What the lost session had prepared is prepared again, within a transaction too.
    EXPECT_TRUE(store.save(entries("000002", "PN-2"), false, k2).ok());

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
