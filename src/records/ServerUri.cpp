#include "ServerUri.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QUrl>

namespace arc {

namespace {

struct ServerUriTexts {
    Q_DECLARE_TR_FUNCTIONS(ServerUri)
};

QString decoded(const QString &part) { return QUrl::fromPercentEncoding(part.toUtf8()); }

bool setPort(ServerUri &uri, const QString &text, QString &error)
{
    bool ok = false;
    const int port = text.toInt(&ok);
    if (!ok || port <= 0 || port > 65535) {
        // Not quoted: a password holding "/" or "?" is cut up into the port.
        error = ServerUriTexts::tr("the port is not a number from 1 to 65535");
        return false;
    }
    uri.port = port;
    return true;
}

QString quotedOption(const QString &value)
{
    QString v = value;
    v.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('\''), QStringLiteral("\\'"));
    return QLatin1Char('\'') + v + QLatin1Char('\'');
}

} // namespace

bool ServerUri::isUri(const QString &text)
{
    return text.startsWith(QLatin1String("postgresql://"), Qt::CaseInsensitive)
           || text.startsWith(QLatin1String("postgres://"), Qt::CaseInsensitive);
}

std::optional<ServerUri> ServerUri::parse(const QString &text, QString *errorOut)
{
    QString error;
    const auto fail = [&](const QString &why) {
        if (errorOut)
            *errorOut = why;
        return std::nullopt;
    };
    const QString t = text.trimmed();
    if (!isUri(t))
        return fail(ServerUriTexts::tr("a server address begins with postgresql://"));
    QString rest = t.mid(t.indexOf(QLatin1String("://")) + 3);
    QString query;
    if (const qsizetype q = rest.indexOf(QLatin1Char('?')); q >= 0) {
        query = rest.mid(q + 1);
        rest.truncate(q);
    }
    ServerUri uri;
    if (const qsizetype slash = rest.indexOf(QLatin1Char('/')); slash >= 0) {
        uri.dbname = decoded(rest.mid(slash + 1));
        rest.truncate(slash);
    }
    if (const qsizetype at = rest.lastIndexOf(QLatin1Char('@')); at >= 0) {
        const QString userInfo = rest.left(at);
        rest = rest.mid(at + 1);
        const qsizetype colon = userInfo.indexOf(QLatin1Char(':'));
        uri.user = decoded(colon < 0 ? userInfo : userInfo.left(colon));
        if (colon >= 0)
            uri.password = decoded(userInfo.mid(colon + 1));
    }
    // host[:port]; an IPv6 address stands in brackets.
    QString portText;
    if (rest.startsWith(QLatin1Char('['))) {
        const qsizetype close = rest.indexOf(QLatin1Char(']'));
        if (close < 0)
            return fail(ServerUriTexts::tr("an IPv6 address lacks its closing \"]\""));
        uri.host = rest.mid(1, close - 1);
        const QString after = rest.mid(close + 1);
        if (after.startsWith(QLatin1Char(':')))
            portText = after.mid(1);
        else if (!after.isEmpty())
            return fail(ServerUriTexts::tr("unexpected text after the host's closing \"]\""));
    } else {
        const qsizetype colon = rest.lastIndexOf(QLatin1Char(':'));
        uri.host = decoded(colon < 0 ? rest : rest.left(colon));
        if (colon >= 0)
            portText = rest.mid(colon + 1);
    }
    if (!portText.isEmpty() && !setPort(uri, portText, error))
        return fail(error);
    if (!query.isEmpty()) {
        for (const QString &pair : query.split(QLatin1Char('&'), Qt::SkipEmptyParts)) {
            const qsizetype eq = pair.indexOf(QLatin1Char('='));
            if (eq <= 0)
                // Not quoted: it may be the rest of a password holding "&".
                return fail(ServerUriTexts::tr("a parameter has no value (each is written name=value)"));
            const QString key = decoded(pair.left(eq));
            const QString value = decoded(pair.mid(eq + 1));
            if (key == QLatin1String("host"))
                uri.host = value;
            else if (key == QLatin1String("port")) {
                if (!setPort(uri, value, error))
                    return fail(error);
            } else if (key == QLatin1String("user"))
                uri.user = value;
            else if (key == QLatin1String("password"))
                uri.password = value;
            else if (key == QLatin1String("dbname"))
                uri.dbname = value;
            else
                uri.options.append({key, value});
        }
    }
    return uri;
}

QString ServerUri::connectOptions() const
{
    QStringList out;
    for (const auto &[key, value] : options)
        out << key + QLatin1Char('=') + quotedOption(value);
    // QPSQL joins its options with ";" and hands them to libpq.
    return out.join(QLatin1Char(';'));
}

QString ServerUri::display() const
{
    QString out = QStringLiteral("postgresql://");
    if (!user.isEmpty())
        out += user + QLatin1Char('@');
    const bool socket = host.startsWith(QLatin1Char('/'));
    if (!socket)
        out += host.contains(QLatin1Char(':')) ? QLatin1Char('[') + host + QLatin1Char(']') : host;
    if (port && !socket)
        out += QLatin1Char(':') + QString::number(port);
    out += QLatin1Char('/') + dbname;
    if (socket)
        out += QStringLiteral("?host=%1").arg(host) + (port ? QStringLiteral("&port=%1").arg(port) : QString());
    return out;
}

QString ServerUri::withoutPassword(const QString &source)
{
    if (!isUri(source.trimmed()))
        return source;
    if (const std::optional<ServerUri> uri = parse(source))
        return uri->display();
    // Malformed: the password may hold any of the separators, so everything
    // before the last "@" but the user goes, and the parameters from the
    // password on.
    const QString t = source.trimmed();
    const qsizetype start = t.indexOf(QLatin1String("://")) + 3;
    QString user;
    QString rest = t.mid(start);
    if (const qsizetype at = rest.lastIndexOf(QLatin1Char('@')); at >= 0) {
        const qsizetype end = rest.indexOf(QRegularExpression(QStringLiteral("[:/?]")));
        user = rest.left(end >= 0 && end < at ? end : at);
        rest = rest.mid(at + 1);
    }
    if (const qsizetype secret = rest.indexOf(QLatin1String("password"), 0, Qt::CaseInsensitive); secret >= 0) {
        rest.truncate(secret);
        while (rest.endsWith(QLatin1Char('&')) || rest.endsWith(QLatin1Char('?')))
            rest.chop(1);
    }
    return t.left(start) + (user.isEmpty() ? QString() : user + QLatin1Char('@')) + rest;
}

void ServerUri::configure(QSqlDatabase &db) const
{
    db.setHostName(host);
    if (port)
        db.setPort(port);
    db.setUserName(user);
    db.setPassword(password);
    db.setDatabaseName(dbname);
    db.setConnectOptions(connectOptions());
}

} // namespace arc
