#pragma once

#include "CertificateSearch.h"

#include <QFrame>
#include <vector>

class QLabel;
class QPushButton;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTableView;

namespace arc {

// What a search found as a list beside the find panel: one row per
// certificate, sortable by any column, with their count. Double click or
// Enter on a row asks for that certificate.
class FindResults : public QFrame {
    Q_OBJECT
public:
    explicit FindResults(QWidget *parent = nullptr);

    // The rows, in the order given until the user sorts them; an empty list
    // hides the panel.
    void setFound(const std::vector<FoundCertificate> &found);
    void clear() { setFound({}); }
    // The key of the certificate shown in `row` as the list is sorted now.
    qint64 keyAt(int row) const;
    int rowCount() const;

    QTableView *table; // FindResults
    QLabel *count;     // FindCount
    QPushButton *closeButton;

signals:
    void chosen(qint64 formIndex);

private:
    QStandardItemModel *m_model;
    QSortFilterProxyModel *m_sorted;
};

} // namespace arc
