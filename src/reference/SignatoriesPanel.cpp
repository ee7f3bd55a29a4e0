#include "SignatoriesPanel.h"

#include "PanelKeys.h"
#include "ActivityReport.h"
#include "AddMode.h"
#include "BlankRule.h"
#include "DataFolder.h"
#include "EntryBox.h"
#include "MessageBoxes.h"
#include "PanelParts.h"
#include "PendingCertificates.h"
#include "Passwords.h"
#include "SignatoryCertificates.h"
#include "SignatoryPasswords.h"
#include "SignatoryNames.h"
#include "SignatoryRights.h"
#include "ReferenceLists.h"
#include "SignatureFiles.h"
#include "RevokeCertificateDialog.h"
#include "SigningCertificateDialog.h"
#include "ReferenceRows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QInputDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace arc {

namespace {

struct SignatoriesPanelTexts {
    Q_DECLARE_TR_FUNCTIONS(arc::SignatoriesPanel)
};

const Message kNothingChosen{
    QT_TRANSLATE_NOOP("arc::Message", "No signatory is chosen, so nothing was saved. Choose a signatory in "
                                      "the list, or press New to add one."),
    QT_TRANSLATE_NOOP("arc::Message", "DMIRs"), Message::Buttons::Ok, Message::Icon::Exclamation};
const Message kBlankNumber{
    QT_TRANSLATE_NOOP("arc::Message", "Enter the signatory's approval number: a signatory without one cannot sign."),
    QT_TRANSLATE_NOOP("arc::Message", "Approval number missing"), Message::Buttons::Ok, Message::Icon::None,
    Message::Answer::Ok};

EntryBox *box(const char *name, int limit)
{
    auto *b = new EntryBox(name);
    b->setEntryLimit(limit);
    return b;
}



} // namespace

