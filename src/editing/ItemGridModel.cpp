#include "ItemGridModel.h"

#include "BlankRule.h"
#include "CertificateFields.h"
#include "EntryLimit.h"
#include "LineBreaks.h"

#include <algorithm>

namespace arc {

namespace {

// The grid's columns are the item line's fields in table order.
const CertificateField &columnField(int column)
{
    static const std::vector<const CertificateField *> columns = CertificateFields::of(StoredTable::Detail);
    const bool inGrid = column >= 0 && column < int(columns.size());
    return *columns[inGrid ? static_cast<size_t>(column) : columns.size() - 1];
}

// The line's value in a column, for reading or writing.
template <typename Line>
auto field(Line &line, int column) -> decltype(&line.item)
{
    return &(line.*columnField(column).lineText);
}

bool upperCase(int column)
{
    return column == ItemGridModel::PartNoColumn || column == ItemGridModel::SerialNoColumn;
}

} // namespace

int ItemGridModel::limit(int column)
{
    return columnField(column).entryLimit;
}

bool ItemGridModel::fits(int column, const QString &text)
{
    if (limit(column) == 0 || text.size() <= limit(column))
        return true;
    emit refused(column, limit(column));
    return false;
}

ItemGridModel::ItemGridModel(QObject *parent)
    : QAbstractTableModel(parent), m_lines(paddedLines({})), m_extraHeight(m_lines.size(), 0)
{
}

int ItemGridModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : int(m_lines.size()); }
int ItemGridModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : kColumns; }

QString ItemGridModel::cellText(int row, int column) const
{
    return *field(line(row), column);
}

QVariant ItemGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return LineBreaks::toScreen(cellText(index.row(), index.column()));
    if (role == Qt::ToolTipRole)
        return EntryLimit::toolTip(limit(index.column()));
    if (role == Qt::TextAlignmentRole) {
        const bool bottom = index.column() == ItemColumn || index.column() == QtyColumn || index.column() == StatusColumn;
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | (bottom ? Qt::AlignBottom : Qt::AlignTop)));
    }
    return {};
}

void ItemGridModel::setLines(const ItemSlots &lines)
{
    beginResetModel();
    m_lines = paddedLines(lines);
    m_extraHeight.assign(m_lines.size(), 0);
    m_typing = false;
    m_row = std::min(m_row, rowCount() - 1);
    endResetModel();
    for (int r = 0; r < rowCount(); ++r)
        emit rowHeightChanged(r);
}

void ItemGridModel::setLine(int row, const ItemLine &line)
{
    if (row < 0 || row >= rowCount())
        return;
    m_lines[std::size_t(row)] = line;
    rowRebuilt(row);
}

bool ItemGridModel::addRow()
{
    if (rowCount() >= kMaxItemLines) {
        emit tooManyLines(kMaxItemLines);
        return false;
    }
    beginInsertRows({}, rowCount(), rowCount());
    m_lines.emplace_back();
    m_extraHeight.push_back(0);
    endInsertRows();
    emit rowHeightChanged(rowCount() - 1);
    return true;
}

bool ItemGridModel::offerLine(int row, const ItemLine &line)
{
    ItemLine taken = line;
    bool all = true;
    for (int column = 0; column < kColumns; ++column)
        if (!fits(column, *field(line, column))) {
            *field(taken, column) = *field(this->line(row), column);
            all = false;
        }
    setLine(row, taken);
    return all;
}

void ItemGridModel::rowRebuilt(int row)
{
    emit dataChanged(index(row, 0), index(row, kColumns - 1));
}

std::pair<int, int> ItemGridModel::firstEmptyCell() const
{
    for (int row = 0; row < rowCount(); ++row)
        for (int column = 0; column < kColumns; ++column)
            if (cellText(row, column).isEmpty())
                return {row, column};
    return {0, 0};
}

std::optional<std::pair<int, int>> ItemGridModel::tabStep(int row, int column, bool back) const
{
    int walkable = 0; // the lines up to the last holding something, and one more
    for (int r = 0; r < rowCount(); ++r)
        for (int c = 0; c < kColumns; ++c)
            if (!BlankRule::isBlank(cellText(r, c)))
                walkable = r + 1;
    walkable = std::min(walkable + 1, rowCount());
    const int cell = row * kColumns + column + (back ? -1 : 1);
    if (cell < 0 || cell >= walkable * kColumns)
        return std::nullopt;
    return std::pair{cell / kColumns, cell % kColumns};
}

