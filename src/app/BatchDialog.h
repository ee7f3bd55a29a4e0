#pragma once

#include <QDialog>


class QPushButton;
class QSpinBox;

namespace arc {

class EntryBox;

// Issue for serial numbers: the first serial number and how many
// certificates, one per serial number.
class BatchDialog : public QDialog {
    Q_OBJECT
public:
    BatchDialog(const QString &firstSerial, QWidget *parent = nullptr);
    // The characters a serial number holds.
    static int serialLimit();

    // Takes what the serial number field stores: longer text, typed or
    // pasted, is refused (EntryBox::refused), never cut.
    EntryBox *first;   // BatchFirst
    QSpinBox *count;   // BatchCount
    QPushButton *okButton; // BatchOk
};

} // namespace arc