SignatoriesPanel::SignatoriesPanel(DataFolder &folder, AddMode &addMode, MessageBoxes &messages,
                                   QComboBox *accessNames, QWidget *parent)
    : QFrame(parent), m_folder(folder), m_addMode(addMode), m_messages(messages), m_accessNames(accessNames)
{
    setObjectName(QStringLiteral("SSPanel3"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);

    combo6 = new QComboBox;
    combo6->setObjectName(QStringLiteral("Combo6"));
    combo6->setPlaceholderText(tr("Press New to enter new DMIR"));
    newName = box("Text47_17", 20);
    newName->hide();
    certification = box("Text47_15", 20);
    oldPassword = new QLineEdit;
    oldPassword->setObjectName(QStringLiteral("Text47_9"));
    oldPassword->setEnabled(false);
    newPassword = box("Text47_10", Passwords::maximumLength);
    newPassword->setEchoMode(QLineEdit::Password);
    yes = new QRadioButton(tr("Yes"));
    yes->setObjectName(QStringLiteral("Option3"));
    no = new QRadioButton(tr("No"));
    no->setObjectName(QStringLiteral("Option4"));
    no->setChecked(true);
    adminPassword = box("Text47_12", Passwords::maximumLength);
    adminPassword->setEchoMode(QLineEdit::Password);
    useElectronic = new QCheckBox(tr("Use Electronic Signature"));
    useElectronic->setObjectName(QStringLiteral("Check2"));
    signatures = new SignatureFiles(folder, messages);
    files = signatures->files;
    chooseSignature = signatures->chooseSignature;
    signaturePreview = signatures->signaturePreview;
    saveButton = PanelParts::button("SSCommand10", tr("Save"), "green");
    deleteButton = PanelParts::button("SSCommand11", tr("Delete"), "red");
    newButton = PanelParts::button("SSCommand12", tr("New"), "black");
    exitButton = PanelParts::button("SSCommand13", tr("Exit"), "red");

    auto *admin = new QGroupBox(tr("Administrator"));
    auto *a = new QGridLayout(admin);
    a->addWidget(yes, 0, 0);
    a->addWidget(no, 0, 1);
    a->addWidget(new QLabel(tr("Admin Password")), 1, 0);
    a->addWidget(adminPassword, 1, 1);

    auto *g = new QGridLayout(this);
    g->addWidget(new QLabel(tr("DMIR Name")), 0, 0);
    g->addWidget(combo6, 0, 1);
    g->addWidget(newName, 0, 1); // in the list's place while a new signatory is entered
    g->addWidget(new QLabel(tr("Certification Number")), 1, 0);
    g->addWidget(certification, 1, 1);
    g->addWidget(new QLabel(tr("Old Password")), 2, 0);
    g->addWidget(oldPassword, 2, 1);
    g->addWidget(new QLabel(tr("New Password")), 3, 0);
    g->addWidget(newPassword, 3, 1);
    g->addWidget(admin, 4, 0, 1, 2);
    g->addWidget(useElectronic, 5, 0, 1, 2);
    g->addWidget(signatures, 0, 2, 6, 1);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {saveButton, deleteButton, newButton, exitButton})
        buttons->addWidget(b);
    g->addLayout(buttons, 6, 0, 1, 3);
    PanelKeys::attach(this, exitButton);
    report = new ActivityReport(folder, messages, combo6);
    g->addWidget(report, 7, 0, 1, 3);
    pending = new PendingCertificates(folder, messages);
    g->addWidget(pending, 9, 0, 1, 3);
    g->setRowStretch(10, 1);
    connect(pending, &PendingCertificates::told, this, &SignatoriesPanel::told);
    connect(pending, &PendingCertificates::approved, this, &SignatoriesPanel::showCertificate);
    m_certificates = std::make_unique<SignatoryCertificates>(folder);
    setSigningKeys([] { return nullptr; }, [](qint64, std::unique_ptr<SigningKey>) {});
    setPassphraseAsk([this](const QString &why) -> std::optional<QString> {
        bool ok = false;
        const QString prompt = (why.isEmpty() ? QString() : why + QLatin1Char('\n'))
            + tr("The old certificate is to be revoked. The shop authority's passphrase (empty: revoke it later):");
        const QString typed =
            QInputDialog::getText(this, tr("Revoke the old certificate"), prompt, QLineEdit::Password, {}, &ok);
        return ok ? std::optional<QString>(typed) : std::nullopt;
    });
    certificateInfo = new QLabel;
    certificateInfo->setObjectName(QStringLiteral("CertificateInfo"));
    certificateInfo->setWordWrap(true);
    signingCertificate = PanelParts::button("SigningCertificate", tr("Signing certificate..."), "black");
    revokeCertificate = PanelParts::button("RevokeCertificate", tr("Revoke"), "black");
    auto *certificateButtons = new QHBoxLayout;
    certificateButtons->addWidget(signingCertificate);
    certificateButtons->addWidget(revokeCertificate);
    g->addWidget(certificateInfo, 8, 0, 1, 2);
    g->addLayout(certificateButtons, 8, 2);
    connect(signingCertificate, &QPushButton::clicked, this, &SignatoriesPanel::openSigningCertificate);
    connect(revokeCertificate, &QPushButton::clicked, this, &SignatoriesPanel::openRevokeCertificate);

    connect(combo6, &QComboBox::activated, this, &SignatoriesPanel::choose);
    connect(yes, &QRadioButton::clicked, this, &SignatoriesPanel::chooseYes);
    connect(adminPassword, &QLineEdit::textChanged, this,
            [this](const QString &t) {
                // An administrator that cannot be read may exist.
                bool administrator = true;
                if (m_folder.isOpen()
                    && !SignatoryPasswords::administratorExists(m_folder.reference(), administrator).ok())
                    administrator = true;
                yes->setEnabled(SignatoryRights::mayChooseYes(m_administering, t, administrator));
            });
    connect(useElectronic, &QCheckBox::toggled, signatures, &SignatureFiles::setChoosing);
    connect(signatures, &SignatureFiles::told, this, &SignatoriesPanel::told);
    connect(useElectronic, &QCheckBox::toggled, this, &SignatoriesPanel::signatureTouched);
    connect(signatures, &SignatureFiles::chosenChanged, this, &SignatoriesPanel::signatureTouched);
    connect(newButton, &QPushButton::clicked, this, &SignatoriesPanel::newSignatory);
    connect(saveButton, &QPushButton::clicked, this, &SignatoriesPanel::save);
    connect(deleteButton, &QPushButton::clicked, this, &SignatoriesPanel::deleteSignatory);
    connect(exitButton, &QPushButton::clicked, this, &SignatoriesPanel::exitPanel);
    hide();
}

