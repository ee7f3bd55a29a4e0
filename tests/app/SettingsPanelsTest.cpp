#include "WindowFixture.h"

#include "DefaultsPanel.h"
#include "EntryText.h"
#include "OrganizationsEditor.h"
#include "PanelDrag.h"
#include "PrintCommand.h"
#include "PrintMode.h"
#include "PrintSettingsReader.h"
#include "PrintPanel.h"
#include "SettingsPanels.h"

using arc::Message;

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
    QStringList block4() const
    {
        QStringList l;
        for (int i = 0; i < window->screen().combo3->count(); ++i)
            l << window->screen().combo3->itemText(i);
        return l;
    }
    QString storedRef(const QString &sql)
    {
        arc::DataFolder f;
        EXPECT_TRUE(f.open(dataFolder()).ok());
        return f.reference().scalar(sql).toString();
    }
};

// A new user sets up the organisation with both certificate numbers,
// shading and landscape, and the block 4 list follows at once; the
// settings open again as stored, orientation as "1" or "2".
TEST_F(SettingsPanelsTest, SetupPanelStoresOrganisationsAndSettingsOnClosing)
{
    openWindow();
    screen().setupButton->click();
    EXPECT_EQ(screen().setupButton->text(), "Save");
    EXPECT_FALSE(screen().newButton->isEnabled());
    EXPECT_FALSE(organizations().deleteButton->isEnabled()) << "no organisation yet: a new, empty row";
    typeOrganization({"Zeta Aero", "1 Main St", "Wichita", "KS", "ZA1R123K", "EASA.145.0001"});
    organizations().nextButton->click(); // stores it and starts another
    EXPECT_EQ(organizations().text8[0]->text(), "");
    typeOrganization({"Acme Aero"});
    setup().check1->setChecked(true);
    setup().option3D2->setChecked(true);
    setup().text9->setPlainText("");
    screen().setupButton->click();
    EXPECT_TRUE(setup().isHidden());
    EXPECT_EQ(screen().setupButton->text(), "Set-up");
    EXPECT_TRUE(screen().newButton->isEnabled());
    EXPECT_EQ(block4(), (QStringList{"Acme Aero", "Zeta Aero"}));
    EXPECT_EQ(screen().combo3->itemData(1).value<arc::OrganizationEntry>().jaaNum, "EASA.145.0001");
    EXPECT_EQ(stored("SELECT Organ2 || '|' || User1 || '|' || Shade FROM Defaults LIMIT 1").toString(), " |2|1");

    screen().setupButton->click();
    EXPECT_TRUE(setup().option3D2->isChecked());
    EXPECT_TRUE(setup().check1->isChecked());
    EXPECT_EQ(organizations().text8[0]->text(), "Zeta Aero");
    setup().option3D1->setChecked(true);
    screen().setupButton->click();
    EXPECT_EQ(stored("SELECT User1 FROM Defaults LIMIT 1").toString(), "1");
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.value(0).prompt.toStdString();
}

// Deleting organisations down to none leaves a new, empty row and Delete
// off; the block 4 list keeps every organisation, seven as well as one.
TEST_F(SettingsPanelsTest, OrganisationNavigatorAddsEditsAndDeletesToEmpty)
{
    for (int i = 1; i <= 7; ++i)
        addRow("Organizations", {{"Organization", QString("Org %1").arg(i)}, {"CertificateNum", QString("C%1").arg(i)}});
    openWindow();
    EXPECT_EQ(block4().size(), 7);
    EXPECT_EQ(screen().combo3->itemData(6).value<arc::OrganizationEntry>().certificateNum, "C7");

    screen().setupButton->click();
    organizations().lastButton->click();
    EXPECT_EQ(organizations().text8[0]->text(), "Org 7");
    organizations().text8[4]->setText("C7-NEW");
    organizations().firstButton->click();
    EXPECT_EQ(storedRef("SELECT CertificateNum FROM Organizations WHERE Organization = 'Org 7'"), "C7-NEW");
    for (int i = 0; i < 7; ++i)
        organizations().deleteButton->click();
    EXPECT_EQ(storedRef("SELECT count(*) FROM Organizations"), "0");
    EXPECT_FALSE(organizations().deleteButton->isEnabled());
    EXPECT_EQ(organizations().text8[0]->text(), "");
    screen().setupButton->click();
    EXPECT_TRUE(block4().isEmpty());
    EXPECT_EQ(storedRef("SELECT count(*) FROM Organizations"), "0") << "an empty new row is no organisation";
}

// The defaults set on the panel start the next certificate and the print
// panel; a value too long for its column is reported once and the rest kept.
TEST_F(SettingsPanelsTest, DefaultsPanelStoresWhatNewCertificatesAndPrintingStartFrom)
{
    openWindow();
    screen().defaultsButton->click();
    EXPECT_EQ(screen().defaultsButton->text(), "Save");
    EXPECT_FALSE(screen().setupButton->isEnabled());
    EXPECT_FALSE(defaults().isHidden());
    EXPECT_EQ(defaults().text14->text(), "FAA/United States");
    defaults().text19->setText("000041");
    defaults().check3D3->setChecked(true);
    defaults().text15->setPlainText("WO-0099");
    defaults().check3D7->setChecked(true);
    defaults().text40->setText("OVERHAULED");
    defaults().text46->setText("2");
    defaults().text22->setText(QString(26, 'A')); // one too many for its column
    screen().defaultsButton->click();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].title, "One of your entries is too long.");
    EXPECT_TRUE(defaults().isHidden());
    EXPECT_TRUE(screen().setupButton->isEnabled());

    // Another station issues a number while the panel is open again: what
    // was typed over that counter is not stored, and the user is told.
    screen().defaultsButton->click();
    storedExec("UPDATE Defaults SET Tracking = '000044' WHERE Country <> 'Custom'");
    defaults().text19->setText("000010");
    screen().defaultsButton->click();
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(messages.shown[1].title, "Defaults");

    screen().newButton->click();
    expectShown({{screen().block3Tracking, "000045"}, {screen().block5Invoice, "WO-100"}});
    EXPECT_EQ(window->itemSlots()[0].status, "OVERHAULED");
    screen().printButton->click();
    EXPECT_EQ(window->findChild<arc::PrintPanel *>()->text45->text(), "2");
}

