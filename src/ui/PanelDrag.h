#pragma once

#include <QObject>
#include <QPoint>

class QRubberBand;
class QWidget;

namespace arc {

// Lets the user move a panel over the main window with the left mouse
// button: an outline follows the mouse and the panel moves on release.
// Other buttons do nothing. The panel's top strip stays inside the window,
// so a dragged panel can always be reached again.
class PanelDrag : public QObject {
    Q_OBJECT
public:
    // Dragging for `panel`, which owns the returned object.
    static PanelDrag *attach(QWidget *panel);

    // How much of the top strip stays inside the window.
    static constexpr int kReachable = 24;

    // Where a panel of `size` with its corner wished at `wanted` lands in
    // `area`: as wished, but with its top strip inside.
    static QPoint keptReachable(QPoint wanted, QSize size, QSize area);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit PanelDrag(QWidget *panel);

    QWidget *m_panel;
    QRubberBand *m_outline = nullptr;
    QPoint m_grab;   // where the panel was taken, inside it
    QPoint m_corner; // where its corner would go
    bool m_dragging = false;
};

} // namespace arc
