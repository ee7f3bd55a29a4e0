#include "SigningCertificateDialog.h"

#include "MessageBoxes.h"
#include "SigningRequests.h"
#include "TokenKeyChooser.h"

#include <QComboBox>
#include <QCoreApplication>
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

struct SigningCertificateTexts {
    Q_DECLARE_TR_FUNCTIONS(arc::SigningCertificateDialog)
};

QString dialogTitle() { return SigningCertificateTexts::tr("Signing certificate"); }

QLineEdit *hidden(const char *name)
{
    auto *box = new QLineEdit;
    box->setObjectName(QLatin1String(name));
    box->setEchoMode(QLineEdit::Password);
    return box;
}

// Why no certificate was kept, in the panel's words where they are its own.
QString worded(const KeyRefusal &r, const QString &name, bool newAuthority)
{
    switch (r.why) {
    case KeyRefusal::Why::NoPassword:
    case KeyRefusal::Why::NotSignInPassword:
        return SigningCertificateTexts::tr("The password typed is not the one %1 signs in with.").arg(name);
    case KeyRefusal::Why::NoPassphrase:
        // The passphrase of an authority made before is one that opens it.
        return newAuthority ? r.message : SigningCertificateTexts::tr("The shop authority's passphrase is wrong.");
    case KeyRefusal::Why::KeyNotKept:
        return SigningCertificateTexts::tr("The signing key could not be kept in %1.").arg(r.where);
    default:
        return r.message;
    }
}

} // namespace

SigningCertificateDialog::SigningCertificateDialog(DataFolder &folder, MessageBoxes &messages,
                                                   const AgentEntry &signatory, QWidget *parent)
    : QDialog(parent), m_folder(folder), m_keys(folder), m_messages(messages), m_signatory(signatory),
      m_newAuthority(!m_keys.authorityMade())
{
    setObjectName(QStringLiteral("SigningCertificateDialog"));
    setWindowTitle(tr("Signing certificate of %1").arg(signatory.name));
    makeKey = new QRadioButton(tr("Make a key and certificate with the shop authority"));
    makeKey->setObjectName(QStringLiteral("MakeKey"));
    makeKey->setChecked(true);
    bringIn = new QRadioButton(tr("Bring in a PKCS#12 file"));
    bringIn->setObjectName(QStringLiteral("BringIn"));
    tokenKey = new QRadioButton(tr("Key on a smart card or token"));
    tokenKey->setObjectName(QStringLiteral("TokenKey"));
    token = new TokenKeyChooser;
    passphrase = hidden("AuthorityPassphrase");
    passphraseAgain = hidden("AuthorityPassphraseAgain");
    keyFile = new QLineEdit;
    keyFile->setObjectName(QStringLiteral("KeyFile"));
    auto *choose = new QPushButton(tr("Choose..."));
    filePassword = hidden("FilePassword");
    password = hidden("SignatoryPassword");
    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);

    auto *file = new QHBoxLayout;
    file->addWidget(keyFile);
    file->addWidget(choose);
    auto *form = new QFormLayout(this);
    form->addRow(makeKey);
    form->addRow(m_newAuthority ? SigningCertificateTexts::tr("New shop authority's passphrase")
                                : SigningCertificateTexts::tr("Shop authority's passphrase"),
                 passphrase);
    passphrase->setPlaceholderText(tr("an administrator's; empty: request the certificate"));
    if (m_newAuthority)
        form->addRow(SigningCertificateTexts::tr("The passphrase again"), passphraseAgain);
    else
        passphraseAgain->hide();
    form->addRow(bringIn);
    form->addRow(tr("PKCS#12 file"), file);
    form->addRow(SigningCertificateTexts::tr("The file's password"), filePassword);
    form->addRow(SigningCertificateTexts::tr("%1's sign-in password").arg(signatory.name), password);
    form->addRow(tokenKey);
    form->addRow(token);
    form->addRow(buttons);

    connect(makeKey, &QRadioButton::toggled, this, &SigningCertificateDialog::showWay);
    connect(tokenKey, &QRadioButton::toggled, this, &SigningCertificateDialog::showWay);
    connect(tokenKey, &QRadioButton::toggled, this, [this](bool on) {
        if (on && token->tokens->count() == 0)
            token->listTokens();
    });
    connect(token, &TokenKeyChooser::told, this, [this](const QString &what) {
        m_messages.ask({what, dialogTitle(), Message::Buttons::Ok, Message::Icon::Exclamation});
    });
    connect(choose, &QPushButton::clicked, this, &SigningCertificateDialog::chooseFile);
    connect(buttons, &QDialogButtonBox::accepted, this, &SigningCertificateDialog::submit);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    showWay();
}

