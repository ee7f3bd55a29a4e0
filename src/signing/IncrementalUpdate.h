#pragma once

#include "PdfStructure.h"

#include <QByteArray>
#include <QList>

namespace arc {

// An incremental update of a PDF: the objects written after the original
// bytes, then a cross-reference table listing them and a trailer that
// leads back to the file's own through /Prev.
class IncrementalUpdate {
public:
    explicit IncrementalUpdate(const QByteArray &pdf);

    void add(PdfRef ref, const QByteArray &body);
    // The file with the update; `size` is the new trailer's /Size.
    QByteArray finish(const PdfStructure &s, int size);

private:
    struct Entry {
        PdfRef ref;
        qsizetype offset;
    };
    QByteArray m_out;
    QList<Entry> m_offsets;
};

} // namespace arc
