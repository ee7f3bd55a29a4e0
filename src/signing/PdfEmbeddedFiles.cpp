#include "PdfEmbeddedFiles.h"

#include "PdfAttachment.h"
#include "PdfSyntax.h"

#include <algorithm>
#include <cctype>

#include <zlib.h>

#include <QCoreApplication>

namespace arc {

namespace {

struct PdfEmbeddedFilesTexts {
    Q_DECLARE_TR_FUNCTIONS(PdfEmbeddedFiles)
};

using pdf::skipSpace;

// At most this many files are looked at.
constexpr qsizetype kMostFiles = 16;

// The dictionary or array that is `key`'s value in `dict`, given there or by
// reference; `spans` gets where a referenced one lies.
QByteArray valueObject(const PdfStructure &s, const QByteArray &dict, const char *key, QList<PdfStructure::Span> &spans)
{
    if (const PdfRef ref = PdfStructure::refValue(dict, key); ref.isValid()) {
        spans << s.span(ref);
        return s.object(ref);
    }
    const qsizetype at = PdfStructure::valueOf(dict, key);
    if (at < 0)
        return {};
    const qsizetype open = skipSpace(dict, at);
    if (open >= dict.size() || (dict[open] != '[' && dict[open] != '<'))
        return {};
    const qsizetype end = PdfStructure::closing(dict, open);
    return end < 0 ? QByteArray() : dict.mid(open, end - open);
}

// A literal string's bytes, from its opening parenthesis at `i`; `i` is
// left past it. nullopt when it does not close.
std::optional<QByteArray> literalAt(const QByteArray &text, qsizetype &i)
{
    QByteArray out;
    int depth = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\' && i + 1 < text.size()) {
            out += text[++i];
            continue;
        }
        if (c == '(' && depth++ == 0)
            continue;
        if (c == ')' && --depth == 0) {
            ++i;
            return out;
        }
        out += c;
    }
    return std::nullopt;
}

// The text of a string that is `key`'s value: a literal one, escapes
// undone; empty when it is none.
QByteArray stringValue(const QByteArray &dict, const char *key)
{
    qsizetype at = PdfStructure::valueOf(dict, key);
    if (at < 0)
        return {};
    at = skipSpace(dict, at);
    if (at >= dict.size() || dict[at] != '(')
        return {};
    return literalAt(dict, at).value_or(QByteArray());
}

// The references of a name tree's leaf "[(name) N G R ...]"; nullopt when
// it holds anything else.
std::optional<QList<PdfRef>> leafRefs(const QByteArray &array)
{
    const QByteArray inner = array.trimmed();
    if (!inner.startsWith('[') || !inner.endsWith(']'))
        return std::nullopt;
    QByteArray refs = "[";
    for (qsizetype i = 1; i < inner.size() - 1;) {
        i = skipSpace(inner, i);
        if (i >= inner.size() - 1)
            break;
        if (inner[i] != '(')
            return std::nullopt;
        if (!literalAt(inner, i))
            return std::nullopt;
        const qsizetype end = inner.indexOf('R', i);
        if (end < 0)
            return std::nullopt;
        refs += inner.mid(i, end + 1 - i) + ' ';
        i = end + 1;
    }
    const QList<PdfRef> out = PdfStructure::refsIn(refs + ']', kMostFiles);
    if (out.isEmpty() && refs.trimmed() != "[")
        return std::nullopt;
    return out;
}

std::optional<QByteArray> inflated(const QByteArray &data, qsizetype most)
{
    z_stream z{};
    if (inflateInit(&z) != Z_OK)
        return std::nullopt;
    QByteArray out;
    z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.constData()));
    z.avail_in = uInt(data.size());
    int status = Z_OK;
    while (status == Z_OK && out.size() <= most) {
        const qsizetype done = out.size();
        out.resize(done + 64 * 1024);
        z.next_out = reinterpret_cast<Bytef *>(out.data() + done);
        z.avail_out = uInt(out.size() - done);
        status = inflate(&z, Z_NO_FLUSH);
        out.resize(out.size() - qsizetype(z.avail_out));
    }
    inflateEnd(&z);
    if (status != Z_STREAM_END || out.size() > most)
        return std::nullopt;
    return out;
}

// A stream object's data, its /Length and filter followed, within bounds.
std::optional<QByteArray> streamData(const PdfStructure &s, const QByteArray &pdf, PdfRef ref,
                                     QList<PdfStructure::Span> &spans)
{
    const PdfStructure::Span span = s.span(ref);
    if (span.begin < 0)
        return std::nullopt;
    spans << span;
    const QByteArray body = pdf.mid(span.begin, span.end - span.begin);
    const qsizetype open = body.indexOf("<<");
    const qsizetype dictEnd = open < 0 ? -1 : PdfStructure::closing(body, open);
    if (dictEnd < 0)
        return std::nullopt;
    const QByteArray dict = body.mid(open, dictEnd - open);
    qsizetype at = skipSpace(body, dictEnd);
    if (body.mid(at, 6) != "stream")
        return std::nullopt;
    at += 6;
    if (body.mid(at, 2) == "\r\n")
        at += 2;
    else if (at < body.size() && body[at] == '\n')
        ++at;
    else
        return std::nullopt;
    std::optional<qint64> length;
    if (const PdfRef lengthRef = PdfStructure::refValue(dict, "/Length"); lengthRef.isValid()) {
        spans << s.span(lengthRef);
        qsizetype i = 0;
        length = pdf::count(pdf::word(s.object(lengthRef), i));
    } else if (qsizetype i = PdfStructure::valueOf(dict, "/Length"); i >= 0) {
        length = pdf::count(pdf::word(dict, i));
    }
    // The data ends inside the object, before its "endstream".
    if (!length || *length > body.size() - at || body.indexOf("endstream", at + *length) < 0)
        return std::nullopt;
    const QByteArray raw = body.mid(at, *length);
    if (PdfStructure::valueOf(dict, "/DecodeParms") >= 0)
        return std::nullopt;
    const QByteArray filter = PdfStructure::nameValue(dict, "/Filter");
    if (filter == "/FlateDecode")
        return inflated(raw, PdfAttachment::kMaxBytes);
    if (PdfStructure::valueOf(dict, "/Filter") >= 0 || raw.size() > PdfAttachment::kMaxBytes)
        return std::nullopt;
    return raw;
}

