#pragma once

#include <QFile>

namespace arc::bench {

namespace detail {
// A line of /proc/self/status in megabytes (0 where the system does not
// tell it).
inline double statusMegabytes(const QByteArray &field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine())
        if (line.startsWith(field))
            return line.mid(field.size()).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}
} // namespace detail

// The process's resident memory now, in megabytes.
inline double residentMegabytes() { return detail::statusMegabytes("VmRSS:"); }

// The most the process has held resident since the peak was last forgotten
// (forgetPeak), in megabytes.
inline double peakMegabytes() { return detail::statusMegabytes("VmHWM:"); }
inline void forgetPeak()
{
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5");
}

} // namespace arc::bench
