// Issuing on either kind of data source: a folder keeps the pages in Issued/,
// a server in its Files table, where every workstation finds them.

#include "BatchCopies.h"
#include "CertificateContent.h"
#include "Correction.h"
#include "CorrectionStatement.h"
#include "DateText.h"
#include "IssueLog.h"
#include "IssuedPage.h"
#include "IssueRecovery.h"
#include "IssueVerifier.h"
#include "KeysOf.h"
#include "SigningFixture.h"
#include "OpenedSource.h"
#include "PdfSignature.h"
#include "ProgramRun.h"
#include "RegisterExport.h"
#include "RegisterRows.h"
#include "SignedEntries.h"
#include "StoredFiles.h"
#include "TakenNumbers.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QSqlQuery>
#include "TestPaths.h"

namespace {

class SourceIssuingTest : public OpenedSourceTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(OpenedSourceTest::SetUp());
        key = savedAsNew(data);
    }
    arc::IssueResult issue(const QByteArray &pdf, int copies = 1, qint64 formIndex = 0,
                           const arc::SigningKey *signingKey = nullptr)
    {
        arc::IssueRequest r = issueRequest(formIndex ? formIndex : key, pdf, signingKey);
        r.copies = copies;
        r.issuedAt = at;
        return recordIssue(data, r);
    }
    arc::CertificateContent stored(qint64 of)
    {
        arc::DbStatus s;
        const std::optional<arc::CertificateContent> c = arc::CertificateContent::read(data.certificates(), of, &s);
        EXPECT_TRUE(c.has_value()) << s.detail().toStdString();
        return c.value_or(arc::CertificateContent{});
    }

    // Every stored line as "tracking:serial number", in the order stored.
    QString storedSerials()
    {
        QStringList out;
        QSqlQuery q;
        EXPECT_TRUE(data.certificates()
                        .run(q, "SELECT h.\"Tracking\", d.\"SerialNum\" FROM \"Header\" h JOIN \"Detail\" d ON "
                                "d.\"FormIndex\" = h.\"FormIndex\" ORDER BY h.\"FormIndex\", d.rowid")
                        .ok());
        while (q.next())
            out << q.value(0).toString() + ":" + q.value(1).toString();
        return out.join(' ');
    }

    QString counter() { return data.certificates().scalar("SELECT \"Tracking\" FROM \"Defaults\"").toString(); }
    // What arc8130-verify says of a copy of `pdf`, against this source.
    ProgramRun verified(const QByteArray &pdf)
    {
        writeFile(file("copy.pdf"), pdf);
        return ProgramRun::of(test_paths::program("arc8130-verify"), {file("copy.pdf"), source()});
    }
    // `e` stored as the correction of `issued`.
    arc::Correction::Result correct(const arc::CertificateEntries &e, const arc::CertificateContent &issued)
    {
        return arc::Correction::store(data, e, issued, QDate(2026, 12, 9));
    }

    qint64 key = 0;
    QDateTime at{QDate(2026, 12, 5), QTime(14, 3, 9, 500), Qt::UTC};
};

QString sha256(const QByteArray &bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

// What becomes of a signed page's copy before the command reads it.
struct SignedCopy {
    const char *name;
    QByteArray (*copy)(QByteArray issued);
    int exit;
    QStringList lines; // among what the command prints
};

const arc::SigningKey &strangersKey()
{
    static const arc::SigningKey key = [] {
        const arc::ShopAuthority other = std::move(arc::ShopAuthority::create("Other shop", "other").value());
        const arc::StoredSigningKey stored = arc::SigningKey::make(other, {"A. Stranger", "X-1"}, "pw").value();
        return std::move(arc::SigningKey::open(stored, "pw").value());
    }();
    return key;
}

const SignedCopy kSignedCopies[] = {
    {"as issued", [](QByteArray pdf) { return pdf; }, 0,
     {"Issued from this data folder, unaltered.", "Tracking number: 000123", "Signatory: Pat Doe", "Copies: 1",
      "Signed by: J. Smith",
      "Certificate issued by: ARC 8130 shop authority", "Signature: intact", "Changed after signing: no",
      "Issued by this shop's authority: yes"}},
    {"one signed byte changed",
     [](QByteArray pdf) {
         pdf[pdf.indexOf("/Catalog") + 2] ^= 1;
         return pdf;
     },
     1,
     {"Changed after signing.", "Signed by: J. Smith",
      "Signature: not intact. The signed bytes were changed after signing.", "Changed after signing: yes",
      "Issued by this shop's authority: yes"}},
    {"bytes appended", [](QByteArray pdf) { return pdf + "\n% added later\n"; }, 1,
     {"Changed after signing.", "Signature: intact", "Changed after signing: yes"}},
    {"a stranger's signed page",
     [](QByteArray) {
         return arc::PdfSignature::sign(signing::blankPage(), strangersKey(), QRectF(36, 200, 180, 40)).value();
     },
     1,
     {"Not issued from this data folder.", "Signed by: A. Stranger", "Certificate issued by: Other shop",
      "Signature: intact", "Changed after signing: no", "Issued by this shop's authority: no"}},
};

} // namespace

