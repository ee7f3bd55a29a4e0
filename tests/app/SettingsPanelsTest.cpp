#include "WindowFixture.h"

#include "DefaultsPanel.h"
#include "OrganizationsEditor.h"
#include "PaperChoice.h"
#include "PanelDrag.h"
#include "Prompts.h"
#include "SettingsPanels.h"

class SettingsPanelsTest : public DataWindowTest {
protected:
    arc::SetupPanel &setup() { return window->setupPanel(); }
    arc::OrganizationsEditor &organizations() { return *setup().organizations; }
    arc::DefaultsPanel &defaults() { return window->defaultsPanel(); }
    void typeOrganization(const QStringList &values)
    {
        for (int i = 0; i < values.size(); ++i)
            organizations().text8[i]->setText(values[i]);
    }
};

// The block 4 list follows the organisations at once; deleting down to
// none leaves a new, empty row, which is no organisation.
TEST_F(SettingsPanelsTest, SetupPanelStoresOrganisationsAndSettingsOnClosing)
{
    openWindow();
    screen().setupButton->click();
    EXPECT_FALSE(screen().newButton->isEnabled());
    typeOrganization({"Zeta Aero", "1 Main St", "Wichita", "KS", "ZA1R123K", "EASA.145.0001"});
    organizations().paperChoice->setCurrentIndex(organizations().paperChoice->findText("A4"));
    organizations().nextButton->click(); // stores it and starts another
    EXPECT_EQ(organizations().paperChoice->kept(), "") << "a new organisation starts at the form's paper";
    typeOrganization({"Acme Aero"});
    setup().option3D2->setChecked(true);
    screen().setupButton->click();
    EXPECT_TRUE(setup().isHidden());
    EXPECT_TRUE(screen().newButton->isEnabled());
    ASSERT_EQ(screen().combo3->count(), 2);
    EXPECT_EQ(screen().combo3->itemText(0), "Acme Aero") << "in order";
    EXPECT_EQ(screen().combo3->itemData(1).value<arc::OrganizationEntry>().jaaNum, "EASA.145.0001");
    EXPECT_EQ(screen().combo3->itemData(1).value<arc::OrganizationEntry>().paperSize, "A4");
    EXPECT_EQ(stored("SELECT User1 FROM Defaults LIMIT 1").toString(), "2");

    screen().setupButton->click();
    EXPECT_TRUE(setup().option3D2->isChecked());
    organizations().deleteButton->click();
    organizations().deleteButton->click();
    EXPECT_FALSE(organizations().deleteButton->isEnabled());
    EXPECT_EQ(organizations().text8[0]->text(), "");
    screen().setupButton->click();
    EXPECT_EQ(screen().combo3->count(), 0);
    messages.expectNothingAsked();
}

// What the panel stores on closing starts the next certificate; a value too
// long and a counter another station moved are told once.
TEST_F(SettingsPanelsTest, DefaultsPanelStoresWhatNewCertificatesAndPrintingStartFrom)
{
    openWindow();
    screen().defaultsButton->click();
    EXPECT_FALSE(screen().setupButton->isEnabled());
    defaults().text19->setText("000041");
    defaults().check3D3->setChecked(true);
    defaults().text15->setPlainText("WO-0099");
    defaults().check3D7->setChecked(true);
    defaults().text40->setFocus();
    QTest::keyClicks(defaults().text40, "OVERHAULED");
    defaults().text22->setText(QString(26, 'A')); // one too many for its column
    screen().defaultsButton->click();
    messages.expectAsked(arc::Prompts::kTooLong);
    EXPECT_TRUE(defaults().isHidden());
    EXPECT_TRUE(screen().setupButton->isEnabled());

    // A counter another station moved meanwhile is not typed over.
    screen().defaultsButton->click();
    storedExec("UPDATE Defaults SET Tracking = '000044' WHERE Country <> 'Custom'");
    defaults().text19->setText("000010");
    screen().defaultsButton->click();
    messages.expectAsked("Defaults", {"the stored tracking number was kept"});

    screen().newButton->click();
    expectShown({{screen().block3Tracking, "000045"}, {screen().block5Invoice, "WO-100"}});
    EXPECT_EQ(window->itemSlots()[0].status, "OVERHAULED");
}

