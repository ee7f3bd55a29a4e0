#include "SignatoryTokens.h"

#include "CertificateRequest.h"
#include "KeyFiles.h"
#include "KeyPolicy.h"
#include "KeysOf.h"
#include "ShopAuthority.h"
#include "SigningRequests.h"
#include "TokenModule.h"

#include <algorithm>

#include <QCoreApplication>

namespace arc {

namespace {

struct SignatoryTokensTexts {
    Q_DECLARE_TR_FUNCTIONS(SignatoryTokens)
};

KeyRefusal refused(const QString &message, KeyRefusal::Why why = KeyRefusal::Why::TokenRefused)
{
    return {why, message, {}};
}

QString hex(const QByteArray &id) { return QString::fromLatin1(id.toHex()); }

} // namespace

KeyOutcome SignatoryTokens::set(const AgentEntry &signatory, const TokenKeyChoice &choice,
                                const SecretAsked &passphrase, const SecretAsked &pin)
{
    SigningResult<std::shared_ptr<TokenModule>> module = TokenModule::load(choice.module);
    if (!module.ok())
        return refused(module.error().message);
    std::optional<TokenInfo> token;
    for (const TokenInfo &t : module.value()->tokens())
        if (!token && (t.label == choice.token || t.serial == choice.token))
            token = t;
    if (!token)
        return refused(SignatoryTokensTexts::tr("No token %1 is inserted (module %2).").arg(choice.token, choice.module));
    const SigningResult<QList<TokenKeyInfo>> keys = module.value()->keys(token->serial);
    if (!keys.ok())
        return refused(keys.error().message);
    if (keys->isEmpty())
        return refused(SignatoryTokensTexts::tr("The token %1 holds no keys.").arg(token->label));
    const auto listed = std::find_if(keys->begin(), keys->end(), [&](const TokenKeyInfo &k) { return k.id == choice.keyId; });
    if (listed == keys->end())
        return refused(SignatoryTokensTexts::tr("The token %1 holds no key %2.").arg(token->label, hex(choice.keyId)));

    // Without a certificate of its own on the token, the authority issues
    // one: at once when its passphrase is given, else on approving a request.
    std::optional<ShopAuthority> authority;
    bool request = false;
    if (!listed->hasCertificate) {
        const std::optional<QString> typed = passphrase ? passphrase() : std::nullopt;
        request = !typed || typed->isEmpty();
        StoredAuthority stored;
        QString error;
        switch (request ? KeyStore::Found::Yes : keysOf(m_source)->authority(stored, &error)) {
        case KeyStore::Found::No:
            return refused(SignatoryTokensTexts::tr("The token %1 holds no certificate for the key %2, and no shop authority has "
                                                    "been made yet to issue one (arc8130-admin signing-key makes it).")
                               .arg(token->label, hex(choice.keyId)),
                           KeyRefusal::Why::AuthorityUnreadable);
        case KeyStore::Found::Failed:
            return refused(SignatoryTokensTexts::tr("The shop authority cannot be read: %1.").arg(error),
                           KeyRefusal::Why::AuthorityUnreadable);
        case KeyStore::Found::Yes:
            break;
        }
        if (!request) {
            SigningResult<ShopAuthority> opened = ShopAuthority::open(stored, *typed);
            if (!opened.ok())
                return refused(opened.error().message, KeyRefusal::Why::KeyRefused);
            authority.emplace(std::move(opened.value()));
        }
    }

    std::optional<QString> typedPin = pin ? pin() : std::nullopt;
    if (!typedPin)
        return refused(SignatoryTokensTexts::tr("No PIN was typed."));
    SigningResult<TokenModule::Opened> opened = module.value()->open(token->serial, choice.keyId, *typedPin);
    typedPin->fill(QLatin1Char('\0'));
    if (!opened.ok())
        return refused(opened.error().message);
    const TokenPlace place{module.value()->path(), token->serial, token->label, choice.keyId};
    if (request && !opened->certificate) {
        // The key signs its own request: one the token will not sign with fails here.
        if (const auto unfit = KeyPolicy::unsuitableKind(opened->publicKey.get()))
            return refused(unfit->message, KeyRefusal::Why::KeyRefused);
        const SigningResult<QByteArray> made =
            CertificateRequest::make(opened->privateKey.get(), {signatory.name, signatory.approvalNumber});
        if (!made.ok())
            return refused(made.error().message, KeyRefusal::Why::KeyRefused);
        return SigningRequests(m_source).leave(signatory, made.value(), {{}, place});
    }
    std::vector<X509Ptr> chain;
    if (opened->certificate) {
        chain.push_back(std::move(opened->certificate));
    } else {
        if (!authority)
            return refused(SignatoryTokensTexts::tr("The token %1 holds no certificate for the key %2.")
                               .arg(token->label, hex(choice.keyId)));
        SigningResult<X509Ptr> issued = authority->issue({signatory.name, signatory.approvalNumber},
                                                         opened->publicKey.get(), Validity::years(3));
        if (!issued.ok())
            return refused(issued.error().message, KeyRefusal::Why::KeyRefused);
        chain.push_back(std::move(issued.value()));
        chain.push_back(X509Ptr(X509_dup(authority->certificate())));
    }
    std::vector<X509 *> certificates;
    for (const X509Ptr &c : chain)
        certificates.push_back(c.get());
    const QByteArray pem = KeyFiles::certificatesPem(certificates);
    SigningResult<SigningKey> key = TokenModule::signingKey(module.value(), std::move(opened.value()), std::move(chain));
    if (!key.ok())
        return refused(key.error().message, KeyRefusal::Why::KeyRefused);
    // A key the token will not sign with (one for decryption only) fails here.
    if (const auto failed = KeyPolicy::trialFails(key.value()))
        return refused(failed->message, KeyRefusal::Why::KeyRefused);

    const std::unique_ptr<KeyStore> store = keysOf(m_source);
    QString error;
    if (!store->putTokenKey(signatory.rowId, {place, pem}, &error)) {
        const QString where = QStringLiteral("%1: %2").arg(store->place(), error);
        return KeyRefusal{KeyRefusal::Why::KeyNotKept, SignatoryTokensTexts::tr("The key could not be kept in %1.").arg(where), where};
    }
    return KeyOutcome(std::move(key.value()));
}

} // namespace arc
