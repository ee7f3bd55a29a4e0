// Numbers taken and never stored show in the register and in the export
// command's list of voids.
#include "OpenedSource.h"
#include "PrintTo.h"
#include "ProgramRun.h"
#include "RegisterExport.h"
#include "RegisterRows.h"
#include "SignedEntries.h"
#include "TakenNumbers.h"
#include "TestPaths.h"

namespace {

class VoidRegister : public OpenedSourceTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(OpenedSourceTest::SetUp());
        arc::CertificateEntries e;
        e.tracking = "VAS-26-0001";
        e.block13eDate = "10/Dec/2026";
        savedAsNew(data, e);
        const struct {
            const char *number, *at, *user, *reason;
        } voids[] = {{"VAS-26-0002", "2026-12-10T11:00:00Z", "Ann", "left unsaved"},
                     {"VAS-26-0003", "2026-11-30T08:00:00Z", "Bob\x1b[2J", "torn\nby the printer"}};
        for (const auto &v : voids)
            ASSERT_TRUE(data.certificates()
                            .exec("INSERT INTO \"NumberVoids\" (\"Tracking\", \"VoidedAt\", \"Workstation\", "
                                  "\"UserName\", \"Reason\") VALUES (?, ?, 'bench-1', ?, ?)",
                                  {v.number, v.at, v.user, v.reason})
                            .ok());
    }
    QStringList trackingAndForm(QDate from = {})
    {
        return registerColumns(registerRows(data.certificates(), from), {"Tracking No.", "Form"});
    }
};
ARC_ON_BOTH_ENGINES(VoidRegister);

TEST_P(VoidRegister, VoidsFollowTheCertificatesOfTheirPeriodMarkedVoid)
{
    EXPECT_EQ(trackingAndForm(), QStringList({"VAS-26-0001|FAA Form 8130-3", "VAS-26-0003|VOID", "VAS-26-0002|VOID"}));
    EXPECT_EQ(trackingAndForm(QDate(2026, 12, 1)), QStringList({"VAS-26-0001|FAA Form 8130-3", "VAS-26-0002|VOID"}));
    EXPECT_EQ(registerColumns(registerRows(data.certificates()), {"Description", "Signatory"}).value(2),
              "left unsaved, voided 2026-12-10T11:00:00Z at bench-1|Ann");
}

TEST_P(VoidRegister, TheCommandListsEveryVoidOnALineOfItsOwn)
{
    const ProgramRun listed = ProgramRun::of(test_paths::program("arc8130-export"), {source(), "--voids"});
    EXPECT_EQ(listed.exit, 0) << listed.said.toStdString();
    EXPECT_EQ(listed.said, "VAS-26-0003\t2026-11-30T08:00:00Z\tbench-1\tBob [2J\ttorn by the printer\n"
                           "VAS-26-0002\t2026-12-10T11:00:00Z\tbench-1\tAnn\tleft unsaved\n"
                           "2 void numbers\n")
        << "no control character reaches the terminal";
    EXPECT_EQ(ProgramRun::of(test_paths::program("arc8130-export"), {source(), "--voids", "--from", "01/Dec/2026"}).exit, 2);
    EXPECT_EQ(ProgramRun::of(test_paths::program("arc8130-export"), {source(), "out.csv", "--voids"}).exit, 2);
}

} // namespace
