#include "RecordingCanvas.h"

namespace arc {

RecordingCanvas::RecordingCanvas(QSizeF portraitSheet) : m_portraitSheet(portraitSheet) {}

void RecordingCanvas::setOrientation(Orientation orientation)
{
    m_orientation = orientation;
    Op op(Op::Kind::Orientation);
    op.orientation = orientation;
    m_ops << op;
}

double RecordingCanvas::printableWidth() const
{
    return m_orientation == Orientation::Landscape ? m_portraitSheet.height() : m_portraitSheet.width();
}

double RecordingCanvas::printableHeight() const
{
    return m_orientation == Orientation::Landscape ? m_portraitSheet.width() : m_portraitSheet.height();
}

void RecordingCanvas::drawText(double x, double y, const QString &text, bool lineEnd)
{
    Op op(Op::Kind::Text);
    op.x1 = x;
    op.y1 = y;
    op.area = letterArea(x, y, text);
    op.text = text;
    op.fontSize = fontSize();
    op.condense = textCondense();
    op.bold = fontBold();
    op.lineEnd = lineEnd;
    m_ops << op;
}

RecordingCanvas::Op RecordingCanvas::boxOp(Op::Kind kind, double x1, double y1, double x2, double y2) const
{
    Op op(kind);
    op.x1 = x1;
    op.y1 = y1;
    op.x2 = x2;
    op.y2 = y2;
    op.fill = fillStyle();
    op.fillColor = fillColor();
    op.lineWidth = lineWidth();
    return op;
}

void RecordingCanvas::line(double x1, double y1, double x2, double y2)
{
    m_ops << boxOp(Op::Kind::Line, x1, y1, x2, y2);
}
void RecordingCanvas::box(double x1, double y1, double x2, double y2) { m_ops << boxOp(Op::Kind::Box, x1, y1, x2, y2); }

void RecordingCanvas::solidBox(double x1, double y1, double x2, double y2)
{
    m_ops << boxOp(Op::Kind::SolidBox, x1, y1, x2, y2);
}

void RecordingCanvas::picture(const QImage &image, double x, double y, double width, double height)
{
    Op op = boxOp(Op::Kind::Picture, x, y, width, height);
    op.image = image;
    m_ops << op;
}

void RecordingCanvas::newPage() { m_ops << Op(Op::Kind::NewPage); }

QList<QList<RecordingCanvas::Op>> RecordingCanvas::pages() const
{
    QList<QList<Op>> out{{}};
    for (const Op &op : m_ops) {
        if (op.kind == Op::Kind::NewPage)
            out.append(QList<Op>());
        else
            out.last() << op;
    }
    return out;
}

void RecordingCanvas::darkSquares(const QList<QRectF> &squares)
{
    QRectF all;
    for (const QRectF &square : squares)
        all = all.united(square);
    Op op = boxOp(Op::Kind::DarkSquares, all.left(), all.top(), all.right(), all.bottom());
    op.squares = squares;
    m_ops << op;
}

void RecordingCanvas::endJob()
{
    m_jobSheet = QRectF(0, 0, printableWidth(), printableHeight());
    m_ops << Op(Op::Kind::EndJob);
}

QRectF RecordingCanvas::sheet() const
{
    return m_jobSheet.value_or(QRectF(0, 0, printableWidth(), printableHeight()));
}

QList<RecordingCanvas::Op> RecordingCanvas::ofKind(Op::Kind kind) const
{
    QList<Op> found;
    for (const Op &op : m_ops)
        if (op.kind == kind)
            found << op;
    return found;
}

QList<RecordingCanvas::Op> RecordingCanvas::texts(const QString &text) const
{
    QList<Op> found;
    for (const Op &op : m_ops)
        if (op.kind == Op::Kind::Text && op.text == text)
            found << op;
    return found;
}

QList<RecordingCanvas::Op> RecordingCanvas::allTexts() const
{
    QList<Op> found;
    for (const Op &op : m_ops)
        if (op.kind == Op::Kind::Text && !op.text.isEmpty())
            found << op;
    return found;
}

} // namespace arc
