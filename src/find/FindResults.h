#pragma once

#include "DbStatus.h"

#include <QFrame>
#include <memory>

class QLabel;
class QPushButton;
class QTableView;
class QTimer;

namespace arc {

class FoundCertificates;
class FoundCertificatesModel;

// What a search found as a list beside the find panel: one row per
// certificate, sortable by any column, with their count, told as it comes
// while the program is otherwise idle; its columns fit the panel's width.
// Double click or Enter on a row asks for that certificate.
class FindResults : public QFrame {
    Q_OBJECT
public:
    explicit FindResults(QWidget *parent = nullptr);

    // The certificates `found` reads, in the order found until the user
    // sorts them, read as they are looked at; none found, or null, hides
    // the panel.
    DbStatus setFound(std::unique_ptr<FoundCertificates> found);
    void clear();
    // The key of the certificate shown in `row` as the list is sorted now.
    qint64 keyAt(int row) const;
    int rowCount() const;

    QTableView *table; // FindResults
    QLabel *count;     // FindCount
    QPushButton *closeButton;

signals:
    void chosen(qint64 formIndex);
    // A page of the list could not be read.
    void failed(const DbStatus &status);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Every column's right edge inside the list: wide columns give way.
    void fitColumns();
    void tellCount();
    void countOn();

    FoundCertificatesModel *m_model;
    QTimer *m_counting;
};

} // namespace arc
