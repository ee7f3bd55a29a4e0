#pragma once

#include "PageCanvasBase.h"

#include <QList>
#include <QRectF>
#include <QSizeF>
#include <optional>

namespace arc {

// Keeps every page operation with its arguments instead of drawing, so the
// layout can be checked figure by figure. Text is measured on the same
// fonts as on paper.
class RecordingCanvas : public PageCanvasBase {
public:
    struct Op {
        enum class Kind { Orientation, Text, Line, Box, SolidBox, Picture, NewPage, DarkSquares, EndJob };
        explicit Op(Kind k) : kind(k) {}
        Kind kind;
        double x1 = 0, y1 = 0, x2 = 0, y2 = 0; // text: top-left; picture: x, y, width, height
        // What a text covers: its visible width, from the top of the font's
        // tallest letters to the bottom of its descenders.
        QRectF area;
        QString text;
        double fontSize = 0;
        double condense = 1;
        bool bold = false;
        bool lineEnd = false;
        FillStyle fill = FillStyle::Transparent; // boxes
        QColor fillColor;                         // boxes
        int lineWidth = 0;
        Orientation orientation = Orientation::Portrait;
        QImage image;
        QList<QRectF> squares; // dark squares; x1, y1, x2, y2 the corners of all of them
    };

    // The printable area of Letter paper with quarter-inch margins, upright;
    // on its side in landscape.
    static constexpr double kLetterPortraitWidth = 11520;
    static constexpr double kLetterPortraitHeight = 15120;

    explicit RecordingCanvas(QSizeF portraitSheet = {kLetterPortraitWidth, kLetterPortraitHeight});

    void setOrientation(Orientation orientation) override;
    Orientation orientation() const override { return m_orientation; }
    double printableWidth() const override;
    double printableHeight() const override;
    // The printable area the job was drawn on, in sheet twips.
    QRectF sheet() const;

    void line(double x1, double y1, double x2, double y2) override;
    void box(double x1, double y1, double x2, double y2) override;
    void solidBox(double x1, double y1, double x2, double y2) override;
    void picture(const QImage &image, double x, double y, double width, double height) override;
    void newPage() override;
    void darkSquares(const QList<QRectF> &squares) override;
    void endJob() override;

    const QList<Op> &ops() const { return m_ops; }
    // The operations page by page, without the page breaks.
    QList<QList<Op>> pages() const;
    QList<Op> ofKind(Op::Kind kind) const;
    // Every printed text equal to `text`, in order.
    QList<Op> texts(const QString &text) const;
    // Every non-empty printed text, in order.
    QList<Op> allTexts() const;

protected:
    void drawText(double x, double y, const QString &text, bool lineEnd) override;

private:
    Op boxOp(Op::Kind kind, double x1, double y1, double x2, double y2) const;

    QSizeF m_portraitSheet;
    Orientation m_orientation = Orientation::Portrait;
    std::optional<QRectF> m_jobSheet;
    QList<Op> m_ops;
};

} // namespace arc
