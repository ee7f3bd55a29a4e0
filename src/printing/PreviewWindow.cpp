#include "PreviewWindow.h"

#include <QAction>
#include <QPrintPreviewDialog>
#include <QWidget>

namespace arc {

void showWholePage(QPrintPreviewDialog &dialog, const QWidget &over)
{
    dialog.resize(over.size());
    // Through the dialog's own action, so that its tool bar shows the choice.
    if (auto *fit = dialog.findChild<QAction *>(QStringLiteral("fitPageAction")))
        fit->trigger();
}

} // namespace arc
