#include "SignatureReport.h"

#include "CertificateInfo.h"
#include "KeyFiles.h"

#include <openssl/err.h>

#include <QList>

namespace arc {

namespace {

// The four numbers of the last /ByteRange; empty when there are not four.
QList<qint64> lastByteRange(const QByteArray &pdf)
{
    const qsizetype key = pdf.lastIndexOf("/ByteRange");
    const qsizetype open = key < 0 ? -1 : pdf.indexOf('[', key);
    const qsizetype close = open < 0 ? -1 : pdf.indexOf(']', open);
    if (close < 0)
        return {};
    QList<qint64> range;
    for (const QByteArray &n : pdf.mid(open + 1, close - open - 1).simplified().split(' ')) {
        bool ok = false;
        range.append(n.toLongLong(&ok));
        if (!ok || range.last() < 0)
            return {};
    }
    return range.size() == 4 ? range : QList<qint64>();
}

// The signer's certificate among those the signature carries.
X509Ptr signerOf(CMS_ContentInfo *cms)
{
    STACK_OF(CMS_SignerInfo) *infos = CMS_get0_SignerInfos(cms);
    X509StackPtr certificates(CMS_get1_certs(cms));
    if (!infos || sk_CMS_SignerInfo_num(infos) != 1 || !certificates)
        return {};
    CMS_SignerInfo *info = sk_CMS_SignerInfo_value(infos, 0);
    for (int i = 0; i < sk_X509_num(certificates.get()); ++i) {
        X509 *c = sk_X509_value(certificates.get(), i);
        if (CMS_SignerInfo_cert_cmp(info, c) == 0) {
            X509_up_ref(c);
            return X509Ptr(c);
        }
    }
    return {};
}

} // namespace

SignatureReport SignatureReport::of(const QByteArray &pdf, const QByteArray &authorityPem)
{
    const std::vector<X509Ptr> authority = KeyFiles::readCertificates(authorityPem);
    return of(pdf, authority.empty() ? nullptr : authority.front().get());
}

SignatureReport SignatureReport::of(const QByteArray &pdf, const X509 *authority)
{
    SignatureReport report;
    const QList<qint64> range = lastByteRange(pdf);
    if (range.isEmpty()) {
        report.problem = QStringLiteral("The PDF carries no signature.");
        return report;
    }
    // The gap left out of the signed bytes must be exactly the /Contents
    // hex string; any other gap would leave unsigned bytes that count.
    const qint64 gapStart = range[1], gapEnd = range[2], end = range[2] + range[3];
    const bool coversAll = range[0] == 0 && gapStart > 0 && gapEnd > gapStart + 1 && end <= pdf.size()
        && pdf[gapStart] == '<' && pdf[gapEnd - 1] == '>' && pdf.left(gapStart).trimmed().endsWith("/Contents");
    if (!coversAll) {
        report.problem = QStringLiteral("The signature's byte range does not cover the file as a signature must.");
        return report;
    }
    const QByteArray der = QByteArray::fromHex(pdf.mid(gapStart + 1, gapEnd - gapStart - 2));
    const auto *p = reinterpret_cast<const unsigned char *>(der.constData());
    CmsPtr cms(d2i_CMS_ContentInfo(nullptr, &p, long(der.size())));
    X509Ptr signer = cms ? signerOf(cms.get()) : X509Ptr();
    if (!signer) {
        ERR_clear_error();
        report.problem = QStringLiteral("The signature cannot be read.");
        return report;
    }
    report.isSigned = true;
    const CertificateInfo info = CertificateInfo::of(signer.get());
    report.signer = info.commonName;
    report.issuer = info.issuerName;
    report.addedAfterSigning = end < pdf.size();
    report.fromAuthority = authority && X509_check_issued(const_cast<X509 *>(authority), signer.get()) == X509_V_OK
        && X509_verify(signer.get(), X509_get0_pubkey(authority)) == 1;

    const QByteArray signedBytes = pdf.left(gapStart) + pdf.mid(gapEnd, range[3]);
    BioPtr data = readBio(signedBytes);
    // Only the signature is checked here; whom to trust is the reader's
    // choice (fromAuthority).
    report.intact = CMS_verify(cms.get(), nullptr, nullptr, data.get(), nullptr,
                               CMS_BINARY | CMS_DETACHED | CMS_NO_SIGNER_CERT_VERIFY)
        == 1;
    if (!report.intact)
        report.problem = QStringLiteral("The signed bytes were changed after signing.");
    ERR_clear_error();
    return report;
}

} // namespace arc
