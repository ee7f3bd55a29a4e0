#include "ArchiveOf.h"

#include "DataFolder.h"
#include "FolderArchive.h"
#include "TableArchive.h"

namespace arc {

std::unique_ptr<IssueArchive> archiveOf(DataFolder &source)
{
    if (DataFolder::isServer(source.path()))
        return std::make_unique<TableArchive>(source.reference());
    return std::make_unique<FolderArchive>(source.path());
}

} // namespace arc
