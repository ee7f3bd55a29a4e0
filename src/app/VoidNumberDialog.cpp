#include "VoidNumberDialog.h"

#include "Schema.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

namespace arc {

VoidNumberDialog::VoidNumberDialog(const QString &offered, QWidget *parent)
    : QDialog(parent), number(new QLineEdit(offered)), reason(new QLineEdit)
{
    setObjectName(QStringLiteral("VoidNumberDialog"));
    setWindowTitle(tr("Void number"));
    number->setObjectName(QStringLiteral("VoidNumber"));
    reason->setObjectName(QStringLiteral("VoidReason"));
    const TableDef *voids = Schema::table(QStringLiteral("NumberVoids"));
    number->setMaxLength(voids->field(QStringLiteral("Tracking"))->maxLength);
    reason->setMaxLength(voids->field(QStringLiteral("Reason"))->maxLength);
    auto *form = new QFormLayout(this);
    form->addRow(tr("&Tracking number:"), number);
    form->addRow(tr("&Reason:"), reason);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("&Void"));
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    (offered.isEmpty() ? number : reason)->setFocus();
}

} // namespace arc
