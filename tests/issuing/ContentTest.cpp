// The certificate's canonical content and hash, the blocks a change
// touches, and the correction's statement. How a correction is stored is
// in SourceIssuingTest, on both engines.

#include "CertificateContent.h"
#include "Correction.h"
#include "CorrectionStatement.h"
#include "OpenedSource.h"
#include "SignedEntries.h"

using arc::CertificateContent;

namespace {

CertificateContent stored(arc::DataFolder &data, qint64 key)
{
    arc::DbStatus s;
    const std::optional<CertificateContent> c = CertificateContent::read(data.certificates(), key, &s);
    EXPECT_TRUE(c.has_value()) << s.detail().toStdString();
    return c.value_or(CertificateContent{});
}

} // namespace

class ContentTest : public OpenedFolderTest {
protected:
    qint64 save(const arc::CertificateEntries &e) { return savedAsNew(data, e); }
    // A statement of another program, on the certificates file.
    void sql(const char *statement) { ASSERT_TRUE(data.certificates().exec(statement).ok()) << statement; }
};

// What the screen shows of a stored certificate is what is stored: saving
// it again would change nothing, and its hash stays. Any change made by
// another tool, down to a blank becoming null, changes the hash.
TEST_F(ContentTest, TheHashFollowsEveryStoredValue)
{
    const qint64 key = save(signedEntries());
    const CertificateContent before = stored(data, key);
    EXPECT_EQ(before.sha256().size(), 64);
    EXPECT_EQ(stored(data, key).sha256(), before.sha256()) << "read twice, the same";

    arc::CertificateEntries shown = signedEntries();
    shown.block13eDate = ""; // an empty date box keeps the stored date
    shown.lines[3] = {"4", "after an empty line", "", "", "", "", {}};
    EXPECT_EQ(CertificateContent::afterSave(shown, before), before);

    QString last = before.sha256();
    for (const char *change :
         {"UPDATE Header SET Invoice = 'WO-8'", "UPDATE Header SET Organ2 = NULL", "UPDATE Header SET New = 0",
          "UPDATE Header SET Date18 = '2026-12-06'", "UPDATE Detail SET Quantity = '3' WHERE Item = '2'",
          "DELETE FROM Detail WHERE Item = '2'"}) {
        sql(change);
        const QString now = stored(data, key).sha256();
        EXPECT_NE(now, last) << change;
        last = now;
    }
    EXPECT_FALSE(CertificateContent::read(data.certificates(), key + 1).has_value());
}

// The blocks of the form a change touches, in the form's order, each once.
TEST_F(ContentTest, DifferingBlocksAreNamedInTheFormsOrder)
{
    const CertificateContent issued = stored(data, save(signedEntries()));
    arc::CertificateEntries e = signedEntries();
    EXPECT_TRUE(issued.differingBlocks(CertificateContent::afterSave(e, issued)).isEmpty());

    e.lines[1].serialNum = "SN-3";
    e.lines[0].description = "Fuel pump assy";
    e.organ1 = "Acme Aero\n2 Main St";
    e.organ2 = "Acme Aero Europe";
    e.block13cNumber = "DMIR-8";
    e.block13eDate = "06/Dec/2026";
    e.otherRegulation = true;
    EXPECT_EQ(issued.differingBlocks(CertificateContent::afterSave(e, issued)),
              (QStringList{"4", "7", "10", "13c", "13e", "14a"}));

    e = signedEntries();
    e.lines[2] = {"3", "Gasket", "PN-9", "1", "", "NEW", {}}; // a line more, its serial blank as before
    EXPECT_EQ(issued.differingBlocks(CertificateContent::afterSave(e, issued)),
              (QStringList{"6", "7", "8", "9", "11"}));
}

TEST_F(ContentTest, TheSigningDateIsThatOfTheBlockInUse)
{
    arc::CertificateEntries e = signedEntries();
    e.block14eDate = "07/Dec/2026";
    EXPECT_EQ(stored(data, save(e)).signingDate(), QDate(2026, 12, 5));
    e.lines[0].status = "REPAIRED";
    e.lines[1].status = "REPAIRED";
    EXPECT_EQ(stored(data, save(e)).signingDate(), QDate(2026, 12, 7));
    e.block14eDate.clear();
    EXPECT_EQ(stored(data, save(e)).signingDate(), QDate(2026, 12, 5)) << "the other block's date";
}

TEST_F(ContentTest, TheStatementNamesBlocksNumberAndDate)
{
    EXPECT_EQ(arc::CorrectionStatement::text({"7", "10"}, "000123", QDate(2026, 12, 5)),
              "This FAA Form 8130-3 corrects the error(s) in Block(s) 7, 10 of FAA Form 8130-3 000123 dated "
              "05/Dec/2026.");
    EXPECT_EQ(arc::CorrectionStatement::remarks("Statement.", "Remarks\nsecond line"),
              "Statement.\nRemarks\nsecond line");
    EXPECT_EQ(arc::CorrectionStatement::remarks("Statement.", " "), "Statement.");
}

// A correction that cannot be stored takes no number.
TEST_F(ContentTest, AFailedCorrectionTakesNoNumber)
{
    sql("UPDATE Defaults SET Tracking = '000130'");
    const qint64 key = save(signedEntries());
    const CertificateContent issued = stored(data, key);
    arc::CertificateEntries e = signedEntries();
    e.invoice = "WO-8";
    sql("CREATE TRIGGER refuse BEFORE INSERT ON Header BEGIN SELECT RAISE(ABORT, 'refused'); END");
    const arc::Correction::Result r = arc::Correction::store(data, e, issued, QDate(2026, 12, 9));
    EXPECT_FALSE(r.status.ok());
    EXPECT_EQ(data.certificates().scalar("SELECT Tracking FROM Defaults").toString(), "000130");
    EXPECT_EQ(data.certificates().scalar("SELECT count(*) FROM Header").toInt(), 1);
}
