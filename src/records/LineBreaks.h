#pragma once

#include <QString>

namespace arc::LineBreaks {

// Stored texts break lines with CR LF; boxes on screen with "\n".
inline QString toScreen(QString stored)
{
    return stored.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}
inline QString toStored(QString screen)
{
    screen.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return screen.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

} // namespace arc::LineBreaks
