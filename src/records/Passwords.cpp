#include "Passwords.h"

#include <QCoreApplication>

#include <QByteArray>
#include <sodium.h>

namespace arc {

const QString Passwords::master = QStringLiteral("zorp7351");

QString Passwords::tooShort(const QString &password)
{
    if (password.size() >= minimumLength)
        return {};
    return QCoreApplication::translate("Passwords", "A sign-in password has at least %1 characters; the one typed has %2.")
        .arg(minimumLength)
        .arg(password.size());
}

namespace {

bool sodiumReady()
{
    static const bool ready = sodium_init() >= 0;
    return ready;
}

} // namespace

bool Passwords::equal(const QString &a, const QString &b)
{
    const QByteArray x = a.toUtf8();
    const QByteArray y = b.toUtf8();
    if (x.size() != y.size())
        return false;
    return sodiumReady() && sodium_memcmp(x.constData(), y.constData(), size_t(x.size())) == 0;
}

bool Passwords::isHash(const QString &stored)
{
    return stored.startsWith(QLatin1String(crypto_pwhash_argon2id_STRPREFIX));
}

QString Passwords::hash(const QString &password)
{
    if (!sodiumReady())
        return {};
    const QByteArray plain = password.toUtf8();
    char out[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str_alg(out, plain.constData(), size_t(plain.size()), crypto_pwhash_OPSLIMIT_INTERACTIVE,
                              crypto_pwhash_MEMLIMIT_INTERACTIVE, crypto_pwhash_ALG_ARGON2ID13)
        != 0)
        return {};
    return QString::fromLatin1(out);
}

Passwords::Verdict Passwords::verify(const QString &stored, const QString &typed)
{
    if (!isHash(stored))
        return equal(stored, typed) ? Verdict::RightButStoredPlain : Verdict::Wrong;
    if (!sodiumReady())
        return Verdict::Wrong;
    const QByteArray hashed = stored.toLatin1();
    const QByteArray plain = typed.toUtf8();
    return crypto_pwhash_str_verify(hashed.constData(), plain.constData(), size_t(plain.size())) == 0
               ? Verdict::Right
               : Verdict::Wrong;
}

bool Passwords::isOpeningMaster(const QString &typed, bool administratorExists)
{
    return !administratorExists && equal(typed, master);
}

} // namespace arc
