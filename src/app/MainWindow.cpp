#include "MainWindow.h"

#include "AccessPanel.h"
#include "BusyPointer.h"
#include "CertificateScreen.h"
#include "CertificateStore.h"
#include "DataFolderOpener.h"
#include "DateText.h"
#include "FolderMessages.h"
#include "EntryBox.h"
#include "EntryText.h"
#include "ItemEntry.h"
#include "ItemGrid.h"
#include "ItemGridModel.h"
#include "OrganizationChooser.h"
#include "StatusWords.h"
#include "LineBreaks.h"
#include "SilentEdit.h"
#include "NewCertificateDefaults.h"
#include "ProgramFolder.h"
#include "Prompts.h"
#include "ReferenceLists.h"
#include "SetupPanel.h"
#include "PageFromScreen.h"
#include "PrintCommand.h"
#include "SignIn.h"
#include "SignatoriesPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace arc {

using SilentEdit::setText;
using SilentEdit::setTicked;

namespace {



QWidget *hiddenPanel(const char *name, QWidget *parent)
{
    auto *p = new QFrame(parent);
    p->setObjectName(QString::fromLatin1(name));
    p->setFrameShape(QFrame::Panel);
    p->setAutoFillBackground(true);
    p->hide();
    return p;
}

} // namespace

MainWindow::MainWindow(ProgramFolders folders, MessageBoxes &messages, QWidget *parent)
    : QWidget(parent), m_folders(std::move(folders)), m_messages(messages),
      m_store(std::make_unique<CertificateStore>(m_folder))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("ARC 8130 - Authorized Release Certificate"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    m_grid = new ItemGridModel(this);
    m_screen = new CertificateScreen(m_grid, [this] { return m_newFormFlag == 1; }, this);
    m_itemEntry = new ItemEntry(*m_screen, *m_grid, m_folder,
                                {[this] { return m_newFormFlag == 1; }, [this] { checkstat(); }, [this] { buildtext13(); }},
                                this);
    layout->addWidget(m_screen);

    // Panels over the screen, hidden but for the access panel.
    m_defaultsPanel = hiddenPanel("Panel3D2", this);
    m_findPanel = hiddenPanel("Panel3D3", this);
    m_setupPanel = new SetupPanel(this);
    m_setupPanel->hide();
    m_access = new AccessPanel(this);
    m_access->raise();
    m_signIn = new SignIn(*m_access,
                          {m_screen->text17, m_screen->text16, m_screen->text18, m_screen->text7, m_screen->text6,
                           m_screen->text5},
                          *m_grid, m_folder, m_setup, m_messages, this);
    m_signatories = new SignatoriesPanel(
        m_folder, m_addMode, m_messages,
        {m_access->combo4, [this] { return m_signIn->signatory(); }, [this] { return m_signIn->signedInWithMaster(); },
         [this] { return folderInUse(); }, [this](bool on) { m_screen->setupButton->setEnabled(on); },
         [this](const AgentEntry &saved) { m_signIn->update(saved); }},
        m_setupPanel);
    m_print = new PrintCommand(
        m_messages, m_folder,
        [this] { return pageFromScreen(m_screen->entries(m_grid->lines()), m_signIn->signature()); }, this);

    connectControls();
    guardWhileSigningIn(true);
    move(0, 0);
}

MainWindow::~MainWindow()
{
    // The filters would otherwise see events from boxes whose parents are gone.
    m_itemEntry->stop();
    m_signIn->stop();
}