void ItemGridModel::setCurrentCell(int row, int column, bool newForm)
{
    row = std::clamp(row, 0, rowCount() - 1);
    column = std::clamp(column, 0, kColumns - 1);
    const bool changed = row != m_row || column != m_column;
    m_row = row;
    m_column = column;
    if (!changed)
        return;
    if (newForm)
        m_typing = false;
    emit currentCellChanged(row, column);
}

void ItemGridModel::storeCell(const QString &text)
{
    // Typing stops at the limit; a longer value shown from a stored
    // certificate is kept, never cut.
    QString &cell = *field(m_lines[std::size_t(m_row)], m_column);
    if (limit(m_column) > 0 && text.size() > limit(m_column) && text.size() > cell.size()) {
        emit typedPastLimit(m_column, limit(m_column));
        return;
    }
    cell = upperCase(m_column) ? text.toUpper() : text;
    emit dataChanged(index(m_row, m_column), index(m_row, m_column));
}

void ItemGridModel::type(QChar key)
{
    QString text = cellText(m_row, m_column);
    if (key == QLatin1Char('\b')) {
        // Backspace counts as the first keystroke: what follows appends.
        text.chop(1);
        m_typing = true;
    } else {
        const QString typed = key == QLatin1Char('\n') ? QStringLiteral("\r\n") : QString(key);
        text = m_typing ? text + typed : typed;
        m_typing = true;
        if (key == QLatin1Char('\n')) {
            m_extraHeight[std::size_t(m_row)] += kLineBreakTwips;
            emit rowHeightChanged(m_row);
        }
    }
    storeCell(text);
}

bool ItemGridModel::enter(bool newForm)
{
    switch (m_column) {
    case ItemColumn: setCurrentCell(m_row, DescriptionColumn, newForm); return false;
    case DescriptionColumn: setCurrentCell(m_row, PartNoColumn, newForm); return false;
    case PartNoColumn: return true;
    case QtyColumn: setCurrentCell(m_row, SerialNoColumn, newForm); return false;
    case SerialNoColumn: setCurrentCell(m_row, StatusColumn, newForm); return false;
    default:
        // The last column goes on to the next line, added after the last.
        if (m_row + 1 < rowCount() || addRow())
            setCurrentCell(m_row + 1, ItemColumn, newForm);
        return false;
    }
}

bool ItemGridModel::lookedUp(const std::optional<CataloguePart> &part, bool newForm)
{
    if (!part) {
        setCurrentCell(m_row, QtyColumn, newForm);
        return false;
    }
    if (!fits(DescriptionColumn, part->description))
        return false;
    m_lines[std::size_t(m_row)].description = part->description;
    m_lines[std::size_t(m_row)].pmaPartNumber = part->pmaPartNumber;
    m_lines[std::size_t(m_row)].stamps = part->stamps;
    rowRebuilt(m_row);
    setCurrentCell(m_row, ItemColumn, newForm);
    return true;
}

bool ItemGridModel::takePart(const QString &partNumber, const std::optional<CataloguePart> &part, bool newForm)
{
    if (!fits(PartNoColumn, partNumber) || (part && !fits(DescriptionColumn, part->description)))
        return false;
    ItemLine &line = m_lines[std::size_t(m_row)];
    line.partNum = partNumber;
    if (part) {
        line.description = part->description;
        line.pmaPartNumber = part->pmaPartNumber;
        line.stamps = part->stamps;
    }
    rowRebuilt(m_row);
    setCurrentCell(m_row, ItemColumn, newForm);
    return true;
}

void ItemGridModel::takeStatus(const QString &status, bool newForm)
{
    m_lines[std::size_t(m_row)].status = status.toUpper();
    rowRebuilt(m_row);
    setCurrentCell(m_row, ItemColumn, newForm);
}

void ItemGridModel::clickItemColumn()
{
    if (m_column != ItemColumn)
        return;
    m_lines[std::size_t(m_row)].item = QString::number(m_row + 1);
    rowRebuilt(m_row);
}

bool ItemGridModel::deleteInItemColumn()
{
    if (m_column != ItemColumn)
        return false;
    // The looked-up assembly number goes with the line, so the remarks
    // never cite a part that is no longer on the certificate.
    m_lines[std::size_t(m_row)] = ItemLine{};
    m_extraHeight[std::size_t(m_row)] = 0;
    rowRebuilt(m_row);
    emit rowHeightChanged(m_row);
    return true;
}

} // namespace arc
