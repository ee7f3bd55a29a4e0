#include "DemoSignature.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace arc::DemoSignature {

QString fileName() { return QStringLiteral("carter.bmp"); }

bool write(const QString &dataPath)
{
    // A hand-written looking stroke; no font is needed to draw it.
    QImage image(360, 120, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(3780); // 96 dpi
    image.setDotsPerMeterY(3780);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(20, 30, 110), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath path(QPointF(20, 80));
    path.cubicTo(40, 10, 70, 10, 60, 85);
    path.cubicTo(55, 110, 95, 40, 110, 70);
    path.cubicTo(125, 95, 140, 40, 160, 65);
    path.cubicTo(175, 85, 190, 30, 210, 60);
    path.cubicTo(230, 90, 250, 45, 270, 62);
    path.cubicTo(290, 78, 310, 50, 340, 55);
    p.drawPath(path);
    p.drawLine(QPointF(30, 100), QPointF(330, 96));
    p.end();
    return image.save(dataPath + fileName(), "BMP");
}

} // namespace arc::DemoSignature
