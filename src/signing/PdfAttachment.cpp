#include "PdfAttachment.h"

#include "PdfStructure.h"
#include "IncrementalUpdate.h"

#include <QCoreApplication>
#include <QCryptographicHash>

namespace arc::PdfAttachment {

namespace {

struct PdfAttachmentTexts {
    Q_DECLARE_TR_FUNCTIONS(PdfAttachment)
};

SigningError refused(const QString &why)
{
    return {SigningFault::UnsupportedPdf, PdfAttachmentTexts::tr("The data cannot be embedded in the PDF: %1.").arg(why)};
}

// A PDF literal string: parentheses and backslashes escaped.
QByteArray literal(QByteArray text)
{
    text.replace('\\', "\\\\").replace('(', "\\(").replace(')', "\\)");
    return '(' + text + ')';
}

// A name object: anything but letters, digits and a few marks as #XX.
QByteArray name(const QByteArray &text)
{
    QByteArray out = "/";
    for (const char c : text) {
        if (std::isalnum(uchar(c)) || c == '.' || c == '-' || c == '_' || c == '+')
            out += c;
        else
            out += '#' + QByteArray::number(uchar(c), 16).rightJustified(2, '0').toUpper();
    }
    return out;
}

} // namespace

SigningResult<QByteArray> embed(const QByteArray &pdf, const QByteArray &fileName, const QByteArray &mimeType,
                                const QByteArray &data)
{
    if (data.size() > kMaxBytes)
        return refused(PdfAttachmentTexts::tr("the data is larger than 1 MiB"));
    SigningResult<PdfStructure> read = PdfStructure::read(pdf);
    if (!read.ok())
        return read.error();
    const PdfStructure &s = read.value();
    const QByteArray catalog = s.object(s.root());
    if (!catalog.startsWith("<<"))
        return refused(PdfAttachmentTexts::tr("its catalogue is not where its table says"));
    if (PdfStructure::valueOf(catalog, "/Names") >= 0 || PdfStructure::valueOf(catalog, "/AF") >= 0)
        return refused(PdfAttachmentTexts::tr("it already names embedded files"));
    if (s.hasXrefStreams())
        return refused(PdfAttachmentTexts::tr("its cross-reference is a stream"));

    const PdfRef stream{s.size(), 0}, entry{s.size() + 1, 0};
    const QByteArray size = QByteArray::number(data.size());
    const QByteArray checksum = QCryptographicHash::hash(data, QCryptographicHash::Md5).toHex();
    IncrementalUpdate update(pdf);
    update.add(stream, "<<\n/Type /EmbeddedFile\n/Subtype " + name(mimeType) + "\n/Params << /Size " + size
                           + " /CheckSum <" + checksum + "> >>\n/Length " + size + "\n>>\nstream\n" + data
                           + "\nendstream");
    update.add(entry, "<<\n/Type /Filespec\n/F " + literal(fileName) + "\n/UF " + literal(fileName) + "\n/EF << /F "
                         + stream.text() + " /UF " + stream.text() + " >>\n/AFRelationship /Data\n/Desc "
                         + literal("Certificate data") + "\n>>");
    update.add(s.root(), catalog.left(catalog.lastIndexOf(">>")).trimmed() + "\n/Names << /EmbeddedFiles << /Names ["
                             + literal(fileName) + ' ' + entry.text() + "] >> >>\n/AF [" + entry.text() + "]\n>>");
    return update.finish(s, s.size() + 2);
}

} // namespace arc::PdfAttachment