void SigningCertificateDialog::showWay()
{
    const bool making = makeKey->isChecked(), onToken = tokenKey->isChecked();
    // The authority's passphrase issues a certificate to a token's key too.
    for (QWidget *w : {passphrase, passphraseAgain})
        w->setEnabled(making || onToken);
    for (QWidget *w : {keyFile, filePassword})
        w->setEnabled(bringIn->isChecked());
    password->setEnabled(!onToken);
    token->setEnabled(onToken);
}

void SigningCertificateDialog::chooseFile()
{
    const QString chosen = QFileDialog::getOpenFileName(this, tr("PKCS#12 file"), keyFile->text(),
                                                        tr("PKCS#12 files (*.p12 *.pfx);;All files (*)"));
    if (!chosen.isEmpty())
        keyFile->setText(chosen);
}

void SigningCertificateDialog::submit()
{
    if (tokenKey->isChecked()) {
        const TokenKeyChoice choice = token->choice();
        const QString typedPassphrase = passphrase->text(), typedPin = token->pin->text();
        token->pin->clear();
        const KeyOutcome kept =
            choice.keyId.isEmpty()
                ? KeyOutcome(KeyRefusal{KeyRefusal::Why::TokenRefused, tr("choose a token and a key on it."), {}})
                : SignatoryTokens(m_folder).set(m_signatory, choice, [&] { return std::optional(typedPassphrase); },
                                                [&] { return std::optional(typedPin); });
        if (!kept.ok()) {
            m_messages.ask({MessageTexts::tr("No signing certificate was kept: %1").arg(kept.refusal.message),
                            dialogTitle(), Message::Buttons::Ok, Message::Icon::Exclamation});
            return;
        }
        // Nothing stays open: the token signs only with its PIN, asked at each issue.
        m_key.reset();
        m_requested = kept.requested;
        accept();
        return;
    }
    QFile file(keyFile->text());
    if (bringIn->isChecked() && !file.open(QIODevice::ReadOnly)) {
        m_messages.ask({MessageTexts::tr("The file %1 cannot be read: %2").arg(keyFile->text(), file.errorString()),
                        dialogTitle(), Message::Buttons::Ok, Message::Icon::Exclamation});
        return;
    }
    // Without the passphrase the key is made and its request left.
    const bool request = makeKey->isChecked() && passphrase->text().isEmpty();
    KeyOutcome kept = request ? SigningRequests(m_folder).makeKey(m_signatory, password->text())
                      : makeKey->isChecked()
                          ? m_keys.make(m_signatory, password->text(), passphrase->text(),
                                        m_newAuthority ? passphraseAgain->text() : passphrase->text())
                          : m_keys.bringIn(m_signatory, password->text(), file.readAll(), filePassword->text());
    if (!kept.ok()) {
        m_messages.ask({MessageTexts::tr("No signing certificate was kept: %1")
                            .arg(worded(kept.refusal, m_signatory.name, m_newAuthority)),
                        dialogTitle(), Message::Buttons::Ok, Message::Icon::Exclamation});
        return;
    }
    m_requested = kept.requested;
    if (kept.key)
        m_key = std::make_unique<SigningKey>(std::move(*kept.key));
    accept();
}

} // namespace arc
