#include "KeysOf.h"

#include "DataFolder.h"
#include "FolderKeys.h"
#include "TableKeys.h"

namespace arc {

std::unique_ptr<KeyStore> keysOf(DataFolder &source)
{
    if (DataFolder::isServer(source.path()))
        return std::make_unique<TableKeys>(source.reference());
    return std::make_unique<FolderKeys>(source.path());
}

} // namespace arc