void MainWindow::connectControls()
{
    connect(m_screen->nextButton, &QPushButton::clicked, this, &MainWindow::next);
    connect(m_screen->previousButton, &QPushButton::clicked, this, &MainWindow::previous);
    connect(m_screen->exitButton, &QPushButton::clicked, this, &MainWindow::exitForm);
    connect(m_screen->setupButton, &QPushButton::clicked, this, &MainWindow::toggleSetupPanel);
    connect(m_screen->newButton, &QPushButton::clicked, this, &MainWindow::newForm);
    connect(m_screen->saveButton, &QPushButton::clicked, this, &MainWindow::save);
    connect(m_screen->deleteButton, &QPushButton::clicked, this, &MainWindow::deleteForm);
    connect(m_signIn, &SignIn::exitRequested, this, &MainWindow::exitRequested);
    connect(m_signIn, &SignIn::signedIn, this, [this] { guardWhileSigningIn(false); });
    connect(m_signIn, &SignIn::signatureChanged, this,
            [this](const QImage &image) { m_screen->picture2->setPixmap(QPixmap::fromImage(image)); });
    connect(m_setupPanel->dmirsButton, &QPushButton::clicked, this, [this] {
        if (needsDataFolder())
            m_signatories->open();
    });
    connect(m_screen->printButton, &QPushButton::clicked, m_print, &PrintCommand::open);
    connect(m_setupPanel, &SetupPanel::folderChosen, this, &MainWindow::folderChosen);
    connect(m_grid, &ItemGridModel::currentCellChanged, this, [this] {
        if (m_newFormFlag == 1)
            checkstat();
    });
    connect(m_screen->combo3, &QComboBox::activated, this, &MainWindow::chooseOrganization);
    connect(m_screen->text3, &EntryBox::enterPressed, m_screen->text5, qOverload<>(&QWidget::setFocus));
    connect(m_screen->text5, &EntryText::enterPressed, m_screen->grid1, qOverload<>(&QWidget::setFocus));
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
    for (QWidget *p : {m_defaultsPanel, m_findPanel})
        p->setGeometry(area.adjusted(60, 60, -60, -100));
    m_access->move(area.center() - QPoint(m_access->width() / 2, m_access->height() / 2));
}

void MainWindow::activate()
{
    if (m_activated)
        return;
    m_activated = true;
    const DbStatus s = m_setup.open(m_folders);
    if (!s.ok()) {
        m_messages.ask({QStringLiteral("The set-up file %1 in %2 cannot be opened: %3")
                            .arg(Schema::fileName(StoreKind::Setup), m_folders.program, s.detail()),
                        QStringLiteral("ARC 8130"), Message::Buttons::Ok, Message::Icon::Critical});
        return;
    }
    SetDataPaths();
    if (m_screen->combo3->count() > 0) {
        // Selecting the first organisation chooses it, as a click would.
        m_screen->combo3->setCurrentIndex(0);
        chooseOrganization(0);
    }
    m_access->combo4->setFocus();
}

void MainWindow::SetDataPaths()
{
    const OpenedFolder opened = DataFolderOpener::open(m_setup, m_folder);
    m_setupPanel->setFolder(opened.path);
    if (opened.kind == OpenedFolder::Kind::Unusable) {
        m_setupPanel->showIndicator(0);
        m_messages.ask(FolderMessages::unusable(opened.path, opened.status));
        openSetupPanel();
        return;
    }
    m_setupPanel->showIndicator(1);
    if (opened.kind == OpenedFolder::Kind::Created)
        m_messages.ask(FolderMessages::created(opened.path));

    BusyPointer busy;
    fillLists();
    m_newFormFlag = 1;
    NewFormDefaults();
    SetCountryList();
    if (m_screen->combo2->count() > 0)
        m_screen->combo2->setCurrentIndex(0);
}

QString MainWindow::folderInUse()
{
    if (m_folder.isOpen())
        return m_folder.path();
    return m_setup.isOpen() ? m_setup.dataPath().value_or(m_setup.homeFolder())
                            : ProgramFolder::withSlash(m_folders.home());
}

bool MainWindow::needsDataFolder()
{
    if (m_folder.isOpen())
        return true;
    m_messages.ask(FolderMessages::noneOpen());
    return false;
}

void MainWindow::fillLists()
{
    CertificateScreen &s = *m_screen;
    s.list1->clear();
    s.list1->addItems(ReferenceLists::partNumbers(m_folder.parts()));

    const QSignalBlocker b3(s.combo3);
    s.combo3->clear();
    for (const OrganizationEntry &o : ReferenceLists::organizations(m_folder.organizations()))
        s.combo3->addItem(o.name, QVariant::fromValue(o));
    s.combo3->setCurrentIndex(-1);

    const QSignalBlocker b4(m_access->combo4);
    m_access->combo4->clear();
    for (const AgentEntry &a : ReferenceLists::agents(m_folder.agents()))
        m_access->combo4->addItem(a.name, QVariant::fromValue(a));
    m_access->combo4->setCurrentIndex(-1);

    const QSignalBlocker b2(s.combo2);
    s.combo2->clear();
    for (const ForwarderEntry &f : ReferenceLists::forwarders(m_folder.forwarders()))
        s.combo2->addItem(f.name, QVariant::fromValue(f));
}

