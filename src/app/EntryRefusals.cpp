#include "EntryRefusals.h"

#include "CertificateScreen.h"
#include "EntryBox.h"
#include "EntryLimit.h"
#include "EntryText.h"
#include "ItemGridModel.h"

#include <QPushButton>

namespace arc::EntryRefusals {

void tell(QWidget &window, const CertificateScreen &screen, ItemGridModel &grid, MessageBoxes &messages)
{
    const auto report = [&messages](const QString &box, int limit) {
        messages.ask(EntryLimit::refusal(box, limit));
    };
    for (EntryBox *box : window.findChildren<EntryBox *>())
        QObject::connect(box, &EntryBox::refused, &window, report);
    for (EntryText *box : window.findChildren<EntryText *>())
        QObject::connect(box, &EntryText::refused, &window, report);
    // A grid column goes by the caption of its button.
    QObject::connect(&grid, &ItemGridModel::refused, &window, [&screen, report](int column, int limit) {
        report(screen.columnButtons.value(column) ? screen.columnButtons[column]->text() : QString(), limit);
    });
}

} // namespace arc::EntryRefusals
