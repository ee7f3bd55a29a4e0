#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <ostream>

// Failures print texts as texts, not as bytes.
inline void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QStringList &l, std::ostream *os) { *os << '[' << l.join(", ").toStdString() << ']'; }
inline void PrintTo(const std::optional<QString> &s, std::ostream *os)
{
    if (s)
        PrintTo(*s, os);
    else
        *os << "null";
}
