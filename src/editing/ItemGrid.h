#pragma once

#include <QTableView>

namespace arc {

class ItemGridModel;

// The item grid: ten rows in view from the model, a scroll bar for more,
// typed into in place; Down on the last row adds one. The
// view only turns keys and clicks into the model's operations; whether a
// new certificate is on screen is asked of `newForm`.
class ItemGrid : public QTableView {
    Q_OBJECT
public:
    ItemGrid(ItemGridModel *model, std::function<bool()> newForm, QWidget *parent = nullptr);

    int defaultRowHeight() const { return m_rowHeight; }
    bool newForm() const { return m_newForm(); }

signals:
    // Enter in the Part No. column: the part number is to be looked up.
    void lookUpRequested();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;

private:
    void followModel(int row, int column);
    void applyRowHeight(int row);
    void fitHeight();

    ItemGridModel *m_model;
    std::function<bool()> m_newForm;
    int m_rowHeight;
};

} // namespace arc
