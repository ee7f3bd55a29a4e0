#include "CertificateFields.h"

#include <QCoreApplication>
#include <algorithm>

namespace arc {

namespace {

using B = CertificateBlocks;

CertificateField text(const char *column, FieldKind kind, QString B::*member, int limit, const char *block,
                      const char *objectName, const char *caption, PrintedBox printed)
{
    CertificateField f;
    f.column = column;
    f.kind = kind;
    f.text = member;
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

CertificateField column(const char *name, QString ItemLine::*member, int limit, const char *block, PrintedBox printed)
{
    CertificateField f;
    f.table = StoredTable::Detail;
    f.column = name;
    f.kind = FieldKind::Lines;
    f.lineText = member;
    f.entryLimit = limit;
    f.block = block;
    f.printed = printed;
    return f;
}

// A field the find panel searches, in box `order`.
CertificateField found(CertificateField f, int order, const char *label, int limit)
{
    f.findOrder = order;
    f.findLabel = label;
    f.findLimit = limit;
    return f;
}

} // namespace

namespace CertificateFields {

// A box may take less than its field stores (13c and 14c take 20 of 25),
// never more.
const std::vector<CertificateField> &all()
{
    using K = FieldKind;
    using P = PrintedBox;
    using E = CertificateEntries;
    using H = CertificateHeader;
    static const std::vector<CertificateField> fields = {
        found(text("Country", K::Line, &B::country, 0, "1", "Text38", "", P::Authority),
              3, QT_TRANSLATE_NOOP("arc::FindPanel", "Country"), 20),
        found(text("Tracking", K::Line, &B::tracking, 15, "3", "Text3", "3. Form Tracking No.", P::Tracking),
              4, QT_TRANSLATE_NOOP("arc::FindPanel", "System Tracking No."), 15),
        text("Organ1", K::Lines, &B::organ1, 0, "4", "Text1", "", P::OrganisationLeft),
        text("Organ2", K::Lines, &B::organ2, 0, "4", "Text2", "", P::OrganisationRight),
        found(text("Invoice", K::Lines, &B::invoice, 40, "5", "Text5", "5. WO/Contract/Inv. No.", P::WorkOrder),
              5, QT_TRANSLATE_NOOP("arc::FindPanel", "Invoice/Contract No."), 40),
        text("Remarks", K::Lines, &B::remarks, 0, "12", "Text13", "", P::Remarks),
        flag("New", &B::approvedDesign, "13a", "Check3D1", P::ApprovedDesign),
        flag("Overhaul", &B::nonApprovedDesign, "13a", "Check3D2", P::NonApprovedDesign),
        found(text("Name17", K::Line, &B::block13dName, 50, "13d", "Text17", "13d. Name", P::Name13),
              6, QT_TRANSLATE_NOOP("arc::FindPanel", "13d Name"), 30),
        found(text("AuthNum", K::Line, &B::block13cNumber, 20, "13c", "Text16", "13c. Authorization No.", P::ApprovalNo),
              7, QT_TRANSLATE_NOOP("arc::FindPanel", "13c Authorization No."), 20),
        found(date("Date18", &E::block13eDate, &H::block13eDate, "13e", "Text18", P::Date13),
              8, QT_TRANSLATE_NOOP("arc::FindPanel", "13e Date"), 0),
        flag("CFRRTS", &B::cfrReturnToService, "14a", "Check3D6", P::ReturnToService),
        flag("OtherRTS", &B::otherRegulation, "14a", "Check3D8", P::OtherRegulation),
        found(text("Name22", K::Line, &B::block14dName, 50, "14d", "Text7", "14d. Name", P::Name14),
              9, QT_TRANSLATE_NOOP("arc::FindPanel", "14d Name"), 30),
        found(text("CertNum", K::Line, &B::block14cNumber, 20, "14c", "Text4", "14c. Certificate No.", P::CertificateNo),
              10, QT_TRANSLATE_NOOP("arc::FindPanel", "14c Certificate No."), 20),
        found(date("Date23", &E::block14eDate, &H::block14eDate, "14e", "Text6", P::Date14),
              11, QT_TRANSLATE_NOOP("arc::FindPanel", "14e Date"), 0),
        flag("Export", &B::exportChosen, "", "Option1", P::None),
        text("ExportCountry", K::Choice, &B::exportCountry, 0, "", "Combo1", "", P::None),
        text("Forwarder", K::Choice, &B::forwarder, 0, "", "Combo2", "", P::None),
        // Not a value of the page: the page it is printed on.
        text("Form", K::Choice, &B::form, 0, "2", "FormChoice", "", P::None),
        column("Item", &ItemLine::item, 0, "6", P::Item),
        found(column("Description", &ItemLine::description, 50, "7", P::Description),
              0, QT_TRANSLATE_NOOP("arc::FindPanel", "Description"), 40),
        found(column("PartNum", &ItemLine::partNum, 20, "8", P::PartNo),
              1, QT_TRANSLATE_NOOP("arc::FindPanel", "Part Number"), 30),
        column("Quantity", &ItemLine::quantity, 0, "9", P::Quantity),
        found(column("SerialNum", &ItemLine::serialNum, 30, "10", P::SerialNo),
              2, QT_TRANSLATE_NOOP("arc::FindPanel", "Serial/Batch Number"), 30),
        column("Status", &ItemLine::status, 20, "11", P::Status),
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

} // namespace CertificateFields

} // namespace arc
