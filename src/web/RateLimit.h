#pragma once

#include <QHash>
#include <QString>
#include <deque>

namespace arc {

// At most so many requests a minute from one address; those over it are
// refused and not counted. The addresses kept are bounded: one whose
// requests all lie over a minute back is forgotten.
class RateLimit {
public:
    explicit RateLimit(int perMinute = 30) : m_perMinute(perMinute) {}

    // Whether a request from `address` at `nowMs` (a steady clock's
    // milliseconds) may be answered.
    bool admit(const QString &address, qint64 nowMs);

private:
    void forgetIdle(qint64 nowMs);

    int m_perMinute;
    QHash<QString, std::deque<qint64>> m_seen;
    qint64 m_lastSweep = 0;
};

} // namespace arc
