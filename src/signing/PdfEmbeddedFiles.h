#pragma once

#include "PdfStructure.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace arc {

// The files a PDF embeds, read from the catalogue's /Names /EmbeddedFiles
// (a single leaf of names) and /AF by the file's own structure, each
// stream at most 1 MiB once inflated; and whether any other object attaches
// a file. Anything laid out otherwise is not read and said so.
struct PdfEmbeddedFiles {
    struct File {
        QByteArray name; // /UF, or else /F, as written
        QByteArray data;
        // Where the objects it was read from lie in the file.
        QList<PdfStructure::Span> spans;
    };
    QList<File> files;
    // A file attached where that list does not name it: a file attachment
    // annotation, or a file entry with embedded data of its own.
    bool hidden = false;
    QString problem; // why they could not be read; empty when they were

    bool ok() const { return problem.isEmpty(); }

    static PdfEmbeddedFiles of(const QByteArray &pdf);
};

} // namespace arc
