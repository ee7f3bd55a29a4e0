#include "SigningCertificateDialog.h"

#include "MessageBoxes.h"
#include "SignatoryCertificates.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace arc {

namespace {

const QString kTitle = QStringLiteral("Signing certificate");

QLineEdit *hidden(const char *name)
{
    auto *box = new QLineEdit;
    box->setObjectName(QLatin1String(name));
    box->setEchoMode(QLineEdit::Password);
    return box;
}

} // namespace

SigningCertificateDialog::SigningCertificateDialog(SignatoryCertificates &certificates, MessageBoxes &messages,
                                                   const CertificateSubject &signatory,
                                                   const QString &storedPassword, QWidget *parent)
    : QDialog(parent), m_certificates(certificates), m_messages(messages), m_signatory(signatory),
      m_storedPassword(storedPassword), m_newAuthority(!certificates.authorityMade())
{
    setObjectName(QStringLiteral("SigningCertificateDialog"));
    setWindowTitle(QStringLiteral("Signing certificate of %1").arg(signatory.name));
    makeKey = new QRadioButton(QStringLiteral("Make a key and certificate with the shop authority"));
    makeKey->setObjectName(QStringLiteral("MakeKey"));
    makeKey->setChecked(true);
    bringIn = new QRadioButton(QStringLiteral("Bring in a PKCS#12 file"));
    bringIn->setObjectName(QStringLiteral("BringIn"));
    passphrase = hidden("AuthorityPassphrase");
    passphraseAgain = hidden("AuthorityPassphraseAgain");
    keyFile = new QLineEdit;
    keyFile->setObjectName(QStringLiteral("KeyFile"));
    auto *choose = new QPushButton(QStringLiteral("Choose..."));
    filePassword = hidden("FilePassword");
    password = hidden("SignatoryPassword");
    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);

    auto *file = new QHBoxLayout;
    file->addWidget(keyFile);
    file->addWidget(choose);
    auto *form = new QFormLayout(this);
    form->addRow(makeKey);
    form->addRow(m_newAuthority ? QStringLiteral("New shop authority's passphrase")
                                : QStringLiteral("Shop authority's passphrase"),
                 passphrase);
    if (m_newAuthority)
        form->addRow(QStringLiteral("The passphrase again"), passphraseAgain);
    else
        passphraseAgain->hide();
    form->addRow(bringIn);
    form->addRow(QStringLiteral("PKCS#12 file"), file);
    form->addRow(QStringLiteral("The file's password"), filePassword);
    form->addRow(QStringLiteral("%1's sign-in password").arg(signatory.name), password);
    form->addRow(buttons);

    connect(makeKey, &QRadioButton::toggled, this, &SigningCertificateDialog::showWay);
    connect(choose, &QPushButton::clicked, this, &SigningCertificateDialog::chooseFile);
    connect(buttons, &QDialogButtonBox::accepted, this, &SigningCertificateDialog::submit);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    showWay();
}

void SigningCertificateDialog::showWay()
{
    const bool making = makeKey->isChecked();
    for (QWidget *w : {passphrase, passphraseAgain})
        w->setEnabled(making);
    for (QWidget *w : {keyFile, filePassword})
        w->setEnabled(!making);
}

void SigningCertificateDialog::chooseFile()
{
    const QString chosen = QFileDialog::getOpenFileName(this, QStringLiteral("PKCS#12 file"), keyFile->text(),
                                                        QStringLiteral("PKCS#12 files (*.p12 *.pfx);;All files (*)"));
    if (!chosen.isEmpty())
        keyFile->setText(chosen);
}

void SigningCertificateDialog::submit()
{
    SigningResult<SigningKey> kept = SigningError{};
    if (makeKey->isChecked()) {
        kept = m_certificates.make(m_signatory, m_storedPassword, password->text(), passphrase->text(),
                                   m_newAuthority ? passphraseAgain->text() : passphrase->text());
    } else {
        QFile file(keyFile->text());
        if (!file.open(QIODevice::ReadOnly)) {
            m_messages.ask({QStringLiteral("The file %1 cannot be read: %2").arg(keyFile->text(), file.errorString()),
                            kTitle, Message::Buttons::Ok, Message::Icon::Exclamation});
            return;
        }
        kept = m_certificates.bringIn(m_signatory.name, m_storedPassword, password->text(), file.readAll(),
                                      filePassword->text());
    }
    if (!kept.ok()) {
        m_messages.ask({QStringLiteral("No signing certificate was kept: %1").arg(kept.error().message), kTitle,
                        Message::Buttons::Ok, Message::Icon::Exclamation});
        return;
    }
    m_key = std::make_unique<SigningKey>(std::move(kept.value()));
    accept();
}

} // namespace arc
