#pragma once

#include "SignatoryKeys.h"

#include <QDialog>
#include <memory>

class QDialogButtonBox;
class QLineEdit;
class QRadioButton;

namespace arc {

class DataFolder;
class TokenKeyChooser;
class MessageBoxes;

// "Signing certificate...": a key and certificate for `signatory` (his
// password as kept) made by the shop's authority or brought in from a
// PKCS#12 file, kept under his sign-in password. Without the authority's
// passphrase the key (or the token's) is made with a request, which an
// administrator approves. A refusal is told and the dialog stays open.
class SigningCertificateDialog : public QDialog {
    Q_OBJECT
public:
    SigningCertificateDialog(DataFolder &folder, MessageBoxes &messages, const AgentEntry &signatory,
                             QWidget *parent = nullptr);

    // OK: make or bring in; accepted when the key is kept.
    void submit();
    // The key just kept, opened; null before.
    std::unique_ptr<SigningKey> takeKey() { return std::move(m_key); }
    // Whether a request awaiting approval was left rather than a key kept.
    bool requested() const { return m_requested; }

    QRadioButton *makeKey, *bringIn;
    QRadioButton *tokenKey;   // TokenKey: a key on a smart card or token
    TokenKeyChooser *token;   // its module, token, key and PIN
    QLineEdit *passphrase, *passphraseAgain; // the shop authority's
    QLineEdit *keyFile, *filePassword;       // the PKCS#12 file
    QLineEdit *password;                     // the signatory's sign-in password
    QDialogButtonBox *buttons;

private:
    void chooseFile();
    void showWay();

    DataFolder &m_folder;
    SignatoryKeys m_keys;
    MessageBoxes &m_messages;
    AgentEntry m_signatory;
    bool m_newAuthority;
    std::unique_ptr<SigningKey> m_key;
    bool m_requested = false;
};

} // namespace arc
