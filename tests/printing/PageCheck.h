#pragma once

#include "RecordingCanvas.h"

#include <QRectF>
#include <QStringList>
#include <algorithm>

// Every text of one recorded page that a ruling runs through, that
// overprints another, leaves the frame's width or lies off the sheet.
inline QStringList pageFaults(const arc::RecordingCanvas &canvas, const QList<arc::RecordingCanvas::Op> &ops)
{
    using Op = arc::RecordingCanvas::Op;
    using Kind = Op::Kind;
    constexpr double tol = 0.5; // twips

    struct Ruling {
        double x1, y1, x2, y2;
    };
    QList<Ruling> rulings;
    double frameLeft = 0, frameRight = canvas.printableWidth();
    bool frameSeen = false;
    for (const Op &op : ops) {
        if (op.kind == Kind::Line)
            rulings << Ruling{op.x1, op.y1, op.x2, op.y2};
        if (op.kind != Kind::Box && op.kind != Kind::SolidBox)
            continue;
        if (!frameSeen) {
            frameLeft = op.x1;
            frameRight = op.x2;
            frameSeen = true;
        }
        rulings << Ruling{op.x1, op.y1, op.x2, op.y1} << Ruling{op.x1, op.y2, op.x2, op.y2}
                << Ruling{op.x1, op.y1, op.x1, op.y2} << Ruling{op.x2, op.y1, op.x2, op.y2};
    }

    QList<Op> texts;
    for (const Op &op : ops)
        if (op.kind == Kind::Text && !op.text.isEmpty() && op.area.width() > tol)
            texts << op;
    const auto name = [](const Op &t) { return QString("\"%1\"").arg(t.text); };

    QStringList faults;
    const QRectF sheet = canvas.sheet().adjusted(-tol, -tol, tol, tol);
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const QRectF r = texts[i].area;
        if (!sheet.contains(canvas.sheetFit().map(r)))
            faults << name(texts[i]) + " lies off the sheet";
        if (r.left() < frameLeft - tol || r.right() > frameRight + tol)
            faults << name(texts[i]) + " leaves the frame's width";
        for (const Ruling &l : rulings) {
            const bool crosses = std::min(l.x1, l.x2) < r.right() - tol && std::max(l.x1, l.x2) > r.left() + tol
                                 && std::min(l.y1, l.y2) < r.bottom() - tol && std::max(l.y1, l.y2) > r.top() + tol;
            if (crosses) {
                faults << QString("%1 is crossed by the ruling (%2, %3)-(%4, %5)")
                              .arg(name(texts[i]))
                              .arg(l.x1)
                              .arg(l.y1)
                              .arg(l.x2)
                              .arg(l.y2);
                break;
            }
        }
        for (qsizetype j = i + 1; j < texts.size(); ++j) {
            const QRectF both = r.intersected(texts[j].area);
            if (both.width() > tol && both.height() > tol)
                faults << name(texts[i]) + " overprints " + name(texts[j]);
        }
    }
    return faults;
}

// The faults of every page of a recorded job, each told with its page.
inline QStringList pageFaults(const arc::RecordingCanvas &canvas)
{
    const QList<QList<arc::RecordingCanvas::Op>> pages = canvas.pages();
    QStringList faults;
    for (qsizetype i = 0; i < pages.size(); ++i)
        for (const QString &fault : pageFaults(canvas, pages[i]))
            faults << (pages.size() > 1 ? QString("page %1: %2").arg(i + 1).arg(fault) : fault);
    return faults;
}
