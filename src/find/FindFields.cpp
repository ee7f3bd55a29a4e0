#include "FindFields.h"

#include "CertificateFields.h"

#include <stdexcept>

namespace arc {

const std::array<FindField, kFindBoxes> &findFields()
{
    static const std::array<FindField, kFindBoxes> fields = [] {
        std::array<FindField, kFindBoxes> out{};
        std::array<bool, kFindBoxes> placed{};
        for (const CertificateField &f : CertificateFields::all()) {
            if (f.findOrder < 0)
                continue;
            const auto at = static_cast<std::size_t>(f.findOrder);
            if (at >= kFindBoxes || placed[at])
                throw std::logic_error("the field table places two find boxes alike or beyond the twelfth");
            placed[at] = true;
            out[at] = {f.findLabel, f.table == StoredTable::Header ? "Header" : "Detail", f.column,
                       f.kind == FieldKind::Date, f.findLimit};
        }
        for (bool p : placed)
            if (!p)
                throw std::logic_error("the field table leaves a find box without a field");
        return out;
    }();
    return fields;
}

} // namespace arc
