#pragma once

#include "CertificateSearch.h"
#include "DbStatus.h"

#include <QSet>
#include <vector>

namespace arc {

class DataView;
class ReaderRoute;

// The certificates the header view's search found, each once, in the order
// the view walks them, read a page at a time: a search that finds most of
// a large folder lists its first rows at once and the rest as they are
// looked at.
class FoundCertificates {
public:
    // The pages are read through `reads` when given (a standby), else
    // through the view's own database.
    explicit FoundCertificates(DataView &header, ReaderRoute *reads = nullptr) : m_header(header), m_reads(reads) {}

    // Start over at the beginning of what the view walks now and count its
    // certificates. While the view walks the whole table, nothing is found.
    DbStatus start();
    int count() const { return m_count; }
    bool atEnd() const { return m_atEnd; }
    // Append the certificates of up to `places` more places of the walk.
    DbStatus more(int places, std::vector<FoundCertificate> &found);
    // Append every certificate not read yet. Many of them are read by
    // ranges of keys, two statements in all, rather than page by page.
    DbStatus rest(std::vector<FoundCertificate> &found);

private:
    // The certificates not read yet, each once, in the order walked.
    std::vector<qint64> unread() const;
    DbStatus readRanges(const std::vector<qint64> &wanted, std::vector<FoundCertificate> &found);

    DataView &m_header;
    ReaderRoute *m_reads;
    qint64 m_lastPlace = 0;
    int m_count = 0;
    bool m_atEnd = true;
    QSet<qint64> m_seen; // a certificate met on several lines is listed once
};

} // namespace arc
