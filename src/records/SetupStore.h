#pragma once

#include "DataView.h"
#include "Database.h"

#include <memory>
#include <optional>

namespace arc {

// setupARC.mdb beside the program: where the data folder is.
class SetupStore {
public:
    // Open (creating on first start) the set-up file in the program's folder.
    DbStatus open(const QString &programFolder);
    bool isOpen() const { return m_db.isOpen(); }

    // The stored data folder, always ending with "/"; nullopt when null.
    std::optional<QString> dataPath(DbStatus *status = nullptr);
    // Store a data folder (nullopt stores null). Too long a path is refused
    // as FieldTooSmall and the old value stays.
    DbStatus setDataPath(const std::optional<QString> &path);

    Database &database() { return m_db; }

private:
    Database m_db;
    std::unique_ptr<DataView> m_setup;
};

} // namespace arc
