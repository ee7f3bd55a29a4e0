#pragma once

#include "CertificatePage.h"

#include <QCoreApplication>
#include <QRectF>
#include <QStringList>
#include <functional>
#include <optional>

namespace arc {

class PageCanvas;

// What a printed page has to tell the user.
struct PrintResult {
    // The titles of the blocks printed only in part, in page order: a cell
    // cut to its first ten lines, or a block whose box could not hold all
    // of its text even in the smallest size.
    QStringList truncatedCells;
    // Where the signature was printed, in twips on the printable area as
    // placed on the sheet, and whether the page was drawn across.
    std::optional<QRectF> signatureBox;
    bool landscape = false;
};

// Called while the page is drawn, before the lines of a block printed only
// in part are printed, with the title of the block's message.
using TruncationNotice = std::function<void(const QString &title)>;

inline const QString kLinesTruncated =
    QString::fromUtf8(QT_TRANSLATE_NOOP("arc::Message", "Lines truncated. Press OK to continue"));

// Draw one copy of the certificate as one page of its form (FAA Form
// 8130-3, or the EASA or UK Form 1 it names) and end the job: frame, rulings, labels, values, signatures and the fixed texts.
// Items and block 12 lines the page cannot hold go, in order, on numbered
// continuation sheets after it in the same job, every page then numbered.
// Every text stays inside its box and nothing overprints: lines too wide
// are condensed or made smaller, blocks too tall close up and then shrink,
// and a page larger than the sheet is shrunk onto it whole. Shows nothing
// itself; the canvas is left set to portrait.
PrintResult PrintCertificate(PageCanvas &canvas, const CertificatePage &page, const TruncationNotice &notice = {});

} // namespace arc
