#include "AddMode.h"
#include "DataFolder.h"
#include "EntryBox.h"
#include "ReferenceLists.h"
#include "Rows.h"
#include "ScriptedMessages.h"
#include "SignatoriesPanel.h"
#include "TempFolder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

using arc::AgentEntry;
using arc::Message;

class SignatoriesPanelTest : public TempFolderTest {
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        ASSERT_TRUE(arc::DataFolder::create(folder()).ok());
        for (const char *f : {"pat.bmp", "lee.BMP", "notes.txt"})
            writeFile(folder() + f, "");
    }
    // Store the signatories, then list them for sign-in and open the panel.
    void openPanel(const QList<QVariantMap> &agents = {})
    {
        ASSERT_TRUE(data.open(folder()).ok());
        for (const QVariantMap &a : agents)
            writeRow(data.agents(), a);
        for (const AgentEntry &a : arc::ReferenceLists::agents(data.agents()))
            access.addItem(a.name, QVariant::fromValue(a));
        access.setCurrentIndex(-1);
        panel = std::make_unique<arc::SignatoriesPanel>(
            data, addMode, messages,
            arc::SignatoriesPanel::Hooks{&access, [this] { return accessPassword; }, [this] { return folder(); },
                                         [this](bool on) { setupEnabled = on; }});
    }
    QString stored(const QString &sql) { return data.reference().scalar(sql).toString(); }

    arc::DataFolder data;
    arc::AddMode addMode;
    ScriptedMessages messages;
    QComboBox access;
    QString accessPassword;
    bool setupEnabled = true;
    std::unique_ptr<arc::SignatoriesPanel> panel;
};

TEST_F(SignatoriesPanelTest, WhoMayOpenThePanelAndBecomeAdministrator)
{
    openPanel({{{"Name", "Pat"}, {"Password", "p1"}, {"ApprovalNumber", "D-1"}},
               {{"Name", "Boss"}, {"Password", "b1"}, {"ApprovalNumber", "D-2"}, {"Administrator", true}}});

    EXPECT_FALSE(panel->open()) << "no signatory named, no master password";
    EXPECT_TRUE(panel->isHidden());
    accessPassword = "zorp7351";
    EXPECT_TRUE(panel->open());
    panel->exitPanel();
    accessPassword.clear();

    access.setCurrentIndex(0);
    ASSERT_TRUE(panel->open());
    EXPECT_FALSE(setupEnabled) << "the set-up panel cannot close under this one";
    EXPECT_TRUE(panel->no->isChecked());
    EXPECT_FALSE(panel->yes->isEnabled());
    EXPECT_FALSE(panel->combo6->isEnabled()) << "a signatory sees only their own row";
    EXPECT_EQ(panel->certification->text(), "D-1");
    panel->adminPassword->setText("zorp7351");
    EXPECT_TRUE(panel->yes->isEnabled());
    panel->adminPassword->setText("zorp735");
    EXPECT_FALSE(panel->yes->isEnabled());
    panel->exitPanel();
    EXPECT_TRUE(setupEnabled);
    EXPECT_EQ(panel->adminPassword->text(), "");

    access.setCurrentIndex(1);
    ASSERT_TRUE(panel->open());
    EXPECT_TRUE(panel->yes->isChecked());
    EXPECT_TRUE(panel->combo6->isEnabled());
}

TEST_F(SignatoriesPanelTest, OpeningOnAnEmptyTableStartsANewSignatory)
{
    openPanel();
    ASSERT_TRUE(panel->open());
    EXPECT_TRUE(addMode.isOn());
    panel->certification->setText("N-1");
    panel->save();
    EXPECT_EQ(stored("SELECT count(*) FROM Agents"), "1");
    ASSERT_EQ(access.count(), 1) << "a nameless signatory is listed with an empty name";
    EXPECT_EQ(access.itemText(0), "");
}

