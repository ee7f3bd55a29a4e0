#include "PdfSignature.h"

#include "IncrementalUpdate.h"
#include "OpenSslPointers.h"
#include "PdfStructure.h"
#include "SignedAttributes.h"
#include "SigningKey.h"
#include "TimeStamps.h"

#include <QCoreApplication>

namespace arc {

namespace {

struct PdfSignatureTexts {
    Q_DECLARE_TR_FUNCTIONS(PdfSignature)
};

// Room kept for a time stamp's token: a service's certificates make most
// of it. A larger token has the page signed and stamped again.
constexpr qsizetype kTokenRoom = 8192;

const QByteArray byteRangePlaceholder = "[0 0000000000 0000000000 0000000000]";

// What makes the signature a certification signature: the document's
// modification detection with permission 1, no change of any kind.
const QByteArray certification = "/Reference [<< /Type /SigRef /TransformMethod /DocMDP /TransformParams "
                                 "<< /Type /TransformParams /P 1 /V /1.2 >> >>]";

QByteArray number(double v) { return QByteArray::number(v, 'f', 2); }

// A PDF literal string: parentheses and backslashes escaped.
QByteArray literal(QByteArray text)
{
    text.replace('\\', "\\\\").replace('(', "\\(").replace(')', "\\)");
    return '(' + text + ')';
}

// `dict` with `entry` added as its last key.
QByteArray withEntry(const QByteArray &dict, const QByteArray &entry)
{
    return dict.left(dict.lastIndexOf(">>")).trimmed() + entry + "\n>>";
}

// `array` ("[ ... ]") with `item` added at its end.
QByteArray withItem(const QByteArray &array, const QByteArray &item)
{
    return array.left(array.lastIndexOf(']')).trimmed() + ' ' + item + " ]";
}

SigningError unsupported(const QString &why)
{
    return {SigningFault::UnsupportedPdf, PdfSignatureTexts::tr("The PDF cannot be signed: %1.").arg(why)};
}

// The update with its /Contents of `reserved` bytes' room still zeros and
// its /ByteRange filled in; `gapStart` is where the hex string opens.
SigningResult<QByteArray> laidOut(const QByteArray &pdf, const PdfStructure &s, const QRectF &box,
                                  const QByteArray &fieldName, const QDateTime &when, qsizetype reserved,
                                  qsizetype &gapStart)
{
    const QByteArray catalog = s.object(s.root());
    const QByteArray page = s.object(s.page());
    const PdfRef signature{s.size(), 0}, widget{s.size() + 1, 0}, appearance{s.size() + 2, 0},
        form{s.size() + 3, 0};
    const int size = s.size() + 4;
    IncrementalUpdate update(pdf);
    update.add(signature, "<<\n/Type /Sig\n/Filter /Adobe.PPKLite\n/SubFilter /ETSI.CAdES.detached\n"
                              + certification + "\n/M "
                              + literal("D:" + when.toUTC().toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1() + 'Z')
                              + "\n/ByteRange " + byteRangePlaceholder + "\n/Contents <"
                              + QByteArray(reserved * 2, '0') + ">\n>>");
    const QRectF r = box.normalized();
    update.add(widget, "<<\n/Type /Annot\n/Subtype /Widget\n/FT /Sig\n/F 132\n/T " + literal(fieldName) + "\n/V "
                           + signature.text() + "\n/P " + s.page().text() + "\n/Rect [" + number(r.left()) + ' '
                           + number(r.top()) + ' ' + number(r.right()) + ' ' + number(r.bottom())
                           + "]\n/AP << /N " + appearance.text() + " >>\n>>");
    // Empty, so that the signature drawn on the page shows through.
    update.add(appearance, "<<\n/Type /XObject\n/Subtype /Form\n/BBox [0 0 " + number(r.width()) + ' '
                               + number(r.height()) + "]\n/Resources << >>\n/Length 0\n>>\nstream\n\nendstream");
    update.add(form, "<<\n/Fields [" + widget.text() + "]\n/SigFlags 3\n>>");
    // A certification signature: readers that honour it allow no change at all.
    update.add(s.root(), withEntry(catalog, "\n/AcroForm " + form.text() + "\n/Perms << /DocMDP "
                                                + signature.text() + " >>"));

    const qsizetype annots = PdfStructure::valueOf(page, "/Annots");
    const PdfRef annotsRef = PdfStructure::refValue(page, "/Annots");
    if (annots < 0) {
        update.add(s.page(), withEntry(page, "\n/Annots [" + widget.text() + ']'));
    } else if (annotsRef.isValid()) {
        const QByteArray array = s.object(annotsRef);
        if (!array.startsWith('['))
            return unsupported(PdfSignatureTexts::tr("its page's annotations are not an array"));
        update.add(annotsRef, withItem(array, widget.text()));
    } else {
        const qsizetype open = page.indexOf('[', annots);
        const qsizetype end = open < 0 ? -1 : PdfStructure::closing(page, open);
        if (end < 0 || page.mid(annots, open - annots).trimmed().size() != 0)
            return unsupported(PdfSignatureTexts::tr("its page's annotations are not an array"));
        update.add(s.page(), page.left(open) + withItem(page.mid(open, end - open), widget.text()) + page.mid(end));
    }
    QByteArray out = update.finish(s, size);

    // Everything but the hex string of /Contents is signed.
    const qsizetype rangeAt = out.indexOf("/ByteRange " + byteRangePlaceholder, pdf.size()) + 11;
    gapStart = out.indexOf("/Contents <", rangeAt) + 10;
    const qsizetype gapEnd = gapStart + 2 * reserved + 2;
    QByteArray range = "[0 " + QByteArray::number(gapStart) + ' ' + QByteArray::number(gapEnd) + ' '
        + QByteArray::number(out.size() - gapEnd);
    range = range.leftJustified(byteRangePlaceholder.size() - 1, ' ') + ']';
    out.replace(rangeAt, range.size(), range);
    return out;
}

} // namespace

SigningResult<QByteArray> PdfSignature::cms(const QByteArray &data, const SigningKey &key,
                                            const TimeStampService *timeStamps)
{
    const int flags = CMS_DETACHED | CMS_BINARY | CMS_CADES | CMS_NOSMIMECAP | CMS_PARTIAL;
    // CMS_sign takes its own references to the issuers' certificates.
    X509ListPtr issuers(sk_X509_new_null());
    for (size_t i = 1; i < key.chain().size(); ++i)
        sk_X509_push(issuers.get(), key.chain()[i].get());
    CmsPtr cms(CMS_sign(nullptr, nullptr, issuers.get(), nullptr, flags));
    BioPtr in = readBio(data);
    if (!cms || !CMS_add1_signer(cms.get(), key.certificate(), key.key(), EVP_sha256(), flags)
        || CMS_final(cms.get(), in.get(), nullptr, flags) != 1
        || !SignedAttributes::dropSigningTime(sk_CMS_SignerInfo_value(CMS_get0_SignerInfos(cms.get()), 0),
                                              key.key(), EVP_sha256()))
        return openSslFailure(PdfSignatureTexts::tr("The page could not be signed."));
    if (timeStamps) {
        // Over the signature's value, as an unsigned attribute of its signer.
        CMS_SignerInfo *signer = sk_CMS_SignerInfo_value(CMS_get0_SignerInfos(cms.get()), 0);
        const ASN1_OCTET_STRING *value = CMS_SignerInfo_get0_signature(signer);
        const SigningResult<QByteArray> token = TimeStamps::stamp(
            *timeStamps,
            QByteArray(reinterpret_cast<const char *>(ASN1_STRING_get0_data(value)), ASN1_STRING_length(value)));
        if (!token.ok())
            return token.error();
        if (CMS_unsigned_add1_attr_by_NID(signer, NID_id_smime_aa_timeStampToken, V_ASN1_SEQUENCE,
                                          token->constData(), int(token->size()))
            != 1)
            return openSslFailure(PdfSignatureTexts::tr("The time stamp could not be added to the signature."));
    }
    BioPtr out(BIO_new(BIO_s_mem()));
    if (i2d_CMS_bio(out.get(), cms.get()) != 1)
        return openSslFailure(PdfSignatureTexts::tr("The signature could not be written."));
    return bioBytes(out.get());
}

SigningResult<QByteArray> PdfSignature::sign(const QByteArray &pdf, const SigningKey &key, const QRectF &box,
                                             const QByteArray &fieldName, const QDateTime &when,
                                             const TimeStampService *timeStamps)
{
    SigningResult<PdfStructure> read = PdfStructure::read(pdf);
    if (!read.ok())
        return read.error();
    const PdfStructure &s = read.value();
    const QByteArray catalog = s.object(s.root());
    const QByteArray page = s.object(s.page());
    if (!catalog.startsWith("<<") || !page.startsWith("<<"))
        return unsupported(PdfSignatureTexts::tr("its catalogue or page is not where its table says"));
    if (PdfStructure::valueOf(catalog, "/AcroForm") >= 0)
        return unsupported(PdfSignatureTexts::tr("it already has a form"));
    if (PdfStructure::valueOf(catalog, "/Perms") >= 0)
        return unsupported(PdfSignatureTexts::tr("it already declares what may be changed in it"));
    // The update's section is a table, which may not follow a stream.
    if (s.hasXrefStreams())
        return unsupported(PdfSignatureTexts::tr("its cross-reference is a stream"));

    // The signature's size is known before the page is signed: a trial
    // signature of nothing is as long as the real one, give or take the
    // few bytes an ECDSA signature varies by.
    SigningResult<QByteArray> trial = cms({}, key);
    if (!trial.ok())
        return trial.error();
    qsizetype reserved = trial->size() + 64 + (timeStamps ? kTokenRoom : 0);
    // A time stamp larger than the room kept: signed and stamped once
    // more, with room for it.
    for (int attempt = 0;; ++attempt) {
        qsizetype gapStart = 0;
        SigningResult<QByteArray> laid = laidOut(pdf, s, box, fieldName, when, reserved, gapStart);
        if (!laid.ok())
            return laid.error();
        QByteArray &out = laid.value();
        const qsizetype gapEnd = gapStart + 2 * reserved + 2;
        SigningResult<QByteArray> der = cms(out.left(gapStart) + out.mid(gapEnd), key, timeStamps);
        if (!der.ok())
            return der.error();
        if (der->size() <= reserved) {
            const QByteArray hex = der->toHex();
            out.replace(gapStart + 1, hex.size(), hex);
            return out;
        }
        if (!timeStamps || attempt > 0)
            return SigningError{SigningFault::Failed,
                                PdfSignatureTexts::tr("The signature is larger than the room kept for it.")};
        reserved = der->size() + 1024;
    }
}

} // namespace arc
