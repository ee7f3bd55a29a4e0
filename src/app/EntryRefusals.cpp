#include "EntryRefusals.h"

#include "CertificateScreen.h"
#include "EntryBox.h"
#include "EntryLimit.h"
#include "EntryText.h"
#include "ItemGridModel.h"
#include "StatusLine.h"

#include <QPushButton>

namespace arc::EntryRefusals {

void tell(QWidget &window, const CertificateScreen &screen, ItemGridModel &grid, MessageBoxes &messages,
          StatusLine &status)
{
    const auto report = [&messages](const QString &box, int limit) {
        messages.ask(EntryLimit::refusal(box, limit));
    };
    const auto typed = [&status](const QString &box, int limit) { status.tell(EntryLimit::typedPastLimit(box, limit)); };
    for (EntryBox *box : window.findChildren<EntryBox *>()) {
        QObject::connect(box, &EntryBox::refused, &window, report);
        QObject::connect(box, &EntryBox::typedPastLimit, &window, typed);
    }
    for (EntryText *box : window.findChildren<EntryText *>()) {
        QObject::connect(box, &EntryText::refused, &window, report);
        QObject::connect(box, &EntryText::typedPastLimit, &window, typed);
    }
    // A grid column goes by the caption of its button.
    const auto column = [&screen](int c) {
        return screen.columnButtons.value(c) ? screen.columnButtons[c]->text() : QString();
    };
    QObject::connect(&grid, &ItemGridModel::refused, &window,
                     [column, report](int c, int limit) { report(column(c), limit); });
    QObject::connect(&grid, &ItemGridModel::typedPastLimit, &window,
                     [column, typed](int c, int limit) { typed(column(c), limit); });
    QObject::connect(&grid, &ItemGridModel::tooManyLines, &window,
                     [&messages](int limit) { messages.ask(EntryLimit::tooManyLines(limit)); });
}

} // namespace arc::EntryRefusals
