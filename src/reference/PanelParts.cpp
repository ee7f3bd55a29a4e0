#include "PanelParts.h"

#include "ReferenceLists.h"

namespace arc::PanelParts {

int sortedPosition(const QComboBox *list, const QString &name)
{
    int at = 0;
    while (at < list->count() && !ReferenceLists::sortsBefore(name, list->itemText(at)))
        ++at;
    return at;
}

} // namespace arc::PanelParts