TEST_F(SignatoriesPanelTest, SaveKeepsPasswordsWholeAndBothListsInStep)
{
    openPanel({{{"Name", "Pat"}, {"Password", "a-long-pass-14"}, {"ApprovalNumber", "D-1"}, {"Administrator", true}}});
    access.setCurrentIndex(0);
    ASSERT_TRUE(panel->open());

    for (const char *blank : {"", " "}) {
        panel->certification->setText(blank);
        panel->save();
    }
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(messages.shown[0], (Message{"Certificate Number can not be blank", "Data mising"}));
    EXPECT_EQ(stored("SELECT ApprovalNumber FROM Agents"), "D-1");
    panel->certification->setText("  ");
    panel->newPassword->clear();
    panel->save();
    EXPECT_EQ(messages.shown.size(), 2) << "two blanks are a number";
    EXPECT_EQ(stored("SELECT Password FROM Agents"), "a-long-pass-14") << "an empty new password keeps the old one";
    EXPECT_EQ(access.itemData(0).value<AgentEntry>().approvalNumber, "  ");

    // A new signatory: no inherited password, and both lists get the name.
    panel->newSignatory();
    EXPECT_TRUE(addMode.isOn());
    EXPECT_EQ(panel->oldPassword->text(), "");
    panel->newName->setText("Lee");
    panel->certification->setText("D-9");
    panel->save();
    EXPECT_FALSE(addMode.isOn());
    EXPECT_EQ(stored("SELECT Password FROM Agents WHERE Name = 'Lee'"), "");
    ASSERT_EQ(access.count(), 2);
    EXPECT_EQ(access.itemText(1), "Lee");
    EXPECT_EQ(access.itemData(1).value<AgentEntry>().approvalNumber, "D-9");
    EXPECT_EQ(panel->combo6->currentText(), "Lee");
    panel->newPassword->setText("lee-pw");
    panel->save();
    EXPECT_EQ(stored("SELECT Password FROM Agents WHERE Name = 'Lee'"), "lee-pw");
    EXPECT_EQ(access.itemData(1).value<AgentEntry>().password, "lee-pw") << "sign-in sees the new password at once";
    EXPECT_EQ(stored("SELECT Password FROM Agents WHERE Name = 'Pat'"), "a-long-pass-14");
}

TEST_F(SignatoriesPanelTest, SignatureFilesAndDeleteOfTheChosenRow)
{
    openPanel({{{"Name", "Pat"}, {"Password", "1"}, {"ApprovalNumber", "D-1"}, {"Administrator", true},
                {"UseElectronic", true}, {"ElectronicSign", "pat.bmp"}},
               {{"Name", "Pat"}, {"Password", "2"}, {"ApprovalNumber", "D-2"}}});
    access.setCurrentIndex(0);
    ASSERT_TRUE(panel->open());
    ASSERT_EQ(panel->files->count(), 2) << "bitmaps of the data folder only, by bare name";
    EXPECT_FALSE(panel->useElectronic->isChecked()) << "unticked, the stored choice is not shown";
    EXPECT_TRUE(panel->files->selectedItems().isEmpty());
    panel->useElectronic->setChecked(true);
    panel->choose(0);
    ASSERT_EQ(panel->files->selectedItems().size(), 1);
    EXPECT_EQ(panel->files->selectedItems().first()->text(), "pat.bmp");
    panel->files->setCurrentRow(panel->files->row(panel->files->findItems("lee.BMP", Qt::MatchExactly).first()));
    panel->save();
    EXPECT_EQ(stored("SELECT ElectronicSign || UseElectronic FROM Agents WHERE Password = '1'"), "lee.BMP1");

    panel->newSignatory();
    panel->deleteSignatory();
    EXPECT_EQ(stored("SELECT count(*) FROM Agents"), "2") << "Delete does nothing while adding";
    panel->exitPanel();

    access.setCurrentIndex(0);
    ASSERT_TRUE(panel->open());
    panel->combo6->setCurrentIndex(1);
    panel->choose(1);
    EXPECT_EQ(panel->certification->text(), "D-2") << "the second Pat, not the first of the name";
    panel->deleteSignatory();
    EXPECT_EQ(stored("SELECT group_concat(ApprovalNumber) FROM Agents"), "D-1");
    ASSERT_EQ(access.count(), 1);
    EXPECT_EQ(access.itemData(0).value<AgentEntry>().approvalNumber, "D-1");
    EXPECT_EQ(panel->combo6->count(), 1);
    EXPECT_FALSE(panel->deleteButton->isEnabled());
}
