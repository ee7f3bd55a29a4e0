#pragma once

#include <QDialog>

class QLineEdit;

namespace arc {

// Asks which tracking number to void and why.
class VoidNumberDialog : public QDialog {
    Q_OBJECT
public:
    VoidNumberDialog(const QString &offered, QWidget *parent = nullptr);

    QLineEdit *number;
    QLineEdit *reason;
};

} // namespace arc
