// The content hash stands for a certificate in the issue log: a certificate
// of ten lines or fewer hashes as it did when ten were all a certificate
// held, and one of more keeps every line.

#include "CertificateContent.h"

#include <gtest/gtest.h>

namespace {

arc::CertificateEntries withLines(int count)
{
    arc::CertificateEntries e;
    e.tracking = "000123";
    e.country = "FAA/United States";
    e.remarks = "Inspected.";
    e.block13eDate = "05/Dec/2026";
    e.approvedDesign = true;
    e.lines = arc::paddedLines(arc::ItemSlots(std::size_t(count)));
    for (int n = 0; n < count; ++n)
        e.lines[std::size_t(n)] = {QString::number(n + 1), "FUEL PUMP", "PN-1", "1", QString("SN-%1").arg(n), "NEW", {}};
    return e;
}

TEST(ContentLinesTest, TenLinesHashAsTheyAlwaysDidAndMoreKeepEveryLine)
{
    const arc::CertificateContent ten = arc::CertificateContent::afterSave(withLines(10), {});
    EXPECT_EQ(ten.sha256(), "4e258fb1b54805ff215673902e79537c7fe1e2c3fd69500f5dfeba24b3664c4a");

    const arc::CertificateContent fourteen = arc::CertificateContent::afterSave(withLines(14), {});
    ASSERT_EQ(fourteen.lines().size(), 14u);
    EXPECT_NE(fourteen.sha256(), ten.sha256());
    const arc::CertificateEntries shown = fourteen.entries();
    ASSERT_GE(shown.lines.size(), 14u);
    EXPECT_EQ(shown.lines[13].serialNum, "SN-13");
    EXPECT_TRUE(fourteen.differingBlocks(ten).contains("10"));
}

} // namespace
