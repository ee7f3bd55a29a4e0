#include "CutOffRuns.h"

#include "BatchIssue.h"
#include "DataFolder.h"
#include "MessageBoxes.h"

namespace arc {

namespace {

QString title() { return CutOffRuns::tr("Issue for serial numbers"); }

} // namespace

CutOffRuns::CutOffRuns(BatchIssue &batch, DataFolder &folder, MessageBoxes &messages,
                       QObject *parent)
    : QObject(parent), m_batch(batch), m_folder(folder), m_messages(messages)
{
}

void CutOffRuns::tell()
{
    m_chosen.clear();
    if (!m_folder.isOpen())
        return;
    IssueRuns runs(m_folder.certificates());
    DbStatus s;
    const std::vector<IssueRun> cut = runs.cutOff(&s);
    if (!s.ok()) {
        m_messages.ask({tr("Whether a run of serial numbers was left half issued could not be read: %1\nThis is "
                           "checked again the next time this data source is opened.")
                            .arg(s.detail()),
                        title(), Message::Buttons::Ok, Message::Icon::Exclamation});
        return;
    }
    for (const IssueRun &run : cut) {
        const Message::Answer answer = m_messages.ask(
            {tr("The issue of a run of serial numbers was cut off: %1.\n\nYes: once %3 has signed in, the %2 not "
                "issued are issued, signed by %3, and the pages of the whole run written or printed. No: they stay "
                "stored and unissued, and the run is not named again.")
                 .arg(run.summary())
                 .arg(run.size - run.issued)
                 .arg(run.signatory),
             title(), Message::Buttons::YesNo, Message::Icon::Question, Message::Answer::Yes});
        if (answer == Message::Answer::Yes) {
            m_chosen.push_back(run);
            continue;
        }
        if (const DbStatus left = runs.end(run, IssueRuns::Ending::Left); !left.ok())
            m_messages.ask({tr("The run could not be marked as left: %1\nIt is named again the next time this data "
                               "source is opened.")
                                .arg(left.detail()),
                            title(), Message::Buttons::Ok, Message::Icon::Exclamation});
    }
}

void CutOffRuns::finishForSignedIn()
{
    if (m_chosen.empty() || !m_who.signatory)
        return;
    const QString name = m_who.signatory->name.trimmed();
    std::vector<IssueRun> others;
    for (const IssueRun &run : std::exchange(m_chosen, {})) {
        if (run.signatory.compare(name, Qt::CaseInsensitive) != 0) {
            others.push_back(run);
            continue;
        }
        const Message::Answer answer =
            m_messages.ask({tr("The %1.\nWrite PDF or Print issues the %2 not issued, signed by you, and gives the "
                               "pages of the whole run. Close leaves the run as it is until the next opening.")
                                .arg(run.summary())
                                .arg(run.size - run.issued),
                            title(), Message::Buttons::WritePdfPrintClose, Message::Icon::Question,
                            Message::Answer::WritePdf});
        if (answer == Message::Answer::Print) {
            (void)m_batch.finish(run, QString());
        } else if (answer == Message::Answer::WritePdf) {
            if (const QString path = m_batch.chooseFile(); !path.isEmpty())
                (void)m_batch.finish(run, path);
        }
    }
    m_chosen = others;
    for (const IssueRun &run : others)
        m_messages.ask({tr("The rest of the %1 is issued once %2 signs in.").arg(run.summary(), run.signatory), title(),
                        Message::Buttons::Ok, Message::Icon::Information});
}

} // namespace arc
