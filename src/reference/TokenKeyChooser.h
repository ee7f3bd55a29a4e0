#pragma once

#include "SignatoryTokens.h"

#include <QWidget>
#include <memory>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace arc {

class TokenModule;

// The token way of "Signing certificate...": the PKCS#11 module (p11-kit's
// proxy unless another file is chosen), the tokens it offers, the keys on
// the token chosen, and its PIN.
class TokenKeyChooser : public QWidget {
    Q_OBJECT
public:
    explicit TokenKeyChooser(QWidget *parent = nullptr);
    ~TokenKeyChooser() override;

    // The module in the box loaded afresh and its tokens listed; what went
    // wrong is said in the token list's place.
    void listTokens();
    void listKeys();
    // The choice made; the key id empty when none is chosen.
    TokenKeyChoice choice() const;

    QLineEdit *module;      // TokenModule
    QPushButton *chooseModule;
    QComboBox *tokens;      // TokenList: label, serial as data
    QComboBox *keys;        // TokenKeyList: label and id, id as data
    QLineEdit *pin;         // TokenKeyPin

signals:
    // Why the module or token lists nothing.
    void told(const QString &what);

private:
    void chooseModuleFile();

    std::shared_ptr<TokenModule> m_module;
};

} // namespace arc
