#include "SignatureReport.h"

#include "CertificateInfo.h"
#include "DeclaredSignature.h"
#include "KeyFiles.h"
#include "SignerCertificate.h"
#include "OpenSslPointers.h"

#include <openssl/bio.h>
#include <openssl/err.h>

#include <QCoreApplication>

namespace arc {

namespace {

struct SignatureReportTexts {
    Q_DECLARE_TR_FUNCTIONS(SignatureReport)
};

} // namespace

SignatureReport SignatureReport::of(const QByteArray &pdf, const QByteArray &authorityPem)
{
    const std::vector<X509Ptr> authority = KeyFiles::readCertificates(authorityPem);
    return of(pdf, authority.empty() ? nullptr : authority.front().get());
}

SignatureReport SignatureReport::of(const QByteArray &pdf, const X509 *authority)
{
    SignatureReport report;
    const DeclaredSignature declared = DeclaredSignature::of(pdf);
    if (declared.state == DeclaredSignature::State::None) {
        report.problem = SignatureReportTexts::tr("The PDF carries no signature.");
        return report;
    }
    // A signature the document does not declare as its own, or whose gap is
    // not exactly its /Contents, signs nothing that can be trusted.
    if (declared.state == DeclaredSignature::State::Unreadable) {
        report.isSigned = true;
        report.problem = declared.problem;
        return report;
    }
    const QByteArray &der = declared.der;
    const auto *p = reinterpret_cast<const unsigned char *>(der.constData());
    CmsPtr cms(d2i_CMS_ContentInfo(nullptr, &p, long(der.size())));
    X509Ptr signer = cms ? signerOf(cms.get()) : X509Ptr();
    report.isSigned = true;
    if (!signer) {
        ERR_clear_error();
        report.problem = SignatureReportTexts::tr("The signature cannot be read.");
        return report;
    }
    report.cms = der;
    const CertificateInfo info = CertificateInfo::of(signer.get());
    report.signer = info.commonName;
    report.issuer = info.issuerName;
    report.signerSha256 = info.sha256;
    // Bytes after the signed ones, or another signature beside it.
    report.addedAfterSigning = declared.signedEnd < pdf.size() || declared.others;
    report.fromAuthority = authority && X509_check_issued(const_cast<X509 *>(authority), signer.get()) == X509_V_OK
        && X509_verify(signer.get(), X509_get0_pubkey(authority)) == 1;

    const QByteArray signedBytes =
        pdf.left(declared.gapStart) + pdf.mid(declared.gapEnd, declared.signedEnd - declared.gapEnd);
    // OpenSSL 3.0's CMS_verify copies content given in a memory BIO into a
    // BIO of its own, and leaks that one when a damaged signature's content
    // cannot be set up; through a buffer it reads the content as given.
    BioPtr data(BIO_new(BIO_f_buffer()));
    if (data)
        BIO_push(data.get(), readBio(signedBytes).release());
    // Only the signature is checked here; whom to trust is the reader's
    // choice (fromAuthority).
    report.intact = CMS_verify(cms.get(), nullptr, nullptr, data.get(), nullptr,
                               CMS_BINARY | CMS_DETACHED | CMS_NO_SIGNER_CERT_VERIFY)
        == 1;
    if (!report.intact)
        report.problem = SignatureReportTexts::tr("The signed bytes were changed after signing.");
    ERR_clear_error();
    return report;
}

} // namespace arc
