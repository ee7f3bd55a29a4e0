#include "WindowFixture.h"

#include "CertificateInfo.h"
#include "IdleLock.h"
#include "KeysOf.h"
#include "Passwords.h"
#include "SigningFixture.h"

#include <QFocusEvent>
#include <QLabel>
#include <QSignalSpy>

using arc::Message;

class SignInTest : public DataWindowTest {
protected:
    void SetUp() override
    {
        DataWindowTest::SetUp();
        writeBitmap(dataFolder() + "pat.bmp");
        writeFile(dataFolder() + "broken.bmp", "not a picture");
        addSignatory("Pat Doe", "Secret1", "DMIR-7", {{"ElectronicSign", "pat.bmp"}, {"UseElectronic", 1}});
        addRow("Agents", {{"Name", "No Number"}, {"Password", "pw"}});
        addSignatory("Pat Doe", "other", "DMIR-8");
        addSignatory("Broken", "pw", "B-1", {{"ElectronicSign", "broken.bmp"}, {"UseElectronic", 1}});
        openWindow(false);
    }
    void setFirstStatus(const QString &status) { window->setItemLine(0, {"1", "", "", "", "", status, {}}); }
    arc::AccessPanel &panel() { return window->accessPanel(); }
    bool panelShown() { return panel().isVisibleTo(window.get()); }
    // The row of the `nth` signatory of that name the sign-in list shows.
    qint64 listedRow(const QString &name, int nth = 0)
    {
        for (int i = 0; i < panel().combo4->count(); ++i)
            if (const auto a = panel().combo4->itemData(i).value<arc::AgentEntry>(); a.name == name && nth-- == 0)
                return a.rowId;
        return 0;
    }
};

// The master password opens only without a name and while no administrator
// is stored (Access stores true as -1) and the signatories can be read.
TEST_F(SignInTest, MasterPasswordOpensOnlyWithoutANameWhileNoAdministratorIsStored)
{
    EXPECT_EQ(panel().combo4->currentIndex(), -1) << "no one is chosen for the user";
    EXPECT_TRUE(panel().masterNote->isVisibleTo(window.get())) << "a new shop is told what the master password is for";
    for (const auto &[entry, password, refusal] : // said on the panel, not in a box
         {std::tuple{-1, "ZORP7351", "Choose your name"}, std::tuple{0, "", "Type your password"}}) {
        panel().combo4->setCurrentIndex(entry);
        panel().text44->setText(password);
        window->signIn().AgentSecurity();
        EXPECT_TRUE(panelShown());
        messages.expectNothingAsked();
        EXPECT_TRUE(panel().refusal->text().contains(refusal)) << panel().refusal->text().toStdString();
    }
    panel().combo4->setCurrentIndex(-1);

    signInAs(*window, "Pat Doe", arc::Passwords::master);
    messages.expectAsked("Password Incorrect", {"Try again?"});
    EXPECT_EQ(panel().text44->text(), "") << "Yes empties the password box";

    const std::tuple<const char *, QStringList, bool> refusals[] = {
        {"administrator stored as one", {"UPDATE Agents SET Administrator = 1"}, false},
        {"administrator stored as Access's true",
         {"UPDATE Agents SET Administrator = 0", "PRAGMA ignore_check_constraints = ON",
          "UPDATE Agents SET Administrator = -1 WHERE rowid = 2"},
         false},
        {"signatories locked", {"UPDATE Agents SET Administrator = 0", "BEGIN EXCLUSIVE"}, true}};
    for (const auto &[what, sql, told] : refusals) {
        SCOPED_TRACE(what);
        {
            arc::DataFolder other; // another program, holding its connection meanwhile
            ASSERT_TRUE(other.open(dataFolder()).ok());
            for (const QString &statement : sql)
                ASSERT_TRUE(other.reference().exec(statement).ok()) << statement.toStdString();
            signInAs(*window, QString());
        }
        EXPECT_TRUE(panelShown());
        EXPECT_FALSE(window->signIn().isSignedIn());
        if (told) {
            messages.expectAsked("Access Control", {"another program is holding the data files"});
        } else {
            messages.expectNothingAsked();
            EXPECT_TRUE(panel().refusal->text().contains("no longer opens")) << panel().refusal->text().toStdString();
        }
    }

    signInAs(*window, QString());
    EXPECT_FALSE(panelShown());
    EXPECT_EQ(screen().block13dName->text(), "");
    EXPECT_TRUE(window->signIn().signature().isNull());

    // No to trying again goes back to the sign-in panel: only Exit ends the program.
    window->signIn().signOut();
    QSignalSpy exits(window.get(), &arc::MainWindow::exitRequested);
    messages.answers = {Message::Answer::No};
    signInAs(*window, "Pat Doe", "wrong");
    messages.expectAsked("Password Incorrect", {"Try again?"});
    EXPECT_EQ(exits.size(), 0);
    EXPECT_TRUE(panelShown());
    EXPECT_TRUE(panel().masterNote->isVisibleTo(window.get())) << "still no administrator";
}

