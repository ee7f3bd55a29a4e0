// The organisations editor works through Qt's table model rather than our
// cursors: on a server too it must find, add, change and delete rows.
#include "EntryBox.h"
#include "OpenedSource.h"
#include "OrganizationsEditor.h"

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