// Every reprint is a row and a page of its own; a copy verifies only
// against the source that issued it.
TEST_P(SourceIssuingTest, ThePageIsKeptLoggedAndVerifiedWhereTheSourceKeepsFiles)
{
    const arc::IssueResult r = issue("%PDF-1.4 the issued page", 2);
    ASSERT_TRUE(r.ok()) << r.detail.toStdString();
    const QString stem = QString("000123_%1_2026120").arg(key);
    EXPECT_EQ(keptPages(), QStringList{stem + "5T140309Z.pdf"});
    EXPECT_EQ(keptPage(r.record.pdfFile), "%PDF-1.4 the issued page");
    if (onServer()) {
        EXPECT_FALSE(QDir(folder() + "Issued").exists()) << "nothing beside the program on a server";
        EXPECT_TRUE(arc::StoredFiles::names(data.reference(), ".bmp").isEmpty()) << "not a signature file";
    } else {
        EXPECT_FALSE(QFileInfo(folder() + "Issued/" + r.record.pdfFile).permissions() & QFileDevice::WriteOwner)
            << "kept read-only";
    }
    const arc::IssueLog log(data.certificates());
    const std::optional<arc::IssueRecord> row = log.first(key);
    ASSERT_TRUE(row);
    EXPECT_EQ(row->tracking, "000123");
    EXPECT_EQ(row->signatory, "Pat Doe");
    EXPECT_EQ(row->copies, 2);
    EXPECT_EQ(row->pdfFile, r.record.pdfFile);
    EXPECT_EQ(row->pdfSha256, sha256("%PDF-1.4 the issued page"));
    EXPECT_EQ(row->contentSha256, arc::CertificateContent::read(data.certificates(), key)->sha256());
    EXPECT_EQ(data.certificates().scalar("SELECT \"IssuedAt\" FROM \"IssueLog\"").toString(), "2026-12-05T14:03:09Z");

    ASSERT_TRUE(issue("second").ok()) << "in the same second";
    at = at.addDays(1);
    ASSERT_TRUE(issue("third").ok());
    EXPECT_EQ(keptPages(), (QStringList{stem + "5T140309Z.pdf", stem + "5T140309Z_2.pdf", stem + "6T140309Z.pdf"}));
    EXPECT_EQ(log.last(key)->pdfSha256, sha256("third"));
    EXPECT_EQ(log.withPdfSha256(sha256("second"))->pdfFile, stem + "5T140309Z_2.pdf");
    EXPECT_EQ(issue("page", 1, key + 1).outcome, arc::IssueResult::Outcome::NotStored);
    EXPECT_EQ(keptPages().size(), 3);

    using Outcome = arc::IssueVerifier::Result::Outcome;
    writeFile(file("copy.pdf"), keptPage(r.record.pdfFile));
    const arc::IssueVerifier::Result v = arc::IssueVerifier::verify(file("copy.pdf"), source());
    EXPECT_EQ(v.outcome, Outcome::Issued) << v.detail.toStdString();
    EXPECT_EQ(v.record.formIndex, key);
    EXPECT_EQ(arc::IssueVerifier::verify(file("none.pdf"), source()).outcome, Outcome::Unreadable);
    const QString other = folder() + "other/";
    ASSERT_TRUE(madeDataFolder(other));
    EXPECT_EQ(arc::IssueVerifier::verify(file("copy.pdf"), other).outcome, Outcome::NotIssued) << "another source";
}

