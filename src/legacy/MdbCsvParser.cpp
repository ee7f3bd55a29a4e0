#include "MdbCsvParser.h"

#include <cstring>

namespace arc {

void MdbCsvParser::endField()
{
    if (m_header)
        m_table.columns << QString::fromUtf8(m_field);
    else
        m_table.append(m_field, !m_quoted && m_field.isEmpty());
    ++m_fields;
    m_field.resize(0);
    m_quoted = false;
}

bool MdbCsvParser::endRecord()
{
    endField();
    const bool whole = m_header || m_fields == m_table.columns.size();
    m_header = false;
    m_fields = 0;
    return whole;
}

bool MdbCsvParser::feed(QByteArrayView bytes)
{
    // Read byte by byte: the characters that matter are ASCII, which never
    // occur inside a longer UTF-8 sequence, so each field is decoded whole.
    const char *p = bytes.data();
    const char *const end = p + bytes.size();
    if (m_failed)
        return false;
    if (m_quoteAtEnd && p < end) {
        m_quoteAtEnd = false;
        if (*p == '"') {
            m_field += '"';
            ++p;
        } else {
            m_inQuotes = false;
        }
    }
    while (p < end) {
        if (m_inQuotes) {
            const auto *quote = static_cast<const char *>(std::memchr(p, '"', static_cast<size_t>(end - p)));
            if (!quote) {
                m_field.append(p, end - p);
                return true; // the quote closes in a later piece
            }
            m_field.append(p, quote - p);
            if (quote + 1 == end) {
                m_quoteAtEnd = true;
                return true;
            }
            if (quote[1] == '"') {
                m_field += '"';
                p = quote + 2;
            } else {
                m_inQuotes = false;
                p = quote + 1;
            }
            continue;
        }
        switch (const char c = *p++) {
        case '"':
            m_inQuotes = m_quoted = true;
            break;
        case ',':
            endField();
            break;
        case '\n':
            if (!endRecord()) {
                m_failed = true;
                return false;
            }
            break;
        case '\r':
            break;
        default:
            m_field += c;
        }
    }
    return true;
}

std::optional<MdbTable> MdbCsvParser::finish()
{
    if (m_quoteAtEnd) { // the closing quote was the text's last byte
        m_quoteAtEnd = false;
        m_inQuotes = false;
    }
    if (m_failed || m_inQuotes)
        return std::nullopt; // a record of another width, or a quote never closed
    if (!m_field.isEmpty() || m_quoted || m_fields > 0)
        if (!endRecord())
            return std::nullopt;
    if (m_header)
        return std::nullopt; // not even a header: nothing was read
    return std::move(m_table);
}

} // namespace arc
