#pragma once

#include "ItemLine.h"

#include <QDate>
#include <QString>
#include <vector>

namespace arc {

// What the store and the screen hold alike of a certificate's Header row.
struct CertificateBlocks {
    QString country, tracking, organ1, organ2, invoice, remarks;
    bool approvedDesign = false;     // New
    bool nonApprovedDesign = false;  // Overhaul
    bool cfrReturnToService = false; // CFRRTS
    bool otherRegulation = false;    // OtherRTS
    QString block13dName, block13cNumber;
    QString block14dName, block14cNumber;
    // The export frame; rows stored without it read as "No", nothing chosen.
    bool exportChosen = false;
    QString exportCountry, forwarder;
    // The form it is printed as (FormNames); empty for an FAA form stored
    // before forms were chosen.
    QString form;
};

// The stored fields of one Header row, nulls read as empty or false.
struct CertificateHeader : CertificateBlocks {
    qint64 formIndex = 0;
    QDate block13eDate, block14eDate;
};

// What the screen holds of a certificate, as typed. In the export frame a
// country or forwarder left on its list's placeholder is empty.
struct CertificateEntries : CertificateBlocks {
    QString block13eDate, block14eDate;
    // The grid's ten rows at least; any number up to the most it holds.
    ItemSlots lines = paddedLines({});
};

enum class StoredTable { Header, Detail };

// How a field is typed and kept.
enum class FieldKind {
    Line,   // a one-line box
    Lines,  // a box of several lines, stored with CR LF breaks
    Date,   // "DD/MMM/YYYY" on screen; a box without a date keeps the stored one
    Flag,   // a check box
    Choice, // a list entry by its name; null when none was chosen
};

// Where a value is printed; the page layout places each.
enum class PrintedBox {
    None,
    Authority,
    Tracking,
    OrganisationLeft,
    OrganisationRight,
    WorkOrder,
    Item,
    Description,
    PartNo,
    Quantity,
    SerialNo,
    Status,
    Remarks,
    ApprovedDesign,
    NonApprovedDesign,
    ApprovalNo,
    Name13,
    Date13,
    ReturnToService,
    OtherRegulation,
    CertificateNo,
    Name14,
    Date14,
};

// Its column in the register of certificates: the place (-1: not in it),
// the heading, and whether only its first line is shown. The fields of
// blocks 13 and 14 that share a place show the block in use.
struct RegisterColumn {
    int order = -1;
    const char *heading = "";
    bool firstLine = false;
};

// Whether the store keeps a copy of a field beside its table, for searches
// and counts to compare (see FoldTable): as it is, or case-folded.
enum class SearchCopy { None, AsIs, Folded };

// One field of a certificate: where it is stored, how much its box takes,
// where it stands on the form and on the page, and which member holds it.
struct CertificateField {
    StoredTable table = StoredTable::Header;
    const char *column = "";
    FieldKind kind = FieldKind::Line;
    int storedLength = 0;        // characters its column stores; texts and choices only
    int addedIn = 0;             // the store version that added its column; 0: there from the first
    int entryLimit = 0;          // characters its box or grid column takes; 0 for no limit of its own
    const char *block = "";      // "13d"; empty when the form has no block for it
    const char *objectName = ""; // the screen's control; empty for a grid column or none
    const char *caption = "";    // names the box when a value too long for it is refused
    PrintedBox printed = PrintedBox::None;
    // Its box on the find panel: the place among the twelve (-1: not
    // searched), the label and how many characters the box takes (0: no
    // limit of its own).
    int findOrder = -1;
    const char *findLabel = "";
    int findLimit = 0;
    RegisterColumn inRegister;
    SearchCopy searchCopy = SearchCopy::None;
    // The member holding it, by kind: texts and choices, ticks, dates as
    // typed and as stored, or a column of an item line.
    QString CertificateBlocks::*text = nullptr;
    bool CertificateBlocks::*flag = nullptr;
    QString CertificateEntries::*dateText = nullptr;
    QDate CertificateHeader::*date = nullptr;
    QString ItemLine::*lineText = nullptr;
};

namespace CertificateFields {

// Every field: the Header's in stored order, then the Detail's in the
// order of the item grid's columns.
const std::vector<CertificateField> &all();
// The fields of one table, in that order.
std::vector<const CertificateField *> of(StoredTable table);
const CertificateField *byColumn(StoredTable table, const QString &column);
const CertificateField *byPrintedBox(PrintedBox box);
// The field a member holds; every member of a certificate is one field's.
const CertificateField &holding(QString CertificateBlocks::*text);
const CertificateField &holding(bool CertificateBlocks::*flag);
const CertificateField &holding(QString CertificateEntries::*dateText);
const CertificateField &holding(QDate CertificateHeader::*date);
const CertificateField &holding(QString ItemLine::*lineText);

} // namespace CertificateFields

} // namespace arc
