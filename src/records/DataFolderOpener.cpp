#include "DataFolderOpener.h"

#include <QDir>

namespace arc {

OpenedFolder DataFolderOpener::open(SetupStore &setup, DataFolder &folder)
{
    OpenedFolder r;
    const std::optional<QString> stored = setup.dataPath();
    r.path = stored.value_or(setup.homeFolder());
    if (stored && !DataFolder::isServer(*stored) && QDir::isRelativePath(*stored)) {
        // A relative path would depend on where the program was started.
        r.status = DbStatus::failure(DbCondition::InvalidPath, *stored);
        return r;
    }
    bool created = false;
    if (!stored && DataFolder::isUnstarted(r.path)) {
        QDir().mkpath(r.path);
        if (r.status = DataFolder::create(r.path); !r.status.ok())
            return r;
        created = true;
    }
    if (r.status = folder.open(r.path); !r.status.ok()) {
        folder.close();
        return r;
    }
    // Unrecorded, the home folder is found again at the next start.
    if (!stored)
        (void)setup.setDataPath(r.path);
    r.kind = created ? OpenedFolder::Kind::Created : OpenedFolder::Kind::Opened;
    return r;
}

} // namespace arc
