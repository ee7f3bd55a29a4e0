#include "PagePlan.h"

#include "BlankRule.h"
#include "CertificatePage.h"
#include "PageCanvas.h"
#include "PageGeometry.h"
#include "PrintMode.h"
#include "StackFit.h"
#include "WrapToWidth.h"
#include "WrappedBlock.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace arc {

namespace {

constexpr int kFetchLimit = 300;

// The lines up to the last that holds something.
ItemSlots filled(const ItemSlots &lines)
{
    auto end = lines.end();
    while (end != lines.begin() && std::prev(end)->isEmptyLine())
        --end;
    return ItemSlots(lines.begin(), end);
}

} // namespace

float PagePlan::remarksX(const PageGeometry &g) { return g.x0 + g.X(800); }

float PagePlan::remarksWidth(const PageGeometry &g)
{
    return std::min(g.textLimit - g.X(800), g.before(g.xR) - remarksX(g));
}

double PagePlan::remarksTop(PageCanvas &c, const PageGeometry &g, const PrintMode &mode)
{
    c.setTextCondense(1);
    c.setFontSize(mode.label);
    c.setFontBold(true);
    return g.y4 + g.Y(50) + c.lineHeight();
}

PagePlan PagePlan::of(PageCanvas &c, const PageGeometry &g, const PrintMode &mode, const CertificatePage &page,
                      double remarksSize)
{
    PagePlan plan;
    const ItemSlots items = filled(page.lines);
    const bool allItems = ItemRows::allFit(c, g, items, mode.body);
    const int onForm = allItems ? int(items.size()) : ItemRows::holding(c, g, items, mode.body);
    plan.formItems = allItems ? page.lines : ItemSlots(items.begin(), items.begin() + onForm);
    const ItemSlots restItems(items.begin() + onForm, items.end());

    const QString remarks = page.text(PrintedBox::Remarks);
    const double top = remarksTop(c, g, mode);
    const double height = g.above(g.y5) - top;
    const WrappedBlock fitted = WrappedBlock::of(c, remarks, remarksSize, remarksWidth(g), kFetchLimit, height);
    if (allItems && !fitted.cutToTen && !fitted.overflow)
        return plan;

    plan.remarksFitted = false;
    c.setTextCondense(1);
    c.setFontBold(false);
    c.setFontSize(remarksSize);
    QStringList lines = remarks.isEmpty() ? QStringList() : WrapToWidth(remarks, remarksWidth(g), kFetchLimit, c);
    // Empty lines at the end print nothing: they make no sheet.
    while (!lines.isEmpty() && BlankRule::isBlank(lines.last()))
        lines.removeLast();
    const auto capacity = static_cast<qsizetype>(std::floor((height + StackFit::kSlack) / c.lineHeight()));
    if (restItems.empty() && lines.size() <= capacity) {
        plan.formRemarks = lines;
        return plan;
    }
    // One line is kept for the reference to the sheets.
    const qsizetype room = std::max<qsizetype>(0, capacity - 1);
    plan.formRemarks = lines.mid(0, room);
    plan.sheets = ContinuationSheet::laidOut(c, g, mode, restItems, lines.mid(room), mode.body, remarksSize);
    return plan;
}

} // namespace arc
