#pragma once

#include "CertificateSearch.h"
#include "DbStatus.h"

#include <QSet>
#include <optional>
#include <vector>

namespace arc {

class DataView;
class Database;
class ReaderRoute;

// The certificates the header view's search found, each once, in the order
// the view walks them, read a page at a time: a search that finds most of
// a large folder lists its first rows at once and the rest as they are
// looked at. They are counted as the view's keys are read: at first those
// of the first part, the rest as more parts are read.
class FoundCertificates {
public:
    // The pages are read through `reads` when given (a standby), else
    // through the view's own database.
    explicit FoundCertificates(DataView &header, ReaderRoute *reads = nullptr) : m_header(header), m_reads(reads) {}

    // Start over at the beginning of what the view walks now and count the
    // certificates of the keys read. While the view walks the whole table,
    // nothing is found.
    DbStatus start();
    // The certificates counted: all of them once counted() is true, else
    // those of the keys read so far.
    int count() const { return m_count; }
    bool counted() const { return m_counted; }
    // Read the next part of the keys and count on.
    DbStatus countOn();
    bool atEnd() const { return m_atEnd; }
    // Append the certificates of up to `places` more places of the walk.
    DbStatus more(int places, std::vector<FoundCertificate> &found);
    // Append every certificate not read yet. Many of them are read by
    // ranges of keys, two statements in all, rather than page by page.
    DbStatus rest(std::vector<FoundCertificate> &found);

    // Count on until every certificate is counted or more than `limit` are.
    DbStatus countUpTo(int limit);

    // The columns of the list, as it shows them, without regard to case.
    enum class ListOrder { Tracking, Date, Organization, PartNum, Status, Signatory };
    // Read from the beginning again in this order, else in the order found.
    // A sorted list is read a page at a time from the engine, each page
    // after the last certificate read (its value, then its key): no more
    // than a page of it is ever read at once.
    void sortBy(std::optional<ListOrder> order, bool descending = false);

private:
    // The certificates not read yet, each once, in the order walked.
    std::vector<qint64> unread() const;
    // Count the keys read since the last count.
    void countRead();
    DbStatus readRanges(const std::vector<qint64> &wanted, std::vector<FoundCertificate> &found);
    // These certificates, in this order; those gone since are passed over.
    DbStatus readCertificates(const std::vector<qint64> &wanted, std::vector<FoundCertificate> &found);
    DbStatus sortedPage(int certificates, std::vector<FoundCertificate> &found);
    Database &reader() const;

    DataView &m_header;
    ReaderRoute *m_reads;
    qint64 m_lastPlace = 0;
    int m_count = 0;
    size_t m_countedKeys = 0;
    bool m_counted = true;
    bool m_atEnd = true;
    QSet<qint64> m_seen; // a certificate met on several lines is listed once
    std::optional<ListOrder> m_order;
    bool m_descending = false;
    QString m_lastValue; // of the sorted list's last certificate read
    std::optional<qint64> m_lastKey;
};

} // namespace arc
