#include "MainWindow.h"

#include "AccessConversion.h"
#include "AccessPanel.h"
#include "BatchIssue.h"
#include "CutOffRuns.h"
#include "BusyPointer.h"
#include "BenchActions.h"
#include "CertificateOnScreen.h"
#include "CertificateScreen.h"
#include "CountriesPanel.h"
#include "ForwardersPanel.h"
#include "CertificateStore.h"
#include "DataFolderOpener.h"
#include "StandbyReads.h"
#include "NamedKeys.h"
#include "SignatoryNames.h"
#include "DateText.h"
#include "DefaultsPanel.h"
#include "DuplicateCertificate.h"
#include "FindPanel.h"
#include "FindResults.h"
#include "FolderMessages.h"
#include "IdleLock.h"
#include "IssueCommand.h"
#include "IssuedCertificate.h"
#include "EntryBox.h"
#include "EntryText.h"
#include "ItemEntry.h"
#include "ItemGrid.h"
#include "ItemGridModel.h"
#include "EntryRefusals.h"
#include "LegacyConverter.h"
#include "MenuBar.h"
#include "MenuBindings.h"
#include "NumberOnScreen.h"
#include "ScreenLock.h"
#include "OrganizationChooser.h"
#include "PanelDrag.h"
#include "PartsPanel.h"
#include "PlainTextEditor.h"
#include "StatusWords.h"
#include "LineBreaks.h"
#include "SilentEdit.h"
#include "NewCertificateDefaults.h"
#include "ProgramFolder.h"
#include "Prompts.h"
#include "RecentCertificates.h"
#include "ReferenceLists.h"
#include "ScreenFindings.h"
#include "SettingsPanels.h"
#include "SetupPanel.h"
#include "PageFromScreen.h"
#include "PrintCommand.h"
#include "PrintPanel.h"
#include "SignIn.h"
#include "SignInWiring.h"
#include "SignedInAs.h"
#include "SignatoriesPanel.h"
#include "SignatoryPasswords.h"
#include "StatementsPanel.h"
#include "StatusLine.h"
#include "StatusWiring.h"

#include <QCoreApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace arc {

namespace {

struct MainWindowTexts {
    Q_DECLARE_TR_FUNCTIONS(arc::MainWindow)
};

} // namespace

using SilentEdit::setText;
using SilentEdit::setTicked;

