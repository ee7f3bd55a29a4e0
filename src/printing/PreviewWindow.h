#pragma once

#include <QDialog>

class QAction;
class QPrintPreviewWidget;
class QPrinter;

namespace arc {

// The preview of the pages on `printer`: as large as the window it opens
// over, the whole page in view (at a small size the page's text is
// unreadable). Its Print action closes it and asks for paper instead of
// printing what it shows.
class PreviewWindow : public QDialog {
    Q_OBJECT
public:
    PreviewWindow(QPrinter &printer, QWidget &over);

    QPrintPreviewWidget *preview() const { return m_preview; }
    QAction *printAction() const { return m_print; }

    // Runs the preview: true when its Print was pressed.
    bool printAsked();

signals:
    // The pages are to be painted on `printer`.
    void paintRequested(QPrinter *printer);

private:
    QPrintPreviewWidget *m_preview;
    QAction *m_print;
    bool m_printAsked = false;
};

} // namespace arc
