#pragma once

#include "CertificatePage.h"

#include <QStringList>
#include <functional>

namespace arc {

class PageCanvas;

// What a printed page has to tell the user.
struct PrintResult {
    // The titles of the cells cut to their first ten lines, in page order.
    QStringList truncatedCells;
};

// Called while the page is drawn, before the lines of a cell cut to ten
// lines are printed, with the title of the cell's message.
using TruncationNotice = std::function<void(const QString &title)>;

inline const QString kLinesTruncated = QStringLiteral("Lines truncated. Press OK to continue");

// Draw one copy of the certificate as one page of Form 8130-3 and end the
// job: frame, rulings, labels, values, signatures and the fixed texts.
// Shows nothing itself; the canvas is left set to portrait.
PrintResult PrintCertificate(PageCanvas &canvas, const CertificatePage &page, const TruncationNotice &notice = {});

} // namespace arc
