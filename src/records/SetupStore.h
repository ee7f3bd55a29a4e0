#pragma once

#include "DataView.h"
#include "Database.h"
#include "ProgramFolders.h"

#include <memory>
#include <optional>

namespace arc {

// setupARC.mdb: where the data folder is. Read from the program's folder
// when it is there; when that folder cannot be written, what is written
// goes to a copy in the per-user folder, which is read from then on.
class SetupStore {
public:
    DbStatus open(const ProgramFolders &folders);
    bool isOpen() const { return m_db.isOpen(); }
    // The file in use.
    QString filePath() const { return m_db.filePath(); }

    // The stored data folder, always ending with "/"; nullopt when null or
    // empty text.
    std::optional<QString> dataPath(DbStatus *status = nullptr);
    // Store a data folder (nullopt stores null). Too long a path is refused
    // as FieldTooSmall and the old value stays.
    DbStatus setDataPath(const std::optional<QString> &path);

    // The read-only standby this workstation reads from (a server's URI),
    // empty when none; stored as null when empty.
    QString replicaUri(DbStatus *status = nullptr);
    DbStatus setReplicaUri(const QString &uri);

    // Where the data files go while no data folder is chosen, ending with "/".
    QString homeFolder() const;

    Database &database() { return m_db; }

    // Make a set-up file with its one row in `folder`, under a temporary name
    // moved into place only when complete.
    static DbStatus create(const QString &folder);

private:
    DbStatus openFile(const QString &filePath, Database::Mode mode);
    DbStatus moveToPerUserFolder();
    DbStatus setField(const QString &field, const QVariant &value);

    ProgramFolders m_folders;
    Database m_db;
    std::unique_ptr<DataView> m_setup;
};

} // namespace arc