MainWindow::MainWindow(ProgramFolders folders, MessageBoxes &messages, QWidget *parent)
    : QWidget(parent), m_folders(std::move(folders)), m_messages(messages), m_who(std::make_unique<SignedInAs>())
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr("ARC 8130 - Authorized Release Certificate"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    m_grid = new ItemGridModel(this);
    // The hooks ask the certificate on screen, made once the sign-in is.
    m_screen = new CertificateScreen(m_grid, [this] { return newFormFlag() == 1; }, this);
    m_itemEntry = new ItemEntry(*m_screen, *m_grid, m_folder, this);
    layout->addWidget(m_screen);
    m_menu = new MenuBar(this);
    layout->setMenuBar(m_menu);
    m_status = new StatusLine(this);
    layout->addWidget(m_status);

    // Panels over the screen, hidden but for the access panel.
    m_defaultsPanel = new DefaultsPanel(this);
    auto *find = new FindPanel(m_folder, m_messages, this);
    connect(find, &FindPanel::commandsEnabled, this, [this](bool on) {
        m_screen->setCommandsEnabled(on);
        m_screen->setupButton->setEnabled(on);
    });
    // Block 4's chooser goes before the certificate found is shown.
    connect(find, &FindPanel::found, this, [this] {
        m_screen->combo3->hide();
        m_certificate->ShowForm();
    });
    connect(m_screen->findButton, &QPushButton::clicked, find, [this, find] {
        if (FolderMessages::ensureOpen(m_folder, m_messages))
            find->open();
    });
    find->setLeaveCheck([this] { return m_certificate->mayLeave(); });
    m_findPanel = find;
    m_setupPanel = new SetupPanel(this);
    m_setupPanel->hide();
    m_access = new AccessPanel(this);
    m_access->raise();
    m_signIn = new SignIn(*m_access,
                          {m_screen->block13dName, m_screen->block13cNumber, m_screen->block13eDate, m_screen->block14dName, m_screen->block14eDate,
                           m_screen->grid1},
                          *m_grid, m_folder, m_messages, this);
    m_certificate = new CertificateOnScreen(*m_screen, *m_grid, m_folder, m_messages, this);
    m_recent = new RecentCertificates(m_folders.perUser + QStringLiteral("recent.ini"), this);
    connect(m_certificate, &CertificateOnScreen::certificateShown, m_recent, &RecentCertificates::remember);
    m_signatories = new SignatoriesPanel(m_folder, m_addMode, m_messages, m_access->combo4, m_setupPanel);
    m_countries = new CountriesPanel(m_folder, m_addMode, m_messages, m_screen->combo1, m_setupPanel);
    m_forwarders = new ForwardersPanel(m_folder, m_addMode, m_messages, m_screen->combo2, m_setupPanel);
    m_statements = new StatementsPanel(m_folder, m_messages, m_setupPanel);
    m_parts = new PartsPanel(m_folder, m_addMode, m_messages, m_screen->list1, this);
    m_print = new PrintCommand(
        m_messages, m_folder, [this] { return pageFromScreen(m_screen->entries(m_grid->lines()), signer()); }, this);
    m_issue = new IssueCommand(*m_certificate, *m_screen, *m_grid, m_folder, *m_signIn, m_messages, *m_print, this);
    m_issue->setCertificateCheck([this] {
        return screenFindings(m_folder, m_screen->entries(m_grid->lines()), newFormFlag() == 1 ? 0 : currentFormIndex(),
                              !m_who->signatory || m_who->signsPages);
    });
    auto *batch = new BatchIssue(*m_certificate, *m_screen, *m_grid, m_folder, *m_signIn, *m_issue, *m_print,
                                 m_messages, this);
    connect(m_screen->batchButton, &QPushButton::clicked, batch, &BatchIssue::run);
    m_cutOffRuns = new CutOffRuns(*batch, m_folder, m_messages, this);
    m_settings = new SettingsPanels(*m_screen, *m_setupPanel, *m_defaultsPanel, m_folder, m_messages, this);
    m_settings->setAdministers([this] { return administers(); });
    connect(m_settings, &SettingsPanels::pressed, m_findPanel, &QWidget::hide);
    connect(m_settings, &SettingsPanels::setupOpening, this, &MainWindow::placePanels);
    connect(m_settings, &SettingsPanels::setupShown, this, [this] {
        // Its Exit and the master password must not hide under a panel.
        if (!m_access->isHidden())
            m_access->raise();
        m_setupPanel->setFolder(folderInUse());
    });
    connect(m_settings, &SettingsPanels::organizationsStored, this, &MainWindow::fillOrganizations);
    // The panels the user may move; the set-up panel stays where it is.
    for (QWidget *movable : {static_cast<QWidget *>(m_defaultsPanel), static_cast<QWidget *>(m_findPanel), static_cast<QWidget *>(m_parts)})
        PanelDrag::attach(movable);

    connectControls();
    m_bench = new BenchActions(this, *m_certificate, m_folder, m_messages, [this] {
        m_status->showSignedIn(QString(), false);
        guardWhileSigningIn(true);
    });
    m_bench->panelsMayLeave = [this] { return m_statements->mayLeave(); };
    new ScreenLock(*m_screen, {m_setupPanel, m_defaultsPanel, m_parts, m_signatories, m_countries, m_forwarders,
                               m_statements}, this);
    MenuBindings::attach(*this);
    StatusWiring::attach(*this);
    SignInWiring::attach(*this);
    EntryRefusals::tell(*this, *m_screen, *m_grid, m_messages, *m_status);
    m_idleLock = new IdleLock(this);
    connect(m_idleLock, &IdleLock::idle, this, &MainWindow::lockWhenIdle);
    connect(m_signIn, &SignIn::signedIn, this, [this] {
        // Read at each sign-in: another workstation may have changed it.
        m_idleLock->setMinutes(m_folder.isOpen() ? SetupSettings::idleLock(m_folder.defaults())
                                                 : SetupSettings::defaultIdleLockMinutes);
        m_idleLock->setActive(true);
    });
    m_signIn->setTakeOverCheck([this](const AgentEntry &who) { return mayDiscardScreen(who); });
    guardWhileSigningIn(true);
    move(0, 0);
}

