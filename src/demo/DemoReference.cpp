#include "DemoReference.h"

#include "DemoSignature.h"

#include "DataFolder.h"
#include "InsertRow.h"
#include "Passwords.h"
#include "WriteTransaction.h"

namespace arc {

namespace {

QString u(const char *text) { return QString::fromUtf8(text); }

// Empty strings in the lists below stand for fields left null.
QVariant field(const char *text) { return *text ? QVariant(u(text)) : QVariant(); }

constexpr DemoReference::Organization kOrganizations[] = {
    {"Northfield Aero Components", "1200 Hangar Road", "Wichita, KS 67209", "USA", "NFAR512K", "EASA.145.4821"},
    {"Bayline Propeller Overhaul", "48 Marina Drive, Suite 3", "Tampa, FL 33607", "USA", "BPOR207Y",
     "EASA.145.3377"},
    {"Cedar Ridge Avionics", "9 Industrial Park Lane", "Boise, ID 83705", "USA", "CRAR884J", "EASA.145.5610"},
    {"Summit Landing Gear Works", "310 Runway Way", "Mesa, AZ 85215", "USA", "SLGR431C", "EASA.145.2094"},
};

// The first signatory runs the program's own settings.
constexpr DemoReference::Agent kAgents[] = {
    {"John A. Carter", "carter1", "NFAR512K"},
    {"Maria L. Ortiz", "ortiz22", "PMA-PQ1187"},
    {"Dale P. Whitman", "whit3", "CRAR884J"},
};

constexpr DemoReference::Part kParts[] = {
    {"NF3321-04", "BRAKE ASSEMBLY, MAIN WHEEL", "NF3321-04P", "Y", "N", "Single-engine piston, 4 seat", "A1", "B2",
     ""},
    {"NF1180-12", "FUEL SELECTOR VALVE", "NF1180-12P", "Y", "Y", "Single-engine piston, all", "A1", "", ""},
    {"BP-7702-3", "PROPELLER GOVERNOR", "", "N", "N", "Light twin piston", "B2", "E5", ""},
    {"BP-7710-1", "PROPELLER HUB ASSEMBLY", "", "N", "Y", "Light twin piston", "B2", "E5", "D4"},
    {"CR-510-200", "VHF COMM TRANSCEIVER", "", "N", "N", "Any aircraft, 14 or 28 V", "B2", "C3", ""},
    {"CR-620-015", "ALTITUDE ENCODER", "CR620-015P", "Y", "N", "Any aircraft, 28 V", "A1", "C3", ""},
    {"SL-4401-7", "NOSE GEAR ACTUATOR", "", "N", "Y", "Turboprop twin, 9 seat", "B2", "D4", ""},
    {"SL-4410-2", "MAIN GEAR DOWNLOCK LINK", "SL4410-2P", "Y", "Y", "Turboprop twin, 9 seat", "A1", "D4", ""},
    {"NF2205-01", "OIL COOLER", "NF2205-01P", "Y", "N", "Single-engine piston, all", "A1", "C3", "D4"},
};

constexpr DemoReference::Stamp kStamps[] = {
    {"A1", "Parts manufactured under parts manufacturer approval."},
    {"B2", "Inspected and tested in accordance with the current component maintenance manual."},
    {"C3", "Shelf life: not applicable."},
    {"D4", "Contains no life-limited parts."},
    {"E5", "All life-limited parts replaced at overhaul; records on file."},
};

constexpr DemoReference::Country kCountries[] = {
    {"Canada", true, false},        {"Germany", true, true},  {"France", true, true},
    {"Brazil", true, false},        {"Netherlands", false, true}, {"Japan", true, false},
    {"United Kingdom", true, true}, {"Portugal", false, true},
};

constexpr DemoReference::Forwarder kForwarders[] = {
    {"Pelican Air Cargo Forwarding", "Building 7, Cargo Road", "Miami, FL 33122", "Tel. 305 555 0142",
     "Ref. export desk"},
    {"Transmeridian Shipping Agents", "220 Port Avenue", "Newark, NJ 07114", "Tel. 973 555 0190", ""},
    {"Bluegate Freight Services", "15 Airfreight Circle", "Dallas, TX 75261", "Tel. 972 555 0117",
     "Attn. aviation parts"},
};

DbStatus storeOrganizations(DataView &v)
{
    for (const auto &o : kOrganizations)
        if (DbStatus s = insertRow(v, {{"Organization", field(o.name)},
                                       {"Address1", field(o.address1)},
                                       {"Address2", field(o.address2)},
                                       {"Address3", field(o.address3)},
                                       {"CertificateNum", field(o.certificateNum)},
                                       {"JAANum", field(o.jaaNum)}});
            !s.ok())
            return s;
    return {};
}

DbStatus storeAgents(DataView &v)
{
    bool first = true;
    for (const auto &a : kAgents) {
        // As the program keeps every password: only its hash.
        const QString password = Passwords::hash(u(a.password));
        if (password.isEmpty())
            return DbStatus::failure(DbCondition::Other, QStringLiteral("a password could not be hashed"));
        if (DbStatus s = insertRow(v, {{"Name", field(a.name)},
                                       {"Password", password},
                                       {"ApprovalNumber", field(a.approvalNumber)},
                                       {"ElectronicSign", first ? DemoSignature::fileName() : QString()},
                                       {"UseElectronic", first},
                                       {"Administrator", first}});
            !s.ok())
            return s;
        first = false;
    }
    return {};
}

DbStatus storeParts(DataView &v)
{
    for (const auto &p : kParts)
        if (DbStatus s = insertRow(v, {{"PartNumber", field(p.partNumber)},
                                       {"Description", field(p.description)},
                                       {"PMA_PartNumber", field(p.pmaPartNumber)},
                                       {"VI", field(p.vi)},
                                       {"REL_DWG", field(p.relDwg)},
                                       {"Eligibility", field(p.eligibility)},
                                       {"S1", field(p.s1)},
                                       {"S2", field(p.s2)},
                                       {"S3", field(p.s3)}});
            !s.ok())
            return s;
    return {};
}

DbStatus storeStamps(DataView &v)
{
    for (const auto &st : kStamps)
        if (DbStatus s = insertRow(v, {{"StampNumber", field(st.number)}, {"StampText", field(st.text)}}); !s.ok())
            return s;
    return {};
}

DbStatus storeCountries(DataView &v)
{
    for (const auto &c : kCountries)
        if (DbStatus s = insertRow(v, {{"Country", field(c.name)}, {"Bilateral", c.bilateral}, {"JAA", c.jaa}});
            !s.ok())
            return s;
    return {};
}

DbStatus storeForwarders(DataView &v)
{
    for (const auto &f : kForwarders)
        if (DbStatus s = insertRow(v, {{"ForwardHouse", field(f.name)},
                                       {"FHInfo1", field(f.info1)},
                                       {"FHInfo2", field(f.info2)},
                                       {"FHInfo3", field(f.info3)},
                                       {"FHInfo4", field(f.info4)}});
            !s.ok())
            return s;
    return {};
}

// Fill `table` only when it has no rows, so a folder that already has its
// own lists keeps them and nothing is doubled.
template <typename Fill>
DbStatus fillIfEmpty(Database &db, const QString &table, Fill fill)
{
    DataView view(db, table);
    DbStatus s;
    const int rows = view.recordCount(&s);
    if (!s.ok() || rows > 0)
        return s;
    return fill(view);
}

DbStatus storeReferenceTables(Database &db)
{
    WriteTransaction tx(db);
    if (!tx.ok())
        return tx.status();
    DbStatus s;
    if ((s = fillIfEmpty(db, "Organizations", storeOrganizations)).ok()
        && (s = fillIfEmpty(db, "Agents", storeAgents)).ok() && (s = fillIfEmpty(db, "PartNumbers", storeParts)).ok()
        && (s = fillIfEmpty(db, "Stamps", storeStamps)).ok()
        && (s = fillIfEmpty(db, "Countries", storeCountries)).ok()
        && (s = fillIfEmpty(db, "ForwardingHouses", storeForwarders)).ok())
        return tx.commit();
    return s;
}

// The folder's own defaults and a second, blank set that starts tracking
// numbers by hand.
DbStatus storeDefaults(Database &db)
{
    DataView defaults(db, QStringLiteral("Defaults"));
    DbStatus s;
    const int rows = defaults.recordCount(&s);
    if (!s.ok())
        return s;
    if (s = defaults.moveFirst(); !s.ok())
        return s;
    // Only the row a new folder is made with: untouched, no tracking yet.
    if (rows != 1 || !defaults.value(QStringLiteral("Tracking")).isNull())
        return {};

    WriteTransaction tx(db);
    if (!tx.ok())
        return tx.status();
    if (s = defaults.edit(); !s.ok())
        return s;
    const FieldValues values = {
        {"Country", DemoReference::authority()},
        {"Organ1", QStringLiteral("1")},
        {"Tracking", QStringLiteral("000041")},
        {"IncreaseTrack", 1},
        {"Invoice", QStringLiteral("WO-1000")},
        {"IncreaseInv", 1},
        {"Batch", QStringLiteral("B-100")},
        {"IncreaseBatch", 1},
        {"Status", QStringLiteral("NEW")},
        {"Remarks", QStringLiteral("Certified parts released against the purchase order quoted above.\r\n"
                                   "Retain this tag with the part.")},
        {"Shade", 1},
        {"User1", QStringLiteral("1")},
    };
    for (const auto &[name, value] : values)
        defaults.setValue(name, value);
    if (s = defaults.update(); !s.ok())
        return s;
    s = insertRow(defaults, {{"Country", QStringLiteral("Custom")},
                             {"Organ1", QStringLiteral("1")},
                             {"IncreaseTrack", 0}});
    if (!s.ok())
        return s;
    return tx.commit();
}

} // namespace

std::span<const DemoReference::Organization> DemoReference::organizations() { return kOrganizations; }
std::span<const DemoReference::Agent> DemoReference::agents() { return kAgents; }
std::span<const DemoReference::Part> DemoReference::parts() { return kParts; }
std::span<const DemoReference::Stamp> DemoReference::stamps() { return kStamps; }
std::span<const DemoReference::Country> DemoReference::countries() { return kCountries; }
std::span<const DemoReference::Forwarder> DemoReference::forwarders() { return kForwarders; }

QString DemoReference::authority() { return QStringLiteral("FAA/United States"); }

QString DemoReference::organizationText(const Organization &o)
{
    return QStringList{u(o.name), u(o.address1), u(o.address2), u(o.address3)}.join(QStringLiteral("\r\n"));
}

DbStatus DemoReference::createFolder(const QString &dataPath, DataFolder &folder)
{
    DbStatus s = DataFolder::create(dataPath);
    if (s.ok())
        s = folder.open(dataPath);
    return s.ok() ? store(folder) : s;
}

DbStatus DemoReference::store(DataFolder &folder)
{
    DbStatus s = storeReferenceTables(folder.reference());
    if (!s.ok())
        return s;
    return storeDefaults(folder.certificates());
}

} // namespace arc