// The archive and the log's hash hold the signed page, which the command
// (only reading the source) finds issued on the local day; an unsignable
// page is neither kept nor logged.
TEST_P(SourceIssuingTest, WithAKeyThePageIsSignedBeforeItIsKept)
{
    QString error;
    ASSERT_TRUE(arc::keysOf(data)->putAuthority(signing::authority().stored(), &error)) << error.toStdString();
    const arc::SigningKey signingKey = std::move(arc::SigningKey::open(signing::madeKey("pw"), "pw").value());
    const QByteArray page = signing::blankPage();
    const arc::IssueResult r = issue(page, 1, 0, &signingKey);
    ASSERT_TRUE(r.ok()) << r.detail.toStdString();
    const QByteArray kept = keptPage(r.record.pdfFile);
    EXPECT_TRUE(kept.startsWith(page) && kept.size() > page.size()) << "an update appended to the page";
    EXPECT_EQ(arc::IssueLog(data.certificates()).first(key)->pdfSha256, sha256(kept));
    EXPECT_TRUE(kept.contains("/Rect [36.00 200.00 216.00 240.00]")) << "the field lies over the signature box";
    const QByteArray before = readFile(folder() + "VELLORAN.MDB");
    for (const SignedCopy &c : kSignedCopies) {
        SCOPED_TRACE(c.name);
        const ProgramRun run = verified(c.copy(kept));
        EXPECT_EQ(run.exit, c.exit) << run.said.toStdString();
        for (const QString &line : c.lines)
            EXPECT_TRUE(run.said.split('\n').contains(line)) << line.toStdString() << " in\n" << run.said.toStdString();
        EXPECT_EQ(c.exit == 0, run.said.contains("Issued: 05/Dec/2026") || run.said.contains("Issued: 06/Dec/2026"));
    }
    EXPECT_EQ(readFile(folder() + "VELLORAN.MDB"), before);

    EXPECT_EQ(issue("%PDF-1.4 not a page", 1, 0, &signingKey).outcome, arc::IssueResult::Outcome::SigningFailed);
    EXPECT_EQ(keptPages().size(), 1);
    EXPECT_EQ(logged(), 1);
}

// A row that cannot be written takes its page back; a page a folder cannot
// keep (a file where Issued/ should be) is not logged.
TEST_P(SourceIssuingTest, APageIsLoggedOnlyWhenKeptAndKeptOnlyWhenLogged)
{
    if (!onServer()) {
        writeFile(folder() + "Issued", "a file where the folder should be");
        const arc::IssueResult r = issue("page");
        EXPECT_EQ(r.outcome, arc::IssueResult::Outcome::ArchiveFailed);
        EXPECT_FALSE(r.detail.isEmpty());
        EXPECT_EQ(logged(), 0);
        ASSERT_TRUE(QFile::remove(folder() + "Issued"));
    }
    ASSERT_TRUE(data.certificates().exec("DROP TABLE \"IssueLog\"").ok());
    const arc::IssueResult r = issue("%PDF-1.4 page");
    EXPECT_EQ(r.outcome, arc::IssueResult::Outcome::LogFailed);
    EXPECT_TRUE(keptPages().isEmpty()) << keptPages().join(' ').toStdString();
}

