#include "PdfStructure.h"

#include "PdfSyntax.h"
#include "XrefStream.h"

#include <cstring>

#include <QCoreApplication>

namespace arc {

namespace {

struct PdfStructureTexts {
    Q_DECLARE_TR_FUNCTIONS(PdfStructure)
};

using pdf::isDelimiter;
using pdf::isNumber;
using pdf::skipSpace;
using pdf::word;

// A reference "N G R" at i, or an invalid one.
PdfRef refAt(const QByteArray &text, qsizetype i)
{
    const QByteArray number = word(text, i);
    const QByteArray generation = word(text, i);
    const QByteArray r = word(text, i);
    if (!isNumber(number) || !isNumber(generation) || r != "R")
        return {};
    return {number.toInt(), generation.toInt()};
}

// Past a literal string "( ... )" opening at i: nested parentheses, escapes.
qsizetype pastString(const QByteArray &text, qsizetype i)
{
    int depth = 0;
    for (; i < text.size(); ++i) {
        if (text[i] == '\\')
            ++i;
        else if (text[i] == '(')
            ++depth;
        else if (text[i] == ')' && --depth == 0)
            return i + 1;
    }
    return -1;
}

const qsizetype tailToSearch = 1024;
// Larger object numbers are not a page's; the table of a file is kept
// below this many entries.
const int kMaxObject = 262143;

} // namespace

QByteArray PdfRef::text() const { return QByteArray::number(number) + ' ' + QByteArray::number(generation) + " R"; }

qsizetype PdfStructure::closing(const QByteArray &text, qsizetype open)
{
    int depth = 0;
    for (qsizetype i = open; i < text.size();) {
        const char c = text[i];
        if (c == '(') {
            i = pastString(text, i);
            if (i < 0)
                return -1;
            continue;
        }
        const bool dictOpen = c == '<' && i + 1 < text.size() && text[i + 1] == '<';
        const bool dictClose = c == '>' && i + 1 < text.size() && text[i + 1] == '>';
        if (dictOpen || c == '[') {
            ++depth;
        } else if (dictClose || c == ']') {
            if (--depth == 0)
                return i + (dictClose ? 2 : 1);
        } else if (c == '<') { // a hex string
            const qsizetype end = text.indexOf('>', i);
            if (end < 0)
                return -1;
            i = end + 1;
            continue;
        }
        i += (dictOpen || dictClose) ? 2 : 1;
    }
    return -1;
}

qsizetype PdfStructure::valueOf(const QByteArray &dict, const char *key)
{
    const qsizetype open = dict.indexOf("<<");
    if (open < 0)
        return -1;
    const qsizetype keyLength = qsizetype(std::strlen(key));
    for (qsizetype i = open + 2; i < dict.size();) {
        const char c = dict[i];
        if (c == '>' && i + 1 < dict.size() && dict[i + 1] == '>')
            return -1;
        if (c == '[' || c == '(' || (c == '<' && i + 1 < dict.size() && dict[i + 1] == '<')) {
            i = c == '(' ? pastString(dict, i) : closing(dict, i);
            if (i < 0)
                return -1;
            continue;
        }
        if (c == '<') {
            i = dict.indexOf('>', i);
            if (i < 0)
                return -1;
            ++i;
            continue;
        }
        if (c == '/' && dict.mid(i, keyLength) == key
            && (i + keyLength == dict.size() || isDelimiter(dict[i + keyLength])))
            return i + keyLength;
        ++i;
    }
    return -1;
}

PdfRef PdfStructure::refValue(const QByteArray &dict, const char *key)
{
    const qsizetype at = valueOf(dict, key);
    return at < 0 ? PdfRef() : refAt(dict, at);
}

QByteArray PdfStructure::nameValue(const QByteArray &dict, const char *key)
{
    qsizetype at = valueOf(dict, key);
    if (at < 0)
        return {};
    at = skipSpace(dict, at);
    if (at >= dict.size() || dict[at] != '/')
        return {};
    ++at;
    return '/' + word(dict, at);
}

PdfStructure::Span PdfStructure::span(PdfRef ref) const
{
    const auto found = m_offsets.constFind(ref.number);
    if (!ref.isValid() || found == m_offsets.constEnd() || *found < 0 || *found >= m_pdf.size())
        return {};
    qsizetype i = *found;
    const QByteArray number = word(m_pdf, i);
    const QByteArray generation = word(m_pdf, i);
    const QByteArray keyword = word(m_pdf, i);
    if (number.toInt() != ref.number || generation.toInt() != ref.generation || keyword != "obj")
        return {};
    const qsizetype end = m_pdf.indexOf("endobj", i);
    return end < 0 ? Span() : Span{i, end};
}

QList<PdfRef> PdfStructure::objects() const
{
    QList<PdfRef> out;
    out.reserve(m_offsets.size());
    for (auto it = m_offsets.constBegin(); it != m_offsets.constEnd(); ++it) {
        if (*it < 0 || *it >= m_pdf.size())
            continue;
        qsizetype i = qsizetype(*it);
        word(m_pdf, i);
        const QByteArray generation = word(m_pdf, i);
        if (isNumber(generation) && generation.size() <= 5)
            out.append({it.key(), generation.toInt()});
    }
    return out;
}

QByteArray PdfStructure::object(PdfRef ref) const
{
    const Span s = span(ref);
    return s.begin < 0 ? QByteArray() : m_pdf.mid(s.begin, s.end - s.begin).trimmed();
}

QList<PdfRef> PdfStructure::refsIn(const QByteArray &array, qsizetype most)
{
    const QByteArray inner = array.trimmed();
    if (!inner.startsWith('[') || !inner.endsWith(']'))
        return {};
    const QList<QByteArray> words = inner.mid(1, inner.size() - 2).simplified().split(' ');
    if (words.size() % 3 != 0 || words.size() / 3 > most)
        return {};
    QList<PdfRef> refs;
    for (qsizetype i = 0; i + 2 < words.size(); i += 3) {
        const PdfRef ref = refAt(words[i] + ' ' + words[i + 1] + ' ' + words[i + 2], 0);
        if (!ref.isValid())
            return {};
        refs.append(ref);
    }
    return refs;
}

std::optional<QByteArray> PdfStructure::readXrefTable(qsizetype i)
{
    for (;;) {
        const qsizetype lineStart = i;
        const QByteArray first = word(m_pdf, i);
        if (first == "trailer")
            break;
        const QByteArray count = word(m_pdf, i);
        bool firstOk = false, countOk = false;
        const int from = first.toInt(&firstOk), entries = count.toInt(&countOk);
        // Numbers that do not fit, or a section reaching past the
        // largest object number, are not a table.
        if (!isNumber(first) || !isNumber(count) || !firstOk || !countOk || entries > kMaxObject - from)
            return std::nullopt;
        for (int n = 0; n < entries; ++n) {
            const QByteArray at = word(m_pdf, i);
            word(m_pdf, i);
            const QByteArray type = word(m_pdf, i);
            if (!isNumber(at) || (type != "n" && type != "f"))
                return std::nullopt;
            if (type == "n" && !m_offsets.contains(from + n))
                m_offsets.insert(from + n, at.toLongLong());
        }
        if (i == lineStart)
            return std::nullopt;
    }
    const qsizetype open = m_pdf.indexOf("<<", i);
    const qsizetype end = open < 0 ? -1 : closing(m_pdf, open);
    if (end < 0)
        return std::nullopt;
    return m_pdf.mid(open, end - open);
}

bool PdfStructure::readXrefSections(qint64 offset)
{
    // Newer sections come first and win; /Prev leads to the older ones.
    for (int sections = 0; offset >= 0 && sections < 64; ++sections) {
        qsizetype i = qsizetype(offset);
        std::optional<QByteArray> trailer;
        if (word(m_pdf, i) == "xref") {
            trailer = readXrefTable(i);
        } else if (std::optional<XrefStream> stream = XrefStream::read(m_pdf, qsizetype(offset), kMaxObject)) {
            m_xrefStreams = true;
            for (const auto &[number, at] : stream->entries)
                if (!m_offsets.contains(number))
                    m_offsets.insert(number, at);
            trailer = stream->dictionary;
        }
        if (!trailer)
            return false;
        if (m_trailer.isEmpty())
            m_trailer = *trailer;
        const qsizetype prev = valueOf(*trailer, "/Prev");
        qsizetype p = prev;
        offset = prev < 0 ? -1 : word(*trailer, p).toLongLong();
    }
    return offset < 0;
}

bool PdfStructure::findPage()
{
    PdfRef node = refValue(object(m_root), "/Pages");
    for (int depth = 0; node.isValid() && depth < 16; ++depth) {
        const QByteArray dict = object(node);
        if (nameValue(dict, "/Type") == "/Page") {
            m_page = node;
            return true;
        }
        const qsizetype kids = valueOf(dict, "/Kids");
        if (kids < 0)
            return false;
        const qsizetype open = skipSpace(dict, kids);
        node = open < dict.size() && dict[open] == '[' ? refAt(dict, open + 1) : PdfRef();
    }
    return false;
}

SigningResult<PdfStructure> PdfStructure::read(const QByteArray &pdf)
{
    const auto unsupported = [](const QString &why) {
        return SigningError{SigningFault::UnsupportedPdf,
                            PdfStructureTexts::tr("The PDF cannot be signed: %1.").arg(why)};
    };
    PdfStructure s;
    s.m_pdf = pdf;
    if (!pdf.startsWith("%PDF-"))
        return unsupported(PdfStructureTexts::tr("it is not a PDF file"));
    const qsizetype keyword = pdf.lastIndexOf("startxref");
    if (keyword < 0 || keyword < pdf.size() - tailToSearch)
        return unsupported(PdfStructureTexts::tr("it has no startxref"));
    qsizetype i = keyword + qsizetype(std::strlen("startxref"));
    const QByteArray at = word(pdf, i);
    if (!isNumber(at) || at.toLongLong() >= pdf.size())
        return unsupported(PdfStructureTexts::tr("its startxref is not an offset in the file"));
    s.m_startXref = at.toLongLong();
    if (!s.readXrefSections(s.m_startXref))
        return unsupported(PdfStructureTexts::tr("its cross-reference is not a table or stream this program reads"));
    qsizetype sizeAt = valueOf(s.m_trailer, "/Size");
    s.m_size = sizeAt < 0 ? 0 : word(s.m_trailer, sizeAt).toInt();
    s.m_root = refValue(s.m_trailer, "/Root");
    if (s.m_size <= 0 || !s.m_root.isValid())
        return unsupported(PdfStructureTexts::tr("its trailer has no /Size or /Root"));
    if (!s.findPage())
        return unsupported(PdfStructureTexts::tr("its page cannot be found"));
    return s;
}

} // namespace arc
