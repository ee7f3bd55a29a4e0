#include "AccessConversion.h"

#include "BusyPointer.h"
#include "LegacyConverter.h"
#include "MessageBoxes.h"
#include "ProgressWindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>

namespace arc::AccessConversion {

namespace {

struct AccessConversionTexts {
    Q_DECLARE_TR_FUNCTIONS(arc::AccessConversion)
};

// Runs a conversion step under the progress dialog and shows its report;
// whether the folder now holds converted data. A stop the user asked for
// is no failure: the folder is as it was.
template <typename Step> bool reported(MessageBoxes &messages, ProgressWindow::Stop stop, Step step)
{
    ConversionReport report;
    {
        BusyPointer busy;
        ProgressWindow progress(QApplication::activeWindow(), AccessConversionTexts::tr("Converting the data folder"),
                                stop);
        report = step(progress.progress());
    }
    const bool converted = report.outcome == ConversionReport::Outcome::Converted;
    const bool stopped = report.status.condition() == DbCondition::Cancelled;
    messages.ask({report.lines.join(QLatin1Char('\n')), MessageTexts::tr("Data folder"), Message::Buttons::Ok,
                  converted || stopped ? Message::Icon::Information : Message::Icon::Critical});
    return converted;
}

} // namespace

bool offer(const QString &folder, MessageBoxes &messages)
{
    if (!LegacyConverter::holdsAccessFiles(folder))
        return false;
    const QString where = QDir::toNativeSeparators(folder);
    const Message question{
        MessageTexts::tr("The data folder %1 holds data files of the earlier Access-based program.\nConvert them now? "
                         "The originals will be kept, unchanged, in %2.")
            .arg(where, QDir::toNativeSeparators(folder + LegacyConverter::kOriginals + QLatin1Char('/'))),
        MessageTexts::tr("Data folder"), Message::Buttons::YesNo, Message::Icon::Question, Message::Answer::Yes};
    if (messages.ask(question) != Message::Answer::Yes)
        return false;
    // Until the files are moved, a stop discards what was written.
    return reported(messages, ProgressWindow::Stop::Allowed,
                    [&](const Progress &progress) { return LegacyConverter::convert(folder, progress); });
}

void finishCutShort(const QString &folder, MessageBoxes &messages)
{
    if (!LegacyConverter::wasCutShort(folder))
        return;
    reported(messages, ProgressWindow::Stop::NotAllowed,
             [&](const Progress &progress) { return LegacyConverter::finishCutShort(folder, progress); });
}

} // namespace arc::AccessConversion
