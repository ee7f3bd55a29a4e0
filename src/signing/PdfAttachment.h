#pragma once

#include "SigningError.h"

#include <QByteArray>

namespace arc {

// Embeds one file in a PDF this program writes, as an incremental update
// that a signature added after it covers: an /EmbeddedFile stream, its file
// entry (/Filespec: /F and /UF the name, /AFRelationship /Data) listed in the
// catalogue's /Names /EmbeddedFiles and /AF, as hybrid invoices carry their
// data.
namespace PdfAttachment {

// Refused above this size, and when the catalogue already names files.
constexpr qsizetype kMaxBytes = 1024 * 1024;

// `name` is ASCII; `mimeType` as "text/xml".
SigningResult<QByteArray> embed(const QByteArray &pdf, const QByteArray &name, const QByteArray &mimeType,
                                const QByteArray &data);

} // namespace PdfAttachment

} // namespace arc
