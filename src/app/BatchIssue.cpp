#include "BatchIssue.h"

#include "BatchCopies.h"
#include "BatchDialog.h"
#include "CertificateOnScreen.h"
#include "CertificateScreen.h"
#include "DataFolder.h"
#include "EntryBox.h"
#include "EntryLimit.h"
#include "FolderMessages.h"
#include "GivenText.h"
#include "IssueCommand.h"
#include "IssueRuns.h"
#include "ItemGridModel.h"
#include "MessageBoxes.h"
#include "PrintCommand.h"
#include "PrintPrompts.h"
#include "ProgressWindow.h"
#include "SignIn.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QSpinBox>
#include <algorithm>

namespace arc {

namespace {

struct BatchIssueTexts {
    Q_DECLARE_TR_FUNCTIONS(arc::BatchIssue)
};

QString batchTitle() { return BatchIssueTexts::tr("Issue for serial numbers"); }

Message notice(const QString &text, Message::Icon icon = Message::Icon::Exclamation)
{
    return {text, batchTitle(), Message::Buttons::Ok, icon, Message::Answer::Ok};
}

// Said of a run whose pages go out without a digital signature.
QString unsignedNote(const QString &why)
{
    return why.isEmpty() ? QString()
                         : QCoreApplication::translate("BatchIssue", "\nTheir pages are not digitally signed: %1.").arg(why);
}

} // namespace

BatchIssue::BatchIssue(CertificateOnScreen &certificate, CertificateScreen &screen, ItemGridModel &grid,
                       DataFolder &folder, SignIn &signIn, IssueCommand &issue, PrintCommand &print,
                       MessageBoxes &messages, QWidget *window)
    : QObject(window), m_certificate(certificate), m_screen(screen), m_grid(grid), m_folder(folder), m_signIn(signIn),
      m_issue(issue), m_print(print), m_messages(messages), m_window(window)
{
    m_choose = [this](const QString &defaultFirst) -> std::optional<Choice> {
        BatchDialog dialog(defaultFirst, m_window);
        connect(dialog.first, &EntryBox::refused, &dialog,
                [this](const QString &box, int limit) { m_messages.ask(EntryLimit::refusal(box, limit)); });
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return Choice{dialog.first->text().trimmed(), dialog.count->value()};
    };
    m_chooseFile = [this] {
        return QFileDialog::getExistingDirectory(m_window, tr("The folder for the certificates' PDF files"));
    };
}

void BatchIssue::run()
{
    if (!FolderMessages::ensureOpen(m_folder, m_messages) || !FolderMessages::ensureReachable(m_folder, m_messages))
        return;
    const ItemSlots &lines = m_grid.lines();
    if (lineAt(lines, 0).isEmptyLine() || !lineAt(lines, 1).isEmptyLine()) {
        m_messages.ask(notice(BatchIssueTexts::tr("Issue for serial numbers takes a certificate with one item line, a "
                                             "serialised part.")));
        return;
    }
    // 1. The check, before any copy is stored.
    if (!m_issue.checkRun())
        return;
    QString first = lineAt(lines, 0).serialNum.trimmed();
    QStringList serials;
    while (serials.isEmpty()) {
        const std::optional<Choice> choice = m_choose(first);
        if (!choice)
            return;
        first = choice->first;
        // Never cut to fit: a number cut short is another part's.
        if (const int limit = BatchDialog::serialLimit(); limit > 0 && first.size() > limit) {
            m_messages.ask(notice(tr("The serial number \"%1\" is %2 characters long; a serial number holds at most %3.")
                                      .arg(GivenText::quoted(first))
                                      .arg(first.size())
                                      .arg(limit)));
            continue;
        }
        serials = BatchCopies::serials(first, std::clamp(choice->count, BatchCopies::kFewest, BatchCopies::kMost));
        if (serials.isEmpty())
            m_messages.ask(notice(BatchIssueTexts::tr("The serial number \"%1\" holds no digits to count up.")
                                      .arg(GivenText::quoted(first))));
    }

    // 2. Saved: one copy per serial number, all or none.
    BatchCopies::Result r;
    {
        // Stopping rolls the whole run back, so Cancel is offered.
        ProgressWindow progress(m_window, batchTitle(), ProgressWindow::Stop::Allowed);
        r = BatchCopies::store(m_folder, m_screen.entries(lines), serials, progress.progress());
    }
    if (r.status.is(DbCondition::Cancelled)) {
        m_messages.ask(notice(BatchIssueTexts::tr("Stopped: no certificate was stored and no number used."),
                              Message::Icon::Information));
        return;
    }
    if (!r.status.ok()) {
        m_messages.ask(notice(BatchIssueTexts::tr("No certificate was stored and no number used: %1").arg(r.status.detail()),
                              Message::Icon::Critical));
        return;
    }
    // The screen keeps the certificate it shows, and the arrows step from it.
    if (m_certificate.newFormFlag() == 0)
        (void)m_folder.header().moveToRow(m_certificate.currentFormIndex());
    const Message::Answer answer = m_messages.ask(
        {BatchIssueTexts::tr("%1 certificates stored, %2 to %3, serial numbers %4 to %5.")
                 .arg(r.keys.size())
                 .arg(r.trackings.first(), r.trackings.last(), serials.first(), serials.last())
             + unsignedNote(m_signIn.keyState().unsignedWhy()),
         batchTitle(), Message::Buttons::WritePdfPrintClose, Message::Icon::Information, Message::Answer::Close});
    if (answer == Message::Answer::Print) {
        deliver(r.keys, QString());
    } else if (answer == Message::Answer::WritePdf) {
        if (const QString path = m_chooseFile(); !path.isEmpty())
            deliver(r.keys, path);
    }
}

bool BatchIssue::finish(const IssueRun &run, const QString &folder) { return deliver(run.keys, folder, &run); }

bool BatchIssue::deliver(const std::vector<qint64> &keys, const QString &folder, const IssueRun *resumed)
{
    if (folder.isEmpty() && !m_print.hasPrinter()) {
        // Printing into nothing would lose the pages without a word.
        if (m_messages.ask(PrintPrompts::noPrinter()) != Message::Answer::Yes)
            return false;
        const QString chosen = m_chooseFile();
        return !chosen.isEmpty() && m_issue.issueRun(keys, chosen, resumed);
    }
    return m_issue.issueRun(keys, folder, resumed);
}

} // namespace arc
