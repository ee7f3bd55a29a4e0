#pragma once

#include "CertificateSearch.h"
#include "DbStatus.h"

#include <QSet>
#include <vector>

namespace arc {

class DataView;

// The certificates the header view's search found, each once, in the order
// the view walks them, read a page at a time: a search that finds most of
// a large folder lists its first rows at once and the rest as they are
// looked at.
class FoundCertificates {
public:
    explicit FoundCertificates(DataView &header) : m_header(header) {}

    // Start over at the beginning of what the view walks now and count its
    // certificates. While the view walks the whole table, nothing is found.
    DbStatus start();
    int count() const { return m_count; }
    bool atEnd() const { return m_atEnd; }
    // Append the certificates of up to `places` more places of the walk.
    DbStatus more(int places, std::vector<FoundCertificate> &found);
    // Append every certificate not read yet.
    DbStatus rest(std::vector<FoundCertificate> &found);

private:
    DataView &m_header;
    qint64 m_lastPlace = 0;
    int m_count = 0;
    bool m_atEnd = true;
    QSet<qint64> m_seen; // a certificate met on several lines is listed once
};

} // namespace arc