TEST_F(SettingsPanelsTest, PanelsAreDraggedWithTheLeftButtonAndStayReachable)
{
    openWindow();
    screen().defaultsButton->click();
    QWidget &panel = defaults();
    const QPoint start = panel.pos();
    const QPoint grab(5, 5);
    const auto drag = [&](QWidget &w, Qt::MouseButton button, QPoint by) {
        QMouseEvent press(QEvent::MouseButtonPress, grab, w.mapToGlobal(grab), button, button, {});
        QApplication::sendEvent(&w, &press);
        QMouseEvent move(QEvent::MouseMove, grab + by, w.mapToGlobal(grab + by), Qt::NoButton, button, {});
        QApplication::sendEvent(&w, &move);
        QMouseEvent release(QEvent::MouseButtonRelease, grab + by, w.mapToGlobal(grab + by), button, {}, {});
        QApplication::sendEvent(&w, &release);
    };
    drag(panel, Qt::RightButton, {40, 30});
    EXPECT_EQ(panel.pos(), start);
    drag(panel, Qt::LeftButton, {0, 0});
    EXPECT_EQ(panel.pos(), start);
    drag(panel, Qt::LeftButton, {40, 30});
    EXPECT_EQ(panel.pos(), start + QPoint(40, 30));
    drag(panel, Qt::LeftButton, {5000, 5000});
    EXPECT_LE(panel.x(), window->width() - arc::PanelDrag::kReachable);
    EXPECT_LE(panel.y(), window->height() - arc::PanelDrag::kReachable);
    drag(panel, Qt::LeftButton, {-9000, -9000});
    EXPECT_GE(panel.y(), 0);
    EXPECT_GE(panel.x() + panel.width(), arc::PanelDrag::kReachable);
    screen().defaultsButton->click();

    screen().setupButton->click();
    const QPoint setupAt = setup().pos();
    drag(setup(), Qt::LeftButton, {50, 50});
    EXPECT_EQ(setup().pos(), setupAt) << "the set-up panel never moves";
}

// Only an administrator changes the organisations: anyone else steps
// through them, and nothing typed, added or deleted is stored.
TEST_F(SettingsPanelsTest, OnlyAnAdministratorChangesTheOrganisations)
{
    addRow("Organizations", {{"Organization", "Zeta Aero"}});
    addRow("Agents", {{"Name", "Sam Staff"}, {"Password", arc::Passwords::hash("s1")}, {"Administrator", 0}});
    openWindow(false);
    signInAs(*window, "Sam Staff", "s1");
    screen().setupButton->click();
    EXPECT_TRUE(organizations().text8[0]->isReadOnly());
    EXPECT_FALSE(organizations().deleteButton->isEnabled());
    organizations().text8[0]->setText("Changed");
    organizations().nextButton->click();
    EXPECT_EQ(organizations().rowCount(), 1) << "no new row";
    EXPECT_FALSE(organizations().deleteCurrent().ok());
    screen().setupButton->click();
    EXPECT_EQ(stored("SELECT count(*) || Organization FROM Organizations", true).toString(), "1Zeta Aero");
}

// The verification page reads the tick from the data source, so it is kept there.
TEST_F(SettingsPanelsTest, TheTickOfferingTheSignedPdfIsKeptWithTheDataSource)
{
    openWindow();
    screen().setupButton->click();
    QCheckBox *offers = setup().findChild<QCheckBox *>("VerifyOffersPdf");
    ASSERT_TRUE(offers);
    EXPECT_FALSE(offers->isChecked());
    offers->setChecked(true);
    screen().setupButton->click();
    EXPECT_EQ(stored("SELECT VerifyOffersPdf FROM Defaults LIMIT 1").toInt(), 1);
    screen().setupButton->click();
    EXPECT_TRUE(offers->isChecked());
    screen().setupButton->click();
    messages.expectNothingAsked();
}
