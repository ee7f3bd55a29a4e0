#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace arc {

enum class FieldType {
    Counter,  // auto-increment key, assigned by the engine
    Long,     // whole number
    Number,   // number switches and settings
    YesNo,    // 0 or 1
    Date,     // ISO text YYYY-MM-DD
    Text,     // UTF-8 text with a length limit
    Blob,     // bytes: a file's content
};

// How many characters a text column stores, where no smaller limit is set.
namespace StoredLength {
inline constexpr int kPlain = 255;
inline constexpr int kLong = 64000; // block texts of several lines
} // namespace StoredLength

struct FieldDef {
    QString name;
    FieldType type = FieldType::Text;
    int maxLength = 0; // Text only
};

struct TableDef {
    QString name;
    std::vector<FieldDef> fields;
    QString indexedField; // an index on this field, or empty

    const FieldDef *field(const QString &fieldName) const;
    bool hasCounter() const;
    QString counterField() const;
};

// The three database files and their tables. This is the one place where
// the stored layout is written down; the version goes into user_version.
enum class StoreKind { Setup, Certificates, Reference };

// Beside a certificate table, a table of case-folded copies of its
// searched text fields, a row for each of its rows: the engine folds only
// ASCII letters, so the program folds the texts and searches the copies.
// Triggers of the engine's own keep them, whichever program wrote: they
// fold all-ASCII rows and mark the rest stale, which the program folds
// before it searches.
struct FoldTable {
    QString name;
    QString source;                   // the table whose rows it copies
    QString key;                      // holds the source row's row id
    QStringList copied;               // source fields copied as they are
    QStringList folded;               // source text fields, case-folded
    std::vector<QStringList> indexes; // columns of each index
};

namespace Schema {
constexpr int version = 12;

// A table whose definition changed in a version: files of an earlier
// version get it rebuilt to the current definition, keeping its rows.
struct Change {
    int version;
    StoreKind kind;
    QString table;
};
const std::vector<Change> &changes();

// A table the program added in a version, beside those of the earlier
// program: made where missing, and not asked of a file made by hand.
struct Addition {
    int version;
    StoreKind kind;
    QString table;
};
const std::vector<Addition> &additions();
bool isAddition(const QString &table);

// A nullable field the program added to a table in a version: added where
// missing, so rows written before (or by other tools) need nothing.
struct AddedField {
    int version;
    StoreKind kind;
    QString table;
    QString field;
};
const std::vector<AddedField> &addedFields();
bool isAddedField(const QString &table, const QString &field);

QString fileName(StoreKind kind);
const std::vector<TableDef> &tables(StoreKind kind);
const TableDef *table(const QString &name);
// What a server database holds beyond a data folder's two files: the
// files a folder keeps beside them (signature bitmaps), by file name.
const std::vector<TableDef> &serverOnlyTables(StoreKind kind);

// Version 3: the folded copies of Header and Detail, and what searches
// and counts look up directly in the certificate tables.
const std::vector<FoldTable> &foldTables(StoreKind kind);
// The fold table beside a certificate table, or null.
const FoldTable *foldTableOf(const QString &source);
struct SourceIndex {
    QString table;
    QString field;
    // Indexed as compared for a number in use: upper-cased and trimmed.
    bool asNumber = false;
};
const std::vector<SourceIndex> &searchIndexes(StoreKind kind);
// Version 10: an order a long list of results is read in, a page at a
// time: an expression over a Header row (its columns unqualified, never
// null), indexed with the row's key.
struct ListOrder {
    QString name;
    QString expression;
};
const std::vector<ListOrder> &listOrders(StoreKind kind);
// The column saying a fold row is up to date; null while stale.
inline QString freshColumn() { return QStringLiteral("Fresh"); }

// Version 11: beside the fold tables, for each certificate that releases
// parts, its new, prototype and repaired lines counted once, under each of
// its signatories (folded) and signature days; a signatory's period is
// read from one index of it. Kept by triggers on the fold tables.
inline QString activityTable() { return QStringLiteral("ActivityTally"); }
// Version 11: for each certificate, what the list sorts by that is not in
// its header row alone: its first line's part number and status, and the
// signatory of the block in use, as the list compares them (trimmed,
// without regard to case); each indexed with the key after it. Kept by
// the same triggers.
inline QString listKeysTable() { return QStringLiteral("ListKeys"); }
} // namespace Schema

} // namespace arc
