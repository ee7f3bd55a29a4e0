#pragma once

#include "DbStatus.h"
#include "Progress.h"

#include <QStringList>

namespace arc {

// What a conversion did, for the user: rows per table, widened fields,
// anything the current layout does not know.
struct [[nodiscard]] ConversionReport {
    enum class Outcome { Converted, NothingToConvert, Failed };
    Outcome outcome = Outcome::NothingToConvert;
    DbStatus status;   // why it failed
    QStringList lines; // the summary
};

// Brings a data folder kept by the earlier Access-based program into the
// current format, in place: the Access data files are read with mdbtools,
// written under temporary names beside them, checked, and only then the
// originals are moved, unchanged, into "access-originals/" and the new
// files into their names. Any failure leaves the folder as it was.
// Before the first file is moved, the folder records which files are being
// swapped (DataFolder::kConversionRecord); a run cut short after that is
// finished by the next conversion of the folder.
class LegacyConverter {
public:
    static inline const QString kOriginals = QStringLiteral("access-originals");

    // Whether `file` is an Access (Jet or ACE) database.
    static bool isAccessFile(const QString &file);
    // Whether the data folder `folder` (ending with "/") holds a data file
    // in the Access format.
    static bool holdsAccessFiles(const QString &folder);

    // `progress` is told each step and the rows written; a stop it asks
    // for while the new files are being written discards them (Cancelled),
    // once files are being moved the conversion goes on to its end.
    static ConversionReport convert(const QString &folder, const Progress &progress = {});

    // Writes the Access data files of `folder`, converted, into the folder
    // `into` under their own names; `folder` is only read. The other data
    // file, when it is not in the Access format, is not copied.
    static ConversionReport convertInto(const QString &folder, const QString &into, const Progress &progress = {});

    // Whether a conversion of `folder` was cut short after it began to
    // move files: the folder then holds converted files not yet in place.
    static bool wasCutShort(const QString &folder);
    // Puts the converted files of such a run into place; a folder with
    // nothing cut short is left alone (NothingToConvert).
    static ConversionReport finishCutShort(const QString &folder, const Progress &progress = {});
};

} // namespace arc
