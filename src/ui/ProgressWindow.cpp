#include "ProgressWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLocale>
#include <QProgressDialog>
#include <algorithm>

namespace arc {

namespace {

// Without Cancel, neither Escape nor the window's close button hides the
// dialog or asks the operation to stop: it runs to its end in sight.
class UnstoppableDialog : public QProgressDialog {
public:
    using QProgressDialog::QProgressDialog;

protected:
    void reject() override {}
    void closeEvent(QCloseEvent *event) override { event->ignore(); }
};

std::unique_ptr<QProgressDialog> dialogFor(QWidget *parent, ProgressWindow::Stop stop)
{
    if (stop == ProgressWindow::Stop::NotAllowed)
        return std::make_unique<UnstoppableDialog>(parent);
    return std::make_unique<QProgressDialog>(parent);
}

} // namespace

ProgressWindow::ProgressWindow(QWidget *parent, const QString &title, Stop stop)
    : m_dialog(dialogFor(parent, stop))
{
    m_dialog->setObjectName(QStringLiteral("ProgressWindow"));
    m_dialog->setWindowTitle(title);
    m_dialog->setWindowModality(Qt::WindowModal);
    m_dialog->setMinimumDuration(1000);
    m_dialog->setAutoReset(false);
    m_dialog->setAutoClose(false);
    m_dialog->setMinimumWidth(360);
    if (stop == Stop::NotAllowed)
        m_dialog->setCancelButton(nullptr);
    m_dialog->setValue(0);
}

ProgressWindow::~ProgressWindow() = default;

Progress ProgressWindow::progress()
{
    return Progress([this](const QString &step, qint64 done, qint64 total) { return report(step, done, total); });
}

bool ProgressWindow::cancelled() const { return m_dialog->wasCanceled(); }

bool ProgressWindow::report(const QString &step, qint64 done, qint64 total)
{
    const QLocale locale;
    // QProgressDialog counts in int; large counts are shown as parts of a thousand.
    const bool scaled = total > 0;
    m_dialog->setMaximum(scaled ? 1000 : 0);
    // A step without a count is shown as the step alone.
    m_dialog->setLabelText(total > 0  ? QStringLiteral("%1\n%2 of %3").arg(step, locale.toString(done), locale.toString(total))
                           : done > 0 ? QStringLiteral("%1\n%2").arg(step, locale.toString(done))
                                      : step);
    m_dialog->setValue(scaled ? static_cast<int>(std::min<qint64>(1000, done * 1000 / total)) : 0);
    QCoreApplication::processEvents();
    return !m_dialog->wasCanceled();
}

} // namespace arc
