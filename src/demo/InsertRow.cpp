#include "InsertRow.h"

#include "DataView.h"

namespace arc {

DbStatus insertRow(DataView &view, const FieldValues &values, qint64 *key)
{
    DbStatus s = view.addNew();
    if (!s.ok())
        return s;
    // The key is only known while the row is being added.
    if (key)
        *key = view.newKey().toLongLong();
    for (const auto &[field, value] : values)
        view.setValue(field, value);
    s = view.update();
    if (!s.ok() && view.isEditing())
        view.cancelUpdate();
    return s;
}

} // namespace arc
