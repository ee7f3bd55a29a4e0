#include "SignIn.h"

#include "AccessPanel.h"
#include "DataFolder.h"
#include "DateText.h"
#include "EntryBox.h"
#include "ItemGridModel.h"
#include "KeyFiles.h"
#include "KeysOf.h"
#include "MessageBoxes.h"
#include "Passwords.h"
#include "ReferenceLists.h"
#include "Revocations.h"
#include "SignatoryPasswords.h"
#include "SignaturesOf.h"
#include "SigningBlock.h"
#include "SilentEdit.h"
#include "TokenPinDialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>

namespace arc {

namespace {

struct SignInTexts {
    Q_DECLARE_TR_FUNCTIONS(arc::SignIn)
};
const Message kTryAgain{QT_TRANSLATE_NOOP("arc::Message", "Try again?"),
                        QT_TRANSLATE_NOOP("arc::Message", "Password Incorrect"), Message::Buttons::YesNo,
                        Message::Icon::None, Message::Answer::Yes};

// The master password stands in for an administrator only where none is
// stored, which signatories that cannot be read do not show.
Message unreadSignatories(const QString &store, const DbStatus &status)
{
    const QString why =
        status.is(DbCondition::Locked) ? SignInTexts::tr("another program is holding the data files") : status.detail();
    return {MessageTexts::tr("The signatories in %1 cannot be read: %2.\nThe master password opens the program only "
                             "when they can be read and none of them is an administrator. Try again later.")
                .arg(QDir::toNativeSeparators(store), why),
            MessageTexts::tr("Access Control"), Message::Buttons::Ok, Message::Icon::Exclamation};
}

Message keyNotOpened(const SigningKeyState &state)
{
    return {state.stopsIssue() + QCoreApplication::translate("SignIn", "\nNo certificate is issued until then."),
            QCoreApplication::translate("SignIn", "Signing key"), Message::Buttons::Ok, Message::Icon::Exclamation};
}
} // namespace

SignIn::SignIn(AccessPanel &panel, SignatureBlocks blocks, ItemGridModel &lines, DataFolder &folder,
               MessageBoxes &messages, QObject *parent)
    : QObject(parent), m_panel(panel), m_blocks(blocks), m_lines(lines), m_folder(folder), m_messages(messages)
{
    panel.combo4->installEventFilter(this);
    panel.text44->installEventFilter(this);
    connect(panel.exitButton, &QPushButton::clicked, this, &SignIn::exitRequested);
}

bool SignIn::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_panel.combo4 && event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        // Only while signing in: afterwards the focus belongs to the screen.
        if (!m_panel.isHidden() && m_panel.combo4->currentIndex() >= 0 && reason != Qt::PopupFocusReason
            && reason != Qt::ActiveWindowFocusReason)
            QMetaObject::invokeMethod(m_panel.text44, qOverload<>(&QWidget::setFocus), Qt::QueuedConnection);
    } else if (watched == m_panel.text44 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            m_panel.exitButton->setFocus();
            return true;
        }
    } else if (watched == m_panel.text44 && event->type() == QEvent::FocusOut) {
        // Switching to another window or opening a pop-up is not leaving
        // the box: only a real move of the focus submits the password.
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && m_panel.isVisible())
            QMetaObject::invokeMethod(this, &SignIn::AgentSecurity, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

void SignIn::stop()
{
    m_stopped = true;
    m_panel.combo4->removeEventFilter(this);
    m_panel.text44->removeEventFilter(this);
}

void SignIn::AgentSecurity()
{
    if (m_stopped || m_checking || m_panel.isHidden())
        return;
    m_checking = true;
    const QString typed = m_panel.text44->text();
    const int k = m_panel.combo4->currentIndex();
    m_signingKey.reset();
    m_tokenKey.reset();
    m_keyState = SigningKeyState();
    if (k < 0) {
        // Without a data folder there is no one to ask, and one must be chosen.
        bool administrator = false;
        const DbStatus read = m_folder.isOpen()
                                  ? SignatoryPasswords::administratorExists(m_folder.reference(), administrator)
                                  : DbStatus();
        if (!read.ok() && Passwords::equal(typed, Passwords::master)) {
            m_messages.ask(unreadSignatories(m_folder.reference().filePath(), read));
            m_panel.combo4->setFocus();
        } else if (Passwords::isOpeningMaster(typed, administrator)) {
            if (!mayTakeOver({}, true)) {
                m_panel.text44->clear();
                m_checking = false;
                return;
            }
            m_master = true;
            m_panel.refuse({});
            m_panel.hide();
            tellWho();
            emit signedIn();
            m_blocks.afterMaster->setFocus();
        } else {
            m_panel.refuse(Passwords::equal(typed, Passwords::master)
                               ? tr("The master password no longer opens the program: an administrator exists. "
                                    "Choose your name and type your own password.")
                               : tr("Choose your name under \"Select name\" first."));
            m_panel.combo4->setFocus();
        }
        m_checking = false;
        return;
    }
    if (typed.isEmpty()) {
        m_panel.refuse(tr("Type your password, then press Enter."));
        m_checking = false;
        return;
    }
    AgentEntry agent = m_panel.combo4->itemData(k).value<AgentEntry>();
    const Passwords::Verdict verdict = Passwords::verify(agent.password, typed);
    if (verdict == Passwords::Verdict::Wrong) {
        m_panel.refuse(tr("The password typed is not the one of %1.").arg(agent.name));
        // No returns to the sign-in panel: only Exit ends the program.
        (void)m_messages.ask(kTryAgain);
        m_panel.text44->clear();
        m_panel.text44->setFocus();
        m_checking = false;
        return;
    }
    if (!mayTakeOver(agent, false)) {
        m_panel.text44->clear();
        m_checking = false;
        return;
    }
    m_panel.refuse({});
    if (verdict == Passwords::Verdict::RightButStoredPlain && m_folder.isOpen()) {
        // Kept in plain text by an earlier version: from now on only its hash.
        if (SignatoryPasswords::store(m_folder.reference(), agent.rowId, typed).ok()) {
            agent.password = m_folder.reference()
                                 .scalar(QStringLiteral("SELECT \"Password\" FROM \"Agents\" WHERE rowid = ?"), {agent.rowId})
                                 .toString();
            m_panel.combo4->setItemData(k, QVariant::fromValue(agent));
        }
    }
    m_signatory = agent;
    // The password stays nowhere on screen, for whoever sits down next.
    m_panel.text44->clear();
    m_panel.hide();
    tellWho();
    emit signedIn();
    openSigningKey(agent, typed);
    tellWho();
    if (const std::optional<SignInFill> fill =
            signInFill(agent.name, agent.approvalNumber, m_lines.line(0).status, DateText::today())) {
        if (fill->block == SigningBlock::Block13) {
            m_blocks.name13->offer(fill->name);
            m_blocks.number13->offer(fill->number);
            SilentEdit::setText(m_blocks.date13, fill->date);
        } else {
            m_blocks.name14->offer(fill->name);
            SilentEdit::setText(m_blocks.date14, fill->date);
        }
        loadSignature(agent.rowId);
    }
    m_checking = false;
}

void SignIn::openSigningKey(const AgentEntry &signatory, const QString &password)
{
    if (!m_folder.isOpen())
        return;
    m_keyState = readSigningKey(signatory, password);
    if (const QString told = m_keyState.atSignIn(); !told.isEmpty())
        emit this->told(told);
    if (m_keyState.stops())
        m_messages.ask(keyNotOpened(m_keyState));
}

SigningKeyState SignIn::readSigningKey(const AgentEntry &signatory, const QString &password)
{
    const QString &name = signatory.name;
    const std::unique_ptr<KeyStore> keys = keysOf(m_folder);
    StoredTokenKey onToken;
    KeyStoreFailure failure;
    switch (keys->tokenKey(signatory.rowId, onToken, failure)) {
    case KeyStore::Found::Yes: {
        // A withdrawn certificate signs nothing more, on a token or not.
        const std::vector<X509Ptr> certificates = KeyFiles::readCertificates(onToken.certificates);
        const SigningResult<std::optional<Revocation>> revoked =
            certificates.empty() ? SigningResult<std::optional<Revocation>>(
                SigningError{SigningFault::Damaged, SignInTexts::tr("its certificate is damaged")})
                                 : Revocations(*keys).of(certificates.front().get());
        if (!revoked.ok())
            return SigningKeyState::notOpened(name, revoked.fault(), revoked.error().message);
        if (revoked.value())
            return SigningKeyState::revoked(name, revoked.value()->when,
                                            RevocationList::reasonName(revoked.value()->reason));
        // Opened at each issue, with the PIN asked then.
        m_tokenKey = onToken;
        return SigningKeyState::onToken(name, onToken.place.label);
    }
    case KeyStore::Found::Failed:
        return SigningKeyState::unreadable(name, failure);
    case KeyStore::Found::No:
        break;
    }
    StoredSigningKey stored;
    const KeyStore::Found found = keys->signingKey(signatory.rowId, stored, failure);
    if (found == KeyStore::Found::No)
        return SigningKeyState::none(name, keys->removedByReset(signatory.rowId));
    if (found == KeyStore::Found::Failed)
        return SigningKeyState::unreadable(name, failure);
    SigningResult<SigningKey> opened = SigningKey::open(stored, password);
    if (!opened.ok())
        return SigningKeyState::notOpened(name, opened.fault(), opened.error().message);
    // A withdrawn certificate signs nothing more, whatever key file is at hand.
    const SigningResult<std::optional<Revocation>> revoked = Revocations(*keys).of(opened.value());
    if (!revoked.ok())
        return SigningKeyState::notOpened(name, revoked.fault(), revoked.error().message);
    if (revoked.value())
        return SigningKeyState::revoked(name, revoked.value()->when, RevocationList::reasonName(revoked.value()->reason));
    m_signingKey = std::make_unique<SigningKey>(std::move(opened.value()));
    return SigningKeyState::opened(name);
}

void SignIn::keepSigningKey(qint64 agentRow, std::unique_ptr<SigningKey> key)
{
    if (m_signatory && m_signatory->rowId == agentRow) {
        m_signingKey = std::move(key);
        m_tokenKey.reset();
        m_keyState = m_signingKey ? SigningKeyState::opened(m_signatory->name) : SigningKeyState();
        // No key handed over: one on a token, opened at each issue.
        StoredTokenKey onToken;
        if (!m_signingKey && m_folder.isOpen()
            && keysOf(m_folder)->tokenKey(agentRow, onToken, nullptr) == KeyStore::Found::Yes) {
            m_tokenKey = onToken;
            m_keyState = SigningKeyState::onToken(m_signatory->name, onToken.place.label);
        }
        tellWho();
    }
}

void SignIn::tellWho() { emit signatoryChanged({m_signatory, m_master, signsPages()}); }

std::unique_ptr<PageSigning> SignIn::issueSigning() const
{
    if (!m_tokenKey)
        return std::make_unique<HeldKeySigning>(m_signingKey.get());
    PinPrompt prompt = m_pinPrompt;
    if (!prompt)
        prompt = [window = m_panel.window()](const QString &label) { return TokenPinDialog::ask(window, label); };
    return std::make_unique<TokenSigning>(m_tokenKey->place, m_tokenKey->certificates, std::move(prompt));
}

bool SignIn::mayTakeOver(const AgentEntry &who, bool master)
{
    if (!m_lockedOut)
        return true;
    const bool same = master ? *m_lockedOut == -1 : *m_lockedOut == who.rowId;
    if (!same && m_takeOver && !m_takeOver(who))
        return false;
    m_lockedOut.reset();
    return true;
}

void SignIn::lock()
{
    if (!isSignedIn())
        return;
    m_lockedOut = m_master ? -1 : m_signatory->rowId;
    // Nothing of the key stays open behind the panel.
    m_signingKey.reset();
    m_tokenKey.reset();
    m_keyState = SigningKeyState();
    m_signatory.reset();
    m_master = false;
    tellWho();
    m_panel.refuse({});
    m_panel.text44->clear();
    m_panel.show();
    m_panel.raise();
    m_panel.text44->setFocus();
}

void SignIn::refreshMasterNote()
{
    bool administrator = false;
    const bool read =
        m_folder.isOpen() && SignatoryPasswords::administratorExists(m_folder.reference(), administrator).ok();
    m_panel.showMasterNote(read && !administrator);
}

void SignIn::signOut()
{
    refreshMasterNote();
    m_panel.refuse({});
    m_signatory.reset();
    m_signingKey.reset();
    m_tokenKey.reset();
    m_keyState = SigningKeyState();
    m_master = false;
    m_lockedOut.reset();
    tellWho();
    m_signature = QImage();
    emit signatureChanged(m_signature);
    m_panel.text44->clear();
    m_panel.combo4->setCurrentIndex(-1);
    m_panel.show();
    m_panel.raise();
    m_panel.combo4->setFocus();
}

void SignIn::update(const AgentEntry &entry)
{
    if (m_signatory && m_signatory->rowId == entry.rowId) {
        m_signatory = entry;
        tellWho();
    }
}

void SignIn::loadSignature(qint64 agentRow)
{
    if (!m_folder.isOpen())
        return;
    DataView &agents = m_folder.agents();
    // The chosen entry's own row, not the first one with an equal name.
    if (!agents.moveToRow(agentRow).ok() || !agents.hasRow())
        return;
    const QString file = agents.text(QStringLiteral("ElectronicSign"));
    m_signature = QImage();
    emit signatureChanged(m_signature);
    // One who does not sign electronically signs by hand, whatever file
    // his row names.
    if (file.isEmpty() || agents.value(QStringLiteral("UseElectronic")).toInt() == 0)
        return;
    const std::unique_ptr<SignatureStore> store = signaturesOf(m_folder);
    const QImage image = QImage::fromData(store->read(file));
    if (image.isNull()) {
        m_messages.ask({MessageTexts::tr("The electronic signature file %1 could not be read. Certificates will print "
                                         "without a signature.")
                            .arg(store->location(file)),
                        MessageTexts::tr("Electronic signature"), Message::Buttons::Ok, Message::Icon::Exclamation});
        return;
    }
    m_signature = image;
    emit signatureChanged(m_signature);
}

} // namespace arc
