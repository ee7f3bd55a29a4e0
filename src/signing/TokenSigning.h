#pragma once

#include "PageSigning.h"
#include "SigningKey.h"
#include "TokenModule.h"

#include <QByteArray>
#include <functional>
#include <optional>

namespace arc {

// Asks the signatory for the PIN of the token labelled as given; nullopt
// when he cancels.
using PinPrompt = std::function<std::optional<QString>(const QString &tokenLabel)>;

// A signatory's key on a token, opened only when an issue signs its first
// page, with the PIN asked then, and closed when the issue is done. The PIN
// is not kept past the token's login.
class TokenSigning : public PageSigning {
public:
    TokenSigning(TokenPlace place, QByteArray certificates, PinPrompt prompt);
    SigningResult<const SigningKey *> key() override;

    // The key at `place` opened with `pin`, to sign with `certificates`
    // (PEM, the key's own first); refused when the certificate is not the
    // key's or the key may not sign.
    static SigningResult<SigningKey> open(const TokenPlace &place, const QByteArray &certificates, const QString &pin);

private:
    TokenPlace m_place;
    QByteArray m_certificates;
    PinPrompt m_prompt;
    std::optional<SigningKey> m_opened;
};

} // namespace arc
