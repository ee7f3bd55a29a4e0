#include "OrganizationChooser.h"
#include "ScreenTwips.h"

#include <QStyle>

namespace arc {

namespace {
constexpr int kWideLeft = 75, kWideWidth = 4665;      // over the box
constexpr int kNarrowLeft = 4350, kNarrowWidth = 60; // the drop-down button
} // namespace

OrganizationChooser::OrganizationChooser(QWidget *parent) : QComboBox(parent)
{
    setObjectName(QStringLiteral("Combo3"));
    shrink();
}

void OrganizationChooser::widen()
{
    m_wide = true;
    setGeometry(twipsToPixels(kWideLeft), 0, twipsToPixels(kWideWidth), sizeHint().height());
    raise();
}

void OrganizationChooser::shrink()
{
    m_wide = false;
    // A button narrower than its arrow cannot be used: keep the arrow whole
    // and its right edge where the narrow button ends.
    const int arrow = style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 8;
    const int width = std::max(twipsToPixels(kNarrowWidth), arrow);
    const int right = twipsToPixels(kNarrowLeft + kNarrowWidth);
    setGeometry(right - width, 0, width, sizeHint().height());
    raise();
}

void OrganizationChooser::showPopup()
{
    widen();
    QComboBox::showPopup();
}

void OrganizationChooser::hidePopup()
{
    QComboBox::hidePopup();
    shrink();
}

} // namespace arc
