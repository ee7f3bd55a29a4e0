#include "FoundCertificatesModel.h"

#include "DateText.h"

#include <algorithm>

namespace arc {

FoundCertificatesModel::FoundCertificatesModel(int pageSize, QObject *parent)
    : QAbstractTableModel(parent), m_pageSize(pageSize)
{
}

namespace {
// Read whole, a short list sorts at once.
constexpr int kSortedHere = 2000;
} // namespace

DbStatus FoundCertificatesModel::show(std::unique_ptr<FoundCertificates> found)
{
    beginResetModel();
    m_rows.clear();
    m_sortedThere = false;
    m_found = std::move(found);
    DbStatus s = m_found ? m_found->start() : DbStatus();
    if (s.ok() && m_found) {
        std::vector<FoundCertificate> page;
        s = m_found->more(m_pageSize, page);
        for (FoundCertificate &c : page)
            m_rows.push_back({std::move(c), static_cast<int>(m_rows.size())});
    }
    endResetModel();
    return s;
}

DbStatus FoundCertificatesModel::append(bool all)
{
    std::vector<FoundCertificate> read;
    const DbStatus s = all ? m_found->rest(read) : m_found->more(m_pageSize, read);
    if (!read.empty()) {
        const int first = static_cast<int>(m_rows.size());
        beginInsertRows({}, first, first + static_cast<int>(read.size()) - 1);
        for (FoundCertificate &c : read)
            m_rows.push_back({std::move(c), static_cast<int>(m_rows.size())});
        endInsertRows();
    }
    emit countChanged();
    return s;
}

DbStatus FoundCertificatesModel::countOn()
{
    if (counted())
        return {};
    const DbStatus s = m_found->countOn();
    emit countChanged();
    return s;
}

qint64 FoundCertificatesModel::keyAt(int row) const
{
    return row >= 0 && row < static_cast<int>(m_rows.size()) ? m_rows[static_cast<size_t>(row)].certificate.formIndex : 0;
}

int FoundCertificatesModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int FoundCertificatesModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : Columns; }

QVariant FoundCertificatesModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= static_cast<int>(m_rows.size()))
        return {};
    const FoundCertificate &c = m_rows[static_cast<size_t>(index.row())].certificate;
    if (role == kKeyRole)
        return c.formIndex;
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case Tracking: return c.tracking;
    case Date: return c.date.isValid() ? DateText::format(c.date) : QString();
    case Organization: return c.organization;
    case PartNum: return c.partNum;
    case Status: return c.status;
    case Signatory: return c.signatory;
    default: return {};
    }
}

QVariant FoundCertificatesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const char *const titles[Columns] = {"Tracking No.", "Date", "Organization", "Part No.", "Status", "Signatory"};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= Columns)
        return QAbstractTableModel::headerData(section, orientation, role);
    return QString::fromLatin1(titles[section]);
}

bool FoundCertificatesModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && m_found && !m_found->atEnd();
}

void FoundCertificatesModel::fetchMore(const QModelIndex &parent)
{
    if (!canFetchMore(parent))
        return;
    if (const DbStatus s = append(false); !s.ok())
        emit failed(s);
}

bool FoundCertificatesModel::sortsHere()
{
    if (const DbStatus s = m_found->countUpTo(kSortedHere); !s.ok())
        emit failed(s);
    emit countChanged();
    return m_found->counted() && m_found->count() <= kSortedHere;
}

void FoundCertificatesModel::sortThere(int column, Qt::SortOrder order)
{
    beginResetModel();
    m_rows.clear();
    m_sortedThere = column >= 0 && column < Columns;
    m_found->sortBy(m_sortedThere ? std::optional(static_cast<FoundCertificates::ListOrder>(column)) : std::nullopt,
                    order == Qt::DescendingOrder);
    std::vector<FoundCertificate> page;
    const DbStatus s = m_found->more(m_pageSize, page);
    for (FoundCertificate &c : page)
        m_rows.push_back({std::move(c), static_cast<int>(m_rows.size())});
    endResetModel();
    if (!s.ok())
        emit failed(s);
}

void FoundCertificatesModel::sort(int column, Qt::SortOrder order)
{
    const bool byColumn = column >= 0 && column < Columns;
    if (m_found && (byColumn ? !sortsHere() : m_sortedThere)) {
        sortThere(column, order);
        return;
    }
    // A sort by a column orders every certificate found, so the rest is
    // read first; the order found needs only what was read.
    if (column >= 0 && column < Columns && m_found && !m_found->atEnd())
        if (const DbStatus s = append(true); !s.ok())
            emit failed(s);
    const auto text = [column](const FoundCertificate &c) -> const QString & {
        switch (column) {
        case Tracking: return c.tracking;
        case Organization: return c.organization;
        case PartNum: return c.partNum;
        case Status: return c.status;
        default: return c.signatory;
        }
    };
    // Ties in the order found, whatever the order before.
    const auto less = [&](const Row &a, const Row &b) {
        if (column >= 0 && column < Columns) {
            const int by = column == Date ? (a.certificate.date < b.certificate.date ? -1 : b.certificate.date < a.certificate.date)
                                          : text(a.certificate).compare(text(b.certificate), Qt::CaseInsensitive);
            if (by != 0)
                return by < 0;
        }
        return a.found < b.found;
    };
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<int> foundAt;
    for (const QModelIndex &i : before)
        foundAt.push_back(m_rows[static_cast<size_t>(i.row())].found);
    // Descending is ascending turned round, as the engine reads it.
    std::sort(m_rows.begin(), m_rows.end(), less);
    if (order == Qt::DescendingOrder && column >= 0)
        std::reverse(m_rows.begin(), m_rows.end());
    // Kept selections and the current row follow their certificates.
    std::vector<int> rowOfFound(m_rows.size());
    for (size_t r = 0; r < m_rows.size(); ++r)
        rowOfFound[static_cast<size_t>(m_rows[r].found)] = static_cast<int>(r);
    QModelIndexList after;
    for (size_t i = 0; i < static_cast<size_t>(before.size()); ++i)
        after << index(rowOfFound[static_cast<size_t>(foundAt[i])], before[static_cast<qsizetype>(i)].column());
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

} // namespace arc