SignatoriesPanel::~SignatoriesPanel() = default;

void SignatoriesPanel::fillList()
{
    combo6->clear();
    QComboBox *access = m_accessNames;
    for (int i = 0; i < access->count(); ++i)
        combo6->addItem(access->itemText(i), access->itemData(i));
    combo6->setCurrentIndex(-1);
    relabel();
}

void SignatoriesPanel::relabel()
{
    for (QComboBox *list : {combo6, m_accessNames}) {
        QList<AgentEntry> all;
        for (int i = 0; i < list->count(); ++i)
            all << list->itemData(i).value<AgentEntry>();
        for (int i = 0; i < list->count(); ++i)
            list->setItemText(i, SignatoryNames::label(all.at(i), all));
    }
}

bool SignatoriesPanel::open(const std::optional<AgentEntry> &who, bool master)
{
    if (!m_folder.isOpen())
        return false;
    // Who may open it is who signed in, not what the name lists show now.
    m_signedIn = who;
    DataView &agents = m_folder.agents();
    bool found = false;
    if (who)
        loadRow(who->rowId, found);
    const bool empty = !agents.tableHasRows();
    const SignatoryRights::Opening opening = SignatoryRights::onOpening(
        found, found && agents.value(QStringLiteral("Administrator")).toBool(), master, empty);
    if (opening == SignatoryRights::Opening::Refused)
        return false;
    const bool administrator = SignatoryRights::administers(opening);
    m_administering = administrator;
    m_loadedRow = 0;
    fillList();
    if (found) {
        const int k = PanelParts::indexOfRow<AgentEntry>(combo6, who->rowId);
        if (k >= 0) {
            combo6->setCurrentIndex(k);
            choose(k);
        }
    }

    PanelParts::placeInside(this);
    show();
    raise();
    if (opening == SignatoryRights::Opening::FirstSignatory) {
        m_addMode.set();
        m_loadedRow = 0;
        m_storedPassword.clear();
        deleteButton->setEnabled(false);
        return true;
    }
    emit setupMayClose(false);
    m_addMode.clear();
    if (administrator) {
        yes->setEnabled(true);
        showAdministrator(true);
        combo6->show();
        combo6->setEnabled(true);
    } else {
        yes->setEnabled(false);
        no->setChecked(true);
        combo6->show();
        combo6->setEnabled(false);
    }
    setAdministering(administrator);
    // A signatory chooses his own picture and whether it signs for him.
    signatures->setChoosing(found && useElectronic->isChecked());
    useElectronic->setEnabled(found);
    return true;
}

void SignatoriesPanel::chooseYes()
{
    // "Yes" can be clicked only by an administrator, or by someone who typed
    // the master password into "Admin Password".
    setAdministering(true);
    showAdministrator(true);
}

void SignatoriesPanel::showAdministrator(bool administrator)
{
    (administrator ? yes : no)->setChecked(true);
    if (!administrator || !m_administering)
        return;
    for (QWidget *w : {static_cast<QWidget *>(newName), static_cast<QWidget *>(combo6),
                       static_cast<QWidget *>(newButton), static_cast<QWidget *>(deleteButton),
                       static_cast<QWidget *>(yes)})
        w->setEnabled(true);
}

void SignatoriesPanel::setAdministering(bool on)
{
    // Only an administrator adds or deletes signatories; anyone else edits
    // their own row.
    m_administering = on;
    revokeCertificate->setVisible(on);
    pending->setVisible(on);
    if (on)
        pending->refresh();
    newButton->setEnabled(on && !m_addMode.isOn());
    deleteButton->setEnabled(SignatoryRights::mayDelete(on, false, m_loadedRow, std::nullopt)
                             != SignatoryRights::Deleting::Nothing);
}

