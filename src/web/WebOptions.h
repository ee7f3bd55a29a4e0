#pragma once

#include <QHostAddress>
#include <QStringList>
#include <optional>

namespace arc {

// What arc8130-web was told on its command line:
//   arc8130-web DATASOURCE [--listen ADDRESS:PORT]
struct WebOptions {
    QString source; // a folder ending with "/" or a server URI
    QHostAddress address = QHostAddress::LocalHost;
    quint16 port = 8130;

    static QString usage();
    // nullopt with `error` set for anything it does not understand.
    static std::optional<WebOptions> parse(const QStringList &arguments, QString *error);
};

} // namespace arc