MainWindow::~MainWindow()
{
    // The filters would otherwise see events from boxes whose parents are gone.
    m_itemEntry->stop();
    emit closing();
    m_certificate->end(); // however the program ends, a number never stored is void
}

void MainWindow::connectControls()
{
    connect(m_screen->exitButton, &QPushButton::clicked, this, &MainWindow::exitForm);
    connect(m_signIn, &SignIn::signedIn, this, [this] {
        guardWhileSigningIn(false);
        toFirstEmptyCell();
    });
    connect(m_signIn, &SignIn::signatoryChanged, this, [this](const SignedInAs &who) { *m_who = who; });
    connect(m_signIn, &SignIn::signatureChanged, this, [this](const QImage &image) {
        m_signature = image;
        m_screen->picture2->setPixmap(QPixmap::fromImage(image));
    });
    connect(m_setupPanel->dmirsButton, &QPushButton::clicked, this, [this] {
        if (FolderMessages::ensureOpen(m_folder, m_messages))
            m_signatories->open(m_who->signatory, m_who->master);
    });
    connect(m_itemEntry, &ItemEntry::statusTaken, this, &MainWindow::checkstat);
    connect(m_itemEntry, &ItemEntry::partTaken, m_certificate, &CertificateOnScreen::buildtext13);
    connect(m_countries, &CountriesPanel::countryDeleted, m_certificate, &CertificateOnScreen::SetCountryList);
    connect(m_signatories, &SignatoriesPanel::setupMayClose, m_screen->setupButton, &QWidget::setEnabled);
    connect(m_parts, &PartsPanel::setupMayClose, m_screen->setupButton, &QWidget::setEnabled);
    connect(m_screen->printButton, &QPushButton::clicked, m_print, &PrintCommand::open);
    connect(m_screen->duplicateButton, &QPushButton::clicked, this, [this] {
        duplicateCertificate(*m_certificate, *m_screen, *m_grid);
        if (newFormFlag() == 1)
            toFirstEmptyCell();
    });
    // A new certificate is typed into from its first empty box.
    connect(m_screen->newButton, &QPushButton::clicked, this, [this] {
        if (newFormFlag() == 1)
            toFirstEmptyCell();
    });
    connect(m_screen->editorButton, &QPushButton::clicked, this, [this] { PlainTextEditor::start(m_messages); });
    connect(m_setupPanel->countriesButton, &QPushButton::clicked, this, [this] {
        if (FolderMessages::ensureOpen(m_folder, m_messages))
            m_countries->open();
    });
    connect(m_setupPanel->printersButton, &QPushButton::clicked, this, &MainWindow::choosePrinter);
    connect(m_setupPanel->housesButton, &QPushButton::clicked, this, [this] {
        if (FolderMessages::ensureOpen(m_folder, m_messages))
            m_forwarders->open();
    });
    connect(m_setupPanel->statementsButton, &QPushButton::clicked, this, &MainWindow::openStatementsPanel);
    for (QPushButton *parts : {m_setupPanel->partsButton, m_screen->partsButton})
        connect(parts, &QPushButton::clicked, this, &MainWindow::openPartsPanel);
    connect(m_setupPanel, &SetupPanel::folderChosen, this, &MainWindow::folderChosen);
    connect(m_screen->block3Tracking, &EntryBox::enterPressed, m_screen->block5Invoice, qOverload<>(&QWidget::setFocus));
    connect(m_screen->block5Invoice, &EntryText::enterPressed, m_screen->grid1, qOverload<>(&QWidget::setFocus));
}

void MainWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_activated)
        QTimer::singleShot(0, this, &MainWindow::activate);
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placePanels();
}

void MainWindow::placePanels()
{
    const QRect area = m_screen->geometry();
    m_setupPanel->setGeometry(area.adjusted(40, 40, -40, -80));
    m_access->move(area.center() - QPoint(m_access->width() / 2, m_access->height() / 2));
}

void MainWindow::activate()
{
    if (m_activated)
        return;
    m_activated = true;
    const DbStatus s = m_setup.open(m_folders);
    if (!s.ok()) {
        m_messages.ask({MessageTexts::tr("The set-up file %1 in %2 cannot be opened: %3")
                            .arg(Schema::fileName(StoreKind::Setup), m_folders.program, s.detail()),
                        MessageTexts::tr("ARC 8130"), Message::Buttons::Ok, Message::Icon::Critical});
        return;
    }
    new StandbyReads(*m_setupPanel, m_setup, m_folder.reads(), *m_status, this);
    SetDataPaths();
    m_status->showSource(m_folder.isOpen() ? m_folder.path() : QString());
    if (m_screen->combo3->count() > 0) {
        // Selecting the first organisation chooses it, as a click would.
        m_screen->combo3->setCurrentIndex(0);
        m_certificate->chooseOrganization(0);
    }
    m_access->combo4->setFocus();
}

void MainWindow::toFirstEmptyCell()
{
    const auto [row, column] = m_grid->firstEmptyCell();
    {
        // Only the cursor moves: the status check would redo the blocks the
        // sign-in has just filled.
        const QSignalBlocker quiet(m_grid);
        m_grid->setCurrentCell(row, column, newFormFlag() == 1);
    }
    m_screen->grid1->setCurrentIndex(m_grid->index(row, column));
    m_screen->grid1->setFocus();
}

void MainWindow::SetDataPaths()
{
    // Before anything looks at the folder: its data may sit in the ".new"
    // files of a conversion cut short.
    AccessConversion::finishCutShort(m_setup.dataPath().value_or(m_setup.homeFolder()), m_messages);
    const OpenedFolder opened = DataFolderOpener::open(m_setup, m_folder);
    m_setupPanel->setFolder(opened.path);
    if (opened.kind == OpenedFolder::Kind::Unusable) {
        m_setupPanel->showIndicator(0);
        // Data of the earlier program: converted when the user agrees, then
        // opened; left alone otherwise, as a folder without our files.
        if (LegacyConverter::holdsAccessFiles(opened.path)) {
            if (AccessConversion::offer(opened.path, m_messages)) {
                SetDataPaths();
                return;
            }
            m_settings->openSetup();
            return;
        }
        m_messages.ask(FolderMessages::unusable(opened.path, opened.status));
        m_settings->openSetup();
        return;
    }
    m_setupPanel->showIndicator(1);
    m_recent->setSource(m_folder.certificates().filePath());
    if (opened.kind == OpenedFolder::Kind::Created)
        m_messages.ask(FolderMessages::created(opened.path));
    if (const QString moved = NamedKeys::told(NamedKeys::moveToRows(m_folder)); !moved.isEmpty())
        m_messages.ask({moved, tr("Signing keys"), Message::Buttons::Ok, Message::Icon::Exclamation});

    BusyPointer busy;
    m_issue->finishInterrupted();
    m_cutOffRuns->tell();
    fillLists();
    m_certificate->start();
}

QString MainWindow::folderInUse()
{
    if (m_folder.isOpen())
        return m_folder.path();
    return m_setup.isOpen() ? m_setup.dataPath().value_or(m_setup.homeFolder())
                            : ProgramFolder::withSlash(m_folders.home());
}

