#pragma once

#include "PageCanvas.h"

#include <QFont>
#include <QFontMetricsF>
#include <optional>

namespace arc {

// What every canvas shares: the font state, the current position and the
// measuring of text, all on the same font that is drawn. Subclasses draw.
class PageCanvasBase : public PageCanvas {
public:
    PageCanvasBase();

    void setFontName(const QString &name) override;
    void setFontSize(double points) override;
    double fontSize() const override { return m_size; }
    double takenSize(double points) const override;
    void setFontBold(bool bold) override;
    bool fontBold() const override { return m_bold; }
    void setTextCondense(double factor) override { m_condense = factor; }
    double textCondense() const override { return m_condense; }
    void setTransparentText(bool transparent) override { m_transparent = transparent; }
    void setSheetFit(const SheetFit &fit) override { m_fit = fit; }
    const SheetFit &sheetFit() const override { return m_fit; }

    double currentX() const override { return m_x; }
    double currentY() const override { return m_y; }
    void setCurrentX(double x) override { m_x = x; }
    void setCurrentY(double y) override { m_y = y; }
    void print(const QString &text, bool lineEnd = true) override;
    double textWidth(const QString &text) const override;
    double lineHeight() const override;

    void setFillStyle(FillStyle style) override { m_fillStyle = style; }
    void setFillColor(const QColor &color) override { m_fillColor = color; }
    void setLineWidth(int pixels) override { m_lineWidth = pixels; }

    // The font as drawn: pixel size in twips.
    const QFont &font() const { return m_font; }
    const QString &fontName() const { return m_name; }

protected:
    // Draw `text` with its top-left corner at (x, y) in the current font;
    // called for every print, empty texts included.
    virtual void drawText(double x, double y, const QString &text, bool lineEnd) = 0;

    bool transparentText() const { return m_transparent; }
    FillStyle fillStyle() const { return m_fillStyle; }
    const QColor &fillColor() const { return m_fillColor; }
    int lineWidth() const { return m_lineWidth; }
    const QFontMetricsF &metrics() const;
    // What `text` at (x, y) covers: its width without trailing blanks,
    // from the top of the font's tallest letters to the bottom of its
    // descenders.
    QRectF letterArea(double x, double y, const QString &text) const;

private:
    void rebuildFont();

    QString m_name;
    double m_size;
    bool m_bold = false;
    bool m_transparent = false;
    double m_condense = 1;
    SheetFit m_fit;
    double m_x = 0;
    double m_y = 0;
    FillStyle m_fillStyle = FillStyle::Transparent;
    QColor m_fillColor = Qt::white;
    int m_lineWidth = 1;
    QFont m_font;
    mutable std::optional<QFontMetricsF> m_metrics;
};

} // namespace arc
