#pragma once

#include <QString>
#include <functional>

namespace arc {

// How a long operation tells how far it is: the step it is on, how many of
// its rows are done and how many there are (0 when not known). The
// receiver answers false to ask for a stop; an operation that can stop
// without leaving anything half-done then rolls back and reports
// DbCondition::Cancelled, one that cannot carries on. An empty Progress
// is told nothing.
class Progress {
public:
    using Report = std::function<bool(const QString &step, qint64 done, qint64 total)>;

    Progress() = default;
    explicit Progress(Report report) : m_report(std::move(report)) {}

    // True to go on.
    bool operator()(const QString &step, qint64 done, qint64 total) const
    {
        return !m_report || m_report(step, done, total);
    }
    explicit operator bool() const { return static_cast<bool>(m_report); }

private:
    Report m_report;
};

} // namespace arc
