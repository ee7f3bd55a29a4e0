#include "TokenSigning.h"

#include "KeyFiles.h"

#include <QCoreApplication>

namespace arc {

namespace {

struct TokenSigningTexts {
    Q_DECLARE_TR_FUNCTIONS(TokenSigning)
};

} // namespace

TokenSigning::TokenSigning(TokenPlace place, QByteArray certificates, PinPrompt prompt)
    : m_place(std::move(place)), m_certificates(std::move(certificates)), m_prompt(std::move(prompt))
{
}

SigningResult<const SigningKey *> TokenSigning::key()
{
    if (m_opened)
        return &*m_opened;
    std::optional<QString> pin = m_prompt ? m_prompt(m_place.label) : std::nullopt;
    if (!pin)
        return SigningError{SigningFault::Cancelled,
                            QCoreApplication::translate("TokenSigning", "the PIN of the token %1 was not given")
                                .arg(m_place.label)};
    SigningResult<SigningKey> opened = open(m_place, m_certificates, *pin);
    pin->fill(QLatin1Char('\0'));
    if (!opened.ok())
        return opened.error();
    m_opened.emplace(std::move(opened.value()));
    return &*m_opened;
}

SigningResult<SigningKey> TokenSigning::open(const TokenPlace &place, const QByteArray &certificates, const QString &pin)
{
    SigningResult<std::shared_ptr<TokenModule>> module = TokenModule::load(place.module);
    if (!module.ok())
        return module.error();
    SigningResult<TokenModule::Opened> opened = module.value()->open(place.serial, place.keyId, pin);
    if (!opened.ok())
        return opened.error();
    std::vector<X509Ptr> chain = KeyFiles::readCertificates(certificates);
    if (chain.empty())
        return SigningError{SigningFault::Damaged, TokenSigningTexts::tr("The certificate of the key on the token is damaged.")};
    if (EVP_PKEY_eq(X509_get0_pubkey(chain.front().get()), opened->publicKey.get()) != 1)
        return SigningError{SigningFault::Unsuitable,
                            TokenSigningTexts::tr("The certificate kept is not the one of the key on the token %1.")
                                .arg(place.label)};
    return TokenModule::signingKey(module.value(), std::move(opened.value()), std::move(chain));
}

} // namespace arc