// How often the objects' dictionaries (not a stream's data) name the two
// things that attach a file: a file entry's embedded data (/EF)
// and a file attachment annotation. Names are read with their #XX escapes
// undone; strings are passed over.
struct Attaching {
    qsizetype embeddedData = 0;
    qsizetype annotations = 0;
};

void countAttaching(const QByteArray &object, Attaching &found)
{
    const qsizetype dictEnd = object.startsWith("<<") ? PdfStructure::closing(object, 0) : -1;
    const qsizetype end = dictEnd < 0 ? object.size() : dictEnd;
    for (qsizetype i = 0; i < end;) {
        const char c = object[i];
        if (c == '(') {
            (void)literalAt(object, i);
            continue;
        }
        if (c == '<' && i + 1 < end && object[i + 1] == '<') {
            i += 2;
            continue;
        }
        if (c == '<') { // a hex string
            const qsizetype close = object.indexOf('>', i);
            i = close < 0 ? end : close + 1;
            continue;
        }
        if (c != '/') {
            ++i;
            continue;
        }
        QByteArray name;
        for (++i; i < end && !pdf::isDelimiter(object[i]); ++i) {
            const bool hex = object[i] == '#' && i + 2 < end && std::isxdigit(uchar(object[i + 1]))
                && std::isxdigit(uchar(object[i + 2]));
            name += hex ? char(object.mid(i + 1, 2).toInt(nullptr, 16)) : object[i];
            i += hex ? 2 : 0;
        }
        found.embeddedData += name == "EF";
        found.annotations += name == "FileAttachment";
    }
}

} // namespace

PdfEmbeddedFiles PdfEmbeddedFiles::of(const QByteArray &pdf)
{
    PdfEmbeddedFiles out;
    const auto fail = [&out](const QString &why) {
        out.files.clear();
        out.problem = why;
        return out;
    };
    SigningResult<PdfStructure> read = PdfStructure::read(pdf);
    if (!read.ok())
        return fail(PdfEmbeddedFilesTexts::tr("its structure cannot be read"));
    const PdfStructure &s = read.value();
    // Objects inside object streams could hide a file from the search below.
    if (s.hasXrefStreams())
        return fail(PdfEmbeddedFilesTexts::tr("its cross-reference is a stream, which this program does not search"));
    Attaching attaching;
    for (const PdfRef &ref : s.objects())
        countAttaching(s.object(ref), attaching);
    const QByteArray catalog = s.object(s.root());
    QList<PdfStructure::Span> shared{s.span(s.root())};
    const QByteArray names = valueObject(s, catalog, "/Names", shared);
    const QByteArray embedded = names.isEmpty() ? QByteArray() : valueObject(s, names, "/EmbeddedFiles", shared);
    const QByteArray af = valueObject(s, catalog, "/AF", shared);
    // Each file read below is one file entry with embedded data.
    out.hidden = attaching.annotations > 0 || attaching.embeddedData > 0;
    if (embedded.isEmpty() && af.isEmpty())
        return out;
    if (PdfStructure::valueOf(embedded, "/Kids") >= 0)
        return fail(PdfEmbeddedFilesTexts::tr("its list of embedded files is a tree this program does not read"));
    const std::optional<QList<PdfRef>> named =
        embedded.isEmpty() ? QList<PdfRef>() : leafRefs(valueObject(s, embedded, "/Names", shared));
    const QList<PdfRef> associated = af.isEmpty() ? QList<PdfRef>() : PdfStructure::refsIn(af, kMostFiles);
    if (!named || (!af.isEmpty() && associated.isEmpty()))
        return fail(PdfEmbeddedFilesTexts::tr("its list of embedded files cannot be read"));
    QList<PdfRef> entries = *named;
    for (const PdfRef &ref : associated)
        if (std::none_of(entries.begin(), entries.end(), [&](const PdfRef &r) { return r.number == ref.number; }))
            entries << ref;
    if (entries.size() > kMostFiles)
        return fail(PdfEmbeddedFilesTexts::tr("it names too many embedded files"));
    for (const PdfRef &ref : entries) {
        File file;
        file.spans = shared;
        file.spans << s.span(ref);
        const QByteArray entry = s.object(ref);
        file.name = stringValue(entry, "/UF");
        if (file.name.isEmpty())
            file.name = stringValue(entry, "/F");
        const QByteArray ef = valueObject(s, entry, "/EF", file.spans);
        const PdfRef stream = PdfStructure::refValue(ef, "/F");
        const PdfRef unicode = PdfStructure::refValue(ef, "/UF");
        if (!entry.startsWith("<<") || !stream.isValid() || (unicode.isValid() && unicode.number != stream.number))
            return fail(PdfEmbeddedFilesTexts::tr("an embedded file's entry cannot be read"));
        const std::optional<QByteArray> data = streamData(s, pdf, stream, file.spans);
        if (!data)
            return fail(PdfEmbeddedFilesTexts::tr("an embedded file cannot be read or is larger than 1 MiB"));
        file.data = *data;
        out.files << file;
    }
    out.hidden = attaching.annotations > 0 || attaching.embeddedData > out.files.size();
    return out;
}

} // namespace arc
