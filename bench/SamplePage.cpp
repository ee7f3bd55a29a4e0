#include "SamplePage.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>

namespace arc::bench {

QByteArray samplePage()
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(600);
        writer.setPageSize(QPageSize(QPageSize::Letter));
        QPainter painter(&writer);
        for (int line = 0; line < 60; ++line)
            painter.drawText(300, 300 + line * 90, QStringLiteral("Line %1: FUEL PUMP ASSEMBLY, PN 2204-118").arg(line));
        QImage signature(600, 200, QImage::Format_RGB32);
        signature.fill(Qt::white);
        painter.drawImage(QRect(3000, 5000, 1800, 600), signature);
    }
    return buffer.data();
}

} // namespace arc::bench
