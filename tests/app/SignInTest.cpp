#include "WindowFixture.h"

#include "Passwords.h"
#include "PrintCommand.h"
#include "SignIn.h"

#include <QFocusEvent>
#include <QImage>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>

using arc::Message;

class SignInTest : public DataWindowTest {
protected:
    void SetUp() override
    {
        DataWindowTest::SetUp();
        QImage wide(40, 20, QImage::Format_RGB32);
        wide.fill(Qt::blue);
        ASSERT_TRUE(wide.save(dataFolder() + "pat.bmp"));
        writeFile(dataFolder() + "broken.bmp", "not a picture");
        addRow("Agents", {{"Name", "Pat Doe"}, {"Password", "Secret1"}, {"ApprovalNumber", "DMIR-7"},
                          {"ElectronicSign", "pat.bmp"}, {"UseElectronic", 1}});
        addRow("Agents", {{"Name", "No Number"}, {"Password", "pw"}});
        addRow("Agents", {{"Name", "Pat Doe"}, {"Password", "other"}, {"ApprovalNumber", "DMIR-8"}});
        addRow("Agents", {{"Name", "Broken"}, {"Password", "pw"}, {"ApprovalNumber", "B-1"},
                          {"ElectronicSign", "broken.bmp"}, {"UseElectronic", 1}});
        openWindow(false);
    }
    void signIn(int entry, const QString &password)
    {
        window->accessPanel().combo4->setCurrentIndex(entry);
        window->accessPanel().text44->setText(password);
        window->signIn().AgentSecurity();
    }
    void setFirstStatus(const QString &status) { window->setItemLine(0, {"1", "", "", "", "", status, {}}); }
    arc::AccessPanel &panel() { return window->accessPanel(); }
};

TEST_F(SignInTest, MasterPasswordOpensOnlyWithoutANameAndCaseCounts)
{
    signIn(-1, "ZORP7351");
    EXPECT_TRUE(panel().isVisibleTo(window.get()));
    EXPECT_TRUE(messages.shown.isEmpty()) << "no name, wrong password: no message";

    signIn(0, "zorp7351");
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0], (Message{"Try again?", "Password Incorrect", Message::Buttons::YesNo,
                                          Message::Icon::None, Message::Answer::Yes}));
    EXPECT_EQ(panel().text44->text(), "") << "Yes empties the password box";

    signIn(-1, "zorp7351");
    EXPECT_FALSE(panel().isVisibleTo(window.get()));
    EXPECT_EQ(screen().block13dName->text(), "");
    EXPECT_TRUE(window->signIn().signature().isNull());

    // The case counts; No to trying again ends the program.
    int exits = 0;
    QObject::connect(window.get(), &arc::MainWindow::exitRequested, [&] { ++exits; });
    panel().show();
    messages.answers = {Message::Answer::No};
    signIn(0, "secret1");
    EXPECT_EQ(exits, 1);
}

namespace {
// The images a PDF file holds, as poppler lists them.
int imagesIn(const QString &pdf)
{
    QProcess p;
    p.start("pdfimages", {"-list", pdf});
    p.waitForFinished();
    return int(p.readAllStandardOutput().trimmed().split('\n').size()) - 2; // two heading lines
}
} // namespace

TEST_F(SignInTest, TheSignatoryFillsBlock13Or14ByTheFirstStatusAndBringsTheSignature)
{
    setFirstStatus("Prototype");
    screen().block14cNumber->setText("ORG-1");
    signIn(0, "Secret1");
    EXPECT_FALSE(panel().isVisibleTo(window.get()));
    expectShown({{screen().block13dName, "Pat Doe"}, {screen().block13cNumber, "DMIR-7"}, {screen().block13eDate, today()}});
    EXPECT_EQ(window->signIn().signature().size(), QSize(40, 20));
    EXPECT_TRUE(messages.shown.isEmpty());
    // The printed page carries it (which blocks get it is for the layout tests).
    ASSERT_TRUE(window->printCommand().writePdf(folder() + "signed.pdf"));
    EXPECT_EQ(imagesIn(folder() + "signed.pdf"), 1);

    // The second signatory of the same name has no signature file: the
    // picture goes, and it is that row's number that is used.
    panel().show();
    setFirstStatus("OVERHAULED");
    signIn(2, "other");
    // 14c keeps the organisation's number.
    expectShown({{screen().block14dName, "Pat Doe"}, {screen().block14eDate, today()}, {screen().block14cNumber, "ORG-1"}});
    EXPECT_TRUE(window->signIn().signature().isNull());
}

TEST_F(SignInTest, MissingNumberOrUnreadableSignatureNeverStopsTheProgram)
{
    signIn(0, "Secret1");
    panel().show();
    screen().block13dName->clear();
    signIn(1, "pw");
    EXPECT_FALSE(panel().isVisibleTo(window.get()));
    EXPECT_EQ(screen().block13dName->text(), "") << "no approval number: nothing is filled";
    EXPECT_FALSE(window->signIn().signature().isNull()) << "and the signature stays as it was";

    panel().show();
    signIn(3, "pw");
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].title, "Electronic signature");
    EXPECT_TRUE(messages.shown[0].prompt.contains("broken.bmp"));
    EXPECT_TRUE(window->signIn().signature().isNull());
    EXPECT_EQ(screen().block13dName->text(), "Broken");
}

