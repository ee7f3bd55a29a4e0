#pragma once

#include "ItemLine.h"

#include <QAbstractTableModel>
#include <optional>

namespace arc {

// What a catalogue look-up brings into an item line.
struct CataloguePart {
    QString description;
    QString pmaPartNumber;
    std::array<QString, 3> stamps{}; // S1 to S3
};

// The item lines of the certificate on screen and the in-place typing into
// them: ten rows at least, one more added below the last on request, up to
// the most a certificate holds. The lines are the truth; a grid view only
// shows them.
class ItemGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { ItemColumn, DescriptionColumn, PartNoColumn, QtyColumn, SerialNoColumn, StatusColumn };
    static constexpr int kColumns = 6;
    static constexpr int kLineBreakTwips = 200; // each line break typed makes a row this much taller

    explicit ItemGridModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    const ItemSlots &lines() const { return m_lines; }
    const ItemLine &line(int row) const { return lineAt(m_lines, row); }
    // Replace every line (a certificate loaded or started), padded to the
    // grid's ten rows; rows get their default height back and the typing
    // flag is cleared.
    void setLines(const ItemSlots &lines);
    void setLine(int row, const ItemLine &line);
    // An empty row added below the last. At the most a certificate holds
    // it is refused (`tooManyLines`). Returns whether it was added.
    bool addRow();
    // A line the program fills in (the defaults): a value longer than its
    // column's limit is refused (`refused`), the row keeping what it held
    // there. Returns whether every value was taken.
    bool offerLine(int row, const ItemLine &line);
    // A column's length limit, 0 for none.
    static int limit(int column);

    int currentRow() const { return m_row; }
    int currentColumn() const { return m_column; }
    const ItemLine &currentLine() const { return m_lines[m_row]; }
    // Move the cursor. While a new certificate is entered (`newForm`) the
    // typing flag is cleared.
    void setCurrentCell(int row, int column, bool newForm);
    bool typing() const { return m_typing; }
    // Row and column of the first cell holding nothing, line by line; the
    // first cell when every one holds something.
    std::pair<int, int> firstEmptyCell() const;
    // Where Tab (or Shift+Tab, `back`) goes from a cell: the cells of the
    // lines holding something and of the next empty line, left to right
    // and line by line; nullopt past either end, where the focus leaves
    // the grid.
    std::optional<std::pair<int, int>> tabStep(int row, int column, bool back) const;

    // A key typed into the current cell: a printable character, Backspace
    // ("\b") or Ctrl+Enter ("\n", a line break).
    void type(QChar key);

    // Enter: move on by column; the last column of the last row adds a
    // row. Returns true when the current part number
    // is to be looked up in the catalogue first (see lookedUp).
    bool enter(bool newForm);
    // The outcome of the look-up of the current row's part number. A part
    // whose values do not fit is refused whole (`refused`). Returns whether
    // a part was taken.
    bool lookedUp(const std::optional<CataloguePart> &part, bool newForm);
    // A part number taken from the part list into the current row; refused
    // as lookedUp. Returns whether it was taken.
    bool takePart(const QString &partNumber, const std::optional<CataloguePart> &part, bool newForm);
    // A status word taken from the status list; stored upper-cased.
    void takeStatus(const QString &status, bool newForm);

    // A click in the Item column writes the row number.
    void clickItemColumn();
    // Delete in the Item column clears the row. Returns whether it did.
    bool deleteInItemColumn();

    // Extra height of a row from the line breaks typed into it, in twips.
    int extraHeight(int row) const { return row >= 0 && row < int(m_extraHeight.size()) ? m_extraHeight[std::size_t(row)] : 0; }

signals:
    void currentCellChanged(int row, int column);
    void rowHeightChanged(int row);
    // A value refused for being longer than its column's limit.
    void refused(int column, int limit);
    // A key typed past a column's limit: the cell kept what it held.
    void typedPastLimit(int column, int limit);
    // A row beyond the most a certificate holds was asked for.
    void tooManyLines(int limit);

private:
    QString cellText(int row, int column) const;
    void storeCell(const QString &text);
    bool fits(int column, const QString &text);
    void rowRebuilt(int row);

    ItemSlots m_lines;
    std::vector<int> m_extraHeight;
    int m_row = 0;
    int m_column = 0;
    bool m_typing = false;
};

} // namespace arc
