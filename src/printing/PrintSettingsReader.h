#pragma once

#include "CertificatePage.h"

#include <optional>

namespace arc {

class DataFolder;
class DataView;

// Reads what printing takes from the Defaults table. Each read leaves the
// view on the first row, where the rest of the program expects it.
class PrintSettingsReader {
public:
    // User1 and Shade of the first row, IncreaseTrack of the row whose
    // Country is "Custom". A missing row or field leaves the setting off.
    static PrintSettings read(DataView &defaults);
    // Those, and the paper the organisation keeps that block 4 (`block4`)
    // names on its first line; none when it names none kept, or the
    // organisation keeps none.
    static PrintSettings read(DataFolder &folder, const QString &block4);

    // The default number of copies: Organ1 of the row the view stands on
    // (the first row when it stands on none); nullopt when null.
    static std::optional<QString> copiesDefault(DataView &defaults);
};

} // namespace arc
