#pragma once

#include <QDialog>
#include <optional>

class QDialogButtonBox;
class QLineEdit;

namespace arc {

// The PIN of a signatory's token, asked when a page is signed: a masked
// box under the token's label; OK or Enter signs, Cancel issues nothing.
class TokenPinDialog : public QDialog {
    Q_OBJECT
public:
    TokenPinDialog(const QString &tokenLabel, QWidget *parent = nullptr);
    ~TokenPinDialog() override;

    // The PIN typed; nullopt when cancelled.
    static std::optional<QString> ask(QWidget *parent, const QString &tokenLabel);

    QLineEdit *pin; // TokenPin
    QDialogButtonBox *buttons;
};

} // namespace arc
