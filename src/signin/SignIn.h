#pragma once

#include "ReferenceLists.h"
#include "SignedInAs.h"
#include "SigningKey.h"
#include "SigningKeyState.h"
#include "TokenSigning.h"

#include <QImage>
#include <QObject>
#include <functional>
#include <memory>
#include <optional>

namespace arc {

class AccessPanel;
class DataFolder;
class EntryBox;
class ItemGridModel;
class MessageBoxes;

// The boxes of the certificate screen a sign-in fills.
struct SignatureBlocks {
    EntryBox *name13, *number13, *date13; // Text17, Text16, Text18
    EntryBox *name14, *date14;            // Text7, Text6
    QWidget *afterMaster;                 // the focus after the master password
};

// The Access Control panel's behaviour: the password check that signs a
// signatory in, fills block 13 or 14 and loads the electronic signature.
class SignIn : public QObject {
    Q_OBJECT
public:
    SignIn(AccessPanel &panel, SignatureBlocks blocks, ItemGridModel &lines, DataFolder &folder,
           MessageBoxes &messages, QObject *parent = nullptr);

    void AgentSecurity();

    // The window is going: no filter runs against its half-destroyed
    // boxes and a check already queued does nothing.
    void stop();

    // The signature printed into the signed block; null when there is none.
    const QImage &signature() const { return m_signature; }

    // Who signed in, held apart from the name lists, which the signatories
    // panel may change; nullopt before sign-in and after the master password.
    const std::optional<AgentEntry> &signatory() const { return m_signatory; }
    bool signedInWithMaster() const { return m_master; }
    bool isSignedIn() const { return m_master || m_signatory.has_value(); }
    // The signatory's signing key, opened with the password typed at
    // sign-in and held in memory only; null when the signatory holds none.
    const SigningKey *signingKey() const { return m_signingKey.get(); }
    // Whether his pages are signed: with the key opened, or on his token.
    bool signsPages() const { return m_signingKey || m_tokenKey; }
    // What signs the pages of one issue: the key opened at sign-in, or his
    // token's, its PIN asked through the prompt when the first page is signed.
    std::unique_ptr<PageSigning> issueSigning() const;
    // How the PIN is asked; by default a dialog over the window.
    void setPinPrompt(PinPrompt prompt) { m_pinPrompt = std::move(prompt); }
    // What sign-in found of that key: why pages go out unsigned, or why
    // none may be issued.
    const SigningKeyState &keyState() const { return m_keyState; }
    // Forget who signed in and ask again (another data folder has other
    // signatories).
    void signOut();
    // The sign-in panel's note on the master password, shown while no
    // signatory of the data source in use is an administrator.
    void refreshMasterNote();
    // The signed-in signatory's row was saved with new details.
    void update(const AgentEntry &entry);
    // A new key for the signatory of `agentRow` was made with his password:
    // held from now on if he is the one signed in. Null: one set on his
    // token, opened at each issue.
    void keepSigningKey(qint64 agentRow, std::unique_ptr<SigningKey> key);
    // Nobody used the program for a while: the key opened at sign-in is
    // dropped and the panel covers the window again, which keeps what is on
    // screen for whoever signs in next.
    void lock();
    // Asked before another than the one locked out signs in: whether what he
    // left on screen may go (a null entry: the master password); false keeps
    // the panel up.
    void setTakeOverCheck(std::function<bool(const AgentEntry &)> check) { m_takeOver = std::move(check); }

signals:
    void exitRequested();
    // The password was accepted and the panel closed.
    void signedIn();
    // Who is signed in now, told at sign-in, once his key is read, and
    // whenever it changes (sign-out, his details or key changed).
    void signatoryChanged(const SignedInAs &who);
    void signatureChanged(const QImage &signature);
    // For the status line: what the signatory's key means for his pages.
    void told(const QString &what);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void tellWho();
    void loadSignature(qint64 agentRow);
    void openSigningKey(const AgentEntry &signatory, const QString &password);
    // The key opened, or why not; held when opened.
    SigningKeyState readSigningKey(const AgentEntry &signatory, const QString &password);

    AccessPanel &m_panel;
    SignatureBlocks m_blocks;
    ItemGridModel &m_lines;
    DataFolder &m_folder;
    MessageBoxes &m_messages;
    QImage m_signature;
    std::optional<AgentEntry> m_signatory;
    std::unique_ptr<SigningKey> m_signingKey;
    std::optional<StoredTokenKey> m_tokenKey;
    PinPrompt m_pinPrompt;
    SigningKeyState m_keyState;
    bool m_master = false;
    bool m_checking = false;
    bool m_stopped = false;
    // Who was signed in when the window was locked, until someone signs in;
    // -1 for the master password.
    std::optional<qint64> m_lockedOut;
    std::function<bool(const AgentEntry &)> m_takeOver;
    // Whether `who` may sign in over a locked window's screen.
    bool mayTakeOver(const AgentEntry &who, bool master);
};

} // namespace arc
