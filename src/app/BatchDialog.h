#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class QSpinBox;

namespace arc {

// Issue for serial numbers: the first serial number and how many
// certificates, one per serial number.
class BatchDialog : public QDialog {
    Q_OBJECT
public:
    BatchDialog(const QString &firstSerial, QWidget *parent = nullptr);

    QLineEdit *first;  // BatchFirst
    QSpinBox *count;   // BatchCount
    QPushButton *okButton; // BatchOk
};

} // namespace arc
