#include "PreviewWindow.h"

#include <QAction>
#include <QCoreApplication>
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

bool printAskedFrom(QPrintPreviewDialog &dialog)
{
    bool asked = false;
    const QString print = QCoreApplication::translate("QPrintPreviewDialog", "Print");
    for (QAction *action : dialog.findChildren<QAction *>()) {
        // The dialog names its actions only by their texts.
        if (QString(action->text()).remove(QLatin1Char('&')) != print)
            continue;
        QObject::disconnect(action, nullptr, &dialog, nullptr);
        QObject::connect(action, &QAction::triggered, &dialog, [&asked, &dialog] {
            asked = true;
            dialog.accept();
        });
    }
    dialog.exec();
    return asked;
}

} // namespace arc
