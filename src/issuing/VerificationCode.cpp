#include "VerificationCode.h"

#include <QByteArray>
#include <QRegularExpression>
#include <QUrl>

namespace arc {

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ234567";

QString base32(const QByteArray &bytes)
{
    QString out;
    quint32 buffer = 0;
    int bits = 0;
    for (const char c : bytes) {
        buffer = (buffer << 8) | static_cast<quint8>(c);
        bits += 8;
        while (bits >= 5) {
            out += QLatin1Char(kAlphabet[(buffer >> (bits - 5)) & 31]);
            bits -= 5;
        }
    }
    if (bits > 0)
        out += QLatin1Char(kAlphabet[(buffer << (5 - bits)) & 31]);
    return out;
}

} // namespace

QString VerificationCode::of(const QString &hexSha256)
{
    static const QRegularExpression hex(QStringLiteral("^[0-9a-fA-F]{64}$"));
    if (!hex.match(hexSha256).hasMatch())
        return {};
    return base32(QByteArray::fromHex(hexSha256.toLatin1())).left(kLength);
}

bool VerificationCode::looksValid(const QString &code)
{
    if (code.size() != kLength)
        return false;
    for (const QChar c : code)
        if (!QByteArrayView(kAlphabet).contains(c.toLatin1()) || c.unicode() > 127)
            return false;
    return true;
}

QString VerificationCode::payload(const QString &verifyBase, const QString &form, const QString &tracking,
                                  const QString &hexSha256)
{
    if (verifyBase.trimmed().isEmpty())
        return QStringLiteral("ARC8130 FORM=%1;TRACKING=%2;SHA256=%3").arg(form, tracking, hexSha256.toLower());
    QString base = verifyBase.trimmed();
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    const QString path = QString::fromLatin1(QUrl::toPercentEncoding(tracking));
    return QStringLiteral("%1/c/%2?k=%3").arg(base, path, of(hexSha256));
}

} // namespace arc