// A staged page without a row goes only when its owner is known to be gone:
// a folder's lock tells, a server's table cannot.
TEST_P(SourceIssuingTest, AnInterruptedIssueIsFinishedOrTakenBack)
{
    {
        const std::unique_ptr<arc::IssueArchive> killed = arc::archiveOf(data);
        ASSERT_TRUE(killed->stage("logged.pdf", "%PDF logged", nullptr));
        ASSERT_TRUE(killed->stage("unlogged.pdf", "%PDF unlogged", nullptr));
        ASSERT_TRUE(killed->write("stray.pdf", "%PDF stray", nullptr));
        arc::IssueRecord row;
        row.formIndex = key;
        row.issuedAt = QDateTime::currentDateTimeUtc();
        row.pdfFile = "logged.pdf";
        ASSERT_TRUE(arc::IssueLog(data.certificates()).add(row).ok());
    }
    const std::unique_ptr<arc::IssueArchive> archive = arc::archiveOf(data);
    ASSERT_TRUE(arc::finishInterruptedIssues(data.certificates(), *archive).ok());
    EXPECT_EQ(keptPages(), QStringList{"logged.pdf"});
    EXPECT_EQ(keptPage("logged.pdf"), "%PDF logged");
    EXPECT_TRUE(archive->staged("logged.pdf").isEmpty());
    EXPECT_EQ(archive->staged("unlogged.pdf").isEmpty(), !onServer());
}

// The number is taken in the transaction that stores the correction, counted
// up even with the automatic increase off; the issued one is left as it was.
TEST_P(SourceIssuingTest, ACorrectionTakesTheNextNumber)
{
    ASSERT_TRUE(data.certificates().exec("UPDATE \"Defaults\" SET \"Tracking\" = '000130', \"IncreaseTrack\" = 0").ok());
    const arc::CertificateContent issued = stored(key);
    arc::CertificateEntries e = signedEntries();
    e.lines[1].serialNum = "SN-3";
    const arc::Correction::Result r = correct(e, issued);
    ASSERT_TRUE(r.status.ok()) << r.status.detail().toStdString();
    EXPECT_NE(r.formIndex, key);
    EXPECT_EQ(r.tracking, "000131");
    EXPECT_EQ(counter(), "000131");
    const QString statement = arc::CorrectionStatement::text({"10"}, "000123", QDate(2026, 12, 5));
    EXPECT_EQ(r.remarks, statement + "\nInspected per CMM 28-10-01.");
    const arc::CertificateContent corrected = stored(r.formIndex);
    EXPECT_EQ(corrected.value("Tracking").toString(), "000131");
    EXPECT_EQ(corrected.value("Remarks").toString(), statement + "\r\nInspected per CMM 28-10-01.");
    EXPECT_EQ(corrected.lines().at(1).at(4).toString(), "SN-3");
    EXPECT_EQ(stored(key).sha256(), issued.sha256());
    EXPECT_EQ(data.header().value("FormIndex").toLongLong(), r.formIndex) << "the header view stands on it";

    // A counter set back by hand is counted past every number in use, also
    // on rows another program wrote (with a blank after the number).
    ASSERT_TRUE(data.certificates()
                    .exec("INSERT INTO \"Header\" (\"Tracking\") VALUES ('000132'), ('000133 '), ('000123')")
                    .ok());
    ASSERT_TRUE(data.certificates().exec("UPDATE \"Defaults\" SET \"Tracking\" = '000122'").ok());
    EXPECT_EQ(correct(e, issued).tracking, "000124");
    ASSERT_TRUE(data.certificates().exec("UPDATE \"Defaults\" SET \"Tracking\" = '000130'").ok());
    EXPECT_EQ(correct(e, issued).tracking, "000134");
    EXPECT_EQ(counter(), "000134");

    // A counter that cannot count up would repeat the corrected number:
    // nothing is stored, and the reason names the counter.
    ASSERT_TRUE(data.certificates().exec("UPDATE \"Defaults\" SET \"Tracking\" = 'ABC'").ok());
    const int stored = data.certificates().scalar("SELECT count(*) FROM \"Header\"").toInt();
    const arc::Correction::Result abc = correct(e, issued);
    EXPECT_TRUE(abc.status.detail().contains("ABC")) << abc.status.detail().toStdString();
    EXPECT_EQ(data.certificates().scalar("SELECT count(*) FROM \"Header\"").toInt(), stored);

    // A correction that cannot be stored takes no number.
    ASSERT_TRUE(data.certificates().exec("UPDATE \"Defaults\" SET \"Tracking\" = '000140'").ok());
    for (const char *refuse :
         onServer() ? QList<const char *>{"CREATE FUNCTION refuse() RETURNS trigger AS $$ BEGIN RAISE EXCEPTION 'refused'; "
                                          "END $$ LANGUAGE plpgsql",
                                          "CREATE TRIGGER refuse BEFORE INSERT ON \"Header\" FOR EACH ROW EXECUTE FUNCTION refuse()"}
                    : QList<const char *>{"CREATE TRIGGER refuse BEFORE INSERT ON Header BEGIN SELECT RAISE(ABORT, 'refused'); END"})
        ASSERT_TRUE(data.certificates().exec(refuse).ok()) << refuse;
    EXPECT_FALSE(correct(e, issued).status.ok());
    EXPECT_EQ(counter(), "000140");
    EXPECT_EQ(data.certificates().scalar("SELECT count(*) FROM \"Header\"").toInt(), stored);
}