void MainWindow::SetCountryList()
{
    QComboBox *c = m_screen->combo1;
    const QSignalBlocker block(c);
    c->clear();
    if (!m_folder.isOpen())
        return;
    for (const CountryEntry &e : ReferenceLists::exportCountries(m_folder.countries(), m_grid->line(0).status))
        c->addItem(e.name, QVariant::fromValue(e));
    c->setCurrentIndex(0);
}

void MainWindow::NewFormDefaults()
{
    CertificateScreen &s = *m_screen;
    m_grid->setLines({});
    for (QCheckBox *c : {s.check3D1, s.check3D2, s.check3D6, s.check3D8})
        setTicked(c, false);
    if (m_newFormFlag == 1)
        fillFromDefaults();
    m_grid->setCurrentCell(0, 0, m_newFormFlag == 1);
}

void MainWindow::fillFromDefaults()
{
    CertificateScreen &s = *m_screen;
    DbStatus status;
    const std::optional<NewCertificateDefaults> d =
        m_folder.isOpen() ? NewCertificateDefaults::issue(m_folder.defaults(), &status) : std::nullopt;
    if (!status.ok())
        reportStoreFailure(QStringLiteral("The next certificate numbers could not be stored, so none were issued"),
                           status);
    if (!d) {
        setText(s.text38, QStringLiteral("FAA/United States"));
        for (QLineEdit *e : {s.text3, s.text17, s.text7, s.text16, s.text4, s.text6, s.text18})
            setText(e, QString());
        for (QPlainTextEdit *e : {s.text1, s.text2, s.text5, s.text13})
            setText(e, QString());
        return;
    }
    setText(s.text38, d->country);
    setText(s.text2, d->organ2);
    setText(s.text3, d->tracking);
    setText(s.text5, d->invoice);
    setText(s.text13, d->remarks);
    const std::optional<AgentEntry> &who = m_signIn->signatory();
    setText(s.text17, who ? who->name : QString());
    setText(s.text16, who ? who->approvalNumber : QString());
    setText(s.text18, who ? DateText::today() : QString());
    setText(s.text7, QString());
    setText(s.text6, QString());

    s.option2->setChecked(true);
    for (QComboBox *c : {s.combo1, s.combo2}) {
        if (c->count() > 0)
            c->setCurrentIndex(0);
        c->setEnabled(false);
    }
    ItemLine first;
    first.serialNum = d->batch;
    first.description = d->description;
    first.partNum = d->partNum;
    first.item = QStringLiteral("1");
    first.quantity = QStringLiteral("1");
    first.status = d->status;
    m_grid->setLine(0, first);
    m_grid->setCurrentCell(0, 0, true);
    checkstat();
}

void MainWindow::ShowForm()
{
    BusyPointer busy;
    if (!m_folder.isOpen())
        return;
    DataView &header = m_folder.header();
    if (header.isBof() && header.isEof()) {
        m_newFormFlag = 1;
        NewFormDefaults();
        return;
    }
    m_newFormFlag = 0;
    NewFormDefaults();
    showStoredCertificate();
}

void MainWindow::showStoredCertificate()
{
    const CertificateHeader c = m_store->currentHeader();
    m_currentFormIndex = c.formIndex;
    m_screen->showHeader(c);
    // What loaded before a failure stays on screen.
    ItemSlots lines;
    m_store->loadLines(m_currentFormIndex, lines);
    m_grid->setLines(lines);
    setBlockEnabled(selectsBlock13(lines[0].status.toUpper()));
}

const ItemSlots &MainWindow::itemSlots() const { return m_grid->lines(); }

void MainWindow::setItemLine(int row, const ItemLine &line) { m_grid->setLine(row, line); }

void MainWindow::setBlockEnabled(bool block13)
{
    CertificateScreen &s = *m_screen;
    s.check3D1->setEnabled(block13);
    s.check3D2->setEnabled(block13);
    s.check3D6->setEnabled(!block13);
    s.check3D8->setEnabled(!block13);
}

