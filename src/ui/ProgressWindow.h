#pragma once

#include "Progress.h"

#include <QString>
#include <memory>

class QProgressDialog;
class QWidget;

namespace arc {

// The progress dialog a person sees while a long operation runs: the step
// and a count, shown only once the operation has taken a second, with a
// Cancel button when stopping leaves nothing half-done. progress() is what
// the operation is given; it keeps the window painted.
class ProgressWindow {
public:
    enum class Stop { Allowed, NotAllowed };

    ProgressWindow(QWidget *parent, const QString &title, Stop stop);
    ~ProgressWindow();
    ProgressWindow(const ProgressWindow &) = delete;
    ProgressWindow &operator=(const ProgressWindow &) = delete;

    Progress progress();
    bool cancelled() const;
    // The dialog, for tests and for screenshots.
    QProgressDialog *dialog() const { return m_dialog.get(); }

private:
    bool report(const QString &step, qint64 done, qint64 total);

    std::unique_ptr<QProgressDialog> m_dialog;
};

} // namespace arc
