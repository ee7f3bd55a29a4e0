#pragma once

#include "Progress.h"

#include <QString>
#include <cstdio>

namespace arc {

// The line a command shows on its standard error while it works, when that
// is a terminal: the step, the percent done and the rows so far, written
// over itself. To a file or a pipe it writes nothing, so logs hold only
// what the command reports at its end.
class ProgressLine {
public:
    explicit ProgressLine(std::FILE *to = stderr);
    ~ProgressLine();
    ProgressLine(const ProgressLine &) = delete;
    ProgressLine &operator=(const ProgressLine &) = delete;

    // Never asks for a stop: a command is stopped with Ctrl+C.
    Progress progress();

private:
    void show(const QString &step, qint64 done, qint64 total);

    std::FILE *m_to;
    bool m_terminal;
    bool m_shown = false;
    QString m_lastStep;
    qint64 m_lastPercent = -1;
};

} // namespace arc
