#include "RevokeCertificateDialog.h"

#include "KeysOf.h"
#include "MessageBoxes.h"
#include "Revocations.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <openssl/x509v3.h>

namespace arc {

RevokeCertificateDialog::RevokeCertificateDialog(DataFolder &folder, MessageBoxes &messages, const AgentEntry &signatory,
                                                 QWidget *parent)
    : QDialog(parent), m_folder(folder), m_messages(messages), m_signatory(signatory)
{
    setWindowTitle(tr("Revoke the signing certificate"));
    passphrase = new QLineEdit;
    passphrase->setObjectName(QStringLiteral("RevokePassphrase"));
    passphrase->setEchoMode(QLineEdit::Password);
    reason = new QComboBox;
    reason->setObjectName(QStringLiteral("RevokeReason"));
    for (const char *name : {"unspecified", "keyCompromise", "affiliationChanged", "superseded", "cessationOfOperation",
                             "privilegeWithdrawn"})
        reason->addItem(QLatin1String(name));
    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    auto *form = new QFormLayout(this);
    auto *what = new QLabel(tr("The certificate of %1 is withdrawn for good: the key signs nothing more.")
                                .arg(signatory.name));
    what->setWordWrap(true);
    form->addRow(what);
    form->addRow(tr("Shop authority's passphrase"), passphrase);
    form->addRow(tr("Reason"), reason);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &RevokeCertificateDialog::submit);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void RevokeCertificateDialog::submit()
{
    const std::optional<int> code = RevocationList::reasonNamed(reason->currentText());
    const std::unique_ptr<KeyStore> keys = keysOf(m_folder);
    if (const std::optional<KeyRefusal> refused =
            Revocations(*keys).revoke(m_signatory, passphrase->text(), code.value_or(CRL_REASON_UNSPECIFIED))) {
        m_messages.ask({tr("The certificate was not revoked: %1").arg(refused->message), tr("Revoke"),
                        Message::Buttons::Ok, Message::Icon::Exclamation});
        return;
    }
    accept();
}

} // namespace arc
