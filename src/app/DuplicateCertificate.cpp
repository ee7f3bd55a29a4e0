#include "DuplicateCertificate.h"

#include "CertificateOnScreen.h"
#include "CertificateScreen.h"
#include "EntryBox.h"
#include "EntryText.h"
#include "ItemGridModel.h"
#include "SilentEdit.h"

#include <QComboBox>

namespace arc {

bool duplicateCertificate(CertificateOnScreen &certificate, CertificateScreen &screen, ItemGridModel &grid)
{
    // Read before New clears them; a changed certificate may be saved on the way.
    const ItemSlots lines = grid.lines();
    const QString organization = screen.block4Organization->toPlainText();
    const QString second = screen.block4Second->toPlainText();
    const QString form = screen.formChoice->currentText();
    const QString block1 = screen.block1Country->text();
    if (!certificate.newForm())
        return false;
    // The form, and what follows from it, before the lines choose the blocks.
    certificate.keepForm(form, block1);
    SilentEdit::setText(screen.block4Organization, organization);
    SilentEdit::setText(screen.block4Second, second);
    grid.setLines(lines);
    grid.setCurrentCell(0, 0, true);
    certificate.checkstat();
    // Not stored yet: leaving it asks first.
    certificate.markChanged();
    return true;
}

} // namespace arc
