#include "SignaturesOf.h"

#include "DataFolder.h"
#include "FolderSignatures.h"
#include "TableSignatures.h"

namespace arc {

std::unique_ptr<SignatureStore> signaturesOf(DataFolder &source)
{
    if (DataFolder::isServer(source.path()))
        return std::make_unique<TableSignatures>(source.reference());
    return std::make_unique<FolderSignatures>(source.path());
}

} // namespace arc
