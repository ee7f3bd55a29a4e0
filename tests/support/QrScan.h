#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

// What a scanner reads from a picture: every QR code in it, one a line. Its
// standard output alone: the scanner may complain of its desktop bus on the other.
inline QString scannedQr(const QString &png)
{
    QProcess zbar;
    zbar.start("zbarimg", {"--raw", "-q", "-Sdisable", "-Sqrcode.enable", "-Sbinary", png});
    EXPECT_TRUE(zbar.waitForFinished(60000));
    return QString::fromUtf8(zbar.readAllStandardOutput()).trimmed();
}

// The same of a PDF's first page rendered as a printer would, at 300 dpi in
// greys, to `png`.
inline QString scannedPdf(const QString &pdf, const QString &png)
{
    QProcess render;
    render.start("pdftoppm", {"-r", "300", "-gray", "-png", "-singlefile", pdf, QString(png).chopped(4)});
    EXPECT_TRUE(render.waitForFinished(60000) && render.exitCode() == 0) << render.readAllStandardError().toStdString();
    return scannedQr(png);
}
