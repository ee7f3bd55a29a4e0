#include "XrefStream.h"

#include "PdfStructure.h"
#include "PdfSyntax.h"

#include <zlib.h>

#include <cstdlib>

namespace arc {

namespace {

using pdf::count;
using pdf::skipSpace;
using pdf::word;

// A page's table is a few hundred bytes; more is not a page's.
constexpr qsizetype kMaxTable = 4 * 1024 * 1024;

// The numbers of an array that is `key`'s value, written in the dictionary.
std::optional<QList<qint64>> numbersOf(const QByteArray &dict, const char *key)
{
    const qsizetype open = skipSpace(dict, PdfStructure::valueOf(dict, key));
    if (open < 0 || open >= dict.size() || dict[open] != '[')
        return std::nullopt;
    const qsizetype end = PdfStructure::closing(dict, open);
    if (end < 0)
        return std::nullopt;
    QList<qint64> numbers;
    for (const QByteArray &w : dict.mid(open + 1, end - open - 2).simplified().split(' ')) {
        const std::optional<qint64> n = count(w);
        if (!n)
            return std::nullopt;
        numbers << *n;
    }
    return numbers;
}

std::optional<qint64> numberOf(const QByteArray &dict, const char *key)
{
    qsizetype at = PdfStructure::valueOf(dict, key);
    return at < 0 ? std::nullopt : count(word(dict, at));
}

// `data` inflated, unless it would grow past kMaxTable.
std::optional<QByteArray> inflated(const QByteArray &data)
{
    z_stream z{};
    if (inflateInit(&z) != Z_OK)
        return std::nullopt;
    QByteArray out;
    z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.constData()));
    z.avail_in = uInt(data.size());
    int status = Z_OK;
    while (status == Z_OK && out.size() < kMaxTable) {
        const qsizetype done = out.size();
        out.resize(qMin(done + 64 * 1024, kMaxTable));
        z.next_out = reinterpret_cast<Bytef *>(out.data() + done);
        z.avail_out = uInt(out.size() - done);
        status = inflate(&z, Z_NO_FLUSH);
        out.resize(out.size() - qsizetype(z.avail_out));
    }
    inflateEnd(&z);
    if (status != Z_STREAM_END)
        return std::nullopt;
    return out;
}

// Rows of `columns` bytes, each after its PNG filter byte, unfiltered.
std::optional<QByteArray> unpredicted(const QByteArray &data, qsizetype columns)
{
    const qsizetype stride = columns + 1;
    if (data.size() % stride != 0)
        return std::nullopt;
    QByteArray out(data.size() / stride * columns, '\0');
    const auto *in = reinterpret_cast<const uchar *>(data.constData());
    auto *row = reinterpret_cast<uchar *>(out.data());
    for (qsizetype r = 0; r < data.size() / stride; ++r, in += stride, row += columns) {
        const uchar *up = r > 0 ? row - columns : nullptr;
        for (qsizetype c = 0; c < columns; ++c) {
            const int a = c > 0 ? row[c - 1] : 0, b = up ? up[c] : 0, ab = c > 0 && up ? up[c - 1] : 0;
            int predicted = 0;
            switch (in[0]) {
            case 0: break;
            case 1: predicted = a; break;
            case 2: predicted = b; break;
            case 3: predicted = (a + b) / 2; break;
            case 4: {
                const int p = a + b - ab, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - ab);
                predicted = pa <= pb && pa <= pc ? a : pb <= pc ? b : ab;
                break;
            }
            default: return std::nullopt;
            }
            row[c] = uchar(in[1 + c] + predicted);
        }
    }
    return out;
}

} // namespace

std::optional<XrefStream> XrefStream::read(const QByteArray &pdf, qsizetype offset, int maxObject)
{
    qsizetype i = offset;
    if (!count(word(pdf, i)) || !count(word(pdf, i)) || word(pdf, i) != "obj")
        return std::nullopt;
    const qsizetype open = skipSpace(pdf, i);
    const qsizetype close = pdf.mid(open, 2) == "<<" ? PdfStructure::closing(pdf, open) : -1;
    if (close < 0)
        return std::nullopt;
    XrefStream x;
    x.dictionary = pdf.mid(open, close - open);
    const QByteArray &dict = x.dictionary;
    const std::optional<qint64> length = numberOf(dict, "/Length");
    qsizetype start = close;
    if (PdfStructure::nameValue(dict, "/Type") != "/XRef" || !length || word(pdf, start) != "stream")
        return std::nullopt;
    start += pdf.mid(start, 2) == "\r\n" ? 2 : pdf.mid(start, 1) == "\n" ? 1 : 0;
    if (*length > pdf.size() - start || *length > kMaxTable)
        return std::nullopt;
    std::optional<QByteArray> data = pdf.mid(start, *length);

    const QByteArray filter = PdfStructure::nameValue(dict, "/Filter");
    if (filter == "/FlateDecode")
        data = inflated(*data);
    else if (PdfStructure::valueOf(dict, "/Filter") >= 0)
        return std::nullopt;
    const std::optional<QList<qint64>> widths = numbersOf(dict, "/W");
    if (!data || !widths || widths->size() != 3 || std::any_of(widths->begin(), widths->end(), [](qint64 w) {
            return w > 8;
        }))
        return std::nullopt;
    const qsizetype rowSize = qsizetype((*widths)[0] + (*widths)[1] + (*widths)[2]);
    const qsizetype parms = skipSpace(dict, PdfStructure::valueOf(dict, "/DecodeParms"));
    if (parms >= 0 && parms < dict.size()) {
        const qsizetype parmsEnd = dict.mid(parms, 2) == "<<" ? PdfStructure::closing(dict, parms) : -1;
        const QByteArray p = parmsEnd < 0 ? QByteArray() : dict.mid(parms, parmsEnd - parms);
        const qint64 predictor = numberOf(p, "/Predictor").value_or(1);
        if (parmsEnd < 0 || (predictor != 1 && (predictor < 10 || numberOf(p, "/Columns").value_or(1) != rowSize)))
            return std::nullopt;
        if (predictor >= 10)
            data = unpredicted(*data, rowSize);
    }
    const std::optional<qint64> size = numberOf(dict, "/Size");
    const std::optional<QList<qint64>> index =
        PdfStructure::valueOf(dict, "/Index") >= 0 ? numbersOf(dict, "/Index") : QList<qint64>{0, size.value_or(0)};
    if (!data || rowSize == 0 || !size || !index || index->size() % 2 != 0)
        return std::nullopt;

    const auto *row = reinterpret_cast<const uchar *>(data->constData());
    qsizetype rows = data->size() / rowSize;
    const auto field = [&row](qsizetype from, qint64 width, quint64 empty) {
        quint64 v = width == 0 ? empty : 0;
        for (qint64 k = 0; k < width; ++k)
            v = v << 8 | row[from + k];
        return v;
    };
    for (qsizetype p = 0; p < index->size(); p += 2) {
        const qint64 first = (*index)[p], n = (*index)[p + 1];
        if (first > maxObject || n > maxObject - first || n > rows)
            return std::nullopt;
        for (qint64 k = 0; k < n; ++k, row += rowSize, --rows) {
            const quint64 type = field(0, (*widths)[0], 1);
            const quint64 at = field((*widths)[0], (*widths)[1], 0);
            if (type == 1 && at < quint64(pdf.size()))
                x.entries.append({int(first + k), qint64(at)});
            else if (type == 2)
                x.entries.append({int(first + k), kKeptInObjectStream});
        }
    }
    return x;
}

} // namespace arc
