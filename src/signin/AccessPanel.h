#pragma once

#include <QFrame>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace arc {

// "Access Control": the signatory chooses a name and types a password.
class AccessPanel : public QFrame {
    Q_OBJECT
public:
    explicit AccessPanel(QWidget *parent = nullptr);

    QComboBox *combo4;        // "Select name"
    QLineEdit *text44;        // "Enter password"
    QPushButton *submitButton; // SSCommand2
    QPushButton *exitButton;   // SSCommand1
};

} // namespace arc
