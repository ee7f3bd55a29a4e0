#include "FindResults.h"

#include "DateText.h"
#include "ScreenTwips.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace arc {

namespace {

constexpr int kKeyRole = Qt::UserRole + 1;
// Sorting goes by these, so that dates sort as days, not as their text.
constexpr int kSortRole = Qt::UserRole + 2;

QStandardItem *cell(const QString &text, const QVariant &sortKey)
{
    auto *item = new QStandardItem(text);
    item->setData(sortKey, kSortRole);
    item->setEditable(false);
    return item;
}

} // namespace

FindResults::FindResults(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("FindResultsPanel"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);

    count = new QLabel;
    count->setObjectName(QStringLiteral("FindCount"));
    QFont bold = count->font();
    bold.setBold(true);
    count->setFont(bold);
    closeButton = new QPushButton(QStringLiteral("Close"));
    closeButton->setObjectName(QStringLiteral("FindResultsClose"));
    auto *top = new QHBoxLayout;
    top->addWidget(count);
    top->addStretch();
    top->addWidget(closeButton);

    m_model = new QStandardItemModel(0, 6, this);
    m_model->setHorizontalHeaderLabels({QStringLiteral("Tracking No."), QStringLiteral("Date"),
                                        QStringLiteral("Organization"), QStringLiteral("Part No."),
                                        QStringLiteral("Status"), QStringLiteral("Signatory")});
    m_sorted = new QSortFilterProxyModel(this);
    m_sorted->setSourceModel(m_model);
    m_sorted->setSortRole(kSortRole);
    m_sorted->setSortCaseSensitivity(Qt::CaseInsensitive);
    table = new QTableView;
    table->setObjectName(QStringLiteral("FindResults"));
    table->setModel(m_sorted);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    table->setSortingEnabled(true);
    // Until the user sorts, the rows stay in the order found.
    table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(table);
    resize(twipsToPixels(9000), twipsToPixels(4200));

    // Enter, and a double click, activate a row.
    connect(table, &QTableView::activated, this, [this](const QModelIndex &index) { emit chosen(keyAt(index.row())); });
    connect(closeButton, &QPushButton::clicked, this, &QWidget::hide);
    hide();
}

void FindResults::setFound(const std::vector<FoundCertificate> &found)
{
    table->sortByColumn(-1, Qt::AscendingOrder);
    m_model->removeRows(0, m_model->rowCount());
    for (const FoundCertificate &c : found) {
        const QList<QStandardItem *> row{cell(c.tracking, c.tracking),
                                         cell(c.date.isValid() ? DateText::format(c.date) : QString(), c.date),
                                         cell(c.organization, c.organization),
                                         cell(c.partNum, c.partNum),
                                         cell(c.status, c.status),
                                         cell(c.signatory, c.signatory)};
        row[0]->setData(c.formIndex, kKeyRole);
        m_model->appendRow(row);
    }
    count->setText(found.size() == 1 ? QStringLiteral("1 certificate")
                                     : QStringLiteral("%1 certificates").arg(found.size()));
    table->resizeColumnsToContents();
    if (found.empty()) {
        hide();
        return;
    }
    table->selectRow(0);
    table->setCurrentIndex(m_sorted->index(0, 0));
}

qint64 FindResults::keyAt(int row) const
{
    return m_sorted->index(row, 0).data(kKeyRole).toLongLong();
}

int FindResults::rowCount() const { return m_sorted->rowCount(); }

} // namespace arc
