#pragma once

#include "ReferenceLists.h"

#include <QFrame>
#include <functional>
#include <memory>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace arc {

class ActivityReport;
class AddMode;
class DataFolder;
class EntryBox;
class MessageBoxes;
class PendingCertificates;
class SignatoryCertificates;
class SignatureFiles;
class SigningKey;

// The signatories (DMIRs) panel: names, certification numbers, passwords,
// the administrator right and the signature bitmap of each signatory.
class SignatoriesPanel : public QFrame {
    Q_OBJECT
public:
    // `accessNames` is the Access Control name list, kept in step.
    SignatoriesPanel(DataFolder &folder, AddMode &addMode, MessageBoxes &messages, QComboBox *accessNames,
                     QWidget *parent = nullptr);
    ~SignatoriesPanel() override;

    // The "DMIRs" button, for whoever signed in (`who`, a signatory, or
    // the master password). Returns whether the panel opened.
    bool open(const std::optional<AgentEntry> &who, bool master);
    void choose(int index);
    void newSignatory();
    void save();
    void deleteSignatory();
    void exitPanel();
    // "Signing certificate..." for the signatory shown.
    void openSigningCertificate();
    void openRevokeCertificate();
    // The key opened at sign-in, kept under a new password when its owner
    // changes his own; `keep` receives a new key made for a signatory.
    void setSigningKeys(std::function<const SigningKey *()> signedInKey,
                        std::function<void(qint64 agentRow, std::unique_ptr<SigningKey>)> keep);
    // How the shop authority's passphrase is asked for when an administrator
    // resets another signatory's password (a hidden input box by default).
    void setPassphraseAsk(std::function<std::optional<QString>(const QString &why)> ask) { m_askPassphrase = std::move(ask); }

    QComboBox *combo6;       // "DMIR Name"
    EntryBox *newName;       // Text47_17
    EntryBox *certification; // Text47_15
    QLineEdit *oldPassword;  // Text47_9
    EntryBox *newPassword;   // Text47_10
    QRadioButton *yes, *no;  // Option3, Option4
    EntryBox *adminPassword; // Text47_12
    QCheckBox *useElectronic; // Check2
    QListWidget *files;      // File1
    QPushButton *chooseSignature; // SignatureChoose: a bitmap copied in beside the others
    QLabel *signaturePreview;     // SignaturePreview: the chosen file as it prints
    QPushButton *saveButton, *deleteButton, *newButton, *exitButton;
    ActivityReport *report; // the chosen signatory's activity in a period
    QPushButton *signingCertificate; // SigningCertificate
    QPushButton *revokeCertificate;  // RevokeCertificate: an administrator's
    QLabel *certificateInfo;         // CertificateInfo
    PendingCertificates *pending;    // the requests an administrator approves

    SignatureFiles *signatures; // the picture files above, with the seam for "Choose..."

signals:
    // False while the panel is open: the set-up panel stays open under it.
    void setupMayClose(bool may);
    // A stored signatory's row was saved with these details.
    void saved(const AgentEntry &entry);
    // What was done, for the status line.
    void told(const QString &what);

private:
    void chooseYes();
    void showAdministrator(bool administrator);
    void setAdministering(bool on);
    void signatureTouched();
    void loadRow(qint64 rowId, bool &found);
    void fillList();
    // Both name lists, each signatory told apart from another of his name.
    void relabel();
    void showCertificate();

    DataFolder &m_folder;
    AddMode &m_addMode;
    MessageBoxes &m_messages;
    QComboBox *m_accessNames;
    std::optional<AgentEntry> m_signedIn; // who opened the panel
    qint64 m_loadedRow = 0;       // the row chosen, 0 when none
    QString m_storedPassword;     // that row's password, whole
    // That row's signature settings, kept unless the user changes them.
    QVariant m_storedSign;
    bool m_storedUse = false;
    bool m_signatureChanged = false;
    bool m_filling = false;       // the program, not the user, is setting the boxes
    bool m_administering = false; // an administrator opened the panel
    std::unique_ptr<SignatoryCertificates> m_certificates;
    std::function<const SigningKey *()> m_signedInKey;
    std::function<void(qint64, std::unique_ptr<SigningKey>)> m_keepKey;
    std::function<std::optional<QString>(const QString &why)> m_askPassphrase;
};

} // namespace arc
