#pragma once

#include "CertificateBuilder.h"
#include "SigningKey.h"

#include <QDialog>
#include <memory>

class QDialogButtonBox;
class QLineEdit;
class QRadioButton;

namespace arc {

class MessageBoxes;
class SignatoryCertificates;

// "Signing certificate...": a signatory's key and certificate made by the
// shop's authority or brought in from a PKCS#12 file, kept under his
// sign-in password. A refusal is told and the dialog stays open.
class SigningCertificateDialog : public QDialog {
    Q_OBJECT
public:
    SigningCertificateDialog(SignatoryCertificates &certificates, MessageBoxes &messages,
                             const CertificateSubject &signatory, const QString &storedPassword,
                             QWidget *parent = nullptr);

    // OK: make or bring in; accepted when the key is kept.
    void submit();
    // The key just kept, opened; null before.
    std::unique_ptr<SigningKey> takeKey() { return std::move(m_key); }

    QRadioButton *makeKey, *bringIn;
    QLineEdit *passphrase, *passphraseAgain; // the shop authority's
    QLineEdit *keyFile, *filePassword;       // the PKCS#12 file
    QLineEdit *password;                     // the signatory's sign-in password
    QDialogButtonBox *buttons;

private:
    void chooseFile();
    void showWay();

    SignatoryCertificates &m_certificates;
    MessageBoxes &m_messages;
    CertificateSubject m_signatory;
    QString m_storedPassword;
    bool m_newAuthority;
    std::unique_ptr<SigningKey> m_key;
};

} // namespace arc
