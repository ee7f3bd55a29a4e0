#pragma once

#include "PdfStructure.h"

#include <QByteArray>
#include <QList>
#include <QtEndian>

#include <utility>

// How an update's cross-reference section is written.
enum class UpdateSection { Table, Stream, CompressedStream };

// `pdf` with an incremental update holding `objects` (number, body), its
// cross-reference section written as `section` says.
inline QByteArray withUpdate(const QByteArray &pdf, const QList<std::pair<int, QByteArray>> &objects, UpdateSection section)
{
    const arc::PdfStructure s = arc::PdfStructure::read(pdf).value();
    QByteArray out = pdf;
    QList<std::pair<int, qsizetype>> offsets;
    for (const auto &[number, body] : objects) {
        offsets.append({number, out.size()});
        out += QByteArray::number(number) + " 0 obj\n" + body + "\nendobj\n";
    }
    // Objects the tests add take the next free number; a stream the one after.
    const int stream = s.size() + 1, size = s.size() + 2;
    const qsizetype start = out.size();
    const QByteArray trailer = "/Size " + QByteArray::number(size) + " /Root " + s.root().text() + " /Prev "
        + QByteArray::number(s.startXref());
    if (section == UpdateSection::Table) {
        out += "xref\n";
        for (const auto &[number, at] : offsets)
            out += QByteArray::number(number) + " 1\n" + QByteArray::number(at).rightJustified(10, '0') + " 00000 n \n";
        out += "trailer\n<< " + trailer + " >>\n";
    } else {
        // Rows of a type byte, a four-byte offset and a two-byte generation;
        // compressed, each row is filtered as PNG's "Up" does.
        offsets.append({stream, start});
        QByteArray rows, index;
        QByteArray previous(7, '\0');
        for (const auto &[number, at] : offsets) {
            QByteArray row(7, '\0');
            row[0] = 1;
            qToBigEndian(quint32(at), row.data() + 1);
            index += QByteArray::number(number) + " 1 ";
            if (section == UpdateSection::CompressedStream) {
                rows += '\2';
                for (int k = 0; k < 7; ++k)
                    rows += char(row[k] - previous[k]);
                previous = row;
            } else {
                rows += row;
            }
        }
        QByteArray dict = "<< /Type /XRef " + trailer + " /W [1 4 2] /Index [" + index + "]";
        if (section == UpdateSection::CompressedStream) {
            rows = qCompress(rows).mid(4); // without Qt's length before the zlib stream
            dict += " /Filter /FlateDecode /DecodeParms << /Columns 7 /Predictor 12 >>";
        }
        out += QByteArray::number(stream) + " 0 obj\n" + dict + " /Length " + QByteArray::number(rows.size())
            + " >>\nstream\n" + rows + "\nendstream\nendobj\n";
    }
    return out + "startxref\n" + QByteArray::number(start) + "\n%%EOF\n";
}
