#include "RateLimit.h"

namespace arc {

namespace {
constexpr qint64 kWindowMs = 60 * 1000;
// Above so many addresses, the idle ones are swept out at once.
constexpr qsizetype kSweepAbove = 4096;
} // namespace

bool RateLimit::admit(const QString &address, qint64 nowMs)
{
    if (m_seen.size() > kSweepAbove || nowMs - m_lastSweep > kWindowMs)
        forgetIdle(nowMs);
    std::deque<qint64> &times = m_seen[address];
    while (!times.empty() && nowMs - times.front() >= kWindowMs)
        times.pop_front();
    if (static_cast<qint64>(times.size()) >= m_perMinute)
        return false;
    times.push_back(nowMs);
    return true;
}

void RateLimit::forgetIdle(qint64 nowMs)
{
    m_lastSweep = nowMs;
    for (auto it = m_seen.begin(); it != m_seen.end();) {
        if (it->empty() || nowMs - it->back() >= kWindowMs)
            it = m_seen.erase(it);
        else
            ++it;
    }
}

} // namespace arc
