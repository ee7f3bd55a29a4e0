#include "AccessConversion.h"

#include "BusyPointer.h"
#include "LegacyConverter.h"
#include "MessageBoxes.h"

#include <QDir>

namespace arc::AccessConversion {

namespace {

// Runs a conversion step under the busy pointer and shows its report;
// whether the folder now holds converted data.
template <typename Step> bool reported(MessageBoxes &messages, Step step)
{
    ConversionReport report;
    {
        BusyPointer busy;
        report = step();
    }
    const bool converted = report.outcome == ConversionReport::Outcome::Converted;
    messages.ask({report.lines.join(QLatin1Char('\n')), QStringLiteral("Data folder"), Message::Buttons::Ok,
                  converted ? Message::Icon::Information : Message::Icon::Critical});
    return converted;
}

} // namespace

bool offer(const QString &folder, MessageBoxes &messages)
{
    if (!LegacyConverter::holdsAccessFiles(folder))
        return false;
    const QString where = QDir::toNativeSeparators(folder);
    const Message question{
        QStringLiteral("The data folder %1 holds data files of the earlier Access-based program.\nConvert them now? "
                       "The originals will be kept, unchanged, in %2.")
            .arg(where, QDir::toNativeSeparators(folder + LegacyConverter::kOriginals + QLatin1Char('/'))),
        QStringLiteral("Data folder"), Message::Buttons::YesNo, Message::Icon::Question, Message::Answer::Yes};
    if (messages.ask(question) != Message::Answer::Yes)
        return false;
    return reported(messages, [&] { return LegacyConverter::convert(folder); });
}

void finishCutShort(const QString &folder, MessageBoxes &messages)
{
    if (!LegacyConverter::wasCutShort(folder))
        return;
    reported(messages, [&] { return LegacyConverter::finishCutShort(folder); });
}

} // namespace arc::AccessConversion
