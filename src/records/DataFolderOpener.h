#pragma once

#include "DataFolder.h"
#include "SetupStore.h"

namespace arc {

// How start-up came by its data folder, or why it has none.
struct [[nodiscard]] OpenedFolder {
    enum class Kind { Opened, Created, Unusable };
    Kind kind = Kind::Unusable;
    QString path;    // the folder tried, ending with "/"
    DbStatus status; // why it cannot be used
};

// Opens the data folder the set-up file names. While none is named, the
// home folder is used: its data files are made only on a true first start
// (none there yet, or a first start cut short), and the folder is recorded
// once it opens. A named folder that cannot be used stays named: it is
// never replaced by a new, empty one.
class DataFolderOpener {
public:
    static OpenedFolder open(SetupStore &setup, DataFolder &folder);
};

} // namespace arc