// A stored blank shows as an empty box, so typed text is stored as typed,
// and a box left empty is stored as the blank it was.
TEST_F(SettingsPanelsTest, AStoredBlankShowsEmptyAndTypedTextIsStoredAsTyped)
{
    storedExec("UPDATE Defaults SET Status = ' ', Eligibility = ' ', Remarks = ' '");
    openWindow();
    screen().defaultsButton->click();
    expectShown({{defaults().text40, ""}, {defaults().text39, ""}, {defaults().text20, ""}});
    defaults().text40->setFocus();
    QTest::keyClicks(defaults().text40, "NEW");
    screen().defaultsButton->click();
    EXPECT_EQ(stored("SELECT Status FROM Defaults").toString(), "NEW");
    EXPECT_EQ(stored("SELECT Eligibility FROM Defaults").toString(), " ");
    screen().newButton->click();
    EXPECT_EQ(window->itemSlots()[0].status, "NEW");
    EXPECT_TRUE(screen().block13aApproved->isChecked()) << "a new part goes to block 13";
}

// Dragging with the left button moves a panel on release, an outline
// showing the way; the right button, or a press without moving, leaves it.
// A panel dragged far off keeps its top strip inside the window.
TEST_F(SettingsPanelsTest, PanelsAreDraggedWithTheLeftButtonAndStayReachable)
{
    openWindow();
    window->resize(900, 800);
    screen().defaultsButton->click();
    QWidget &panel = defaults();
    const QPoint start = panel.pos();
    const QPoint grab(5, 5);
    const auto drag = [&](Qt::MouseButton button, QPoint by) {
        QMouseEvent press(QEvent::MouseButtonPress, grab, panel.mapToGlobal(grab), button, button, {});
        QApplication::sendEvent(&panel, &press);
        QMouseEvent move(QEvent::MouseMove, grab + by, panel.mapToGlobal(grab + by), Qt::NoButton, button, {});
        QApplication::sendEvent(&panel, &move);
        QMouseEvent release(QEvent::MouseButtonRelease, grab + by, panel.mapToGlobal(grab + by), button, {}, {});
        QApplication::sendEvent(&panel, &release);
    };
    drag(Qt::RightButton, {40, 30});
    EXPECT_EQ(panel.pos(), start);
    drag(Qt::LeftButton, {0, 0});
    EXPECT_EQ(panel.pos(), start);
    drag(Qt::LeftButton, {40, 30});
    EXPECT_EQ(panel.pos(), start + QPoint(40, 30));
    drag(Qt::LeftButton, {5000, 5000});
    EXPECT_LE(panel.x(), window->width() - arc::PanelDrag::kReachable);
    EXPECT_LE(panel.y(), window->height() - arc::PanelDrag::kReachable);
    drag(Qt::LeftButton, {-9000, -9000});
    EXPECT_GE(panel.y(), 0);
    EXPECT_GE(panel.x() + panel.width(), arc::PanelDrag::kReachable);
    screen().defaultsButton->click();

    screen().setupButton->click();
    const QPoint setupAt = setup().pos();
    QMouseEvent press(QEvent::MouseButtonPress, grab, setup().mapToGlobal(grab), Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(&setup(), &press);
    QMouseEvent release(QEvent::MouseButtonRelease, grab + QPoint(50, 50), setup().mapToGlobal(grab + QPoint(50, 50)),
                        Qt::LeftButton, {}, {});
    QApplication::sendEvent(&setup(), &release);
    EXPECT_EQ(setup().pos(), setupAt) << "the set-up panel never moves";
}

// The page reads the settings as the panels show them: any orientation
// above 1 is landscape, and the large remarks switch comes from the
// settings row even when the authority is typed as "Custom".
TEST_F(SettingsPanelsTest, PrintingReadsTheSettingsAsThePanelsShowThem)
{
    using Name = arc::PrintMode::Name;
    for (const auto &[user1, name] : {std::pair<std::optional<QString>, Name>{std::nullopt, Name::P0},
                                      {"1", Name::P1}, {"2", Name::LS}, {"3", Name::LS}, {"x", Name::P1}})
        EXPECT_EQ(arc::PrintMode::forSetting(user1).name, name) << user1.value_or("null").toStdString();

    storedExec("UPDATE Defaults SET Country = 'Custom', IncreaseTrack = 1");
    storedExec("INSERT INTO Defaults (Country, IncreaseTrack) VALUES ('Custom', 0)");
    arc::DataFolder f;
    ASSERT_TRUE(f.open(dataFolder()).ok());
    EXPECT_FALSE(arc::PrintSettingsReader::read(f.defaults()).largeRemarks);
}
