#include "TimeStampTrial.h"

#include "TimeStampService.h"
#include "TimeStamps.h"

#include <QCoreApplication>
#include <QDateTime>

namespace arc {

QString TimeStampTrial::run(const TimeStampService &service)
{
    const QByteArray sample = "ARC 8130 time-stamp test " + QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toLatin1();
    const SigningResult<QByteArray> token = TimeStamps::stamp(service, sample);
    if (!token.ok())
        return token.error().message;
    const TimeStampInfo info = TimeStamps::read(token.value(), sample);
    return QCoreApplication::translate("TimeStampTrial",
                                       "The time-stamp service %1 answered with a time stamp of %2 UTC, signed by "
                                       "%3. Signatures will carry its time stamps.")
        .arg(service.name(), info.time.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), info.authority);
}

} // namespace arc
