#pragma once

#include "DataFolder.h"
#include "ItemLine.h"
#include "MessageBoxes.h"
#include "AddMode.h"
#include "ProgramFolders.h"
#include "SetupStore.h"

#include <QImage>

#include <QWidget>
#include <memory>

namespace arc {

class BenchActions;
class AccessPanel;
class CertificateOnScreen;
class CertificateScreen;
class SetupPanel;
class ItemEntry;
class SignIn;
class PartsPanel;
class DefaultsPanel;
class SettingsPanels;
class CountriesPanel;
class ForwardersPanel;
class StatementsPanel;
class PrintCommand;
class SignatoriesPanel;
class ItemGridModel;
class IssueCommand;
class CutOffRuns;
class RecentCertificates;
class MenuBar;
class StatusLine;
class FindPanel;
struct PageSigner;
struct SignedInAs;
class IdleLock;
struct AgentEntry;

// The one window: the certificate screen with its panels laid over it.
// It owns the data folder with its cursors, the lists the screen picks
// from and the ten item lines, and wires the panels and the certificate on
// screen together.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    MainWindow(ProgramFolders folders, MessageBoxes &messages, QWidget *parent = nullptr);
    ~MainWindow() override;

    // First activation: open the set-up file and the data folder.
    void activate();

    void SetDataPaths();
    void checkstat();

    // Handlers of the user's actions.
    void folderChosen(const QString &folder);
    void exitForm();

    int newFormFlag() const;
    qint64 currentFormIndex() const;
    CertificateOnScreen &certificate() const { return *m_certificate; }
    const ItemSlots &itemSlots() const;
    ItemGridModel &itemLines() const { return *m_grid; }
    // Put a whole item line into slot `row` and show it.
    void setItemLine(int row, const ItemLine &line);
    CertificateScreen &screen() const { return *m_screen; }
    AccessPanel &accessPanel() const { return *m_access; }
    SetupPanel &setupPanel() const { return *m_setupPanel; }
    DefaultsPanel &defaultsPanel() const { return *m_defaultsPanel; }
    SettingsPanels &settingsPanels() const { return *m_settings; }
    DataFolder &dataFolder() { return m_folder; }
    SetupStore &setupStore() { return m_setup; }
    SignIn &signIn() const { return *m_signIn; }
    SignatoriesPanel &signatoriesPanel() const { return *m_signatories; }
    PrintCommand &printCommand() const { return *m_print; }
    IssueCommand &issueCommand() const { return *m_issue; }
    PartsPanel &partsPanel() const { return *m_parts; }
    CountriesPanel &countriesPanel() const { return *m_countries; }
    ForwardersPanel &forwardersPanel() const { return *m_forwarders; }
    StatementsPanel &statementsPanel() const { return *m_statements; }
    // The last certificates shown or saved here, for Certificate, Recent.
    RecentCertificates &recent() const { return *m_recent; }
    // Show a stored certificate by its key, as a choice from a list would.
    bool showCertificate(qint64 formIndex);
    MenuBar &menuBar() const { return *m_menu; }
    StatusLine &statusLine() const { return *m_status; }
    BenchActions &benchActions() const { return *m_bench; }
    CutOffRuns &cutOffRuns() const { return *m_cutOffRuns; }
    FindPanel &findPanel() const { return *m_findPanel; }
    MessageBoxes &messages() const { return m_messages; }
    // Covers the window with the sign-in panel after minutes without input.
    IdleLock &idleLock() const { return *m_idleLock; }

signals:
    // The user asked to end the program; nothing is saved.
    void exitRequested();
    // Asked of sign-in: whoever is signed in signs out (another data
    // folder was chosen), or the sign-in panel covers the window (the idle
    // lock); the signatories were read afresh; the window is going.
    void signOutAsked();
    void lockAsked();
    void signatoriesRead();
    void closing();

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // The folder in use, or while none is open the one recorded.
    QString folderInUse();
    void guardWhileSigningIn(bool signingIn);
    // The signed-in signatory as the page names him.
    PageSigner signer() const;
    // The keyboard's place once signed in.
    void toFirstEmptyCell();
    void openPartsPanel();
    void openStatementsPanel();
    // Whether the one signed in is an administrator, as stored now.
    bool administers();
    void fillLists();
    void fillOrganizations();
    void choosePrinter();
    // What the certificate check finds in the certificate on screen.
    void placePanels();
    void connectControls();
    // The minutes are up: the sign-in panel covers the window, the key goes.
    void lockWhenIdle();
    // Whether `who`, signing in over the screen another left, may discard it.
    bool mayDiscardScreen(const AgentEntry &who);

    ProgramFolders m_folders;
    MessageBoxes &m_messages;
    SetupStore m_setup;
    DataFolder m_folder;

    CertificateScreen *m_screen;
    AccessPanel *m_access;
    SetupPanel *m_setupPanel;
    DefaultsPanel *m_defaultsPanel;
    FindPanel *m_findPanel;     // Panel3D3

    ItemGridModel *m_grid;
    ItemEntry *m_itemEntry;
    SignIn *m_signIn;
    AddMode m_addMode;
    SignatoriesPanel *m_signatories;
    PrintCommand *m_print;
    PartsPanel *m_parts;
    CountriesPanel *m_countries;
    ForwardersPanel *m_forwarders;
    StatementsPanel *m_statements;
    CertificateOnScreen *m_certificate = nullptr;
    SettingsPanels *m_settings = nullptr;
    IssueCommand *m_issue = nullptr;
    // Who signed in, and his signature, as sign-in told.
    std::unique_ptr<SignedInAs> m_who;
    QImage m_signature;
    CutOffRuns *m_cutOffRuns = nullptr;
    RecentCertificates *m_recent = nullptr;
    BenchActions *m_bench = nullptr;
    MenuBar *m_menu;
    StatusLine *m_status;
    IdleLock *m_idleLock = nullptr;
    bool m_activated = false;
};

} // namespace arc