// A correction supersedes the certificate it corrects once it is issued,
// and not before: the command says so, and the register names it. Before,
// the command called a superseded page "unaltered" and nothing else.
TEST_P(SourceIssuingTest, OnlyAnIssuedCorrectionSupersedesWhatItCorrects)
{
    arc::IssueRequest request = issueRequest(key, "%PDF-1.4 the first page");
    request.issuedAt = at;
    request.passedFindings = {"Block 3: tracking number 000123 is also used by another stored certificate.",
                              "Block 4: the organisation's name and address are missing."};
    ASSERT_TRUE(recordIssue(data, request).ok());
    const QByteArray first = request.pdf;
    const auto supersededBy = [this] {
        return registerColumns(registerRows(data.certificates()), {"Tracking No.", "Superseded by"});
    };
    ProgramRun run = verified(first);
    EXPECT_EQ(run.exit, 0) << run.said.toStdString();
    EXPECT_TRUE(run.said.contains("Findings printed anyway:\n"
                                  "  Block 3: tracking number 000123 is also used by another stored certificate.\n"
                                  "  Block 4: the organisation's name and address are missing.\n"))
        << run.said.toStdString();

    arc::CertificateEntries e = signedEntries();
    e.lines[1].serialNum = "SN-3";
    const arc::Correction::Result correction = correct(e, stored(key));
    ASSERT_TRUE(correction.status.ok()) << correction.status.detail().toStdString();
    run = verified(first);
    EXPECT_EQ(run.exit, 0) << "a correction stored, not issued, supersedes nothing";
    EXPECT_FALSE(run.said.contains("Superseded")) << run.said.toStdString();
    EXPECT_EQ(supersededBy(), (QStringList{"000123|", "000123|", correction.tracking + "|", correction.tracking + "|"}));

    request.formIndex = correction.formIndex;
    request.pdf = "%PDF-1.4 the correction";
    request.issuedAt = at.addDays(2);
    request.passedFindings.clear();
    ASSERT_TRUE(recordIssue(data, request).ok());
    run = verified(first);
    EXPECT_EQ(run.exit, 4) << run.said.toStdString();
    EXPECT_TRUE(run.said.startsWith(QString("Superseded by correction %1 of %2.\n")
                                        .arg(correction.tracking, arc::DateText::format(at.addDays(2).toLocalTime().date()))))
        << run.said.toStdString();
    EXPECT_EQ(supersededBy(), (QStringList{"000123|" + correction.tracking, "000123|" + correction.tracking,
                                           correction.tracking + "|", correction.tracking + "|"}));
    run = verified(request.pdf);
    EXPECT_EQ(run.exit, 0) << "the correction stands";
    EXPECT_TRUE(run.said.contains("Findings printed anyway: none\n")) << run.said.toStdString();
}

ARC_ON_BOTH_ENGINES(SourceIssuingTest);

