#include "ProgressLine.h"

#include <algorithm>
#include <unistd.h>

namespace arc {

ProgressLine::ProgressLine(std::FILE *to) : m_to(to), m_terminal(::isatty(::fileno(to)) == 1) {}

ProgressLine::~ProgressLine()
{
    // The report that follows starts on a line of its own.
    if (m_shown) {
        std::fputs("\r\033[K", m_to);
        std::fflush(m_to);
    }
}

Progress ProgressLine::progress()
{
    if (!m_terminal)
        return {};
    return Progress([this](const QString &step, qint64 done, qint64 total) {
        show(step, done, total);
        return true;
    });
}

void ProgressLine::show(const QString &step, qint64 done, qint64 total)
{
    const qint64 percent = total > 0 ? std::min<qint64>(100, done * 100 / total) : -1;
    // A terminal redrawn for every row would slow the work it shows.
    if (step == m_lastStep && percent == m_lastPercent && total > 0)
        return;
    m_lastStep = step;
    m_lastPercent = percent;
    const QByteArray text = step.toUtf8();
    if (total > 0)
        std::fprintf(m_to, "\r%s: %lld%% (%lld of %lld rows)\033[K", text.constData(), static_cast<long long>(percent),
                     static_cast<long long>(done), static_cast<long long>(total));
    else if (done > 0)
        std::fprintf(m_to, "\r%s: %lld rows\033[K", text.constData(), static_cast<long long>(done));
    else
        std::fprintf(m_to, "\r%s\033[K", text.constData());
    std::fflush(m_to);
    m_shown = true;
}

} // namespace arc
