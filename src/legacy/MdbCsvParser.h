#pragma once

#include "MdbTable.h"

#include <QByteArray>
#include <QByteArrayView>
#include <optional>

namespace arc {

// mdb-export's CSV read as it comes, a piece at a time, into a table: a
// header, texts quoted with their quotes doubled, nulls empty and
// unquoted. The text already read is not kept.
class MdbCsvParser {
public:
    // The next bytes of the text; false once it cannot be a table (a record
    // of another width than the header's), after which nothing is read.
    bool feed(QByteArrayView bytes);
    // The table, or nullopt when the text ended cut short, was no table or
    // held not even a header.
    std::optional<MdbTable> finish();

private:
    void endField();
    bool endRecord();

    MdbTable m_table;
    QByteArray m_field;
    qsizetype m_fields = 0; // of the record being read
    bool m_quoted = false, m_inQuotes = false, m_header = true, m_failed = false;
    // A quote ended the last piece inside a quoted text: the next byte
    // tells a doubled quote from the closing one.
    bool m_quoteAtEnd = false;
};

} // namespace arc
