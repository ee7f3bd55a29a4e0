#pragma once

class QPrintPreviewDialog;
class QWidget;

namespace arc {

// The preview as large as the window it opens over, the whole page in
// view: at the dialog's own small size the page's text is unreadable.
void showWholePage(QPrintPreviewDialog &dialog, const QWidget &over);

} // namespace arc
