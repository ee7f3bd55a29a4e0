// No two signatories of one name are stored from the panel; those converted
// with one name stay, told apart by their approval numbers; a signatory
// renamed keeps his signing key.

#include "EntryBox.h"
#include "KeysOf.h"
#include "PanelFixture.h"
#include "SignatoryNames.h"
#include "SigningFixture.h"

#include <QLabel>

using namespace arc;

namespace {

struct Taken {
    const char *name;
    qint64 own;
    qint64 by; // 0: free
};

TEST(SignatoryNames, ANameIsTakenWhateverItsCaseAndSpaces)
{
    const QList<AgentEntry> all = {{"J. Smith", {}, "D-1", 1}, {"Lee", {}, "D-2", 2}};
    for (const Taken &t : {Taken{"J. Smith", 0, 1}, Taken{" j. smith ", 0, 1}, Taken{"J. SMITH", 2, 1},
                           Taken{"J. Smith", 1, 0}, Taken{"J Smith", 0, 0}, Taken{"Leet", 0, 0}}) {
        const std::optional<AgentEntry> by = SignatoryNames::takenBy(all, t.name, t.own);
        EXPECT_EQ(by ? by->rowId : 0, t.by) << t.name;
    }
}

class SignatoryNamesPanelTest : public SignatoriesPanelFixture<OpenedSourceTest> {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(SignatoriesPanelFixture::SetUp());
        // As a conversion of the earlier program's data may bring them.
        ASSERT_NO_FATAL_FAILURE(openAsFirst(
            {agent("Pat", "p", "D-1", true), agent("Twin", "a", "D-2"), agent("Twin", "b", "D-3")}));
    }
    int count() { return stored("SELECT COUNT(*) FROM \"Agents\"").toInt(); }
};

TEST_P(SignatoryNamesPanelTest, RefusesANameTakenAndKeepsTheKeyOnRenaming)
{
    EXPECT_EQ(names(*panel->combo6), "Pat|Twin (D-2)|Twin (D-3)");
    EXPECT_EQ(names(access), "Pat|Twin (D-2)|Twin (D-3)");

    panel->newSignatory();
    panel->newName->setText(" pat ");
    panel->certification->setText("D-4");
    panel->save();
    messages.expectAsked("Name taken", {"Another signatory is already named Pat (approval number D-1)",
                                        "nothing was saved"});
    EXPECT_EQ(count(), 3);

    // A converted row keeps its shared name while its number changes.
    panel->exitPanel();
    ASSERT_TRUE(pressDmirs());
    chooseRow(2);
    const qint64 row = panel->combo6->itemData(2).value<AgentEntry>().rowId;
    ASSERT_TRUE(keysOf(data)->putSigningKey(row, signing::madeKey("k"), nullptr));
    panel->certification->setText("D-33");
    panel->save();
    messages.expectNothingAsked();
    EXPECT_EQ(names(*panel->combo6), "Pat|Twin (D-2)|Twin (D-33)");

    panel->newName->setText("PAT");
    panel->save();
    messages.expectAsked("Name taken", {"Pat"});
    EXPECT_EQ(stored(QStringLiteral("SELECT \"Name\" FROM \"Agents\" WHERE rowid = %1").arg(row)), "Twin");

    panel->newName->setText("Tam");
    panel->save();
    messages.expectNothingAsked();
    EXPECT_EQ(names(*panel->combo6), "Pat|Twin|Tam");
    EXPECT_EQ(names(access), "Pat|Twin|Tam");
    chooseRow(2);
    EXPECT_NE(panel->certificateInfo->text(), "No signing certificate") << "the key stays with the renamed row";
    StoredSigningKey key;
    EXPECT_EQ(keysOf(data)->signingKey(row, key, nullptr), KeyStore::Found::Yes);
}

ARC_ON_BOTH_ENGINES(SignatoryNamesPanelTest);

} // namespace
