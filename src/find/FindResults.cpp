#include "FindResults.h"

#include "FoundCertificatesModel.h"
#include "ScreenTwips.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace arc {

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
    closeButton = new QPushButton(tr("Close"));
    closeButton->setObjectName(QStringLiteral("FindResultsClose"));
    auto *top = new QHBoxLayout;
    top->addWidget(count);
    top->addStretch();
    top->addWidget(closeButton);

    // A page fills the list's height several times over.
    m_model = new FoundCertificatesModel(100, this);
    connect(m_model, &FoundCertificatesModel::failed, this, &FindResults::failed);
    table = new QTableView;
    table->setObjectName(QStringLiteral("FindResults"));
    table->setModel(m_model);
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

DbStatus FindResults::setFound(std::unique_ptr<FoundCertificates> found)
{
    table->sortByColumn(-1, Qt::AscendingOrder);
    const DbStatus s = m_model->show(std::move(found));
    const int n = m_model->count();
    count->setText(n == 1 ? QStringLiteral("1 certificate") : QStringLiteral("%1 certificates").arg(n));
    table->resizeColumnsToContents();
    if (m_model->rowCount() == 0) {
        hide();
        return s;
    }
    table->selectRow(0);
    table->setCurrentIndex(m_model->index(0, 0));
    return s;
}

void FindResults::clear() { (void)setFound(nullptr); }

qint64 FindResults::keyAt(int row) const { return m_model->keyAt(row); }

int FindResults::rowCount() const { return m_model->rowCount(); }

} // namespace arc
