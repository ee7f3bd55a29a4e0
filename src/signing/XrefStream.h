#pragma once

#include <QByteArray>
#include <QList>

#include <optional>
#include <utility>

namespace arc {

// A cross-reference stream: a section of a PDF's cross-reference kept in a
// stream object, compressed or not, rows perhaps under a PNG predictor.
// Read as far as finding objects needs, within bounds on every size.
class XrefStream {
public:
    static constexpr qint64 kKeptInObjectStream = -1;

    QByteArray dictionary; // the stream's dictionary, which is also its trailer
    // Object number and offset; kKeptInObjectStream for an object inside an
    // object stream, which is not read.
    QList<std::pair<int, qint64>> entries;

    // nullopt unless a cross-reference stream this program reads begins at `offset`.
    static std::optional<XrefStream> read(const QByteArray &pdf, qsizetype offset, int maxObject);
};

} // namespace arc
