#include "TokenKeyChooser.h"

#include "TokenModule.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace arc {

TokenKeyChooser::TokenKeyChooser(QWidget *parent) : QWidget(parent)
{
    module = new QLineEdit(TokenModule::defaultModule());
    module->setObjectName(QStringLiteral("TokenModule"));
    chooseModule = new QPushButton(tr("Choose..."));
    tokens = new QComboBox;
    tokens->setObjectName(QStringLiteral("TokenList"));
    keys = new QComboBox;
    keys->setObjectName(QStringLiteral("TokenKeyList"));
    pin = new QLineEdit;
    pin->setObjectName(QStringLiteral("TokenKeyPin"));
    pin->setEchoMode(QLineEdit::Password);
    pin->setMaxLength(TokenModule::maxPinLength);

    auto *file = new QHBoxLayout;
    file->addWidget(module);
    file->addWidget(chooseModule);
    auto *form = new QFormLayout(this);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(tr("PKCS#11 module"), file);
    form->addRow(tr("Token"), tokens);
    form->addRow(tr("Key"), keys);
    form->addRow(tr("The token's PIN"), pin);

    connect(chooseModule, &QPushButton::clicked, this, &TokenKeyChooser::chooseModuleFile);
    connect(module, &QLineEdit::editingFinished, this, &TokenKeyChooser::listTokens);
    connect(tokens, &QComboBox::currentIndexChanged, this, &TokenKeyChooser::listKeys);
}

TokenKeyChooser::~TokenKeyChooser()
{
    pin->clear();
}

void TokenKeyChooser::chooseModuleFile()
{
    const QString chosen = QFileDialog::getOpenFileName(this, tr("PKCS#11 module"), module->text(),
                                                        tr("PKCS#11 modules (*.so);;All files (*)"));
    if (chosen.isEmpty())
        return;
    module->setText(chosen);
    listTokens();
}

void TokenKeyChooser::listTokens()
{
    keys->clear();
    tokens->clear();
    m_module.reset();
    SigningResult<std::shared_ptr<TokenModule>> loaded = TokenModule::load(module->text());
    if (!loaded.ok()) {
        emit told(loaded.error().message);
        return;
    }
    m_module = loaded.value();
    const QList<TokenInfo> found = m_module->tokens();
    if (found.isEmpty())
        emit told(tr("No token is inserted."));
    for (const TokenInfo &t : found)
        tokens->addItem(tr("%1 (serial %2)").arg(t.label, t.serial), t.serial);
}

void TokenKeyChooser::listKeys()
{
    keys->clear();
    if (!m_module || tokens->currentIndex() < 0)
        return;
    const SigningResult<QList<TokenKeyInfo>> found = m_module->keys(tokens->currentData().toString());
    if (!found.ok()) {
        emit told(found.error().message);
        return;
    }
    for (const TokenKeyInfo &k : found.value())
        keys->addItem(k.hasCertificate ? tr("%1 (id %2, with its certificate)").arg(k.label, QString::fromLatin1(k.id.toHex()))
                                       : tr("%1 (id %2)").arg(k.label, QString::fromLatin1(k.id.toHex())),
                      k.id);
}

TokenKeyChoice TokenKeyChooser::choice() const
{
    return {module->text(), tokens->currentData().toString(), keys->currentData().toByteArray()};
}

} // namespace arc
