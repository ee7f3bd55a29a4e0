#pragma once

#include <QObject>
#include <QPointer>

class QAbstractButton;
class QWidget;

namespace arc {

// The keys every panel answers: Escape presses its close button, Enter its
// default button (when it has one). Keys a box inside the panel uses
// itself (Enter in block 12, a list's arrows) stay with that box.
class PanelKeys : public QObject {
    Q_OBJECT
public:
    static void attach(QWidget *panel, QAbstractButton *closeButton, QAbstractButton *defaultButton = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    PanelKeys(QWidget *panel, QAbstractButton *closeButton, QAbstractButton *defaultButton);

    QPointer<QAbstractButton> m_close, m_default;
};

} // namespace arc
