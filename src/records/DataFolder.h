#pragma once

#include "DataView.h"
#include "Database.h"
#include "ReaderRoute.h"

#include <memory>

namespace arc {

// The two data files of a data folder, open, with one cursor per table.
// A data source may instead be a PostgreSQL database named by its URI,
// which holds the tables of both files.
class DataFolder {
public:
    DataFolder();
    ~DataFolder();

    // Open VELLORAN.MDB, then VELLORANA.MDB, in `path` (ending with "/").
    // The first failure is returned; nothing is created.
    DbStatus open(const QString &path);
    void close();
    bool isOpen() const { return m_open; }
    const QString &path() const { return m_path; }

    // Make the data files `path` lacks, with their tables and the one
    // Defaults row a fresh installation starts from. Each is built under a
    // temporary name; they are moved into place when both are complete,
    // the certificates file last, so a folder with VELLORAN.MDB is whole.
    static DbStatus create(const QString &path);
    // Whether `path` holds no data folder yet: no certificates file, and no
    // reference file but one that a creation cut short left behind. A folder
    // whose conversion from the earlier program's files is under way (this
    // record is there) never is: its ".new" files hold the converted data.
    static bool isUnstarted(const QString &path);
    static inline const QString kConversionRecord = QStringLiteral("access-conversion.progress");
    // A server's two connections, made again where they were lost;
    // ConnectionLost while the server cannot be reached. A folder's files
    // need nothing.
    DbStatus ensureConnected();
    // Whether a data source names a server database rather than a folder.
    static bool isServer(const QString &source);
    // A data source as typed on a command line: a server URI as given, a
    // folder made absolute and ending with "/".
    static QString sourceFromArgument(const QString &argument);

    Database &certificates() { return m_certificates; }
    Database &reference() { return m_reference; }
    // Where what only reads certificates reads from: a standby when one is
    // set and fit, else the certificates' own connection. Its standby is
    // kept when the data source changes.
    ReaderRoute &reads() { return m_reads; }

    DataView &header() { return *m_header; }
    DataView &detail() { return *m_detail; }
    DataView &defaults() { return *m_defaults; }
    DataView &parts() { return *m_parts; }
    DataView &agents() { return *m_agents; }
    DataView &organizations() { return *m_organizations; }
    DataView &countries() { return *m_countries; }
    DataView &forwarders() { return *m_forwarders; }

private:
    QString m_path;
    bool m_open = false;
    Database m_certificates;
    Database m_reference;
    ReaderRoute m_reads{m_certificates};
    std::unique_ptr<DataView> m_header, m_detail, m_defaults;
    std::unique_ptr<DataView> m_parts, m_agents, m_organizations, m_countries, m_forwarders;
};

} // namespace arc