void MainWindow::fillLists()
{
    CertificateScreen &s = *m_screen;
    s.list1->clear();
    s.list1->addItems(ReferenceLists::partNumbers(m_folder.parts()));

    fillOrganizations();

    emit signatoriesRead();
    const QSignalBlocker b4(m_access->combo4);
    m_access->combo4->clear();
    const QList<AgentEntry> agents = ReferenceLists::agents(m_folder.agents());
    for (const AgentEntry &a : agents)
        m_access->combo4->addItem(SignatoryNames::label(a, agents), QVariant::fromValue(a));
    // The only signatory needs no choosing.
    m_access->combo4->setCurrentIndex(m_access->combo4->count() == 1 ? 0 : -1);

    const QSignalBlocker b2(s.combo2);
    s.combo2->clear();
    for (const ForwarderEntry &f : ReferenceLists::forwarders(m_folder.forwarders()))
        s.combo2->addItem(f.name, QVariant::fromValue(f));
}

PageSigner MainWindow::signer() const
{
    // No one after the master password.
    return m_who->signatory ? PageSigner{m_who->signatory->name, m_signature} : PageSigner{};
}

const ItemSlots &MainWindow::itemSlots() const { return m_grid->lines(); }

void MainWindow::checkstat() { m_certificate->checkstat(); }
int MainWindow::newFormFlag() const { return m_certificate ? m_certificate->newFormFlag() : 1; }
qint64 MainWindow::currentFormIndex() const { return m_certificate->currentFormIndex(); }

void MainWindow::setItemLine(int row, const ItemLine &line) { m_grid->setLine(row, line); }

bool MainWindow::showCertificate(qint64 formIndex) { return m_findPanel->showCertificate(formIndex); }

void MainWindow::exitForm()
{
    // A changed certificate asks whether to save it instead, one never
    // stored whether to leave it; a stored one as it was leaves at once.
    if (m_certificate->changed()) {
        if (!m_certificate->mayLeave())
            return;
    } else if (newFormFlag() == 1 && m_messages.ask(Prompts::kExit) != Message::Answer::Yes) {
        return;
    }
    emit exitRequested();
}

void MainWindow::folderChosen(const QString &folder)
{
    const QString chosen = DataFolder::isServer(folder) ? folder.trimmed() : ProgramFolder::withSlash(folder);
    const std::optional<QString> stored = m_setup.dataPath();
    if (stored && *stored == chosen && m_folder.isOpen()) {
        m_setupPanel->setFolder(chosen);
        // Connecting again to the server in use makes its lost connection again.
        const DbStatus s = m_folder.ensureConnected();
        if (!s.ok())
            m_messages.ask(FolderMessages::serverUnreachable(
                m_folder.certificates().filePath(),
                MainWindowTexts::tr("the program connects again by itself once it can")));
        m_setupPanel->showIndicator(s.ok() ? 1 : 0);
        return;
    }
    AccessConversion::finishCutShort(chosen, m_messages);
    // Try the chosen folder before letting go of the one in use: a refused
    // choice changes nothing.
    DataFolder probe;
    DbStatus tried = probe.open(chosen);
    probe.close();
    if (!tried.ok() && LegacyConverter::holdsAccessFiles(chosen)) {
        if (!AccessConversion::offer(chosen, m_messages)) {
            m_setupPanel->setFolder(folderInUse());
            return;
        }
        tried = probe.open(chosen);
        probe.close();
    }
    if (!tried.ok()) {
        m_messages.ask(FolderMessages::unusable(chosen, tried, folderInUse()));
        m_setupPanel->setFolder(folderInUse());
        m_setupPanel->showIndicator(m_folder.isOpen() ? 1 : 0);
        return;
    }
    m_setupPanel->showIndicator(0);
    m_certificate->number().left(TakenNumbers::leftUnsaved()); // a number of the source left
    m_folder.close();
    if (m_setup.setDataPath(chosen).is(DbCondition::FieldTooSmall))
        m_messages.ask(Prompts::kPathTooLarge);
    // Signatories belong to their data folder: whoever signed in here signs
    // in again there.
    emit signOutAsked();
    m_status->showSignedIn(QString(), false);
    guardWhileSigningIn(true);
    SetDataPaths();
    m_status->showSource(m_folder.isOpen() ? m_folder.path() : QString());
}