// The signatory fills the block and brings his signature; one that cannot
// be read is named, and he is signed in without it.
TEST_F(SignInTest, TheSignatoryFillsTheBlockAndBringsOrNamesTheSignature)
{
    setFirstStatus("Prototype");
    signInAs(*window, "Pat Doe", "Secret1");
    EXPECT_FALSE(panelShown());
    expectShown({{screen().block13dName, "Pat Doe"}, {screen().block13cNumber, "DMIR-7"}, {screen().block13eDate, today()}});
    EXPECT_EQ(window->signIn().signature().size(), QSize(40, 20));
    messages.expectNothingAsked();
    // The plain password an earlier version kept is replaced by its hash.
    const QString hash = stored("SELECT Password FROM Agents WHERE rowid = 1", true).toString();
    EXPECT_EQ(arc::Passwords::verify(hash, "Secret1"), arc::Passwords::Verdict::Right) << hash.toStdString();
    EXPECT_FALSE(readFile(dataFolder() + "VELLORANA.MDB").contains("Secret1")) << "no plain copy left in the file";

    // No approval number: nothing is filled, the signature stays as it was.
    screen().block13dName->clear();
    signInAs(*window, "No Number", "pw");
    EXPECT_EQ(screen().block13dName->text(), "");
    EXPECT_FALSE(window->signIn().signature().isNull());

    // The second signatory of the same name has no signature file.
    setFirstStatus("OVERHAULED");
    signInAs(*window, "Pat Doe", "other", 1);
    expectShown({{screen().block14dName, "Pat Doe"}, {screen().block14eDate, today()}});
    EXPECT_TRUE(window->signIn().signature().isNull());

    signInAs(*window, "Broken", "pw");
    messages.expectAsked("Electronic signature", {"broken.bmp could not be read"});
    EXPECT_TRUE(window->signIn().signature().isNull());
    EXPECT_EQ(screen().block14dName->text(), "Broken") << "the signatory is still signed in";
}

