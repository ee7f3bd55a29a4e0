#pragma once

#include <QByteArray>
#include <QHash>
#include <QStringList>
#include <QVariant>
#include <vector>

namespace arc {

// One table as mdbtools reads it from an Access (Jet) file: its column
// names and its rows in stored order. A null field is a null QVariant; a
// text, even an empty one, is a QString; numbers and dates come as the
// text mdb-export writes for them. The fields are held as their UTF-8, one
// after another, and made into texts as they are read: a table of
// millions of lines is read whole before it is written, and a QVariant for
// each field held several times the text itself.
class MdbTable {
public:
    QStringList columns;

    qsizetype rowCount() const;
    QVariant value(qsizetype row, int column) const;

    // The next field, row after row; a field given as a QByteArray holds
    // UTF-8.
    void append(const QByteArray &utf8, bool null);
    qsizetype fieldCount() const { return static_cast<qsizetype>(m_ends.size()); }

    // Removes the NUL characters from one column's texts, which the server
    // cannot store and no box lets the user type; how many went.
    int removeNuls(int column);

private:
    qsizetype start(qsizetype field) const { return field == 0 ? 0 : m_ends[static_cast<size_t>(field - 1)]; }

    QByteArray m_text;
    std::vector<qsizetype> m_ends; // of each field in m_text
    std::vector<bool> m_null;
    QHash<qsizetype, QString> m_changed; // fields whose NUL characters were removed
};

} // namespace arc
