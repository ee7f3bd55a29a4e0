#pragma once

#include "DbStatus.h"
#include "FoundCertificates.h"

#include <QAbstractTableModel>
#include <memory>
#include <vector>

namespace arc {

// The rows of the list of results: read a page at a time as the list is
// scrolled. Until the user sorts they stay in the order found; sorting by
// no column brings that order back. A short list is sorted here, every
// row read, the current row following its certificate; a long one is read
// again from the engine a page at a time in the order asked. Days sort as
// days and texts without regard to case.
class FoundCertificatesModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kKeyRole = Qt::UserRole + 1;
    enum Column { Tracking, Date, Organization, PartNum, Status, Signatory, Columns };

    explicit FoundCertificatesModel(int pageSize, QObject *parent = nullptr);

    // List what `found` reads, from its start; null lists nothing. A read
    // that fails is said by `failed` and lists what was read before it.
    DbStatus show(std::unique_ptr<FoundCertificates> found);
    // The certificates found, read or not: all of them once counted() is
    // true, else those counted so far.
    int count() const { return m_found ? m_found->count() : 0; }
    bool counted() const { return !m_found || m_found->counted(); }
    // Count on by one more part of what was found.
    DbStatus countOn();
    qint64 keyAt(int row) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

signals:
    void failed(const DbStatus &status) const;
    // More certificates were counted.
    void countChanged();

private:
    struct Row {
        FoundCertificate certificate;
        int found; // its place in the order found
    };
    DbStatus append(bool all);
    // Whether the list is short enough to be read whole and sorted here.
    bool sortsHere();
    void sortThere(int column, Qt::SortOrder order);

    int m_pageSize;
    std::unique_ptr<FoundCertificates> m_found;
    std::vector<Row> m_rows;
    bool m_sortedThere = false; // read sorted from the engine
};

} // namespace arc