void SignatoriesPanel::signatureTouched()
{
    if (!m_filling)
        m_signatureChanged = true;
}

void SignatoriesPanel::loadRow(qint64 rowId, bool &found)
{
    DataView &agents = m_folder.agents();
    found = rowId > 0 && agents.moveToRow(rowId).ok() && agents.hasRow();
}

void SignatoriesPanel::choose(int index)
{
    if (index < 0)
        return;
    bool found = false;
    const qint64 rowId = combo6->itemData(index).value<AgentEntry>().rowId;
    loadRow(rowId, found);
    if (!found) {
        // Nothing to act on: neither Save nor Delete may touch another row.
        m_loadedRow = 0;
        deleteButton->setEnabled(false);
        return;
    }
    const DataView &agents = m_folder.agents();
    showAdministrator(agents.value(QStringLiteral("Administrator")).toBool());
    m_loadedRow = rowId;
    m_storedPassword = agents.text(QStringLiteral("Password"));
    m_storedSign = agents.value(QStringLiteral("ElectronicSign"));
    m_storedUse = agents.value(QStringLiteral("UseElectronic")).toBool();
    m_signatureChanged = false;
    m_filling = true;
    newName->setText(agents.text(QStringLiteral("Name")));
    showCertificate();
    certification->setText(agents.text(QStringLiteral("ApprovalNumber")));
    // No password is ever shown: a new one is typed, an empty box keeps
    // the stored one.
    newPassword->clear();
    oldPassword->clear();
    useElectronic->setEnabled(true);
    // The stored choice, as the signatory signs.
    signatures->list(m_storedSign.toString());
    useElectronic->setChecked(m_storedUse);
    // Opening disabled the pictures; a box already ticked sends no toggle.
    signatures->setChoosing(m_storedUse);
    m_filling = false;
    deleteButton->setEnabled(m_administering);
}

void SignatoriesPanel::newSignatory()
{
    if (!m_administering)
        return;
    combo6->hide();
    newName->show();
    m_addMode.set();
    m_loadedRow = 0;
    // A new signatory never inherits another's password.
    m_storedPassword.clear();
    oldPassword->clear();
    newName->clear();
    certification->clear();
    newPassword->clear();
    no->setChecked(true);
    useElectronic->setEnabled(true);
    useElectronic->setChecked(false);
    signatures->list();
    certificateInfo->clear();
    newName->setFocus();
    deleteButton->setEnabled(false);
    newButton->setEnabled(false);
}

