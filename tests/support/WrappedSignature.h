#pragma once

#include "PdfStructure.h"

#include <QByteArray>
#include <QList>

// A signed PDF forged as a signature-wrapping attack does it: its bytes up
// to the end of the signature's gap; then a cross-reference section just
// where the original's last startxref points, and objects of the forger's
// (a page drawing `content`, the signature field pointing at a copy of the
// signature dictionary whose /ByteRange skips what was inserted); then the
// original's rest, unchanged. The bytes the copy's range names are exactly
// the bytes that were signed, and its gap begins and ends as a hex string
// does. Empty when `pdf` is not a page signed by this program.
inline QByteArray wrappedSignature(const QByteArray &pdf, const QByteArray &content)
{
    using arc::PdfRef;
    using arc::PdfStructure;
    const arc::SigningResult<PdfStructure> read = PdfStructure::read(pdf);
    const qsizetype rangeAt = pdf.lastIndexOf("/ByteRange [");
    if (!read.ok() || rangeAt < 0)
        return {};
    const PdfStructure &s = read.value();
    const QList<QByteArray> range = pdf.mid(rangeAt + 12, pdf.indexOf(']', rangeAt) - rangeAt - 12).simplified().split(' ');
    const qsizetype startxref = pdf.mid(pdf.lastIndexOf("startxref") + 9).trimmed().split('\n').first().toLongLong();
    const qsizetype gapEnd = range.size() == 4 ? range[2].toLongLong() : 0;
    if (gapEnd <= 0 || startxref <= gapEnd || pdf[gapEnd - 1] != '>')
        return {};

    // Where each object of the original begins, as its last section has it.
    QList<qsizetype> offsets(s.size(), -1);
    for (int n = 1; n < s.size(); ++n)
        offsets[n] = pdf.lastIndexOf("\n" + QByteArray::number(n) + " 0 obj") + 1;
    const auto find = [&](const char *type) {
        for (int n = 1; n < s.size(); ++n)
            if (PdfStructure::nameValue(s.object({n, 0}), "/Subtype") == type)
                return n;
        return 0;
    };
    const int widget = find("/Widget");
    const int signature = PdfStructure::refValue(s.object({widget, 0}), "/V").number;
    if (widget == 0 || signature == 0)
        return {};

    QByteArray objects;
    QList<std::pair<int, qsizetype>> added; // number, offset in `objects`
    const auto add = [&](int number, const QByteArray &body) {
        added.append({number, objects.size()});
        objects += QByteArray::number(number) + " 0 obj\n" + body + "\nendobj\n";
    };
    const int stream = s.size(), font = s.size() + 1, copy = s.size() + 2, size = s.size() + 3;
    add(stream, "<< /Length " + QByteArray::number(content.size()) + " >>\nstream\n" + content + "\nendstream");
    add(font, "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>");
    QByteArray page = s.object(s.page());
    page.replace(PdfStructure::refValue(page, "/Contents").text(), PdfRef{stream, 0}.text());
    page.insert(page.lastIndexOf(">>"), "/Resources << /Font << /F1 " + PdfRef{font, 0}.text() + " >> >>\n");
    add(s.page().number, page);
    QByteArray field = s.object({widget, 0});
    add(widget, field.replace("/V " + PdfRef{signature, 0}.text(), "/V " + PdfRef{copy, 0}.text()));
    QByteArray sig = s.object({signature, 0});
    sig = sig.left(sig.indexOf("/Contents <")) + "/Contents <00>\n>>";
    const qsizetype copyAt = objects.size() + QByteArray::number(copy).size() + 7 + sig.indexOf("/ByteRange [");
    add(copy, sig);
    objects += "%>"; // the gap the copy names ends as a hex string does

    // The cross-reference section begins where the original's startxref
    // points, its length known before its offsets are.
    const QByteArray padding(startxref - gapEnd, '\n');
    QByteArray xref = "xref\n0 " + QByteArray::number(size) + "\n0000000000 65535 f \n";
    const QByteArray trailer = "trailer\n<< /Size " + QByteArray::number(size) + " /Root " + s.root().text() + " >>\n";
    const qsizetype objectsAt = startxref + xref.size() + 20 * (size - 1) + trailer.size();
    const qsizetype shift = objectsAt - gapEnd + objects.size();
    for (int n = 1; n < size; ++n) {
        qsizetype at = n < s.size() ? offsets[n] : -1;
        at = at >= gapEnd ? at + shift : at;
        for (const auto &[number, offset] : added)
            if (number == n)
                at = objectsAt + offset;
        xref += QByteArray::number(at).rightJustified(10, '0') + " 00000 n \n";
    }
    // The copy's range: all but the original gap and what was inserted.
    QByteArray forgedRange = "[0 " + range[1] + ' ' + QByteArray::number(gapEnd + shift) + ' ' + range[3];
    forgedRange = forgedRange.leftJustified(pdf.indexOf(']', rangeAt) - rangeAt - 11, ' ') + ']';
    objects.replace(copyAt + 11, forgedRange.size(), forgedRange);
    return pdf.left(gapEnd) + padding + xref + trailer + objects + pdf.mid(gapEnd);
}

// `pdf` with a comment naming a byte range whose gap begins where the
// signature's does, and whose last numbers overflow when added.
inline QByteArray withOverflowingRange(const QByteArray &pdf)
{
    const qsizetype gap = pdf.indexOf("/Contents <", pdf.lastIndexOf("/ByteRange")) + 10;
    return pdf + "%/ByteRange [0 " + QByteArray::number(gap) + " 9223372036854775000 9000]\n";
}
