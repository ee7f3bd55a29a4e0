// The organisations editor works through Qt's table model rather than our
// cursors: on a server too it must find, add, change and delete rows.
#include "EntryBox.h"
#include "FormApproval.h"
#include "FormNames.h"
#include "OpenedSource.h"
#include "OrganizationsEditor.h"
#include "ReferenceLists.h"

using namespace arc;

using OrganizationsOnEngine = OpenedSourceTest;
ARC_ON_BOTH_ENGINES(OrganizationsOnEngine);

TEST_P(OrganizationsOnEngine, RowsAreAddedChangedAndDeleted)
{
    Database &ref = data.reference();
    OrganizationsEditor editor;
    editor.open(ref);
    editor.text8[0]->setText("Zeta Aero");
    editor.text8[4]->setText("Z1");
    ASSERT_TRUE(editor.next().ok());
    editor.text8[0]->setText("Alpha Parts");
    ASSERT_TRUE(editor.close().ok());
    EXPECT_EQ(ref.scalar("SELECT min(\"Organization\") || ' ' || max(\"CertificateNum\") || ' ' || count(*) FROM "
                         "\"Organizations\"")
                  .toString(),
              "Alpha Parts Z1 2");

    editor.open(ref);
    ASSERT_TRUE(editor.first().ok());
    EXPECT_EQ(editor.text8[0]->text(), "Zeta Aero");
    editor.text8[5]->setText("EASA.145.1");
    ASSERT_TRUE(editor.next().ok());
    EXPECT_EQ(editor.text8[0]->text(), "Alpha Parts") << "a changed row keeps its place";
    ASSERT_TRUE(editor.deleteCurrent().ok());
    ASSERT_TRUE(editor.close().ok());
    EXPECT_EQ(ref.scalar("SELECT count(*) FROM \"Organizations\"").toInt(), 1);
    EXPECT_EQ(ref.scalar("SELECT \"JAANum\" FROM \"Organizations\"").toString(), "EASA.145.1");
}

// Each authority's approval is kept with the organisation and goes to the
// box of the form that takes it: 14c, and 13c on an EASA or UK form when
// the signatory has no number.
TEST_P(OrganizationsOnEngine, EachFormTakesTheApprovalOfItsAuthority)
{
    OrganizationsEditor editor;
    editor.open(data.reference());
    editor.text8[0]->setText("Acme Aero");
    editor.text8[4]->setText("V7RR123K");
    editor.text8[5]->setText("EASA.145.7777");
    editor.ukNumber->setText("UK.145.0042");
    ASSERT_TRUE(editor.close().ok());
    const QList<OrganizationEntry> kept = ReferenceLists::organizations(data.organizations());
    ASSERT_EQ(kept.size(), 1);
    const OrganizationEntry &acme = kept[0];

    const struct {
        QString form, block14c, block13cUnsigned;
    } forms[] = {
        {FormNames::kFaa, "V7RR123K", ""},
        {FormNames::kEasaMaintenance, "EASA.145.7777", "EASA.145.7777"},
        {FormNames::kEasaProduction, "EASA.145.7777", "EASA.145.7777"},
        {FormNames::kUkMaintenance, "UK.145.0042", "UK.145.0042"},
        {FormNames::kUkProduction, "UK.145.0042", "UK.145.0042"},
    };
    for (const auto &f : forms) {
        SCOPED_TRACE(f.form.toStdString());
        EXPECT_EQ(FormApproval::block14c(f.form, acme), f.block14c);
        EXPECT_EQ(FormApproval::block13c(f.form, " ", &acme), f.block13cUnsigned.isEmpty() ? " " : f.block13cUnsigned);
        EXPECT_EQ(FormApproval::block13c(f.form, "DMIR-7", &acme), "DMIR-7");
    }
}
