#include "AccessConversion.h"

#include "BusyPointer.h"
#include "LegacyConverter.h"
#include "MessageBoxes.h"

#include <QDir>

namespace arc::AccessConversion {

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
    ConversionReport report;
    {
        BusyPointer busy;
        report = LegacyConverter::convert(folder);
    }
    const bool converted = report.outcome == ConversionReport::Outcome::Converted;
    messages.ask({report.lines.join(QLatin1Char('\n')), QStringLiteral("Data folder"), Message::Buttons::Ok,
                  converted ? Message::Icon::Information : Message::Icon::Critical});
    return converted;
}

void finishCutShort(const QString &folder, MessageBoxes &messages)
{
    if (!LegacyConverter::wasCutShort(folder))
        return;
    ConversionReport report;
    {
        BusyPointer busy;
        report = LegacyConverter::finishCutShort(folder);
    }
    const bool finished = report.outcome == ConversionReport::Outcome::Converted;
    messages.ask({report.lines.join(QLatin1Char('\n')), QStringLiteral("Data folder"), Message::Buttons::Ok,
                  finished ? Message::Icon::Information : Message::Icon::Critical});
}

} // namespace arc::AccessConversion
