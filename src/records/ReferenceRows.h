#pragma once

#include "DataView.h"
#include "ReferenceLists.h"

#include <array>

namespace arc {

// What storing a reference row did, and which row it wrote.
struct [[nodiscard]] RowWritten {
    DbStatus status;
    qint64 rowId = 0; // the row written; a new row's key when one was added

    bool ok() const { return status.ok(); }
};

// A catalogue part as the parts panel stores it.
struct PartRow {
    QString number, description, pma, vi, relDwg, eligibility;
    std::array<QString, 3> stamps;
};

// A signatory as the signatories panel stores it.
struct SignatoryRow {
    QString name; // an empty name leaves the stored one
    QString approvalNumber;
    QString password; // as stored: a hash, or the stored text kept
    bool administrator = false;
    bool useElectronic = false;
    QVariant electronicSign; // the bitmap's file name
};

// The writes of the reference panels, through the window's cursor over
// each table so that later reads see them at once. A row key of 0 adds a
// row; any other key changes that row, and gives RecordGone when the row is
// no longer stored. A failed write leaves the cursor with nothing pending.
namespace ReferenceRows {

[[nodiscard]] RowWritten storeCountry(DataView &countries, qint64 rowId, const CountryEntry &country);
[[nodiscard]] RowWritten storeForwarder(DataView &houses, qint64 rowId, const ForwarderEntry &house);
[[nodiscard]] RowWritten storePart(DataView &parts, qint64 rowId, const PartRow &part);
[[nodiscard]] RowWritten storeSignatory(DataView &agents, qint64 rowId, const SignatoryRow &signatory);

// Whether a part with exactly this number is in the catalogue; a failed
// look-up counts as not stored.
bool partStored(const DataView &parts, const QString &number);

// Delete the row and read the table again. A row that is already gone
// gives RecordGone.
[[nodiscard]] DbStatus remove(DataView &view, qint64 rowId);

} // namespace ReferenceRows
} // namespace arc