void MainWindow::openPartsPanel()
{
    if (!FolderMessages::ensureOpen(m_folder, m_messages))
        return;
    // Where the set-up panel lies, whether or not it is open.
    placePanels();
    m_parts->setGeometry(m_setupPanel->geometry());
    m_parts->open();
}

void MainWindow::openStatementsPanel()
{
    if (!FolderMessages::ensureOpen(m_folder, m_messages))
        return;
    m_statements->open(administers());
}

bool MainWindow::administers()
{
    // The right as stored now: the signatories panel may have changed it
    // since the sign-in. The master password stands for an administrator.
    bool administrator = m_who->master;
    if (!administrator && m_who->signatory && m_folder.isOpen())
        (void)SignatoryPasswords::isAdministrator(m_folder.reference(), m_who->signatory->rowId, administrator);
    return administrator;
}

void MainWindow::guardWhileSigningIn(bool signingIn)
{
    // Until someone signs in, only the sign-in panel is usable; the data
    // folder may still be chosen when none could be opened.
    m_screen->setEnabled(!signingIn);
    m_setupPanel->setDatabasesEnabled(!signingIn);
    for (QWidget *p : {static_cast<QWidget *>(m_defaultsPanel), static_cast<QWidget *>(m_findPanel), static_cast<QWidget *>(m_parts)})
        p->setEnabled(!signingIn);
    if (signingIn) {
        if (!m_signatories->isHidden())
            m_signatories->exitPanel();
        if (!m_parts->isHidden())
            m_parts->exitPanel();
        m_countries->exitPanel();
        m_forwarders->exitPanel();
        m_statements->hide();
        // What was found belongs to the data source signed out of.
        m_findPanel->results().clear();
        m_access->show();
        m_access->raise();
    }
}

void MainWindow::lockWhenIdle()
{
    // Not under an open dialog: it is looked at again shortly.
    const bool signedIn = m_who->master || m_who->signatory;
    if (QApplication::activeModalWidget() || !signedIn) {
        m_idleLock->setActive(signedIn);
        return;
    }
    emit lockAsked();
    m_status->showSignedIn(QString(), false);
    guardWhileSigningIn(true);
    m_status->tell(tr("Locked after %n minute(s) without input", nullptr, m_idleLock->minutes()));
}

bool MainWindow::mayDiscardScreen(const AgentEntry &who)
{
    if (!m_certificate->changed())
        return true;
    const QString name = who.name.isEmpty() ? tr("the administrator") : who.name;
    if (m_messages.ask({tr("The certificate on screen has changes that were not saved by the one signed in before. "
                           "Discard them and sign in as %1?")
                            .arg(name),
                        tr("Unsaved changes"), Message::Buttons::YesNo, Message::Icon::Question, Message::Answer::No})
        != Message::Answer::Yes)
        return false;
    // As at signing out: the certificate as stored, or a new one.
    if (newFormFlag() == 1)
        m_certificate->NewFormDefaults();
    else
        m_certificate->ShowForm();
    return true;
}

void MainWindow::fillOrganizations()
{
    QComboBox *list = m_screen->combo3;
    const QSignalBlocker block(list);
    // The organisation chosen stays chosen, with its details as stored now:
    // block 12 and 14c are composed from them.
    const QString chosen = list->currentIndex() >= 0 ? list->currentText() : QString();
    list->clear();
    // Every organisation, each entry with its own details.
    for (const OrganizationEntry &o : ReferenceLists::organizations(m_folder.organizations()))
        list->addItem(o.name, QVariant::fromValue(o));
    list->setCurrentIndex(chosen.isEmpty() ? -1 : list->findText(chosen));
}

void MainWindow::choosePrinter()
{
    QPrinter chosen;
    QPrintDialog dialog(&chosen, this);
    dialog.setWindowTitle(tr("Printers"));
    if (dialog.exec() == QDialog::Accepted)
        m_print->setPrinter(QPrinterInfo::printerInfo(chosen.printerName()));
}

} // namespace arc
