#include "WebOptions.h"

#include "DataFolder.h"

#include <QCoreApplication>

namespace arc {

namespace {

struct OptionTexts {
    Q_DECLARE_TR_FUNCTIONS(WebOptions)
};

// "127.0.0.1:8130", "[::1]:8130"; port 0 takes any free one.
bool parseListen(const QString &text, QHostAddress &address, quint16 &port)
{
    const qsizetype colon = text.lastIndexOf(QLatin1Char(':'));
    if (colon <= 0)
        return false;
    QString host = text.left(colon);
    if (host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']')))
        host = host.mid(1, host.size() - 2);
    bool ok = false;
    const uint number = text.mid(colon + 1).toUInt(&ok);
    if (!ok || number > 65535 || !address.setAddress(host))
        return false;
    port = quint16(number);
    return true;
}

} // namespace

QString WebOptions::usage() { return OptionTexts::tr("usage: arc8130-web DATASOURCE [--listen ADDRESS:PORT]"); }

std::optional<WebOptions> WebOptions::parse(const QStringList &arguments, QString *error)
{
    WebOptions o;
    bool haveSource = false;
    const auto fail = [&](const QString &why) {
        if (error)
            *error = why;
        return std::nullopt;
    };
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments[i];
        if (a == QLatin1String("--listen")) {
            if (i + 1 >= arguments.size() || !parseListen(arguments[i + 1], o.address, o.port))
                return fail(OptionTexts::tr("--listen needs an address and a port, such as 127.0.0.1:8130"));
            ++i;
        } else if (a.startsWith(QLatin1String("-"))) {
            return fail(OptionTexts::tr("unknown option %1").arg(a));
        } else if (haveSource) {
            return fail(OptionTexts::tr("only one data source can be served"));
        } else {
            o.source = DataFolder::sourceFromArgument(a);
            haveSource = true;
        }
    }
    if (!haveSource)
        return fail(OptionTexts::tr("no data source given"));
    return o;
}

} // namespace arc
