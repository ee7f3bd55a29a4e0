#include "DuplicateCertificate.h"

#include "CertificateOnScreen.h"
#include "CertificateScreen.h"
#include "EntryText.h"
#include "ItemGridModel.h"
#include "SilentEdit.h"

namespace arc {

bool duplicateCertificate(CertificateOnScreen &certificate, CertificateScreen &screen, ItemGridModel &grid)
{
    // Read before New clears them; a changed certificate may be saved on the way.
    const ItemSlots lines = grid.lines();
    const QString organization = screen.block4Organization->toPlainText();
    const QString second = screen.block4Second->toPlainText();
    if (!certificate.newForm())
        return false;
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
