#include "CountriesPanel.h"
#include "EntryBox.h"
#include "ForwardersPanel.h"
#include "PanelFixture.h"

#include <QCheckBox>
#include <QPushButton>

using arc::CountryEntry;
using arc::ForwarderEntry;

class CountriesPanelTest : public PanelTest<> {
protected:
    void openPanel()
    {
        for (const CountryEntry &c : arc::ReferenceLists::exportCountries(data.countries(), "NEW"))
            exportList.addItem(c.name, QVariant::fromValue(c));
        panel = std::make_unique<arc::CountriesPanel>(data, addMode, messages, &exportList);
        QObject::connect(panel.get(), &arc::CountriesPanel::countryDeleted, [this] { ++refills; });
        panel->open();
    }
    void add(const QString &name, bool bilateral, bool jaa)
    {
        panel->newEntry();
        panel->newName->setText(name);
        panel->bilateral->setChecked(bilateral);
        panel->jaa->setChecked(jaa);
        panel->save();
    }

    QComboBox exportList;
    int refills = 0;
    std::unique_ptr<arc::CountriesPanel> panel;
};

// Add, change and delete, with the screen's export list after each; a Save
// after a Delete writes over no other country.
TEST_F(CountriesPanelTest, AddChangeDeleteKeepTheExportListInStep)
{
    openPanel();
    EXPECT_TRUE(panel->combo7->isHidden());
    EXPECT_FALSE(panel->newName->isEnabled()) << "only New leads on";

    add("Norway", false, true);
    add("Canada", true, false);
    EXPECT_FALSE(addMode.isOn());
    EXPECT_EQ(stored("SELECT group_concat(Country || Bilateral || JAA, ' ') FROM Countries"), "Norway01 Canada10");
    EXPECT_EQ(names(*panel->combo7), "Norway|Canada");
    EXPECT_EQ(panel->combo7->currentText(), "Canada");
    // Offered for export at once, in order, with its flags, whatever they are.
    EXPECT_EQ(names(exportList), " Country|<Manually enter country>|Canada|Norway");
    EXPECT_TRUE(exportList.itemData(2).value<CountryEntry>().bilateral);

    panel->choose(0); // Norway
    panel->bilateral->setChecked(true);
    panel->save();
    EXPECT_EQ(stored("SELECT group_concat(Country || Bilateral || JAA, ' ') FROM Countries"), "Norway11 Canada10");

    panel->deleteEntry();
    EXPECT_EQ(stored("SELECT group_concat(Country) FROM Countries"), "Canada");
    EXPECT_EQ(names(*panel->combo7), "Canada");
    EXPECT_EQ(panel->combo7->currentIndex(), -1);
    EXPECT_FALSE(panel->deleteButton->isEnabled());
    EXPECT_EQ(refills, 1) << "the export list is filled again";

    panel->save();
    messages.expectAsked("Countries", {"No country is chosen"});
    EXPECT_EQ(stored("SELECT group_concat(Country || Bilateral || JAA) FROM Countries"), "Canada10")
        << "the remaining country is not renamed";

    panel->newEntry();
    panel->deleteEntry();
    EXPECT_EQ(stored("SELECT count(*) FROM Countries"), "1") << "Delete does nothing while adding";
}

class ForwardersPanelTest : public PanelTest<> {
protected:
    void openPanel()
    {
        for (const ForwarderEntry &f : arc::ReferenceLists::forwarders(data.forwarders()))
            screenList.addItem(f.name, QVariant::fromValue(f));
        panel = std::make_unique<arc::ForwardersPanel>(data, addMode, messages, &screenList);
        panel->open();
    }
    void add(const QString &name, const QStringList &lines)
    {
        panel->newEntry();
        panel->newName->setText(name);
        for (int i = 0; i < lines.size(); ++i)
            panel->address[i]->setText(lines[i]);
        panel->save();
    }
    ForwarderEntry screenEntry(const QString &name)
    {
        return screenList.itemData(screenList.findText(name)).value<ForwarderEntry>();
    }

    QComboBox screenList;
    std::unique_ptr<arc::ForwardersPanel> panel;
};

// The add/change/delete cycle is the list panel's, shown with the countries;
// here what the houses add.
TEST_F(ForwardersPanelTest, AddressesReachTheScreensListAndTheChosenTwinIsDeleted)
{
    writeRow(data.forwarders(), {{"ForwardHouse", "Twin"}, {"FHInfo1", "first"}});
    writeRow(data.forwarders(), {{"ForwardHouse", "Twin"}, {"FHInfo1", "second"}});
    const auto addressEnabled = [this] {
        QString on;
        for (const arc::EntryBox *line : panel->address)
            on += line->isEnabled() ? '1' : '0';
        return on;
    };
    openPanel();
    add("Acme Freight", {"Dock 4", "1 Harbour Rd", "Miami FL", "USA"});
    EXPECT_EQ(names(screenList), " Freight Forwarder|Acme Freight|Twin|Twin");
    EXPECT_EQ(screenEntry("Acme Freight").info, (QStringList{"Dock 4", "1 Harbour Rd", "Miami FL", "USA"}));
    panel->address[0]->setText("Dock 12");
    panel->save();
    EXPECT_EQ(stored("SELECT FHInfo1 FROM ForwardingHouses WHERE ForwardHouse = 'Acme Freight'"), "Dock 12");
    EXPECT_EQ(screenEntry("Acme Freight").info.value(0), "Dock 12");
    EXPECT_EQ(addressEnabled(), "1111") << "a house is chosen";
    panel->deleteEntry();
    EXPECT_EQ(addressEnabled(), "0000") << "no house is chosen after Delete";

    ASSERT_EQ(names(*panel->combo8), "Twin|Twin");
    const int second = panel->combo8->itemData(0).value<ForwarderEntry>().info.value(0) == "second" ? 0 : 1;
    panel->combo8->setCurrentIndex(second);
    panel->choose(second);
    EXPECT_EQ(panel->address[0]->text(), "second");
    panel->deleteEntry();
    EXPECT_EQ(stored("SELECT group_concat(FHInfo1) FROM ForwardingHouses"), "first");
    ASSERT_EQ(names(screenList), " Freight Forwarder|Twin");
    EXPECT_EQ(screenList.itemData(1).value<ForwarderEntry>().info.value(0), "first");
}
