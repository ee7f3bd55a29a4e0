#pragma once

#include <QString>
#include <vector>

namespace arc {

enum class FieldType {
    Counter,  // auto-increment key, assigned by the engine
    Long,     // whole number
    Number,   // number switches and settings
    YesNo,    // 0 or 1
    Date,     // ISO text YYYY-MM-DD
    Text,     // UTF-8 text with a length limit
};

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

namespace Schema {
constexpr int version = 3;

// A table whose definition changed in a version: files of an earlier
// version get it rebuilt to the current definition, keeping its rows.
struct Change {
    int version;
    StoreKind kind;
    QString table;
};
const std::vector<Change> &changes();

QString fileName(StoreKind kind);
const std::vector<TableDef> &tables(StoreKind kind);
const TableDef *table(const QString &name);
} // namespace Schema

} // namespace arc