TEST_F(SignInTest, LeavingThePasswordBoxChecksItButSwitchingWindowsDoesNot)
{
    window->show();
    QApplication::setActiveWindow(window.get());
    panel().combo4->setCurrentIndex(0);
    panel().text44->setText("wrong");
    QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(panel().text44, &away);
    QApplication::processEvents();
    EXPECT_TRUE(messages.shown.isEmpty());

    QFocusEvent tab(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(panel().text44, &tab);
    QApplication::processEvents();
    EXPECT_EQ(messages.shown.size(), 1);
}

// While the sign-in panel is shown nothing else of the window can be used:
// no choosing a name and then reading the signatories panel. Changing the
// data folder asks again, as its signatories are others.
TEST_F(SignInTest, TheSignInPanelGuardsTheWindowUntilSomeoneSignsIn)
{
    const auto usable = [&](QWidget *w) { return w->isEnabledTo(window.get()) && w->isEnabled(); };
    const QList<QWidget *> others = {screen().setupButton,          screen().saveButton,
                                     screen().newButton,            screen().exitButton,
                                     screen().grid1,                screen().block5Invoice,
                                     screen().combo3,               window->setupPanel().dmirsButton};
    panel().combo4->setCurrentIndex(0); // a name chosen, no password yet
    for (QWidget *w : others)
        EXPECT_FALSE(usable(w)) << w->objectName().toStdString();
    EXPECT_TRUE(usable(panel().text44));
    EXPECT_TRUE(usable(panel().exitButton));

    signIn(0, "Secret1");
    for (QWidget *w : others)
        EXPECT_TRUE(usable(w)) << w->objectName().toStdString();

    const QString other = folder() + "other/";
    QDir().mkpath(other);
    ASSERT_TRUE(arc::DataFolder::create(other).ok());
    window->folderChosen(other);
    EXPECT_FALSE(panel().isHidden());
    EXPECT_FALSE(window->signIn().isSignedIn());
    EXPECT_TRUE(window->signIn().signature().isNull());
    EXPECT_EQ(panel().text44->text(), "");
    for (QWidget *w : others)
        EXPECT_FALSE(usable(w)) << w->objectName().toStdString();
    EXPECT_TRUE(usable(window->setupPanel().findChild<QWidget *>("Dir1"))) << "the folder can still be chosen";
}

// A password kept in plain text by an earlier version is replaced by its
// hash at the first sign-in, and no copy of it is left in the file.
TEST_F(SignInTest, APlainPasswordIsReplacedByItsHashAtTheFirstSignIn)
{
    signIn(0, "Secret1");
    ASSERT_FALSE(panel().isVisibleTo(window.get()));
    arc::DataFolder f;
    ASSERT_TRUE(f.open(dataFolder()).ok());
    const QString stored = f.reference().scalar("SELECT Password FROM Agents WHERE rowid = 1").toString();
    EXPECT_EQ(arc::Passwords::verify(stored, "Secret1"), arc::Passwords::Verdict::Right) << stored.toStdString();
    f.close();
    EXPECT_FALSE(readFile(dataFolder() + "VELLORANA.MDB").contains("Secret1")) << "no plain copy left in the file";

    panel().show();
    signIn(0, "Secret1");
    EXPECT_FALSE(panel().isVisibleTo(window.get())) << "the hash lets the same password in again";
    EXPECT_TRUE(messages.shown.isEmpty());
}

// The master password sets up the first administrator. It is refused
// once one exists, whatever value says so (Access stores true as -1), and
// while the signatories cannot be read, with the reason.
struct MasterCase {
    const char *name;
    const char *administrator; // the stored value; null: none, the file locked
    bool told;
};
void PrintTo(const MasterCase &c, std::ostream *os) { *os << c.name; }

class MasterPasswordTest : public SignInTest, public testing::WithParamInterface<MasterCase> {};

TEST_P(MasterPasswordTest, TheMasterPasswordOpensOnlyAStoreReadWithoutAnAdministrator)
{
    const QString name = "raw";
    {
        QSqlDatabase raw = QSqlDatabase::addDatabase("QSQLITE", name);
        raw.setDatabaseName(dataFolder() + "VELLORANA.MDB");
        ASSERT_TRUE(raw.open());
        QSqlQuery q(raw);
        if (GetParam().administrator) {
            ASSERT_TRUE(q.exec("PRAGMA ignore_check_constraints = ON"));
            ASSERT_TRUE(q.exec(QString("UPDATE Agents SET Administrator = %1 WHERE rowid = 2").arg(GetParam().administrator)));
        } else {
            ASSERT_TRUE(q.exec("BEGIN EXCLUSIVE"));
        }
        signIn(-1, "zorp7351");
        raw.close();
    }
    QSqlDatabase::removeDatabase(name);
    EXPECT_TRUE(panel().isVisibleTo(window.get()));
    EXPECT_FALSE(window->signIn().isSignedIn());
    if (!GetParam().told) {
        EXPECT_TRUE(messages.shown.isEmpty()) << "no name: no message";
        return;
    }
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].title, "Access Control");
    EXPECT_TRUE(messages.shown[0].prompt.contains("another program is holding the data files"))
        << messages.shown[0].prompt.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Stores, MasterPasswordTest,
                         testing::Values(MasterCase{"AdministratorStoredAsOne", "1", false},
                                         MasterCase{"AdministratorStoredAsAccessTrue", "-1", false},
                                         MasterCase{"SignatoriesLocked", nullptr, true}),
                         [](const auto &info) { return std::string(info.param.name); });