void SignatoriesPanel::save()
{
    if (BlankRule::isBlank(certification->text())) {
        m_messages.ask(kBlankNumber);
        return;
    }
    DataView &agents = m_folder.agents();
    const bool adding = m_addMode.isOn() || !agents.tableHasRows();
    if (!adding && m_loadedRow == 0) {
        m_messages.ask(kNothingChosen);
        return;
    }
    if (const QString why = newPassword->text().isEmpty() ? QString() : Passwords::tooShort(newPassword->text());
        !why.isEmpty()) {
        m_messages.ask({why + tr(" Nothing was saved."), tr("Password too short"), Message::Buttons::Ok,
                        Message::Icon::Exclamation});
        return;
    }
    const QString password = newPassword->text().isEmpty() ? m_storedPassword : Passwords::hash(newPassword->text());
    if (!newPassword->text().isEmpty() && password.isEmpty()) {
        m_messages.ask({MessageTexts::tr("The new password could not be stored safely, so nothing was saved."),
                        MessageTexts::tr("Database"), Message::Buttons::Ok, Message::Icon::Critical});
        return;
    }
    AgentEntry entry{newName->text(), password, certification->text(), m_loadedRow};
    // Two signatories of one name could not be told apart on the page; rows
    // converted with one name keep it while their other details change.
    const int k = PanelParts::indexOfRow<AgentEntry>(combo6, m_loadedRow);
    const bool renamed = adding || k < 0 || combo6->itemData(k).value<AgentEntry>().name != entry.name;
    const qint64 own = adding ? 0 : m_loadedRow;
    if (const auto other = renamed ? SignatoryNames::takenBy(ReferenceLists::agents(agents), entry.name, own) : std::nullopt)
        return (void)m_messages.ask(SignatoryNames::taken(*other));
    const QString typedPassword = newPassword->text();
    // The signature stays as stored unless the user changed it here.
    const bool keepSignature = !adding && !m_signatureChanged;
    const bool use = keepSignature ? m_storedUse : useElectronic->isChecked();
    const QVariant sign = keepSignature ? m_storedSign
                                        : QVariant(signatures->chosen());
    const RowWritten w = ReferenceRows::storeSignatory(
        agents, adding ? 0 : m_loadedRow,
        {entry.name, entry.approvalNumber, entry.password, yes->isChecked(), use, sign});
    if (!w.ok()) {
        const QString why = w.status.is(DbCondition::RecordGone)
                                ? SignatoriesPanelTexts::tr("it has been deleted at another workstation")
                                : w.status.detail();
        m_messages.ask({MessageTexts::tr("The signatory was not saved: %1").arg(why), MessageTexts::tr("Database"),
                        Message::Buttons::Ok, Message::Icon::Critical});
        return;
    }
    m_storedPassword = entry.password;
    m_storedUse = use;
    m_storedSign = sign;
    m_signatureChanged = false;
    newPassword->clear();
    if (adding) {
        entry.rowId = w.rowId;
        combo6->addItem(entry.name, QVariant::fromValue(entry));
        m_accessNames->addItem(entry.name, QVariant::fromValue(entry));
        relabel();
        combo6->setCurrentIndex(combo6->count() - 1);
        choose(combo6->count() - 1);
        newName->hide();
        combo6->show();
        m_addMode.clear();
    } else {
        // Both lists carry the password and number the sign-in checks.
        entry.name = agents.text(QStringLiteral("Name"));
        for (QComboBox *list : {combo6, m_accessNames}) {
            const int i = PanelParts::indexOfRow<AgentEntry>(list, m_loadedRow);
            if (i >= 0) {
                list->setItemData(i, QVariant::fromValue(entry));
                list->setItemText(i, entry.name);
            }
        }
        relabel();
        const bool own = m_signedIn && m_signedIn->rowId == entry.rowId;
        if (own)
            m_signedIn = entry;
        emit saved(entry);
        // The signing key goes with the password: kept under his own new one,
        // removed by anyone else's reset.
        if (!typedPassword.isEmpty()) {
            const QString note = m_certificates->passwordSaved(entry, own, own ? m_signedInKey() : nullptr,
                                                               typedPassword, m_askPassphrase);
            if (!note.isEmpty())
                m_messages.ask({note, MessageTexts::tr("DMIRs"), Message::Buttons::Ok, Message::Icon::Information});
            showCertificate();
        }
    }
    emit told(SignatoriesPanelTexts::tr("Signatory %1 saved").arg(entry.name));
    setAdministering(m_administering);
}

