#include "ItemGrid.h"
#include "ScreenTwips.h"

#include "ItemGridModel.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QKeyEvent>

namespace arc {

namespace {
constexpr int kColumnTwips[ItemGridModel::kColumns] = {735, 2630, 2320, 850, 2345, 1930};
} // namespace

ItemGrid::ItemGrid(ItemGridModel *model, std::function<bool()> newForm, QWidget *parent)
    : QTableView(parent), m_model(model), m_newForm(std::move(newForm))
{
    setObjectName(QStringLiteral("Grid1"));
    setModel(model);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setWordWrap(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    verticalHeader()->setMinimumSectionSize(1);
    m_rowHeight = fontMetrics().lineSpacing() + 10;
    verticalHeader()->setDefaultSectionSize(m_rowHeight);
    int width = 0;
    for (int c = 0; c < ItemGridModel::kColumns; ++c) {
        setColumnWidth(c, twipsToPixels(kColumnTwips[c]));
        width += twipsToPixels(kColumnTwips[c]);
    }
    // Room for the scroll bar that appears past the tenth row.
    setFixedWidth(width + 2 * frameWidth() + verticalScrollBar()->sizeHint().width());
    setFixedHeight(m_rowHeight * kGridRows + 2 * frameWidth());

    connect(model, &ItemGridModel::currentCellChanged, this, &ItemGrid::followModel);
    connect(model, &ItemGridModel::rowHeightChanged, this, &ItemGrid::applyRowHeight);
    connect(model, &QAbstractItemModel::modelReset, this, [this] { followModel(m_model->currentRow(), m_model->currentColumn()); });
}

void ItemGrid::applyRowHeight(int row)
{
    setRowHeight(row, m_rowHeight + twipsToPixels(m_model->extraHeight(row)));
    fitHeight();
}

void ItemGrid::fitHeight()
{
    // The first ten rows stay in view, however tall they have grown.
    int height = 0;
    for (int r = 0; r < std::min(kGridRows, m_model->rowCount()); ++r)
        height += rowHeight(r);
    setFixedHeight(height + 2 * frameWidth());
}

void ItemGrid::followModel(int row, int column)
{
    const QModelIndex target = m_model->index(row, column);
    if (currentIndex() != target)
        setCurrentIndex(target);
}

void ItemGrid::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);
    if (current.isValid())
        m_model->setCurrentCell(current.row(), current.column(), m_newForm());
}

void ItemGrid::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (ctrl)
            m_model->type(QLatin1Char('\n'));
        else if (m_model->enter(m_newForm()))
            emit lookUpRequested();
        return;
    }
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
        const bool back = key == Qt::Key_Backtab || (event->modifiers() & Qt::ShiftModifier);
        // Ctrl+Tab leaves the grid at once; Tab walks the lines in use.
        const std::optional<std::pair<int, int>> to =
            ctrl ? std::nullopt : m_model->tabStep(m_model->currentRow(), m_model->currentColumn(), back);
        if (to)
            setCurrentIndex(m_model->index(to->first, to->second));
        else
            QAbstractScrollArea::focusNextPrevChild(!back);
        return;
    }
    if (key == Qt::Key_Backspace) {
        m_model->type(QLatin1Char('\b'));
        return;
    }
    if (key == Qt::Key_Down && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier)) && m_model->currentRow() == m_model->rowCount() - 1) {
        if (m_model->addRow())
            setCurrentIndex(m_model->index(m_model->currentRow() + 1, m_model->currentColumn()));
        return;
    }
    if (key == Qt::Key_Delete) {
        m_model->deleteInItemColumn();
        return;
    }
    const QString text = event->text();
    // Only printing characters are typed; Escape, Tab, Ctrl+letter and the
    // arrows keep their usual meaning.
    if (!ctrl && text.size() == 1 && text[0].isPrint()) {
        m_model->type(text[0]);
        return;
    }
    QTableView::keyPressEvent(event);
}

void ItemGrid::mousePressEvent(QMouseEvent *event)
{
    QTableView::mousePressEvent(event);
    if (indexAt(event->position().toPoint()).isValid())
        m_model->clickItemColumn();
}

} // namespace arc
