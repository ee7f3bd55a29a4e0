#include "Schema.h"

#include "CertificateFields.h"

#include <algorithm>

namespace arc {

namespace {

constexpr int kLongText = StoredLength::kLong;
constexpr int kPlainText = StoredLength::kPlain;

FieldDef text(const char *name, int length = kPlainText) { return {name, FieldType::Text, length}; }
FieldDef yesNo(const char *name) { return {name, FieldType::YesNo, 0}; }
FieldDef number(const char *name) { return {name, FieldType::Number, 0}; }
FieldDef date(const char *name) { return {name, FieldType::Date, 0}; }

// The stored definition of a certificate field.
FieldDef stored(const CertificateField &f)
{
    switch (f.kind) {
    case FieldKind::Flag: return yesNo(f.column);
    case FieldKind::Date: return date(f.column);
    default: return text(f.column, f.storedLength);
    }
}

// A column that stores what certificate field `column` of `table` does,
// as the defaults of new certificates hold it.
FieldDef likeField(StoredTable table, const char *column)
{
    const CertificateField *f = CertificateFields::byColumn(table, QLatin1String(column));
    Q_ASSERT(f);
    return stored(*f);
}

FieldDef header(const char *column) { return likeField(StoredTable::Header, column); }
FieldDef detail(const char *column) { return likeField(StoredTable::Detail, column); }

// The certificate fields of `table` that the store keeps a copy of `how`.
QStringList copiesOf(StoredTable table, SearchCopy how)
{
    QStringList out;
    for (const CertificateField *f : CertificateFields::of(table))
        if (f->searchCopy == how)
            out << QLatin1String(f->column);
    return out;
}

// A certificate table: its key, then the fields of the table of
// certificate fields stored in it, in their order.
TableDef certificateTable(StoredTable which)
{
    const bool header = which == StoredTable::Header;
    TableDef t{header ? QStringLiteral("Header") : QStringLiteral("Detail"),
               {{"FormIndex", header ? FieldType::Counter : FieldType::Long, 0}},
               header ? QString() : QStringLiteral("FormIndex")};
    for (const CertificateField *f : CertificateFields::of(which))
        t.fields.push_back(stored(*f));
    return t;
}

// Where several boxes edit one field, the field takes the largest of their
// limits, so that no box can type more than its field stores.
const std::vector<TableDef> &setupTables()
{
    static const std::vector<TableDef> t = {
        {"Setup",
         {text("DataPath"),
          // Version 9: the read-only standby this workstation reads from.
          text("ReplicaUri")},
         {}},
    };
    return t;
}

const std::vector<TableDef> &certificateTables()
{
    static const std::vector<TableDef> t = {
        certificateTable(StoredTable::Header),
        certificateTable(StoredTable::Detail),
        {"Defaults",
         {header("Country"), header("Organ1"), header("Organ2"), header("Tracking"), number("IncreaseTrack"),
          header("Invoice"), number("IncreaseInv"), text("Batch", 30), number("IncreaseBatch"), detail("Description"),
          detail("PartNum"), detail("Status"), text("Eligibility", 50), header("Remarks"), header("Name17"),
          header("AuthNum"), header("Name22"), header("CertNum"), number("Shade"), text("User1"),
          // Version 8: the set-up asks for a digital signature on every
          // PDF, for every workstation of the data source.
          yesNo("RequireSignature"),
          // Version 9, the verification page: whether it links to the
          // signed PDF as kept.
          yesNo("VerifyOffersPdf"),

          // Version 9, time stamps: the address of the time-stamp service
          // every signature is stamped by, for every workstation.
          text("TsaUrl"),

          // Version 9, the QR code on issued pages: the verification
          // address it leads to; none gives the plain text code.
          text("VerifyBaseUrl"),
          // Version 10, the idle lock: minutes without input before the
          // sign-in panel covers the window; null for 15, 0 for never.
          number("IdleLockMinutes")},
         {}},
        // Version 4: a row for each page issued with a signature, naming
        // its archived PDF and the hashes that tell whether it was altered.
        {"IssueLog",
         {{"FormIndex", FieldType::Long, 0},
          text("Tracking", 15),
          text("IssuedAt", 20), // UTC, ISO 8601: 2026-12-05T14:03:09Z
          text("Signatory", 50),
          {"Copies", FieldType::Long, 0},
          text("PdfFile"),
          text("PdfSha256", 64),
          text("ContentSha256", 64),
          // Version 8: what the check before printing found and the user
          // printed anyway, one finding a line.
          text("Findings", kLongText)},
         "FormIndex"},
        // Version 8: the certificate each correction corrects; it is
        // superseded once the correction is issued.
        {"Corrections", {{"FormIndex", FieldType::Long, 0}, {"Corrects", FieldType::Long, 0}}, "Corrects"},
        // Version 8: a run of copies issued together (Issue for serial
        // numbers) as one unit, from its first page issued until all are,
        // so that a run cut off is found and finished or left.
        {"IssueRuns",
         {{"RunIndex", FieldType::Counter, 0},
          text("FirstTracking", 15),
          {"Size", FieldType::Long, 0},
          text("Signatory", 50),
          text("StartedAt", 20),     // UTC, ISO 8601
          text("Copies", kLongText), // the certificates' keys in order, separated by spaces
          text("Holder", 40),        // names the lock its issuing program holds
          text("Ended", 20)},        // null while being issued: "issued" or "left"
         {}},
        // Version 8: the tracking numbers taken and never stored, with
        // when, where, by whom and why; and those taken that a certificate
        // on screen holds until it is stored.
        {"NumberVoids",
         {text("Tracking", 15), text("VoidedAt", 20), text("Workstation", 64), text("UserName", 50), text("Reason")},
         "Tracking"},
        {"TakenNumbers",
         {text("Tracking", 15),
          text("TakenAt", 20),
          text("Workstation", 64),
          text("UserName", 50),
          {"Process", FieldType::Long, 0}},
         "Tracking"},
    };
    return t;
}

const std::vector<TableDef> &referenceTables()
{
    static const std::vector<TableDef> t = {
        {"PartNumbers",
         {text("PartNumber", 30),
          text("Description", 50),
          text("PMA_PartNumber", 20),
          text("VI", 3),
          text("REL_DWG", 3),
          // Takes a whole stamp text when left empty on saving a part.
          text("Eligibility", kPlainText),
          text("S1", 3),
          text("S2", 3),
          text("S3", 3)},
         "PartNumber"},
        {"Agents",
         {text("Name", 50),
          text("Password"), // a hash in libsodium's string format, longer than any typed password
          text("ApprovalNumber", 25),
          text("ElectronicSign"),
          yesNo("UseElectronic"),
          yesNo("Administrator")},
         {}},
        {"Organizations",
         {text("Organization"),
          text("Address1"),
          text("Address2"),
          text("Address3"),
          text("CertificateNum", 25),
          text("JAANum", 25),
          // Version 7: block 1 of the EASA and UK forms, and the forms the
          // organisation's approvals let it issue (empty: every form).
          text("EasaAuthority", 50),
          text("EasaCountry", 50),
          text("UkAuthority", 50),
          text("Forms", kPlainText),
          // Version 8: the UK CAA approval, printed in 14c of the UK forms
          // as JAANum is on the EASA forms.
          text("UkNum", 25),
          // Version 10: the paper its certificates print on, "Letter" or
          // "A4"; empty: as the form (Letter for the FAA form, A4 else).
          text("PaperSize", 10)},
         {}},
        {"Countries", {text("Country", 50), yesNo("Bilateral"), yesNo("JAA")}, {}},
        {"ForwardingHouses",
         {text("ForwardHouse", 50),
          text("FHInfo1", 50),
          text("FHInfo2", 50),
          text("FHInfo3", 50),
          text("FHInfo4", 50)},
         {}},
        {"Stamps", {text("StampNumber", 3), text("StampText")}, "StampNumber"},
        // Version 6: the fixed texts of block 12, kept by the shop.
        {"Statements", {text("Name", 50), text("Text", kLongText), text("Source", kLongText)}, "Name"},
        // Version 10: a signatory's request for a signing certificate,
        // awaiting an administrator's approval: by his row, with the name
        // and approval number it was made for and its PKCS#10 request (PEM).
        {"CertificateRequests",
         {{"Agent", FieldType::Long, 0},
          text("Name", 50),
          text("ApprovalNumber", 25),
          text("Request", kLongText),
          text("RequestedAt", 20)},
         "Agent"},
    };
    return t;
}

} // namespace

const FieldDef *TableDef::field(const QString &fieldName) const
{
    auto it = std::find_if(fields.begin(), fields.end(), [&](const FieldDef &f) {
        return f.name.compare(fieldName, Qt::CaseInsensitive) == 0;
    });
    return it == fields.end() ? nullptr : &*it;
}

bool TableDef::hasCounter() const { return !counterField().isEmpty(); }

QString TableDef::counterField() const
{
    for (const auto &f : fields)
        if (f.type == FieldType::Counter)
            return f.name;
    return {};
}

namespace Schema {

QString fileName(StoreKind kind)
{
    switch (kind) {
    case StoreKind::Setup: return QStringLiteral("setupARC.mdb");
    case StoreKind::Certificates: return QStringLiteral("VELLORAN.MDB");
    case StoreKind::Reference: return QStringLiteral("VELLORANA.MDB");
    }
    return {};
}

const std::vector<Change> &changes()
{
    static const std::vector<Change> c = {
        {2, StoreKind::Reference, QStringLiteral("PartNumbers")}, // Eligibility widened to a stamp text
        {3, StoreKind::Reference, QStringLiteral("Agents")}, // Password widened to hold a hash
    };
    return c;
}

const std::vector<Addition> &additions()
{
    static const std::vector<Addition> a = {
        {4, StoreKind::Certificates, QStringLiteral("IssueLog")},
        {6, StoreKind::Reference, QStringLiteral("Statements")},
        {8, StoreKind::Certificates, QStringLiteral("Corrections")},
        {8, StoreKind::Certificates, QStringLiteral("IssueRuns")},
        {8, StoreKind::Certificates, QStringLiteral("NumberVoids")},
        {8, StoreKind::Certificates, QStringLiteral("TakenNumbers")},
        {10, StoreKind::Reference, QStringLiteral("CertificateRequests")},
    };
    return a;
}

bool isAddition(const QString &table)
{
    return std::any_of(additions().begin(), additions().end(),
                       [&](const Addition &a) { return a.table.compare(table, Qt::CaseInsensitive) == 0; });
}

const std::vector<AddedField> &addedFields()
{
    static const std::vector<AddedField> a = [] {
        std::vector<AddedField> out = {
            {7, StoreKind::Reference, QStringLiteral("Organizations"), QStringLiteral("EasaAuthority")},
            {7, StoreKind::Reference, QStringLiteral("Organizations"), QStringLiteral("EasaCountry")},
            {7, StoreKind::Reference, QStringLiteral("Organizations"), QStringLiteral("UkAuthority")},
            {7, StoreKind::Reference, QStringLiteral("Organizations"), QStringLiteral("Forms")},
            {8, StoreKind::Certificates, QStringLiteral("IssueLog"), QStringLiteral("Findings")},
            {8, StoreKind::Certificates, QStringLiteral("Defaults"), QStringLiteral("RequireSignature")},
            {8, StoreKind::Reference, QStringLiteral("Organizations"), QStringLiteral("UkNum")},
            // Version 9, the verification page: whether it links to the signed PDF.
            {9, StoreKind::Certificates, QStringLiteral("Defaults"), QStringLiteral("VerifyOffersPdf")},
            // Version 9, readers on a standby: the standby's address, kept per workstation.
            {9, StoreKind::Setup, QStringLiteral("Setup"), QStringLiteral("ReplicaUri")},
            // Version 9, time stamps: the time-stamp service's address.
            {9, StoreKind::Certificates, QStringLiteral("Defaults"), QStringLiteral("TsaUrl")},
            // Version 9, the QR code on issued pages.
            {9, StoreKind::Certificates, QStringLiteral("Defaults"), QStringLiteral("VerifyBaseUrl")},
            // Version 10, paper size: the paper of each organisation's certificates.
            {10, StoreKind::Reference, QStringLiteral("Organizations"), QStringLiteral("PaperSize")},
            // Version 10, the idle lock.
            {10, StoreKind::Certificates, QStringLiteral("Defaults"), QStringLiteral("IdleLockMinutes")},
        };
        // The certificate fields say themselves which version added them.
        for (const CertificateField &f : CertificateFields::all())
            if (f.addedIn > 0)
                out.push_back({f.addedIn, StoreKind::Certificates,
                               f.table == StoredTable::Header ? QStringLiteral("Header") : QStringLiteral("Detail"),
                               QLatin1String(f.column)});
        return out;
    }();
    return a;
}

bool isAddedField(const QString &table, const QString &field)
{
    return std::any_of(addedFields().begin(), addedFields().end(), [&](const AddedField &a) {
        return a.table.compare(table, Qt::CaseInsensitive) == 0 && a.field.compare(field, Qt::CaseInsensitive) == 0;
    });
}

const std::vector<FoldTable> &foldTables(StoreKind kind)
{
    // Indexed where a search by the beginning of a number is common, with
    // the certificate key so that the index alone answers it. The signature
    // dates sit beside the signatories' names, each name indexed with each
    // date, so that a signatory's period is read from the indexes alone.
    static const std::vector<FoldTable> certificates = {
        {QStringLiteral("HeaderFold"),
         QStringLiteral("Header"),
         QStringLiteral("FormIndex"),
         copiesOf(StoredTable::Header, SearchCopy::AsIs),
         copiesOf(StoredTable::Header, SearchCopy::Folded),
         {{"Tracking"},
          {"Invoice"},
          {"Name17", "Date18"},
          {"Name17", "Date23"},
          {"Name22", "Date18"},
          {"Name22", "Date23"}}},
        {QStringLiteral("DetailFold"),
         QStringLiteral("Detail"),
         QStringLiteral("Line"),
         QStringList{QStringLiteral("FormIndex")} + copiesOf(StoredTable::Detail, SearchCopy::AsIs),
         copiesOf(StoredTable::Detail, SearchCopy::Folded),
         {{"PartNum", "FormIndex"}, {"SerialNum", "FormIndex"}, {"FormIndex", "Status"}}},
    };
    static const std::vector<FoldTable> none;
    return kind == StoreKind::Certificates ? certificates : none;
}

const FoldTable *foldTableOf(const QString &source)
{
    for (const FoldTable &fold : foldTables(StoreKind::Certificates))
        if (fold.source == source)
            return &fold;
    return nullptr;
}

const std::vector<SourceIndex> &searchIndexes(StoreKind kind)
{
    // The signature dates: found by day, counted by period. The tracking
    // number as every save looks it up, so a save need not read them all.
    // The issue log's tracking number, as the verification page finds it.
    static const std::vector<SourceIndex> certificates = {
        {"Header", "Date18"}, {"Header", "Date23"}, {"Header", "Tracking", true}, {"IssueLog", "Tracking"}};
    static const std::vector<SourceIndex> none;
    return kind == StoreKind::Certificates ? certificates : none;
}

const std::vector<ListOrder> &listOrders(StoreKind kind)
{
    // As the list shows them, without regard to case: the tracking number;
    // the day, of 13e else 14e; block 4's first line, well enough from the
    // beginning of its text, as the line break sorts before any letter.
    static const std::vector<ListOrder> certificates = {
        // Version 10.
        {QStringLiteral("tracking"), QStringLiteral("coalesce(lower(trim(\"Tracking\")), '')")},
        // Version 10.
        {QStringLiteral("day"), QStringLiteral("coalesce(nullif(substr(\"Date18\", 1, 10), ''), substr(\"Date23\", 1, 10), '')")},
        // Version 10.
        {QStringLiteral("organization"), QStringLiteral("coalesce(lower(trim(substr(\"Organ1\", 1, 60))), '')")},
    };
    static const std::vector<ListOrder> none;
    return kind == StoreKind::Certificates ? certificates : none;
}

const std::vector<TableDef> &tables(StoreKind kind)
{
    switch (kind) {
    case StoreKind::Setup: return setupTables();
    case StoreKind::Certificates: return certificateTables();
    case StoreKind::Reference: return referenceTables();
    }
    return setupTables();
}

const std::vector<TableDef> &serverOnlyTables(StoreKind kind)
{
    static const std::vector<TableDef> reference = {
        {"Files", {{"FileName", FieldType::Text, kPlainText}, {"Content", FieldType::Blob, 0}}, "FileName"},
    };
    static const std::vector<TableDef> none;
    return kind == StoreKind::Reference ? reference : none;
}

const TableDef *table(const QString &name)
{
    for (auto kind : {StoreKind::Setup, StoreKind::Certificates, StoreKind::Reference})
        for (const auto &t : tables(kind))
            if (t.name.compare(name, Qt::CaseInsensitive) == 0)
                return &t;
    return nullptr;
}

} // namespace Schema
} // namespace arc
