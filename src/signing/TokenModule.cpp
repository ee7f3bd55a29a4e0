#include "TokenModule.h"

#include "SigningKey.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>
#include <libp11.h>
#include <openssl/err.h>

namespace arc {

namespace {

struct TokenModuleTexts {
    Q_DECLARE_TR_FUNCTIONS(TokenModule)
};

// The PKCS#11 return values libp11 passes on as the reason of its errors.
constexpr unsigned long kPinIncorrect = 0xA0, kPinInvalid = 0xA1, kPinLenRange = 0xA2, kPinLocked = 0xA4,
                        kTokenNotPresent = 0xE0, kDeviceRemoved = 0x32, kSessionClosed = 0xB0,
                        kSessionInvalid = 0xB3;

QString text(const char *s) { return s ? QString::fromUtf8(s).trimmed() : QString(); }

SigningError fault(SigningFault f, const QString &message)
{
    ERR_clear_error();
    return {f, message};
}

} // namespace

struct TokenModule::Slots {
    PKCS11_CTX *context = nullptr;
    PKCS11_SLOT *list = nullptr;
    unsigned int count = 0;
    ~Slots()
    {
        if (list)
            PKCS11_release_all_slots(context, list, count);
        if (context) {
            PKCS11_CTX_unload(context);
            PKCS11_CTX_free(context);
        }
    }
    // The slot holding the token of `serial`; null when none does.
    PKCS11_SLOT *of(const QString &serial)
    {
        // Listed once for the module's life: a key opened from a slot stays
        // valid, and each issue loads the module afresh.
        if (!list && PKCS11_enumerate_slots(context, &list, &count) != 0) {
            list = nullptr;
            count = 0;
        }
        for (unsigned int i = 0; i < count; ++i)
            if (list[i].token && list[i].token->initialized && text(list[i].token->serialnr) == serial)
                return &list[i];
        return nullptr;
    }
};

QString TokenModule::defaultModule()
{
    for (const char *path : {"/usr/lib/x86_64-linux-gnu/p11-kit-proxy.so", "/usr/lib/aarch64-linux-gnu/p11-kit-proxy.so",
                             "/usr/lib/p11-kit-proxy.so", "/usr/lib64/p11-kit-proxy.so"})
        if (QFileInfo::exists(QString::fromLatin1(path)))
            return QString::fromLatin1(path);
    return QStringLiteral("/usr/lib/x86_64-linux-gnu/p11-kit-proxy.so");
}

SigningResult<std::shared_ptr<TokenModule>> TokenModule::load(const QString &path)
{
    const QFileInfo file(path);
    if (!file.isFile())
        return fault(SigningFault::ModuleUnusable, TokenModuleTexts::tr("There is no module file %1.").arg(path));
    std::shared_ptr<TokenModule> module(new TokenModule);
    module->m_path = path;
    module->m_slots = std::make_unique<Slots>();
    module->m_slots->context = PKCS11_CTX_new();
    if (!module->m_slots->context || PKCS11_CTX_load(module->m_slots->context, QFile::encodeName(path).constData()) != 0) {
        if (module->m_slots->context)
            PKCS11_CTX_free(module->m_slots->context);
        module->m_slots->context = nullptr;
        // A module that is one but does not start finds no token to serve
        // (SoftHSM without its token store, a reader pulled out).
        QLibrary library(path);
        if (library.load() && library.resolve("C_GetFunctionList"))
            return fault(SigningFault::TokenMissing,
                         TokenModuleTexts::tr("The module %1 finds no token: is it inserted?").arg(path));
        return fault(SigningFault::ModuleUnusable, TokenModuleTexts::tr("%1 is not a PKCS#11 module.").arg(path));
    }
    return module;
}

TokenModule::~TokenModule() = default;

QList<TokenInfo> TokenModule::tokens() const
{
    QList<TokenInfo> out;
    Slots &s = *m_slots;
    (void)s.of(QString()); // lists the slots
    for (unsigned int i = 0; i < s.count; ++i)
        if (s.list[i].token && s.list[i].token->initialized)
            out.append({text(s.list[i].token->label), text(s.list[i].token->serialnr)});
    ERR_clear_error();
    return out;
}

SigningResult<QList<TokenKeyInfo>> TokenModule::keys(const QString &serial) const
{
    PKCS11_SLOT *slot = m_slots->of(serial);
    if (!slot)
        return fault(SigningFault::TokenMissing, TokenModuleTexts::tr("The token %1 is not inserted.").arg(serial));
    QList<TokenKeyInfo> out;
    const auto add = [&out](const unsigned char *id, size_t length, const char *label, bool certificate) {
        const QByteArray key(reinterpret_cast<const char *>(id), qsizetype(length));
        for (TokenKeyInfo &known : out)
            if (known.id == key) {
                known.hasCertificate = known.hasCertificate || certificate;
                return;
            }
        out.append({key, text(label), certificate});
    };
    PKCS11_KEY *keys = nullptr;
    unsigned int count = 0;
    if (PKCS11_enumerate_public_keys(slot->token, &keys, &count) == 0)
        for (unsigned int i = 0; i < count; ++i)
            add(keys[i].id, keys[i].id_len, keys[i].label, false);
    PKCS11_CERT *certificates = nullptr;
    if (PKCS11_enumerate_certs(slot->token, &certificates, &count) == 0)
        for (unsigned int i = 0; i < count; ++i)
            add(certificates[i].id, certificates[i].id_len, certificates[i].label, true);
    ERR_clear_error();
    return out;
}

SigningResult<TokenModule::Opened> TokenModule::open(const QString &serial, const QByteArray &keyId, const QString &pin)
{
    if (pin.size() > maxPinLength)
        return fault(SigningFault::WrongPin, TokenModuleTexts::tr("A PIN has at most %1 characters.").arg(maxPinLength));
    if (pin.isEmpty())
        return fault(SigningFault::WrongPin, TokenModuleTexts::tr("No PIN was typed."));
    PKCS11_SLOT *slot = m_slots->of(serial);
    if (!slot)
        return fault(SigningFault::TokenMissing, TokenModuleTexts::tr("The token %1 is not inserted.").arg(serial));
    const QString label = text(slot->token->label);
    if (slot->token->userPinLocked)
        return fault(SigningFault::PinLocked, TokenModuleTexts::tr("The token %1 is locked: too many wrong PINs.").arg(label));
    int loggedIn = 0;
    if (PKCS11_is_logged_in(slot, 0, &loggedIn) != 0 || !loggedIn) {
        QByteArray typed = pin.toUtf8();
        const int r = PKCS11_login(slot, 0, typed.constData());
        typed.fill('\0');
        if (r != 0) {
            const unsigned long why = ERR_GET_REASON(ERR_peek_last_error());
            if (why == kPinLocked)
                return fault(SigningFault::PinLocked, TokenModuleTexts::tr("The token %1 is locked: too many wrong PINs.").arg(label));
            if (why == kPinIncorrect || why == kPinInvalid || why == kPinLenRange)
                return fault(SigningFault::WrongPin, TokenModuleTexts::tr("The PIN of the token %1 is wrong.").arg(label));
            if (why == kTokenNotPresent || why == kDeviceRemoved || why == kSessionClosed || why == kSessionInvalid)
                return fault(SigningFault::TokenMissing, TokenModuleTexts::tr("The token %1 is not inserted.").arg(label));
            return fault(SigningFault::WrongPin, TokenModuleTexts::tr("The token %1 refused the PIN.").arg(label));
        }
    }
    PKCS11_KEY *keys = nullptr;
    unsigned int count = 0;
    if (PKCS11_enumerate_keys(slot->token, &keys, &count) != 0 || count == 0)
        return fault(SigningFault::NoKeyInFile, TokenModuleTexts::tr("The token %1 holds no private key.").arg(label));
    for (unsigned int i = 0; i < count; ++i) {
        if (QByteArray(reinterpret_cast<const char *>(keys[i].id), qsizetype(keys[i].id_len)) != keyId)
            continue;
        Opened opened;
        opened.privateKey.reset(PKCS11_get_private_key(&keys[i]));
        opened.publicKey.reset(PKCS11_get_public_key(&keys[i]));
        if (PKCS11_CERT *certificate = PKCS11_find_certificate(&keys[i]); certificate && certificate->x509)
            opened.certificate.reset(X509_dup(certificate->x509));
        ERR_clear_error();
        if (!opened.privateKey || !opened.publicKey)
            return fault(SigningFault::Unsuitable,
                         TokenModuleTexts::tr("The key %1 on the token %2 cannot be used.")
                             .arg(QString::fromLatin1(keyId.toHex()), label));
        return opened;
    }
    return fault(SigningFault::NoKeyInFile, TokenModuleTexts::tr("The token %1 holds no key %2.")
                                                .arg(label, QString::fromLatin1(keyId.toHex())));
}

SigningResult<SigningKey> TokenModule::signingKey(std::shared_ptr<TokenModule> module, Opened opened,
                                                  std::vector<X509Ptr> chain)
{
    return SigningKey::onToken(std::move(opened.privateKey), std::move(chain), std::move(module));
}

} // namespace arc
