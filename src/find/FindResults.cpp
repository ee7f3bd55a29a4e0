#include "FindResults.h"

#include "FoundCertificatesModel.h"
#include "ScreenTwips.h"

#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <numeric>

namespace arc {

namespace {

// Widths that fit `room`: columns narrower than an even share keep their
// width, the wider ones share what is left evenly.
std::vector<int> fitted(std::vector<int> widths, int room)
{
    std::vector<size_t> wide(widths.size());
    std::iota(wide.begin(), wide.end(), size_t{0});
    for (bool shrinking = true; shrinking && !wide.empty();) {
        const int share = std::max(1, room / static_cast<int>(wide.size()));
        const auto narrow = std::partition(wide.begin(), wide.end(), [&](size_t c) { return widths[c] > share; });
        shrinking = narrow != wide.end();
        for (auto c = narrow; c != wide.end(); ++c)
            room -= widths[*c];
        wide.erase(narrow, wide.end());
    }
    for (size_t c : wide)
        widths[c] = std::max(1, room / static_cast<int>(wide.size()));
    return widths;
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
    closeButton = new QPushButton(tr("Close"));
    closeButton->setObjectName(QStringLiteral("FindResultsClose"));
    auto *top = new QHBoxLayout;
    top->addWidget(count);
    top->addStretch();
    top->addWidget(closeButton);

    // A page fills the list's height several times over.
    m_model = new FoundCertificatesModel(100, this);
    connect(m_model, &FoundCertificatesModel::failed, this, &FindResults::failed);
    connect(m_model, &FoundCertificatesModel::countChanged, this, &FindResults::tellCount);
    // The rest is counted a part at a time whenever nothing else is to do.
    m_counting = new QTimer(this);
    connect(m_counting, &QTimer::timeout, this, &FindResults::countOn);
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

    // The columns fit the panel's width, whatever the rows hold.
    table->installEventFilter(this);

    // Enter, and a double click, activate a row.
    connect(table, &QTableView::activated, this, [this](const QModelIndex &index) { emit chosen(keyAt(index.row())); });
    connect(closeButton, &QPushButton::clicked, this, &QWidget::hide);
    hide();
}

DbStatus FindResults::setFound(std::unique_ptr<FoundCertificates> found)
{
    table->sortByColumn(-1, Qt::AscendingOrder);
    const DbStatus s = m_model->show(std::move(found));
    tellCount();
    fitColumns();
    if (m_model->rowCount() == 0) {
        hide();
        return s;
    }
    table->selectRow(0);
    table->setCurrentIndex(m_model->index(0, 0));
    return s;
}

void FindResults::clear() { (void)setFound(nullptr); }

void FindResults::tellCount()
{
    const int n = m_model->count();
    if (!m_model->counted()) {
        count->setText(tr("At least %1 certificates").arg(n));
        m_counting->start();
        return;
    }
    m_counting->stop();
    count->setText(n == 1 ? tr("1 certificate") : tr("%1 certificates").arg(n));
}

void FindResults::countOn()
{
    if (const DbStatus s = m_model->countOn(); !s.ok()) {
        m_counting->stop();
        emit failed(s);
    }
}

qint64 FindResults::keyAt(int row) const { return m_model->keyAt(row); }

int FindResults::rowCount() const { return m_model->rowCount(); }

bool FindResults::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == table && event->type() == QEvent::Resize)
        fitColumns();
    return QFrame::eventFilter(watched, event);
}

void FindResults::fitColumns()
{
    QHeaderView *columns = table->horizontalHeader();
    // Room is kept for the vertical scroll bar, shown or not.
    const int room = table->width() - 2 * table->frameWidth() - table->verticalScrollBar()->sizeHint().width();
    if (room <= 0)
        return;
    table->resizeColumnsToContents();
    std::vector<int> widths;
    for (int c = 0; c < columns->count(); ++c)
        widths.push_back(columns->sectionSize(c));
    if (std::accumulate(widths.begin(), widths.end(), 0) > room)
        widths = fitted(widths, room);
    for (int c = 0; c < columns->count(); ++c)
        columns->resizeSection(c, widths[static_cast<size_t>(c)]);
}

} // namespace arc
