#pragma once

#include "PageGeometry.h"
#include "PrintCertificate.h"

#include <QCoreApplication>

namespace arc {

class PageCanvas;
struct LineFit;
struct PrintMode;

// Writes the texts of one page in the mode's fonts, each single line
// fitted to the box it belongs to, and tells the user what had to be cut.
class PageWriter {
    Q_DECLARE_TR_FUNCTIONS(PageWriter)

public:
    PageWriter(PageCanvas &canvas, const PrintMode &mode, const PageGeometry &g, const TruncationNotice &notice,
               PrintResult &result);

    void font(double size, bool bold);
    void at(float x, float y);
    // As designed, not fitted.
    void text(double size, bool bold, float x, float y, const QString &s, bool lineEnd = true);
    // The title a fixed text of the form is told under, should it not fit.
    static QString fixedTextTooLong();

    // One line from (x, y) ending at or before `limit`; a cut is told
    // under `title`.
    void fitted(double size, bool bold, float x, float y, float limit, const QString &s,
                const QString &title = fixedTextTooLong(), bool lineEnd = true);
    // A fixed text in the label font, in the box whose right side is `ruling`.
    void label(float x, float y, float ruling, const QString &s);
    // One line centred between the rulings a and b, at y.
    void centred(double size, bool bold, float a, float b, float y, const QString &s,
                 const QString &title = fixedTextTooLong());
    // A fitted line at (x, y), in its font.
    void print(const LineFit &line, float x, float y, bool lineEnd = true);
    // Lines one under the other from (x, CurrentY), in the current font.
    void lines(const QStringList &lines, float x);
    // Something printed only in part: counted, and the user told.
    void tell(const QString &title);

    PageCanvas &c;
    const PrintMode &mode;
    const PageGeometry &g;

private:
    const TruncationNotice &m_notice;
    PrintResult &m_result;
};

} // namespace arc
