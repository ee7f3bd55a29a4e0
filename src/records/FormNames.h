#pragma once

#include <QString>
#include <QStringList>
#include <algorithm>

namespace arc::FormNames {

// The forms a certificate can be printed as, by the names stored with it.
inline const QString kFaa = QStringLiteral("FAA Form 8130-3");
inline const QString kEasaMaintenance = QStringLiteral("EASA Form 1 (maintenance)");
inline const QString kEasaProduction = QStringLiteral("EASA Form 1 (production)");
inline const QString kUkMaintenance = QStringLiteral("UK CAA Form 1 (maintenance)");
inline const QString kUkProduction = QStringLiteral("UK CAA Form 1 (production)");

inline const QStringList &all()
{
    static const QStringList names = {kFaa, kEasaMaintenance, kEasaProduction, kUkMaintenance, kUkProduction};
    return names;
}

// A certificate stored without a form name (every one stored before forms
// were chosen), or with one this program does not know, is an FAA form.
inline QString effective(const QString &stored)
{
    const QString name = stored.trimmed();
    return all().contains(name) ? name : kFaa;
}
inline bool isFaa(const QString &stored) { return effective(stored) == kFaa; }
inline bool isUk(const QString &stored) { return effective(stored).startsWith(QLatin1String("UK ")); }

// The forms an organisation may issue, as its Forms field keeps them: the
// names separated by "; ", in the order of all(). None kept, or none known,
// is every form.
inline QStringList allowed(const QString &stored)
{
    const QStringList kept = stored.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    QStringList out;
    for (const QString &name : all())
        if (std::any_of(kept.begin(), kept.end(), [&](const QString &k) { return k.trimmed() == name; }))
            out << name;
    return out.isEmpty() ? all() : out;
}
inline QString kept(const QStringList &names) { return names.join(QStringLiteral("; ")); }

} // namespace arc::FormNames
