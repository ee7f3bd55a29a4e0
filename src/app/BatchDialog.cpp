#include "BatchDialog.h"

#include "BatchCopies.h"
#include "CertificateFields.h"
#include "EntryBox.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace arc {

int BatchDialog::serialLimit()
{
    const CertificateField *f = CertificateFields::byColumn(StoredTable::Detail, QStringLiteral("SerialNum"));
    return f ? f->entryLimit : 0;
}

BatchDialog::BatchDialog(const QString &firstSerial, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("BatchDialog"));
    setWindowTitle(tr("Issue for serial numbers"));
    // Shown whole even when longer: the run then refuses it in words.
    first = new EntryBox("BatchFirst", serialLimit());
    first->setText(firstSerial);
    first->setAccessibleName(tr("First serial number"));
    count = new QSpinBox;
    count->setObjectName(QStringLiteral("BatchCount"));
    count->setRange(BatchCopies::kFewest, BatchCopies::kMost);
    okButton = new QPushButton(tr("OK"));
    okButton->setObjectName(QStringLiteral("BatchOk"));
    okButton->setDefault(true);
    auto *cancel = new QPushButton(tr("Cancel"));
    cancel->setObjectName(QStringLiteral("BatchCancel"));
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *note = new QLabel(tr("One certificate per serial number, each a copy of the one on screen with "
                                           "the next tracking number. The serial numbers count up from the first."));
    note->setWordWrap(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancel);
    auto *form = new QFormLayout(this);
    form->addRow(note);
    form->addRow(tr("First serial number"), first);
    form->addRow(tr("Certificates"), count);
    form->addRow(buttons);
}

} // namespace arc