// Nothing else of the window is usable until someone signs in (no reading
// the signatories panel); another data folder asks again. Leaving the
// password box checks it, switching windows does not.
TEST_F(SignInTest, TheSignInPanelGuardsTheWindowUntilSomeoneSignsIn)
{
    showWindow();
    const auto usable = [&](QWidget *w) { return w->isEnabledTo(window.get()) && w->isEnabled(); };
    const QList<QWidget *> others = {screen().saveButton, screen().grid1, screen().block5Invoice,
                                     window->setupPanel().dmirsButton};
    panel().combo4->setCurrentIndex(0); // a name chosen, no password yet
    for (QWidget *w : others)
        EXPECT_FALSE(usable(w)) << w->objectName().toStdString();
    EXPECT_TRUE(usable(panel().text44));
    EXPECT_TRUE(usable(panel().exitButton));
    panel().text44->setText("wrong");
    QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(panel().text44, &away);
    QApplication::processEvents();
    messages.expectNothingAsked();
    QFocusEvent tab(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(panel().text44, &tab);
    QApplication::processEvents();
    EXPECT_EQ(messages.shown.size(), 1);

    signInAs(*window, "Pat Doe", "Secret1");
    for (QWidget *w : others)
        EXPECT_TRUE(usable(w)) << w->objectName().toStdString();

    const QString other = folder() + "other/";
    ASSERT_TRUE(madeDataFolder(other));
    window->folderChosen(other);
    EXPECT_FALSE(panel().isHidden());
    EXPECT_FALSE(window->signIn().isSignedIn());
    EXPECT_TRUE(window->signIn().signature().isNull());
    EXPECT_EQ(panel().text44->text(), "");
    for (QWidget *w : others)
        EXPECT_FALSE(usable(w)) << w->objectName().toStdString();
    EXPECT_TRUE(usable(window->setupPanel().findChild<QWidget *>("Dir1"))) << "the folder can still be chosen";
}

// Minutes without input cover the window and drop the key; what is on the
// screen stays for the same signatory, and another is asked first.
TEST_F(SignInTest, AnIdleWindowLocksKeepingTheScreenForItsSignatory)
{
    qint64 now = 0;
    window->idleLock().setClock([&now] { return now; });
    ASSERT_TRUE(arc::keysOf(window->dataFolder())
                    ->putSigningKey(listedRow("Pat Doe"),
                                    arc::SigningKey::make(signing::authority(), {"Pat Doe", "DMIR-7"}, "Secret1").value(),
                                    nullptr));
    signInAs(*window, "Pat Doe", "Secret1");
    ASSERT_NE(window->signIn().signingKey(), nullptr);
    window->screen().block5Invoice->setPlainText("WO-77");
    now += 14 * 60 * 1000;
    window->idleLock().check();
    EXPECT_FALSE(panelShown()) << "not before the 15 minutes set by default";
    now += 60 * 1000;
    window->idleLock().check();
    EXPECT_TRUE(panelShown());
    EXPECT_FALSE(window->signIn().isSignedIn());
    EXPECT_EQ(window->signIn().signingKey(), nullptr);
    EXPECT_EQ(window->screen().block5Invoice->toPlainText(), "WO-77");

    messages.answers = {Message::Answer::No};
    signInAs(*window, "No Number", "pw");
    messages.expectAsked("Unsaved changes", {"Discard them and sign in as No Number?"});
    EXPECT_TRUE(panelShown()) << "No keeps the panel up";
    EXPECT_FALSE(window->signIn().isSignedIn());

    signInAs(*window, "Pat Doe", "Secret1");
    messages.expectNothingAsked();
    EXPECT_FALSE(panelShown());
    EXPECT_NE(window->signIn().signingKey(), nullptr);
    EXPECT_EQ(window->screen().block5Invoice->toPlainText(), "WO-77");
}

// Keys go by the signatory's row: two of one name, told apart in the list by
// their approval numbers, each open his own with his sign-in password. A key
// kept under an earlier password still lets its owner in, told why he can
// issue nothing; signing out drops the key.
TEST_F(SignInTest, EachSignatoryOpensHisOwnKeyOrIsToldWhyNot)
{
    EXPECT_EQ(panel().combo4->itemText(0), "Pat Doe (DMIR-7)");
    EXPECT_EQ(panel().combo4->itemText(2), "Pat Doe (DMIR-8)");
    EXPECT_EQ(panel().combo4->itemText(1), "No Number");
    const auto keys = arc::keysOf(window->dataFolder());
    for (const auto &[name, nth, password, number] : {std::tuple{"Pat Doe", 0, "Secret1", "DMIR-7"},
                                                      std::tuple{"Pat Doe", 1, "other", "DMIR-8"},
                                                      std::tuple{"No Number", 0, "reset since", "D-1"}})
        ASSERT_TRUE(keys->putSigningKey(listedRow(name, nth),
                                        arc::SigningKey::make(signing::authority(), {name, number}, password).value(),
                                        nullptr));
    for (const auto &[nth, password, number] : {std::tuple{1, "other", "DMIR-8"}, std::tuple{0, "Secret1", "DMIR-7"}}) {
        signInAs(*window, "Pat Doe", password, nth);
        EXPECT_EQ(panel().text44->text(), "") << "the password typed is cleared";
        ASSERT_NE(window->signIn().signingKey(), nullptr) << number;
        EXPECT_TRUE(arc::CertificateInfo::of(window->signIn().signingKey()->certificate()).subject.contains(number));
    }
    messages.expectNothingAsked();

    signInAs(*window, "No Number", "pw");
    messages.expectAsked("Signing key", {"The signing key of No Number cannot be opened", "earlier password",
                                         "new signing certificate", "No certificate is issued"});
    EXPECT_FALSE(panelShown());
    EXPECT_EQ(window->signIn().signingKey(), nullptr) << "not the previous signatory's key";

    signInAs(*window, "Pat Doe", "Secret1");
    ASSERT_NE(window->signIn().signingKey(), nullptr) << "the stored hash lets the same password in again";
    window->signIn().signOut();
    EXPECT_EQ(window->signIn().signingKey(), nullptr);
}

// Defaults stored blank (as the earlier program stored every empty box)
// start the certificate empty, and typing starts in "7. Description".
TEST_F(DataWindowTest, OneSignatoryIsChosenAndSignInLeadsToTheFirstEmptyCell)
{
    addSignatory("Pat Doe", "Secret1", "DMIR-7");
    storedExec("UPDATE Defaults SET Description = ' ', PartNum = ' '");
    openWindow(false);
    showWindow();
    EXPECT_EQ(window->accessPanel().combo4->currentText(), "Pat Doe");
    signInAs(*window, "Pat Doe", "Secret1");
    const arc::ItemGridModel &grid = window->itemLines();
    EXPECT_EQ(grid.line(0).description, "");
    EXPECT_EQ(grid.line(0).partNum, "");
    EXPECT_EQ(screen().block13dName->text(), "Pat Doe");
    for (const char *after : {"sign-in", "Ctrl+N"}) {
        SCOPED_TRACE(after);
        EXPECT_EQ(QApplication::focusWidget(), screen().grid1);
        EXPECT_EQ(std::pair(grid.currentRow(), grid.currentColumn()), std::pair(0, 1)) << "line 1 holds its item and quantity";
        QTest::keySequence(window.get(), QKeySequence("Ctrl+N"));
    }
}
