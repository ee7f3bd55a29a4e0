// What follows on screen from the form a certificate is released on: the
// approval numbers of blocks 13c and 14c, the status list, and a duplicate
// that stays on its form.
#include "WindowFixture.h"

#include "CertificateOnScreen.h"

#include <QListWidget>

class ReleaseFormTest : public SignedInWindowTest {
protected:
    void fillBeforeOpening() override
    {
        addRow("Organizations", {{"Organization", "Acme Aero"},
                                 {"CertificateNum", "V7RR123K"},
                                 {"JAANum", "EASA.145.7777"},
                                 {"UkNum", "UK.145.0042"},
                                 {"EasaAuthority", "EASA"},
                                 {"UkAuthority", "CAA"}});
    }
    void release(const QString &form, const QString &status)
    {
        choose(screen().formChoice, form);
        fuelPumpLine(status);
    }
    QStringList statusList()
    {
        QStringList out;
        for (int i = 0; i < screen().list2->count(); ++i)
            out << screen().list2->item(i)->text();
        return out;
    }
};

// An overhaul on the EASA form carries the EASA approval in 14c, never the
// FAA number; the UK form its UK approval. 13c is the signatory's number,
// the organisation's approval on an EASA or UK form when he has none.
TEST_F(ReleaseFormTest, BlocksThirteenAndFourteenCarryTheApprovalOfTheFormsAuthority)
{
    choose(screen().combo3, "Acme Aero");
    // Which approval each form takes is OrganizationsOnEngine.EachFormTakesTheApprovalOfItsAuthority's.
    const struct {
        const char *form, *status, *block13c, *block14c;
    } cases[] = {
        {"EASA Form 1 (maintenance)", "OVERHAULED", "", "EASA.145.7777"},
        {"FAA Form 8130-3", "NEW", "DMIR-7", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.form) + " " + c.status);
        release(c.form, c.status);
        expectShown({{screen().block13cNumber, c.block13c}, {screen().block14cNumber, c.block14c}});
    }
    // Another form chosen on the same certificate: 14c follows at once.
    choose(screen().formChoice, "EASA Form 1 (maintenance)");
    release("EASA Form 1 (maintenance)", "REPAIRED");
    choose(screen().formChoice, "UK CAA Form 1 (maintenance)");
    expectShown({{screen().block14cNumber, "UK.145.0042"}});

    arc::AgentEntry unnumbered = *window->signIn().signatory();
    unnumbered.approvalNumber = " ";
    window->signIn().update(unnumbered);
    release("EASA Form 1 (production)", "NEW");
    expectShown({{screen().block13cNumber, "EASA.145.7777"}});
}

TEST_F(ReleaseFormTest, TheStatusListOffersWhatTheFormAllows)
{
    choose(screen().formChoice, "EASA Form 1 (maintenance)");
    EXPECT_EQ(statusList(), QStringList({"OVERHAULED", "REPAIRED", "INSPECTED/TESTED", "MODIFIED"}));
    choose(screen().formChoice, "UK CAA Form 1 (production)");
    EXPECT_EQ(statusList(), QStringList({"NEW", "PROTOTYPE"}));
    choose(screen().formChoice, "FAA Form 8130-3");
    EXPECT_TRUE(statusList().contains("Inspected"));
}

// A duplicate of an EASA Form 1 is an EASA Form 1, with its block 1.
TEST_F(ReleaseFormTest, DuplicateKeepsTheForm)
{
    choose(screen().combo3, "Acme Aero");
    release("EASA Form 1 (maintenance)", "OVERHAULED");
    screen().block1Country->setText("EASA");
    screen().saveButton->click();
    screen().duplicateButton->click();
    EXPECT_EQ(window->newFormFlag(), 1);
    EXPECT_EQ(screen().formChoice->currentText(), "EASA Form 1 (maintenance)");
    EXPECT_EQ(screen().entries(window->itemSlots()).form, "EASA Form 1 (maintenance)");
    expectShown({{screen().block1Country, "EASA"}, {screen().block14cNumber, "EASA.145.7777"}});
    EXPECT_EQ(screen().block14aReturnToService->text(), "Part-145.A.50 Release to Service");
}

// An item released as PROTOTYPE and now NEW on the production form: block
// 12 is offered the re-certification statement; not on the FAA form.
TEST_F(ReleaseFormTest, APrototypeReleasedNewOnTheProductionFormIsOfferedTheRecertification)
{
    const qint64 prototype = addCertificate("000007", {"PROTOTYPE"}, {"PN-7"});
    storedExec(QString("UPDATE Detail SET SerialNum = 'sn-1 ' WHERE FormIndex = %1").arg(prototype));
    choose(screen().combo3, "Acme Aero");
    release("EASA Form 1 (production)", "NEW");
    EXPECT_TRUE(screen().block12Remarks->toPlainText().startsWith(
        "RECERTIFICATION OF ITEMS FROM 'PROTOTYPE' TO 'NEW': THIS DOCUMENT CERTIFIES THE APPROVAL OF THE DESIGN DATA "))
        << screen().block12Remarks->toPlainText().toStdString();
    release("FAA Form 8130-3", "NEW");
    EXPECT_FALSE(screen().block12Remarks->toPlainText().contains("RECERTIFICATION"));
    window->setItemLine(0, {"1", "Fuel pump", "PN-7", "1", "SN-2", "NEW", {}});
    choose(screen().formChoice, "UK CAA Form 1 (production)");
    EXPECT_FALSE(screen().block12Remarks->toPlainText().contains("RECERTIFICATION")) << "another item";
}
