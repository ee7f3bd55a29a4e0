#pragma once

#include "DataView.h"

#include <QList>
#include <QMetaType>
#include <QStringList>
#include <optional>

namespace arc {

struct OrganizationEntry {
    QString name, address1, address2, address3, certificateNum, jaaNum;
    // Block 1 of the EASA forms ("EASA", or the authority and its country)
    // and of the UK forms ("CAA"); the forms it may issue (FormNames).
    QString easaAuthority, easaCountry, ukAuthority, forms;
    QString ukNum; // the UK CAA approval
    // The paper its certificates print on: "Letter", "A4", or empty for
    // the form's own.
    QString paperSize;
};
struct AgentEntry {
    QString name, password, approvalNumber;
    qint64 rowId = 0; // the signatory's own row
};
struct ForwarderEntry {
    QString name;
    QStringList info; // FHInfo1 to FHInfo4
    qint64 rowId = 0; // the house's own row; 0 for the placeholder
};
struct CountryEntry {
    QString name;
    bool bilateral = false;
    bool jaa = false;
    qint64 rowId = 0; // the country's own row; 0 for the fixed entries
};

// The lists the screens pick from, each entry with its details. Rows with
// a null name are left out; details that are null read as "".
namespace ReferenceLists {

inline const QString kFreightForwarderEntry = QStringLiteral(" Freight Forwarder");
inline const QString kCountryEntry = QStringLiteral(" Country");
inline const QString kManualCountryEntry = QStringLiteral("<Manually enter country>");

QStringList partNumbers(DataView &parts);                     // table order
QList<OrganizationEntry> organizations(DataView &orgs);       // sorted by name
// The organisation block 4 names on its first line, as choosing one writes
// it; the last of that name in the sorted list.
std::optional<OrganizationEntry> namedIn(DataView &orgs, const QString &block4);
QList<AgentEntry> agents(DataView &agents);                   // table order
QList<CountryEntry> countries(DataView &countries);           // table order, every named one
QList<ForwarderEntry> forwarders(DataView &houses);           // fixed entry, then sorted
// The export destinations for the first item's status: bilateral countries
// for new parts, JAA members otherwise; after the two fixed entries, sorted.
QList<CountryEntry> exportCountries(DataView &countries, const QString &firstStatus);

// The order list boxes keep: by text, ignoring case.
bool sortsBefore(const QString &a, const QString &b);

} // namespace ReferenceLists
} // namespace arc

Q_DECLARE_METATYPE(arc::OrganizationEntry)
Q_DECLARE_METATYPE(arc::AgentEntry)
Q_DECLARE_METATYPE(arc::ForwarderEntry)
Q_DECLARE_METATYPE(arc::CountryEntry)
