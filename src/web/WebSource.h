#pragma once

#include "Database.h"

#include <QByteArray>
#include <QString>

namespace arc {

// The data source the verification page reads, opened only to read: a data
// folder's files opened read-only, a server database with statements that
// change nothing (give it a role that may only read). A source that went
// away is closed and opened again by a later request.
class WebSource {
public:
    // A folder ending with "/" or a server URI.
    explicit WebSource(QString source);

    const QString &source() const { return m_source; }
    bool isServer() const { return m_server; }

    // Open, or still there; the failure otherwise, and it stays closed
    // until a later call finds it back.
    DbStatus ready();
    // Closed after a failure met while reading, to be opened again.
    void lost();

    Database &certificates() { return m_certificates; }

    // A file the source keeps beside its data ("Issued/NAME.pdf",
    // "Keys/authority.pem"), at most `maxBytes`; ItemNotFound when it has
    // none of that name.
    DbStatus file(const QString &name, qint64 maxBytes, QByteArray &content);

private:
    DbStatus open();
    bool stillThere() const;

    QString m_source;
    bool m_server = false;
    Database m_certificates;
    Database m_reference; // a server's Files table
};

} // namespace arc
