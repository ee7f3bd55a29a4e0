// The content hash reads a frozen list of fields: what the table of
// certificate fields gains later leaves every logged hash as it was.

#include "CertificateContent.h"
#include "CertificateFields.h"
#include "ContentFields.h"
#include "PrintTo.h"
#include "SignedEntries.h"

namespace {

QStringList listed(const auto &fields)
{
    QStringList out;
    for (const char *f : fields)
        out << QString::fromLatin1(f);
    return out;
}

TEST(ContentFieldsTest, VersionOneIsTheListEveryLoggedHashWasMadeWith)
{
    EXPECT_EQ(arc::ContentFields::kVersion, 1);
    EXPECT_EQ(listed(arc::ContentFields::kHeader),
              QStringList({"Country", "Tracking", "Organ1", "Organ2", "Invoice", "Remarks", "New", "Overhaul",
                           "Name17", "AuthNum", "Date18", "CFRRTS", "OtherRTS", "Name22", "CertNum", "Date23",
                           "Form"}));
    EXPECT_EQ(listed(arc::ContentFields::kLine),
              QStringList({"Item", "Description", "PartNum", "Quantity", "SerialNum", "Status"}));
}

// Each listed field is still one of the table's, where its value is read from.
TEST(ContentFieldsTest, EveryListedFieldIsInTheTable)
{
    for (const char *f : arc::ContentFields::kHeader)
        EXPECT_NE(arc::CertificateFields::byColumn(arc::StoredTable::Header, f), nullptr) << f;
    for (const char *f : arc::ContentFields::kLine)
        EXPECT_NE(arc::CertificateFields::byColumn(arc::StoredTable::Detail, f), nullptr) << f;
}

TEST(ContentFieldsTest, AKnownCertificateHashesAsItAlwaysDid)
{
    const arc::CertificateContent c = arc::CertificateContent::afterSave(signedEntries(), arc::CertificateContent{});
    EXPECT_TRUE(c.canonicalText().startsWith("ARC 8130 certificate 1\nFormIndex 0\nHeader.Country \"FAA/United States\"\n"))
        << c.canonicalText().toStdString();
    EXPECT_EQ(c.sha256(), "5bedc3eefd2b43d4cf89aee1905357d567273f6fd426370068590d026b07a491")
        << c.canonicalText().toStdString();
}

} // namespace
