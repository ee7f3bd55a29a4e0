#include "EntryBox.h"
#include "EntryText.h"
#include "PanelFixture.h"
#include "PartCatalogue.h"
#include "PartsPanel.h"
#include "StampTexts.h"

#include <QListWidget>
#include <QPushButton>

class PartsPanelTest : public PanelTest<> {
protected:
    void openPanel(const QList<QVariantMap> &parts = {})
    {
        for (const QVariantMap &p : parts) {
            writeRow(data.parts(), p);
            partList.addItem(p.value("PartNumber").toString());
        }
        panel = std::make_unique<arc::PartsPanel>(data, addMode, messages, &partList);
        QObject::connect(panel.get(), &arc::PartsPanel::setupMayClose, [this](bool may) { setupEnabled = may; });
        panel->open();
    }
    void addPart(const QString &number, const QString &pma = {})
    {
        panel->newPart();
        panel->partEntry->setText(number);
        panel->pma->setText(pma);
        panel->savePart();
    }

    QListWidget partList;
    bool setupEnabled = true;
    std::unique_ptr<arc::PartsPanel> panel;
};

TEST_F(PartsPanelTest, AnEmptyCatalogueOffersOnlyNewAndExit)
{
    openPanel();
    EXPECT_TRUE(panel->combo5->isHidden());
    EXPECT_FALSE(panel->savePartButton->isEnabled() || panel->deleteButton->isEnabled()
                 || panel->saveStampButton->isEnabled());
    EXPECT_TRUE(panel->newButton->isEnabled());
    EXPECT_FALSE(setupEnabled);
    panel->exitPanel();
    EXPECT_TRUE(setupEnabled);
}

// Nothing is ever written to a part the panel did not load.
TEST_F(PartsPanelTest, SaveDeleteNewCycle)
{
    openPanel({{{"PartNumber", "PN-5"}, {"Description", "Valve"}, {"S2", QVariant()}}});
    EXPECT_EQ(panel->description->toPlainText(), "Valve");
    EXPECT_EQ(panel->stampCodes[1]->text(), "") << "a null stamp shows an empty box";

    addPart("PN-1", "ASSY-1");
    EXPECT_FALSE(addMode.isOn());
    EXPECT_EQ(names(*panel->combo5), "PN-1|PN-5");
    EXPECT_EQ(panel->combo5->currentText(), "PN-1");
    EXPECT_EQ(partList.item(partList.count() - 1)->text(), "PN-1");
    EXPECT_EQ(stored("SELECT PMA_PartNumber FROM PartNumbers WHERE PartNumber = 'PN-1'"), "ASSY-1");

    // The grid looks another part up in the shared catalogue meanwhile.
    ASSERT_TRUE(arc::PartCatalogue::lookUp(data.parts(), "PN-5"));
    panel->pma->setText("ASSY-2");
    panel->savePart();
    EXPECT_EQ(stored("SELECT PMA_PartNumber FROM PartNumbers WHERE PartNumber = 'PN-1'"), "ASSY-2");
    EXPECT_EQ(stored("SELECT ifnull(PMA_PartNumber, 'null') FROM PartNumbers WHERE PartNumber = 'PN-5'"), "null");

    panel->deletePart();
    EXPECT_EQ(names(*panel->combo5), "PN-5");
    EXPECT_EQ(panel->combo5->currentIndex(), -1);
    EXPECT_FALSE(panel->deleteButton->isEnabled());
    EXPECT_EQ(stored("SELECT count(*) FROM PartNumbers"), "1");
    panel->savePart(); // nothing loaded now
    messages.expectAsked("Part catalogue", {"No part is loaded"});
    EXPECT_EQ(stored("SELECT count(*) || group_concat(PartNumber) FROM PartNumbers"), "1PN-5");

    addPart(" ");
    messages.expectAsked("Part catalogue", {"A part needs a part number. Nothing was saved."});
    addPart("PN-5");
    messages.expectAsked("Part catalogue", {"Part PN-5 is already in the catalogue. Nothing was saved."});
    EXPECT_EQ(stored("SELECT count(*) FROM PartNumbers"), "1");
    EXPECT_TRUE(panel->newButton->isEnabled() || addMode.isOn()) << "the panel stays usable";

    panel->newPart();
    panel->deletePart();
    EXPECT_EQ(stored("SELECT count(*) FROM PartNumbers"), "1") << "Delete does nothing while adding";
}

// Stamp codes show their texts; Save Stamp stores new codes and replaces
// known ones; an empty eligibility takes the first stamp text, whole.
TEST_F(PartsPanelTest, StampsAndTheEligibilityFallback)
{
    ASSERT_TRUE(arc::StampTexts::save(data.reference(), "A1", "Old text").ok());
    openPanel({{{"PartNumber", "PN-1"}, {"S1", "A1"}, {"S3", "Q9"}}});
    EXPECT_EQ(panel->stampTexts[0]->toPlainText(), "Old text");
    EXPECT_EQ(panel->stampTexts[2]->toPlainText(), "") << "an unknown code has no text";

    panel->stampTexts[2]->setPlainText("typed");
    panel->lookUpStamp(2);
    EXPECT_EQ(panel->stampTexts[2]->toPlainText(), "typed") << "an unknown code leaves the text as it is";
    panel->stampCodes[2]->clear();
    panel->lookUpStamp(2);
    EXPECT_EQ(panel->stampTexts[2]->toPlainText(), "");

    const QString longText(255, 'T');
    panel->stampTexts[0]->setPlainText(longText);
    panel->stampCodes[1]->setText("B2");
    panel->stampTexts[1]->setPlainText("Brand new");
    panel->saveStamps();
    EXPECT_EQ(stored("SELECT group_concat(StampNumber || '=' || length(StampText)) FROM Stamps"), "A1=255,B2=9");
    EXPECT_EQ(panel->eligibility->toPlainText(), longText);

    panel->eligibility->clear();
    panel->savePart();
    EXPECT_EQ(stored("SELECT length(Eligibility) FROM PartNumbers"), "255") << "stored whole, not cut";
    messages.expectNothingAsked();
}
