#include "CheckBeforePrint.h"

#include "PrintPrompts.h"

namespace arc::CheckBeforePrint {

QList<Finding> gathered(const QList<Finding> &found, const QStringList &cutTitles)
{
    QList<Finding> all = found;
    for (const QString &title : cutTitles)
        all << Finding{Finding::Kind::TextCut, PrintPrompts::cutFinding(title)};
    return FindingKinds::ordered(all);
}

std::optional<QStringList> passed(MessageBoxes &messages, const QList<Finding> &findings, bool issuing)
{
    const QList<Finding> shown = FindingKinds::ordered(findings);
    if (shown.isEmpty())
        return QStringList();
    const QStringList lines = FindingKinds::texts(shown);
    if (const qsizetype blocking = FindingKinds::blockingCount(shown); issuing && blocking > 0) {
        messages.ask(PrintPrompts::checkRefused(lines, blocking));
        return std::nullopt;
    }
    if (messages.ask(PrintPrompts::checkFindings(lines)) != Message::Answer::Yes)
        return std::nullopt;
    return lines;
}

} // namespace arc::CheckBeforePrint
