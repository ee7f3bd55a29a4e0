#pragma once

#include "PageCanvasBase.h"

#include <QPainter>

class QPagedPaintDevice;

namespace arc {

// Draws the page with QPainter on a printer or a PDF writer. Painter
// coordinates are twips, mapped from the device's resolution, with the
// origin at the top-left corner of the printable area, then placed on the
// sheet by the sheet fit. The job starts at the first drawing, so the
// orientation can still be set before it.
class PainterCanvas : public PageCanvasBase {
public:
    explicit PainterCanvas(QPagedPaintDevice &device);
    ~PainterCanvas() override;

    void setOrientation(Orientation orientation) override;
    Orientation orientation() const override;
    double printableWidth() const override;
    double printableHeight() const override;
    void setSheetFit(const SheetFit &fit) override;

    void line(double x1, double y1, double x2, double y2) override;
    void box(double x1, double y1, double x2, double y2) override;
    void solidBox(double x1, double y1, double x2, double y2) override;
    void picture(const QImage &image, double x, double y, double width, double height) override;
    void newPage() override;
    void darkSquares(const QList<QRectF> &squares) override;
    void endJob() override;

    // False when the device refused to start the job (no printer, a file
    // that cannot be written).
    bool ok() const { return !m_failed; }

    // Several pages in one job: each endJob then ends a page, the next
    // drawing starts a new one, and finishJob ends the job.
    void keepJobOpen() { m_keepOpen = true; }
    void finishJob();

protected:
    void drawText(double x, double y, const QString &text, bool lineEnd) override;

private:
    bool begin();
    void placePage();
    QPen pen() const;

    QPagedPaintDevice &m_device;
    QPainter m_painter;
    bool m_failed = false;
    bool m_ended = false;
    bool m_keepOpen = false;
    bool m_pageEnded = false;
};

} // namespace arc
