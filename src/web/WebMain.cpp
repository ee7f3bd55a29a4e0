#include "WebMain.h"

#include "ServerUri.h"
#include "VerificationServer.h"
#include "WebOptions.h"

#include <QCoreApplication>
#include <QTextStream>

namespace arc {

namespace {

struct MainTexts {
    Q_DECLARE_TR_FUNCTIONS(WebMain)
};

} // namespace

int webMain(QCoreApplication &app)
{
    QTextStream out(stdout), err(stderr);
    QStringList arguments = app.arguments();
    arguments.removeFirst();
    if (arguments.contains(QStringLiteral("--help"))) {
        out << WebOptions::usage() << '\n';
        return 0;
    }
    QString error;
    const std::optional<WebOptions> options = WebOptions::parse(arguments, &error);
    if (!options) {
        err << error << '\n' << WebOptions::usage() << '\n';
        return 2;
    }
    const QString shown = ServerUri::withoutPassword(options->source);
    VerificationServer server(options->source);
    // Told at once when the source cannot be read; served anyway, as the
    // page says "unavailable" until it can.
    WebSource probe(options->source);
    if (const DbStatus s = probe.ready(); !s.ok())
        err << MainTexts::tr("arc8130-web: the data source %1 cannot be read now: %2").arg(shown, s.detail()) << '\n';
    probe.lost();
    const quint16 port = server.start(options->address, options->port, &error);
    if (port == 0) {
        err << MainTexts::tr("arc8130-web: cannot listen on %1:%2: %3").arg(options->address.toString()).arg(options->port).arg(error)
            << '\n';
        return 1;
    }
    const QString host = options->address.protocol() == QAbstractSocket::IPv6Protocol
                             ? QStringLiteral("[%1]").arg(options->address.toString())
                             : options->address.toString();
    out << MainTexts::tr("arc8130-web: serving %1 on http://%2:%3/").arg(shown, host).arg(port) << '\n';
    out.flush();
    return app.exec();
}

} // namespace arc
