#include "DeclaredSignature.h"

#include "PdfStructure.h"
#include "PdfSyntax.h"

#include <QCoreApplication>
#include <QList>

#include <algorithm>
#include <cctype>

namespace arc {

namespace {

// A page's form has one field; a file listing more is not read further.
constexpr qsizetype kMaxFields = 64;

struct DeclaredSignatureTexts {
    Q_DECLARE_TR_FUNCTIONS(SignatureReport)
};

using pdf::skipSpace;

// The dictionary or array that is `key`'s value in `dict`, whether written
// there or kept as an object of its own; empty when it is neither.
QByteArray valueIn(const PdfStructure &s, const QByteArray &dict, const char *key, char open)
{
    const PdfRef ref = PdfStructure::refValue(dict, key);
    if (ref.isValid())
        return s.object(ref);
    const qsizetype at = skipSpace(dict, PdfStructure::valueOf(dict, key));
    if (at < 0 || at >= dict.size() || dict[at] != open)
        return {};
    const qsizetype end = PdfStructure::closing(dict, at);
    return end < 0 ? QByteArray() : dict.mid(at, end - at);
}

// The four numbers of a /ByteRange array; false unless there are four
// non-negative ones small enough to add without overflow.
bool byteRangeOf(const QByteArray &dict, qint64 (&range)[4])
{
    const qsizetype open = skipSpace(dict, PdfStructure::valueOf(dict, "/ByteRange"));
    if (open < 0 || open >= dict.size() || dict[open] != '[')
        return false;
    const qsizetype end = PdfStructure::closing(dict, open);
    if (end < 0)
        return false;
    const QList<QByteArray> words = dict.mid(open + 1, end - open - 2).simplified().split(' ');
    if (words.size() != 4)
        return false;
    for (int i = 0; i < 4; ++i) {
        const std::optional<qint64> n = pdf::count(words[i]);
        if (!n)
            return false;
        range[i] = *n;
    }
    return true;
}

} // namespace

DeclaredSignature DeclaredSignature::of(const QByteArray &pdf)
{
    DeclaredSignature d;
    // Anything that looks like a signature, anywhere, comments included:
    // it is never taken for the signature, but one not declared as the
    // document's own is not passed over either.
    const qsizetype byteRanges = pdf.count("/ByteRange");
    const auto unreadable = [&](const char *why) {
        if (byteRanges > 0) {
            d.state = State::Unreadable;
            d.problem = DeclaredSignatureTexts::tr(why);
        }
        return d;
    };
    const SigningResult<PdfStructure> read = PdfStructure::read(pdf);
    if (!read.ok())
        return unreadable(
            QT_TRANSLATE_NOOP("SignatureReport", "The document's structure cannot be followed to its signature."));
    const PdfStructure &s = read.value();

    const QByteArray form = valueIn(s, s.object(s.root()), "/AcroForm", '<');
    const QList<PdfRef> fields = PdfStructure::refsIn(valueIn(s, form, "/Fields", '['), kMaxFields);
    QList<PdfRef> values;
    for (const PdfRef field : fields) {
        const QByteArray dict = s.object(field);
        if (PdfStructure::nameValue(dict, "/FT") == "/Sig")
            values.append(PdfStructure::refValue(dict, "/V"));
    }
    if (values.isEmpty())
        return unreadable(
            QT_TRANSLATE_NOOP("SignatureReport", "The document's form declares no signature, yet the file holds one."));
    d.others = values.size() > 1 || byteRanges > 1;

    const char *const notCovering =
        QT_TRANSLATE_NOOP("SignatureReport", "The signature's byte range does not cover the file as a signature must.");
    const PdfStructure::Span value = s.span(values.first());
    if (value.begin < 0)
        return unreadable(
            QT_TRANSLATE_NOOP("SignatureReport", "The document's signature field holds no signature."));
    const QByteArray dict = pdf.mid(value.begin, value.end - value.begin);
    qint64 range[4] = {};
    if (!byteRangeOf(dict, range))
        return unreadable(notCovering);

    // The gap left out of the signed bytes must be exactly the /Contents
    // hex string; any other gap would leave unsigned bytes that count.
    const qsizetype contents = PdfStructure::valueOf(dict, "/Contents");
    const qsizetype open = contents < 0 ? -1 : skipSpace(pdf, value.begin + contents);
    if (open < 0 || open + 1 >= pdf.size() || pdf[open] != '<' || pdf[open + 1] == '<')
        return unreadable(notCovering);
    const qsizetype close = pdf.indexOf('>', open);
    const QByteArray hex = close < 0 ? QByteArray() : pdf.mid(open + 1, close - open - 1);
    const bool allHex = !hex.isEmpty() && hex.size() % 2 == 0
        && std::all_of(hex.begin(), hex.end(), [](char c) { return std::isxdigit(uchar(c)) != 0; });
    // Every number is below 10^18: compared, never summed past the file's size.
    const qint64 size = pdf.size();
    if (!allHex || range[0] != 0 || range[1] != open || range[2] != close + 1 || range[3] > size - range[2])
        return unreadable(notCovering);

    d.state = State::Found;
    d.gapStart = range[1];
    d.gapEnd = range[2];
    d.signedEnd = range[2] + range[3];
    d.der = QByteArray::fromHex(hex);
    return d;
}

} // namespace arc
