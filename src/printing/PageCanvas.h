#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QRectF>
#include <QString>

#include "SheetFit.h"

namespace arc {

// The page operations the certificate layout is drawn with. Positions and
// sizes are twips (1/1440 inch) from the top-left corner of the printable
// area. One canvas is one print job: a page, and any pages started after it.
class PageCanvas {
public:
    enum class Orientation { Portrait, Landscape };
    enum class FillStyle { Transparent, Solid };

    virtual ~PageCanvas() = default;

    // Before anything is drawn.
    virtual void setOrientation(Orientation orientation) = 0;
    virtual Orientation orientation() const = 0;
    // The printable width W and height of the page in its current
    // orientation.
    virtual double printableWidth() const = 0;
    virtual double printableHeight() const = 0;
    // Where everything drawn goes on the sheet; set before drawing.
    virtual void setSheetFit(const SheetFit &fit) = 0;
    virtual const SheetFit &sheetFit() const = 0;

    virtual void setFontName(const QString &name) = 0;
    // Fractional points are allowed; fontSize() is the size the canvas took.
    virtual void setFontSize(double points) = 0;
    virtual double fontSize() const = 0;
    // The size the canvas would take for `points`, without changing the font.
    virtual double takenSize(double points) const = 0;
    virtual void setFontBold(bool bold) = 0;
    virtual bool fontBold() const = 0;
    // Text drawn narrower by `factor` (1 as designed); widths and the
    // advance after a print are measured the same way.
    virtual void setTextCondense(double factor) = 0;
    virtual double textCondense() const = 0;
    // Text that leaves what lies under it alone.
    virtual void setTransparentText(bool transparent) = 0;

    virtual double currentX() const = 0;
    virtual double currentY() const = 0;
    virtual void setCurrentX(double x) = 0;
    virtual void setCurrentY(double y) = 0;
    // Draw `text` with its top-left corner at the current position. With a
    // line end CurrentX goes back to 0 and CurrentY down one line height;
    // without, CurrentX moves on by the text's width.
    virtual void print(const QString &text, bool lineEnd = true) = 0;
    virtual double textWidth(const QString &text) const = 0;
    virtual double lineHeight() const = 0;

    virtual void setFillStyle(FillStyle style) = 0;
    virtual void setFillColor(const QColor &color) = 0;
    // Device pixels.
    virtual void setLineWidth(int pixels) = 0;
    virtual void line(double x1, double y1, double x2, double y2) = 0;
    // Outlined in black, the inside painted with the fill settings.
    virtual void box(double x1, double y1, double x2, double y2) = 0;
    virtual void solidBox(double x1, double y1, double x2, double y2) = 0;
    virtual void picture(const QImage &image, double x, double y, double width, double height) = 0;
    // Black without an outline, all filled as one shape, so that no seam
    // shows between squares that touch (the modules of a QR code).
    virtual void darkSquares(const QList<QRectF> &squares) = 0;

    // End this page: what is drawn next goes on a new sheet of the same
    // job, in the same orientation and sheet fit.
    virtual void newPage() = 0;
    // End the page and the job.
    virtual void endJob() = 0;
};

} // namespace arc
