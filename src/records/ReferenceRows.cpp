#include "ReferenceRows.h"

#include "Database.h"

#include <utility>

namespace arc::ReferenceRows {

namespace {

using Values = QList<std::pair<QString, QVariant>>;

RowWritten store(DataView &view, qint64 rowId, const Values &values)
{
    const bool adding = rowId == 0;
    DbStatus s = adding ? view.addNew() : view.moveToRow(rowId);
    if (s.ok() && !adding)
        s = view.hasRow() ? view.edit() : DbStatus::failure(DbCondition::RecordGone, view.table().name);
    if (s.ok()) {
        for (const auto &[field, value] : values)
            view.setValue(field, value);
        s = view.update();
    }
    if (!s.ok()) {
        view.cancelUpdate();
        return {s, rowId};
    }
    return {s, adding ? view.lastAddedRowId() : rowId};
}

} // namespace

RowWritten storeCountry(DataView &countries, qint64 rowId, const CountryEntry &country)
{
    return store(countries, rowId,
                 {{"Country", country.name}, {"Bilateral", country.bilateral}, {"JAA", country.jaa}});
}

RowWritten storeForwarder(DataView &houses, qint64 rowId, const ForwarderEntry &house)
{
    return store(houses, rowId,
                 {{"ForwardHouse", house.name},
                  {"FHInfo1", house.info.value(0)},
                  {"FHInfo2", house.info.value(1)},
                  {"FHInfo3", house.info.value(2)},
                  {"FHInfo4", house.info.value(3)}});
}

RowWritten storePart(DataView &parts, qint64 rowId, const PartRow &part)
{
    return store(parts, rowId,
                 {{"PartNumber", part.number},
                  {"Description", part.description},
                  {"PMA_PartNumber", part.pma},
                  {"VI", part.vi},
                  {"REL_DWG", part.relDwg},
                  {"Eligibility", part.eligibility},
                  {"S1", part.stamps[0]},
                  {"S2", part.stamps[1]},
                  {"S3", part.stamps[2]}});
}

RowWritten storeSignatory(DataView &agents, qint64 rowId, const SignatoryRow &signatory)
{
    Values values{{"ApprovalNumber", signatory.approvalNumber},
                  {"Password", signatory.password},
                  {"Administrator", signatory.administrator},
                  {"UseElectronic", signatory.useElectronic},
                  {"ElectronicSign", signatory.electronicSign}};
    if (!signatory.name.isEmpty())
        values.prepend({QStringLiteral("Name"), signatory.name});
    return store(agents, rowId, values);
}

bool partStored(const DataView &parts, const QString &number)
{
    return parts.database()
        .scalar(QStringLiteral("SELECT 1 FROM \"PartNumbers\" WHERE \"PartNumber\" = ?"), {number})
        .isValid();
}

DbStatus remove(DataView &view, qint64 rowId)
{
    DbStatus s = view.moveToRow(rowId);
    if (!s.ok())
        return s;
    if (!view.hasRow())
        s = DbStatus::failure(DbCondition::RecordGone, view.table().name);
    else if (s = view.deleteCurrent(); !s.ok())
        return s;
    // The row is gone either way; a view that cannot be read again says so at its next move.
    (void)view.refresh();
    return s;
}

} // namespace arc::ReferenceRows
