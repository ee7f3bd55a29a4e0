#pragma once

#include <QFrame>

class QComboBox;
class QLabel;
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
    QLabel *refusal;           // SignInRefusal: why the last try did not sign in
    QLabel *masterNote;        // MasterPasswordNote: shown while no administrator exists

    // Why the last try did not sign in; empty clears it.
    void refuse(const QString &why);
    void showMasterNote(bool show);
};

} // namespace arc
