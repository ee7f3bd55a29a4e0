#pragma once

#include <QComboBox>

namespace arc {

// The block 4 organisation list. It lies over the name-and-address box as
// a drop-down button at the box's right edge, widens over the box while
// its list is down and shrinks back once an organisation is chosen.
class OrganizationChooser : public QComboBox {
    Q_OBJECT
public:
    explicit OrganizationChooser(QWidget *parent);

    void widen();
    void shrink();
    bool isWide() const { return m_wide; }

    void showPopup() override;
    void hidePopup() override;

private:
    bool m_wide = false;
};

} // namespace arc