// Saving what the screen shows changes nothing, on either engine; any change
// by another tool, down to a blank becoming null, changes the hash.
TEST_P(SourceIssuingTest, TheHashFollowsEveryStoredValueAndIsTheSameOnEitherEngine)
{
    const arc::CertificateContent before = stored(key);
    EXPECT_EQ(before.sha256().size(), 64);
    EXPECT_EQ(stored(key).sha256(), before.sha256()) << "read twice, the same";
    EXPECT_EQ(arc::CertificateContent::afterSave(signedEntries(), before), before);
    arc::CertificateEntries shown = signedEntries();
    shown.block13eDate = ""; // an empty date box keeps the stored date
    shown.lines[3] = {"4", "after an empty line", "", "", "", "", {}};
    EXPECT_EQ(arc::CertificateContent::afterSave(shown, before), before);

    const QString other = folder() + "folder/";
    ASSERT_TRUE(madeDataFolder(other));
    arc::DataFolder folderSource;
    ASSERT_TRUE(folderSource.open(other).ok());
    ASSERT_EQ(savedAsNew(folderSource), key);
    EXPECT_EQ(arc::CertificateContent::read(folderSource.certificates(), key)->sha256(), before.sha256());

    QString last = before.sha256();
    for (const char *change :
         {"UPDATE \"Header\" SET \"Invoice\" = 'WO-8'", "UPDATE \"Header\" SET \"Organ2\" = NULL",
          "UPDATE \"Header\" SET \"New\" = 0", "UPDATE \"Header\" SET \"Date18\" = '2026-12-06'",
          "UPDATE \"Detail\" SET \"Quantity\" = '3' WHERE \"Item\" = '2'", "DELETE FROM \"Detail\" WHERE \"Item\" = '2'"}) {
        ASSERT_TRUE(data.certificates().exec(change).ok()) << change;
        const QString now = stored(key).sha256();
        EXPECT_NE(now, last) << change;
        last = now;
    }
    EXPECT_FALSE(arc::CertificateContent::read(data.certificates(), key + 1).has_value());
}

TEST_P(SourceIssuingTest, DifferingBlocksAreNamedInTheFormsOrder)
{
    const arc::CertificateContent issued = stored(key);
    arc::CertificateEntries e = signedEntries();
    EXPECT_TRUE(issued.differingBlocks(arc::CertificateContent::afterSave(e, issued)).isEmpty());

    e.lines[1].serialNum = "SN-3";
    e.lines[0].description = "Fuel pump assy";
    e.organ1 = "Acme Aero\n2 Main St";
    e.organ2 = "Acme Aero Europe";
    e.block13cNumber = "DMIR-8";
    e.block13eDate = "06/Dec/2026";
    e.otherRegulation = true;
    EXPECT_EQ(issued.differingBlocks(arc::CertificateContent::afterSave(e, issued)),
              (QStringList{"4", "7", "10", "13c", "13e", "14a"}));

    e = signedEntries();
    e.lines[2] = {"3", "Gasket", "PN-9", "1", "", "NEW", {}}; // a line more, its serial blank as before
    EXPECT_EQ(issued.differingBlocks(arc::CertificateContent::afterSave(e, issued)),
              (QStringList{"6", "7", "8", "9", "11"}));
}

TEST_P(SourceIssuingTest, TheSigningDateIsThatOfTheBlockInUse)
{
    arc::CertificateEntries e = signedEntries();
    e.block14eDate = "07/Dec/2026";
    EXPECT_EQ(stored(savedAsNew(data, e)).signingDate(), QDate(2026, 12, 5));
    e.lines[0].status = "REPAIRED";
    e.lines[1].status = "REPAIRED";
    EXPECT_EQ(stored(savedAsNew(data, e)).signingDate(), QDate(2026, 12, 7));
    e.block14eDate.clear();
    EXPECT_EQ(stored(savedAsNew(data, e)).signingDate(), QDate(2026, 12, 5)) << "the other block's date";
}

TEST(CorrectionStatement, NamesBlocksNumberAndDate)
{
    EXPECT_EQ(arc::CorrectionStatement::text({"7", "10"}, "000123", QDate(2026, 12, 5)),
              "This FAA Form 8130-3 corrects the error(s) in Block(s) 7, 10 of FAA Form 8130-3 000123 dated "
              "05/Dec/2026.");
    EXPECT_EQ(arc::CorrectionStatement::text({"5"}, "000124", QDate(2026, 12, 5), "UK CAA Form 1 (maintenance)",
                                             "EASA Form 1 (maintenance)"),
              "This CAA Form 1 corrects the error(s) in Block(s) 5 of EASA Form 1 000124 dated 05/Dec/2026.");
    EXPECT_EQ(arc::CorrectionStatement::remarks("Statement.", "Remarks\nsecond line"),
              "Statement.\nRemarks\nsecond line");
    EXPECT_EQ(arc::CorrectionStatement::remarks("Statement.", " "), "Statement.");
}

