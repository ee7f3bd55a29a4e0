#include "WithdrawnSigner.h"

#include "KeyFiles.h"
#include "RevocationList.h"
#include "SignerCertificate.h"
#include "Verification.h"
#include "WebSource.h"

#include <openssl/err.h>

namespace arc::WithdrawnSigner {

namespace {

constexpr qint64 kMaxKeyBytes = 1024 * 1024;

// What is kept under `name`; empty when nothing is, the failure when the
// register cannot be read.
DbStatus kept(WebSource &source, const QString &name, qint64 maxBytes, QByteArray &content)
{
    const DbStatus s = source.file(name, maxBytes, content);
    return s.is(DbCondition::ItemNotFound) ? DbStatus() : s;
}

} // namespace

DbStatus check(WebSource &source, Verification &v)
{
    v.withdrawnSigner = false;
    QByteArray list, authorityEntry, pdf;
    DbStatus s = kept(source, QStringLiteral("Keys/authority-crl.pem"), kMaxKeyBytes, list);
    if (!s.ok() || list.isEmpty())
        return s;
    if (s = kept(source, QStringLiteral("Keys/authority.pem"), kMaxKeyBytes, authorityEntry); !s.ok())
        return s;
    if (s = kept(source, QStringLiteral("Issued/") + v.pdfFile, kMaxPdfBytes, pdf); !s.ok())
        return s;
    // The entry holds the authority's encrypted key, then its certificate.
    const qsizetype begin = authorityEntry.indexOf("-----BEGIN CERTIFICATE-----");
    const std::vector<X509Ptr> authority =
        begin < 0 ? std::vector<X509Ptr>() : KeyFiles::readCertificates(authorityEntry.mid(begin));
    const X509Ptr signer = signerCertificateOf(pdf);
    if (authority.empty() || !signer) {
        ERR_clear_error();
        return {};
    }
    const SigningResult<std::optional<Revocation>> found = RevocationList::find(list, authority.front().get(), signer.get());
    ERR_clear_error();
    if (found.ok() && found.value() && found.value()->when <= v.issuedAt)
        v.withdrawnSigner = true;
    return {};
}

} // namespace arc::WithdrawnSigner
