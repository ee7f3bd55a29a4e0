#pragma once

#include <QByteArray>
#include <QString>
#include <algorithm>

namespace arc::Passwords {

// Opens the access panel without a signatory, and gives administrator
// rights on the signatories panel.
inline const QString master = QStringLiteral("zorp7351");

// Exact, case-sensitive comparison whose time does not depend on where the
// texts first differ.
inline bool equal(const QString &a, const QString &b)
{
    const QByteArray x = a.toUtf8();
    const QByteArray y = b.toUtf8();
    unsigned diff = unsigned(x.size() ^ y.size());
    const qsizetype n = std::max(x.size(), y.size());
    for (qsizetype i = 0; i < n; ++i)
        diff |= unsigned(uchar(i < x.size() ? x[i] : 0) ^ uchar(i < y.size() ? y[i] : 0));
    return diff == 0;
}

} // namespace arc::Passwords
