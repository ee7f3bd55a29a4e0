#pragma once

#include <QString>
#include <QStringList>

namespace arc {

// The conditions callers react to by name. Anything else is Other.
enum class DbCondition {
    None,            // success
    FileNotFound,    // the database file is missing
    InvalidPath,     // the folder of the file does not exist
    FieldTooSmall,   // a value is longer than its field allows
    ItemNotFound,    // a field or stored query is not known
    QueryExists,     // a stored query of that name already exists
    NotEditing,      // update without a preceding add or edit
    PendingChange,   // refused while the view holds an unsaved change
    MalformedQuery,  // the statement text is not valid SQL
    NotADatabase,    // the file exists but is not one of our databases
    ReadOnly,        // the file or folder cannot be written
    Locked,          // another program holds the database
    RecordGone,      // the row was deleted by another program since it was read
    ChangedElsewhere, // the row was changed by another station since it was shown
    ConnectionLost,  // the server cannot be reached: its connection was lost
    Cancelled,       // the user stopped it; nothing of it was kept
    Other,
};

// Outcome of one database operation: success, or a condition with the
// engine's own text for the user.
class [[nodiscard]] DbStatus {
public:
    DbStatus() = default;
    static DbStatus failure(DbCondition condition, QString detail = {})
    {
        DbStatus s;
        s.m_condition = condition;
        s.m_detail = std::move(detail);
        return s;
    }

    bool ok() const { return m_condition == DbCondition::None; }
    DbCondition condition() const { return m_condition; }
    bool is(DbCondition c) const { return m_condition == c; }
    const QString &detail() const { return m_detail; }

    // Fields the engine refused (FieldTooSmall); the rest of the row was written.
    const QStringList &refusedFields() const { return m_refused; }
    void setRefusedFields(QStringList fields) { m_refused = std::move(fields); }

private:
    DbCondition m_condition = DbCondition::None;
    QString m_detail;
    QStringList m_refused;
};

} // namespace arc