void SignatoriesPanel::deleteSignatory()
{
    const SignatoryRights::Deleting deleting =
        SignatoryRights::mayDelete(m_administering, m_addMode.isOn(), m_loadedRow,
                                   m_signedIn ? std::optional(m_signedIn->rowId) : std::nullopt);
    if (deleting == SignatoryRights::Deleting::Nothing)
        return;
    if (deleting == SignatoryRights::Deleting::SignedIn) {
        m_messages.ask({MessageTexts::tr("%1 is signed in and cannot be deleted. To remove this signatory, sign in as "
                                         "another administrator.")
                            .arg(m_signedIn->name),
                        MessageTexts::tr("Delete DMIR"), Message::Buttons::Ok, Message::Icon::Exclamation});
        return;
    }
    if (const DbStatus s = ReferenceRows::remove(m_folder.agents(), m_loadedRow); !s.ok()) {
        m_messages.ask({MessageTexts::tr("The signatory was not deleted: %1").arg(s.detail()),
                        MessageTexts::tr("Database"), Message::Buttons::Ok, Message::Icon::Critical});
        return;
    }
    const QString gone = combo6->itemText(PanelParts::indexOfRow<AgentEntry>(combo6, m_loadedRow));
    oldPassword->clear();
    newPassword->clear();
    newName->clear();
    for (QComboBox *list : {combo6, m_accessNames}) {
        const int i = PanelParts::indexOfRow<AgentEntry>(list, m_loadedRow);
        if (i >= 0)
            list->removeItem(i);
    }
    relabel();
    combo6->setCurrentIndex(-1);
    combo6->show();
    deleteButton->setEnabled(false);
    emit told(SignatoriesPanelTexts::tr("Signatory %1 deleted").arg(gone));
    m_loadedRow = 0;
    m_storedPassword.clear();
    certificateInfo->clear();
}

void SignatoriesPanel::exitPanel()
{
    combo6->show();
    adminPassword->clear();
    newName->hide();
    hide();
    emit setupMayClose(true);
}

void SignatoriesPanel::setSigningKeys(std::function<const SigningKey *()> signedInKey,
                                      std::function<void(qint64, std::unique_ptr<SigningKey>)> keep)
{
    m_signedInKey = std::move(signedInKey);
    m_keepKey = std::move(keep);
}

void SignatoriesPanel::showCertificate()
{
    const int k = PanelParts::indexOfRow<AgentEntry>(combo6, m_loadedRow);
    certificateInfo->setText(m_loadedRow == 0 || k < 0 ? QString()
                                                       : m_certificates->describe(m_loadedRow));
}

void SignatoriesPanel::openSigningCertificate()
{
    const int k = PanelParts::indexOfRow<AgentEntry>(combo6, m_loadedRow);
    const SignatoryRights::Certifying may = SignatoryRights::mayCertify(
        m_administering, k < 0 ? 0 : m_loadedRow, m_signedIn ? std::optional(m_signedIn->rowId) : std::nullopt);
    const AgentEntry who = k < 0 ? AgentEntry() : combo6->itemData(k).value<AgentEntry>();
    if (may != SignatoryRights::Certifying::Allowed) {
        m_messages.ask({may == SignatoryRights::Certifying::Nothing
                            ? MessageTexts::tr("No stored signatory is chosen. Choose one in the list, or save the "
                                               "new one first.")
                            : MessageTexts::tr("Only an administrator or %1 may make or bring in the signing "
                                               "certificate of %1.")
                                  .arg(who.name),
                        MessageTexts::tr("Signing certificate"), Message::Buttons::Ok, Message::Icon::Exclamation});
        return;
    }
    auto *dialog = new SigningCertificateDialog(m_folder, m_messages,
                                                {who.name, m_storedPassword, who.approvalNumber, who.rowId}, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog, row = m_loadedRow, name = who.name] {
        if (dialog->requested()) {
            // His key in use stays until an administrator approves.
            if (m_administering)
                pending->refresh();
            showCertificate();
            emit told(tr("Signing certificate of %1 requested").arg(name));
            return;
        }
        m_keepKey(row, dialog->takeKey());
        showCertificate();
        emit told(dialog->makeKey->isChecked() ? tr("Signing certificate of %1 made").arg(name)
                                               : tr("Signing certificate of %1 brought in").arg(name));
    });
    dialog->open();
}

void SignatoriesPanel::openRevokeCertificate()
{
    const int k = PanelParts::indexOfRow<AgentEntry>(combo6, m_loadedRow);
    if (!m_administering || m_loadedRow == 0 || k < 0)
        return;
    auto *dialog = new RevokeCertificateDialog(m_folder, m_messages, combo6->itemData(k).value<AgentEntry>(), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, name = combo6->itemText(k)] {
        showCertificate();
        emit told(tr("Signing certificate of %1 revoked").arg(name));
    });
    dialog->open();
}

} // namespace arc
