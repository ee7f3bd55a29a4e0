#include "PreviewWindow.h"

#include <QAction>
#include <QIcon>
#include <QKeySequence>
#include <QPrintPreviewWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace arc {

PreviewWindow::PreviewWindow(QPrinter &printer, QWidget &over)
    : QDialog(&over), m_preview(new QPrintPreviewWidget(&printer, this)), m_print(new QAction(this))
{
    setWindowTitle(tr("Print Preview"));
    auto *bar = new QToolBar(this);
    const auto add = [&](QAction *action, const char *name, const QString &icon, const QString &text,
                         const QKeySequence &keys) {
        action->setObjectName(QLatin1String(name));
        action->setIcon(QIcon::fromTheme(icon));
        action->setText(text);
        action->setShortcut(keys);
        bar->addAction(action);
        return action;
    };
    connect(add(new QAction(this), "fitPageAction", QStringLiteral("zoom-fit-best"), tr("Fit page"), {}),
            &QAction::triggered, m_preview, &QPrintPreviewWidget::fitInView);
    connect(add(new QAction(this), "zoomInAction", QStringLiteral("zoom-in"), tr("Zoom in"), QKeySequence::ZoomIn),
            &QAction::triggered, m_preview, [this] { m_preview->zoomIn(); });
    connect(add(new QAction(this), "zoomOutAction", QStringLiteral("zoom-out"), tr("Zoom out"), QKeySequence::ZoomOut),
            &QAction::triggered, m_preview, [this] { m_preview->zoomOut(); });
    bar->addSeparator();
    connect(add(new QAction(this), "previousPageAction", QStringLiteral("go-previous"), tr("Previous page"),
                QKeySequence::MoveToPreviousPage),
            &QAction::triggered, m_preview, [this] { m_preview->setCurrentPage(m_preview->currentPage() - 1); });
    connect(add(new QAction(this), "nextPageAction", QStringLiteral("go-next"), tr("Next page"),
                QKeySequence::MoveToNextPage),
            &QAction::triggered, m_preview, [this] { m_preview->setCurrentPage(m_preview->currentPage() + 1); });
    bar->addSeparator();
    connect(add(m_print, "printAction", QStringLiteral("document-print"), tr("Print"), QKeySequence::Print),
            &QAction::triggered, this, [this] {
                m_printAsked = true;
                accept();
            });
    connect(add(new QAction(this), "closeAction", QStringLiteral("window-close"), tr("Close"), {}),
            &QAction::triggered, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(bar);
    layout->addWidget(m_preview);
    connect(m_preview, &QPrintPreviewWidget::paintRequested, this, &PreviewWindow::paintRequested);

    resize(over.size());
    m_preview->fitInView();
}

bool PreviewWindow::printAsked()
{
    m_printAsked = false;
    exec();
    return m_printAsked;
}

} // namespace arc
