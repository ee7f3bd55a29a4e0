#pragma once

class QPrintPreviewDialog;
class QWidget;

namespace arc {

// The preview as large as the window it opens over, the whole page in
// view: at the dialog's own small size the page's text is unreadable.
void showWholePage(QPrintPreviewDialog &dialog, const QWidget &over);

// Runs the preview. Its own Print button closes it and asks for paper
// instead of printing what it shows: true when it was pressed.
bool printAskedFrom(QPrintPreviewDialog &dialog);

} // namespace arc