QString MainWindow::currentStatus() const
{
    return m_grid->currentLine().status;
}

void MainWindow::checkstat()
{
    CertificateScreen &s = *m_screen;
    const bool block13 = selectsBlock13(currentStatus());
    setBlockEnabled(block13);
    if (block13) {
        setTicked(s.check3D1, true);
        setTicked(s.check3D6, false);
        setTicked(s.check3D8, false);
        s.option1->setEnabled(true);
        s.option2->setEnabled(true);
        s.combo1->setEnabled(s.option1->isChecked());
        s.combo2->setEnabled(s.option1->isChecked());
        for (QLineEdit *e : {s.text4, s.text7, s.text6})
            setText(e, QString());
        // The signed-in signatory, whatever the name lists show now.
        const std::optional<AgentEntry> &who = m_signIn->signatory();
        if (who)
            setText(s.text16, who->approvalNumber);
        setText(s.text17, who ? who->name : QString());
        setText(s.text18, DateText::today());
    } else {
        setTicked(s.check3D6, true);
        setTicked(s.check3D1, false);
        setTicked(s.check3D2, false);
        s.option1->setEnabled(false);
        s.option2->setEnabled(false);
        s.combo1->setEnabled(true);
        s.combo2->setEnabled(false);
        for (QLineEdit *e : {s.text16, s.text17, s.text18})
            setText(e, QString());
        const int org = s.combo3->currentIndex();
        if (org >= 0)
            setText(s.text4, s.combo3->itemData(org).value<OrganizationEntry>().certificateNum);
        setText(s.text7, m_signIn->signatory() ? m_signIn->signatory()->name : QString());
        setText(s.text6, DateText::today());
    }
    SetCountryList();
    buildtext13();
}

void MainWindow::buildtext13()
{
    // Block 12 is not composed by the program yet: the remarks stay as the
    // defaults or the user left them.
}

void MainWindow::next() { step(true); }
void MainWindow::previous() { step(false); }

void MainWindow::step(bool forward)
{
    DataView *header = m_folder.isOpen() ? &m_folder.header() : nullptr;
    if (!header || (forward ? header->isEof() : header->isBof())) {
        m_messages.ask(Prompts::kNoRecords);
        return;
    }
    if (m_newFormFlag == 1) {
        // Both ways, a new certificate gives way to the last one stored.
        header->moveLast();
        m_newFormFlag = 0;
    } else {
        forward ? header->moveNext() : header->movePrevious();
        if (forward ? header->isEof() : header->isBof()) {
            m_messages.ask(Prompts::kNoMoreRecords);
            forward ? header->movePrevious() : header->moveNext();
            return;
        }
    }
    m_screen->combo3->hide();
    ShowForm();
}

void MainWindow::exitForm()
{
    if (m_messages.ask(Prompts::kExit) == Message::Answer::Yes)
        emit exitRequested();
}

void MainWindow::folderChosen(const QString &folder)
{
    const QString chosen = ProgramFolder::withSlash(folder);
    const std::optional<QString> stored = m_setup.dataPath();
    if (stored && *stored == chosen && m_folder.isOpen()) {
        m_setupPanel->setFolder(chosen);
        m_setupPanel->showIndicator(1);
        return;
    }
    // Try the chosen folder before letting go of the one in use: a refused
    // choice changes nothing.
    DataFolder probe;
    const DbStatus tried = probe.open(chosen);
    probe.close();
    if (!tried.ok()) {
        m_messages.ask(FolderMessages::unusable(chosen, tried, folderInUse()));
        m_setupPanel->setFolder(folderInUse());
        m_setupPanel->showIndicator(m_folder.isOpen() ? 1 : 0);
        return;
    }
    m_setupPanel->showIndicator(0);
    m_folder.close();
    if (m_setup.setDataPath(chosen).is(DbCondition::FieldTooSmall))
        m_messages.ask(Prompts::kPathTooLarge);
    // Signatories belong to their data folder: whoever signed in here signs
    // in again there.
    m_signIn->signOut();
    guardWhileSigningIn(true);
    SetDataPaths();
}

