#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <optional>

class QSqlDatabase;

namespace arc {

// A PostgreSQL connection URI read as libpq reads it:
//   postgresql://[user[:password]@][host][:port][/dbname][?param=value&...]
// Percent-escapes are decoded; query parameters override the parts before
// them (`?host=/run/sock&port=5433` for a Unix socket folder). Parameters
// other than the five named ones are passed on to the driver unchanged.
struct ServerUri {
    QString host, user, password, dbname;
    int port = 0; // 0: libpq's default
    QList<QPair<QString, QString>> options;

    // Whether a data source text names a server rather than a folder.
    static bool isUri(const QString &text);
    // nullopt when the text is not a URI of this form; `error` says why.
    static std::optional<ServerUri> parse(const QString &text, QString *error = nullptr);

    // The options in libpq's "key=value key=value" form, values quoted.
    QString connectOptions() const;
    // Sets a (not yet open) connection to reach this server.
    void configure(QSqlDatabase &db) const;
    // The URI with the password left out, for messages.
    QString display() const;
    // A data source as messages name it: a folder as it is, a server's URI
    // without its password, also when the URI is malformed.
    static QString withoutPassword(const QString &source);
};

} // namespace arc
