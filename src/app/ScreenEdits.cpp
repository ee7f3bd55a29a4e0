#include "ScreenEdits.h"

#include "CertificateScreen.h"
#include "EntryBox.h"
#include "EntryText.h"
#include "ItemGridModel.h"
#include "OrganizationChooser.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>

namespace arc {

ScreenEdits::ScreenEdits(CertificateScreen &s, ItemGridModel &grid, QObject *parent) : QObject(parent)
{
    for (QLineEdit *box : {s.block1Country, s.block3Tracking, s.block13dName, s.block13cNumber, s.block13eDate, s.block14dName, s.block14cNumber, s.block14eDate})
        connect(box, &QLineEdit::textEdited, this, &ScreenEdits::mark);
    for (QPlainTextEdit *box : {s.block4Organization, s.block4Second, s.block5Invoice, s.block12Remarks})
        connect(box, &QPlainTextEdit::textChanged, this, &ScreenEdits::mark);
    for (QAbstractButton *tick : std::initializer_list<QAbstractButton *>{s.block13aApproved, s.block13aNonApproved, s.block14aReturnToService,
                                                                          s.block14aOtherRegulation, s.option1, s.option2})
        connect(tick, &QAbstractButton::clicked, this, &ScreenEdits::mark);
    for (QComboBox *list : std::initializer_list<QComboBox *>{s.combo1, s.combo2, s.combo3, s.formChoice})
        connect(list, &QComboBox::activated, this, &ScreenEdits::mark);
    // Typing into the grid and the part and status lists change the lines.
    connect(&grid, &ItemGridModel::dataChanged, this, &ScreenEdits::mark);
}

} // namespace arc