void MainWindow::guardWhileSigningIn(bool signingIn)
{
    // Until someone signs in, only the sign-in panel is usable; the data
    // folder may still be chosen when none could be opened.
    m_screen->setEnabled(!signingIn);
    m_setupPanel->setDatabasesEnabled(!signingIn);
    for (QWidget *p : {m_defaultsPanel, m_findPanel})
        p->setEnabled(!signingIn);
    if (signingIn) {
        if (!m_signatories->isHidden())
            m_signatories->exitPanel();
        m_access->show();
        m_access->raise();
    }
}

void MainWindow::newForm()
{
    if (!needsDataFolder())
        return;
    m_newFormFlag = 1;
    NewFormDefaults();
    m_screen->grid1->setFocus();
    m_screen->combo3->show();
}

void MainWindow::reportStoreFailure(const QString &what, const DbStatus &status)
{
    m_messages.ask({QStringLiteral("%1: %2\nNothing stored has been lost.").arg(what, status.detail()),
                    QStringLiteral("Database"), Message::Buttons::Ok, Message::Icon::Critical});
}

void MainWindow::save()
{
    if (!needsDataFolder())
        return;
    BusyPointer busy;
    qint64 key = 0;
    const CertificateEntries entries = m_screen->entries(m_grid->lines());
    DbStatus s = m_store->save(entries, m_newFormFlag == 1, key);
    if (s.is(DbCondition::RecordGone)) {
        // Deleted elsewhere since it was shown: storing over it would store
        // nothing, and its lines would belong to no certificate.
        if (m_messages.ask(Prompts::kCertificateGone) != Message::Answer::Yes)
            return;
        s = m_store->save(entries, true, key);
    }
    if (!s.ok() && !s.is(DbCondition::FieldTooSmall)) {
        // The entries stay on screen so the user can try again.
        reportStoreFailure(QStringLiteral("The certificate was not saved"), s);
        return;
    }
    m_currentFormIndex = key;
    m_newFormFlag = 0;
    if (s.is(DbCondition::FieldTooSmall))
        m_messages.ask(Prompts::kTooLong);
}

void MainWindow::deleteForm()
{
    if (!needsDataFolder())
        return;
    if (m_newFormFlag == 1) {
        m_messages.ask(Prompts::kNothingToDelete);
        return;
    }
    if (m_messages.ask(Prompts::kDeleteForm) != Message::Answer::Yes)
        return;
    const DbStatus s = m_store->deleteCurrent();
    if (!s.ok()) {
        reportStoreFailure(QStringLiteral("The certificate was not deleted"), s);
        return;
    }
    DataView &header = m_folder.header();
    if (!header.tableHasRows()) {
        header.refresh();
        m_newFormFlag = 1;
        NewFormDefaults();
        return;
    }
    header.moveLast();
    ShowForm();
}

void MainWindow::chooseOrganization(int index)
{
    CertificateScreen &s = *m_screen;
    if (index < 0)
        return;
    const OrganizationEntry o = s.combo3->itemData(index).value<OrganizationEntry>();
    setText(s.text1, QStringList{o.name, o.address1, o.address2, o.address3}.join(QStringLiteral("\r\n")));
    s.combo3->shrink();
    if (!selectsBlock13(currentStatus()))
        setText(s.text4, o.certificateNum);
    s.text5->setFocus();
}

void MainWindow::toggleSetupPanel()
{
    m_defaultsPanel->hide();
    m_findPanel->hide();
    if (m_setupPanel->isHidden())
        openSetupPanel();
    else
        closeSetupPanel();
}

void MainWindow::openSetupPanel()
{
    CertificateScreen &s = *m_screen;
    s.setupButton->setText(QStringLiteral("Save"));
    s.setupButton->setStyleSheet(QStringLiteral("color: rgb(255, 0, 0);"));
    s.setCommandsEnabled(false);
    placePanels();
    m_setupPanel->show();
    m_setupPanel->raise();
    m_setupPanel->setFolder(folderInUse());
}

void MainWindow::closeSetupPanel()
{
    CertificateScreen &s = *m_screen;
    m_setupPanel->hide();
    s.setupButton->setText(QStringLiteral("Set-up"));
    s.setupButton->setStyleSheet(QString());
    s.setCommandsEnabled(true);
}

} // namespace arc
