#pragma once

#include <QFrame>

class QLineEdit;
class QPushButton;

namespace arc {

// The print panel laid over the main window: the number of copies, OK and
// Cancel, a preview of the page and a PDF file of it. It only holds the
// controls; the print command gives them their behaviour.
class PrintPanel : public QFrame {
    Q_OBJECT
public:
    explicit PrintPanel(QWidget *parent = nullptr);

    // Centred over the parent, above the other panels, the copies selected.
    void showOver();

    QLineEdit *text45;           // copies
    QPushButton *okButton;       // Command1 index 0
    QPushButton *cancelButton;   // Command1 index 1
    QPushButton *previewButton;  // CommandPreview
    QPushButton *pdfButton;      // CommandPdf
};

} // namespace arc
