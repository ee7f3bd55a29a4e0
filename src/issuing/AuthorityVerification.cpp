#include "AuthorityVerification.h"

#include "KeyFiles.h"
#include "SignatureReport.h"
#include "SignatureTrust.h"

#include <QCoreApplication>

namespace arc {

namespace {

struct AuthorityVerificationTexts {
    Q_DECLARE_TR_FUNCTIONS(AuthorityVerification)
};

QString yesNo(bool yes) { return yes ? AuthorityVerificationTexts::tr("yes") : AuthorityVerificationTexts::tr("no"); }

QString utc(const QDateTime &t) { return t.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss 'UTC'")); }

QString timeStampLine(const TimeStampInfo &t)
{
    if (!t.present)
        return AuthorityVerificationTexts::tr("Time stamp: no time stamp");
    if (!t.time.isValid())
        return AuthorityVerificationTexts::tr("Time stamp: not intact. %1").arg(t.problem);
    const QString by = t.authority.isEmpty() ? AuthorityVerificationTexts::tr("an unnamed authority") : t.authority;
    return t.intact
               ? AuthorityVerificationTexts::tr("Time stamp: %1 by %2, intact").arg(utc(t.time), by)
               : AuthorityVerificationTexts::tr("Time stamp: %1 by %2, not intact: %3").arg(utc(t.time), by, t.problem);
}

QString revokedLine(const SignatureTrust &trust)
{
    if (!trust.revocationChecked)
        return AuthorityVerificationTexts::tr("Revoked: not checked (no revocation list given)");
    if (!trust.revoked)
        return AuthorityVerificationTexts::tr("Revoked: no");
    const QString when = AuthorityVerificationTexts::tr("yes, on %1 (%2)")
                             .arg(utc(trust.revoked->when), RevocationList::reasonName(trust.revoked->reason));
    return trust.revokedAfterSigning
               ? AuthorityVerificationTexts::tr("Revoked: %1, after the time-stamped signing, which stands").arg(when)
               : AuthorityVerificationTexts::tr("Revoked: %1").arg(when);
}

} // namespace

AuthorityVerification::Result AuthorityVerification::check(const QByteArray &pdf, const QByteArray &authorityPem,
                                                           const QByteArray &crlPem)
{
    Result r;
    const std::vector<X509Ptr> authority = KeyFiles::readCertificates(authorityPem);
    if (authority.size() != 1) {
        r.refusal = AuthorityVerificationTexts::tr("the authority file does not hold exactly one certificate (PEM)");
        return r;
    }
    const SignatureReport report = SignatureReport::of(pdf, authority.front().get());
    if (!report.isSigned) {
        r.lines << AuthorityVerificationTexts::tr("Digital signature: none");
        return r;
    }
    const QString unknown = AuthorityVerificationTexts::tr("cannot be told");
    const bool changed = !report.intact || report.addedAfterSigning;
    r.lines << AuthorityVerificationTexts::tr("Signed by: %1").arg(report.signer.isEmpty() ? unknown : report.signer)
            << AuthorityVerificationTexts::tr("Certificate issued by: %1")
                   .arg(report.issuer.isEmpty() ? unknown : report.issuer)
            << (report.intact ? AuthorityVerificationTexts::tr("Signature: intact")
                              : AuthorityVerificationTexts::tr("Signature: not intact. %1").arg(report.problem))
            << AuthorityVerificationTexts::tr("Changed after signing: %1").arg(yesNo(changed));
    if (report.cms.isEmpty()) {
        r.status = ChangedOrInvalid;
        return r;
    }
    const SigningResult<SignatureTrust> trust = SignatureTrust::of(report.cms, authority.front().get(), crlPem);
    if (!trust.ok()) {
        r.lines.clear();
        r.refusal =
            AuthorityVerificationTexts::tr("the revocation list is damaged or not signed by the authority given");
        return r;
    }
    r.lines << (trust->trusted ? AuthorityVerificationTexts::tr("Trusted: yes")
                               : AuthorityVerificationTexts::tr("Trusted: no, %1").arg(trust->whyNotTrusted))
            << revokedLine(trust.value()) << timeStampLine(trust->timeStamp);
    if (changed || (trust->timeStamp.present && !trust->timeStamp.intact))
        r.status = ChangedOrInvalid;
    else if (!trust->trusted)
        r.status = NotTrusted;
    else if (trust->revoked && !trust->revokedAfterSigning)
        r.status = Revoked;
    else
        r.status = Valid;
    return r;
}

} // namespace arc
