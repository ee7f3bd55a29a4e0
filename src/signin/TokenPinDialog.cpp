#include "TokenPinDialog.h"

#include "TokenModule.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace arc {

TokenPinDialog::TokenPinDialog(const QString &tokenLabel, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Signing on the token"));
    auto *what = new QLabel(tr("Type the PIN of the token %1 to sign the certificate.").arg(tokenLabel));
    what->setWordWrap(true);
    pin = new QLineEdit;
    pin->setObjectName(QStringLiteral("TokenPin"));
    pin->setEchoMode(QLineEdit::Password);
    pin->setMaxLength(TokenModule::maxPinLength);
    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(what);
    layout->addWidget(pin);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    pin->setFocus();
}

// What was typed goes with the dialog.
TokenPinDialog::~TokenPinDialog() { pin->clear(); }

std::optional<QString> TokenPinDialog::ask(QWidget *parent, const QString &tokenLabel)
{
    TokenPinDialog dialog(tokenLabel, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.pin->text();
}

} // namespace arc
