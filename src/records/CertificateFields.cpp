#include "CertificateFields.h"

#include "Schema.h"

#include <QCoreApplication>
#include <algorithm>
#include <stdexcept>

namespace arc {

namespace {

using B = CertificateBlocks;

CertificateField text(const char *column, FieldKind kind, QString B::*member, int stored, int limit, const char *block,
                      const char *objectName, const char *caption, PrintedBox printed)
{
    CertificateField f;
    f.column = column;
    f.kind = kind;
    f.text = member;
    f.storedLength = stored;
    f.entryLimit = limit;
    f.block = block;
    f.objectName = objectName;
    f.caption = caption;
    f.printed = printed;
    return f;
}

CertificateField flag(const char *column, bool B::*member, const char *block, const char *objectName,
                      PrintedBox printed)
{
    CertificateField f;
    f.column = column;
    f.kind = FieldKind::Flag;
    f.flag = member;
    f.block = block;
    f.objectName = objectName;
    f.printed = printed;
    return f;
}

CertificateField date(const char *column, QString CertificateEntries::*typed, QDate CertificateHeader::*stored,
                      const char *block, const char *objectName, PrintedBox printed)
{
    CertificateField f;
    f.column = column;
    f.kind = FieldKind::Date;
    f.dateText = typed;
    f.date = stored;
    f.block = block;
    f.objectName = objectName;
    f.printed = printed;
    return f;
}

CertificateField column(const char *name, QString ItemLine::*member, int stored, int limit, const char *block,
                        PrintedBox printed)
{
    CertificateField f;
    f.table = StoredTable::Detail;
    f.column = name;
    f.kind = FieldKind::Lines;
    f.lineText = member;
    f.storedLength = stored;
    f.entryLimit = limit;
    f.block = block;
    f.printed = printed;
    return f;
}

// A field the find panel searches, in box `order`: dates as stored, texts
// by their case-folded copy.
CertificateField found(CertificateField f, int order, const char *label, int limit)
{
    f.findOrder = order;
    f.findLabel = label;
    f.findLimit = limit;
    f.searchCopy = f.kind == FieldKind::Date ? SearchCopy::AsIs : SearchCopy::Folded;
    return f;
}

// A text field that counts compare without regard to case.
CertificateField counted(CertificateField f)
{
    f.searchCopy = SearchCopy::Folded;
    return f;
}

// A field the register of certificates shows, in column `order`.
CertificateField listed(CertificateField f, int order, const char *heading, bool firstLine = false)
{
    f.inRegister = {order, heading, firstLine};
    return f;
}

// A field whose column a later version of the store added.
CertificateField since(CertificateField f, int version)
{
    f.addedIn = version;
    return f;
}

template <typename Member, typename Holds>
const CertificateField &fieldOf(Member member, Holds holds)
{
    for (const CertificateField &f : CertificateFields::all())
        if (f.*holds == member)
            return f;
    throw std::logic_error("a member of a certificate that no field of the table holds");
}

} // namespace

namespace CertificateFields {

// A box may take less than its field stores (13c and 14c take 20 of 25),
// never more. The stored layout is the store's: a length changed here is a
// change of the schema.
const std::vector<CertificateField> &all()
{
    using K = FieldKind;
    using P = PrintedBox;
    using E = CertificateEntries;
    using H = CertificateHeader;
    using StoredLength::kLong;
    using StoredLength::kPlain;
    static const std::vector<CertificateField> fields = {
        found(text("Country", K::Line, &B::country, kPlain, 0, "1", "Text38", "", P::Authority), 3,
              QT_TRANSLATE_NOOP("arc::FindPanel", "Country"), 20),
        listed(found(text("Tracking", K::Line, &B::tracking, 15, 15, "3", "Text3", "3. Form Tracking No.", P::Tracking),
                     4, QT_TRANSLATE_NOOP("arc::FindPanel", "System Tracking No."), 15),
               0, "Tracking No."),
        listed(text("Organ1", K::Lines, &B::organ1, kLong, 0, "4", "Text1", "", P::OrganisationLeft), 4, "Organization",
               true),
        text("Organ2", K::Lines, &B::organ2, kLong, 0, "4", "Text2", "", P::OrganisationRight),
        listed(
            found(text("Invoice", K::Lines, &B::invoice, 40, 40, "5", "Text5", "5. WO/Contract/Inv. No.", P::WorkOrder),
                  5, QT_TRANSLATE_NOOP("arc::FindPanel", "Invoice/Contract No."), 40),
            5, "WO/Contract (5)"),
        listed(text("Remarks", K::Lines, &B::remarks, kLong, 0, "12", "Text13", "", P::Remarks), 18, "Remarks (12)"),
        flag("New", &B::approvedDesign, "13a", "Check3D1", P::ApprovedDesign),
        flag("Overhaul", &B::nonApprovedDesign, "13a", "Check3D2", P::NonApprovedDesign),
        listed(found(text("Name17", K::Line, &B::block13dName, 50, 50, "13d", "Text17", "13d. Name", P::Name13), 6,
                     QT_TRANSLATE_NOOP("arc::FindPanel", "13d Name"), 30),
               12, "Signatory"),
        listed(found(text("AuthNum", K::Line, &B::block13cNumber, 25, 20, "13c", "Text16", "13c. Authorization No.",
                          P::ApprovalNo),
                     7, QT_TRANSLATE_NOOP("arc::FindPanel", "13c Authorization No."), 20),
               13, "Approval (13c/14c)"),
        listed(found(date("Date18", &E::block13eDate, &H::block13eDate, "13e", "Text18", P::Date13), 8,
                     QT_TRANSLATE_NOOP("arc::FindPanel", "13e Date"), 0),
               2, "13e Date"),
        flag("CFRRTS", &B::cfrReturnToService, "14a", "Check3D6", P::ReturnToService),
        flag("OtherRTS", &B::otherRegulation, "14a", "Check3D8", P::OtherRegulation),
        listed(found(text("Name22", K::Line, &B::block14dName, 50, 50, "14d", "Text7", "14d. Name", P::Name14), 9,
                     QT_TRANSLATE_NOOP("arc::FindPanel", "14d Name"), 30),
               12, "Signatory"),
        listed(found(text("CertNum", K::Line, &B::block14cNumber, 25, 20, "14c", "Text4", "14c. Certificate No.",
                          P::CertificateNo),
                     10, QT_TRANSLATE_NOOP("arc::FindPanel", "14c Certificate No."), 20),
               13, "Approval (13c/14c)"),
        listed(found(date("Date23", &E::block14eDate, &H::block14eDate, "14e", "Text6", P::Date14), 11,
                     QT_TRANSLATE_NOOP("arc::FindPanel", "14e Date"), 0),
               3, "14e Date"),
        // Version 5: the export choice, so that block 12 composes the same
        // export lines when the certificate is shown again.
        since(flag("Export", &B::exportChosen, "", "Option1", P::None), 5),
        since(text("ExportCountry", K::Choice, &B::exportCountry, 50, 0, "", "Combo1", "", P::None), 5),
        since(text("Forwarder", K::Choice, &B::forwarder, 50, 0, "", "Combo2", "", P::None), 5),
        // Version 7. Not a value of the page: the page it is printed on.
        listed(since(text("Form", K::Choice, &B::form, 50, 0, "2", "FormChoice", "", P::None), 7), 1, "Form"),
        listed(column("Item", &ItemLine::item, kPlain, 0, "6", P::Item), 6, "Item"),
        listed(found(column("Description", &ItemLine::description, 50, 50, "7", P::Description), 0,
                     QT_TRANSLATE_NOOP("arc::FindPanel", "Description"), 40),
               7, "Description"),
        listed(found(column("PartNum", &ItemLine::partNum, 30, 20, "8", P::PartNo), 1,
                     QT_TRANSLATE_NOOP("arc::FindPanel", "Part Number"), 30),
               8, "Part No."),
        listed(column("Quantity", &ItemLine::quantity, kPlain, 0, "9", P::Quantity), 10, "Qty"),
        listed(found(column("SerialNum", &ItemLine::serialNum, 30, 30, "10", P::SerialNo), 2,
                     QT_TRANSLATE_NOOP("arc::FindPanel", "Serial/Batch Number"), 30),
               9, "Serial No."),
        counted(listed(column("Status", &ItemLine::status, 20, 20, "11", P::Status), 11, "Status")),
    };
    return fields;
}

std::vector<const CertificateField *> of(StoredTable table)
{
    std::vector<const CertificateField *> out;
    for (const CertificateField &f : all())
        if (f.table == table)
            out.push_back(&f);
    return out;
}

const CertificateField *byColumn(StoredTable table, const QString &column)
{
    const auto &fields = all();
    const auto it = std::find_if(fields.begin(), fields.end(), [&](const CertificateField &f) {
        return f.table == table && column.compare(QLatin1String(f.column), Qt::CaseInsensitive) == 0;
    });
    return it == fields.end() ? nullptr : &*it;
}

const CertificateField *byPrintedBox(PrintedBox box)
{
    const auto &fields = all();
    const auto it =
        std::find_if(fields.begin(), fields.end(), [&](const CertificateField &f) { return f.printed == box; });
    return it == fields.end() ? nullptr : &*it;
}

const CertificateField &holding(QString CertificateBlocks::*text) { return fieldOf(text, &CertificateField::text); }
const CertificateField &holding(bool CertificateBlocks::*flag) { return fieldOf(flag, &CertificateField::flag); }
const CertificateField &holding(QString CertificateEntries::*dateText)
{
    return fieldOf(dateText, &CertificateField::dateText);
}
const CertificateField &holding(QDate CertificateHeader::*date) { return fieldOf(date, &CertificateField::date); }
const CertificateField &holding(QString ItemLine::*lineText) { return fieldOf(lineText, &CertificateField::lineText); }

} // namespace CertificateFields

} // namespace arc