TEST_P(SourceIssuingTest, CopiesForSerialNumbersAreStoredEachWithTheNextNumbersOrNoneAtAll)
{
    EXPECT_EQ(arc::BatchCopies::serials("SN-0098", 3), (QStringList{"SN-0098", "SN-0099", "SN-0100"}));
    EXPECT_EQ(arc::BatchCopies::serials("B9", 2), (QStringList{"B9", "B10"}));
    EXPECT_TRUE(arc::BatchCopies::serials("NONE", 2).isEmpty()) << "nothing to count up";

    ASSERT_TRUE(data.certificates().exec("UPDATE \"Defaults\" SET \"Tracking\" = '000041', \"IncreaseTrack\" = 1").ok());
    arc::CertificateEntries one = signedEntries("000040");
    one.lines[1] = {};
    const arc::BatchCopies::Result r = arc::BatchCopies::store(data, one, arc::BatchCopies::serials("SN-0098", 3));
    ASSERT_TRUE(r.status.ok()) << r.status.detail().toStdString();
    EXPECT_EQ(r.trackings, (QStringList{"000042", "000043", "000044"}));
    EXPECT_EQ(r.keys.size(), 3u);
    const auto storedNoMore = [this] {
        EXPECT_EQ(storedSerials(), "000123:SN-1 000123:SN-2 000042:SN-0098 000043:SN-0099 000044:SN-0100");
        EXPECT_EQ(counter(), "000044");
    };
    storedNoMore();

    // The third serial number outgrows its field: no copy, no number.
    const QString first = QString(28, 'S') + "98";
    const arc::BatchCopies::Result failed = arc::BatchCopies::store(data, one, arc::BatchCopies::serials(first, 3));
    EXPECT_TRUE(failed.status.is(arc::DbCondition::FieldTooSmall)) << failed.status.detail().toStdString();
    EXPECT_TRUE(failed.keys.empty());
    storedNoMore();

    // Stopped after the second copy: rolled back as on failure, told so; the
    // counter gives its numbers out again, so none is void.
    int reports = 0;
    const arc::Progress stopAtTwo([&reports](const QString &, qint64 done, qint64 total) {
        ++reports;
        EXPECT_EQ(total, 3);
        return done < 2;
    });
    const arc::BatchCopies::Result stopped =
        arc::BatchCopies::store(data, one, arc::BatchCopies::serials("SN-0200", 3), stopAtTwo);
    EXPECT_TRUE(stopped.status.is(arc::DbCondition::Cancelled)) << stopped.status.detail().toStdString();
    EXPECT_TRUE(stopped.keys.empty());
    EXPECT_GE(reports, 2);
    storedNoMore();
    std::vector<arc::VoidNumber> voids;
    ASSERT_TRUE(arc::TakenNumbers(data.certificates()).voids(voids).ok());
    EXPECT_TRUE(voids.empty());
}

// An EASA Form 1 is corrected by an EASA Form 1, and its statement says so.
TEST_P(SourceIssuingTest, ACorrectionKeepsTheFormItCorrects)
{
    arc::CertificateEntries easa = signedEntries("000140");
    easa.form = "EASA Form 1 (maintenance)";
    const qint64 easaKey = savedAsNew(data, easa);
    easa.invoice = "WO-8";
    const arc::Correction::Result c = correct(easa, stored(easaKey));
    ASSERT_TRUE(c.status.ok()) << c.status.detail().toStdString();
    EXPECT_EQ(stored(c.formIndex).value("Form").toString(), "EASA Form 1 (maintenance)");
    EXPECT_TRUE(c.remarks.startsWith("This EASA Form 1 corrects the error(s) in Block(s) 5 of EASA Form 1 000140 "))
        << c.remarks.toStdString();
}
