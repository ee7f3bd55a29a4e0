#include "AuthorityVerification.h"

#include "KeyFiles.h"
#include "SignatureReport.h"
#include "SignatureTrust.h"

#include <QCoreApplication>

namespace arc {

namespace {

QString tr(const char *text) { return QCoreApplication::translate("AuthorityVerification", text); }

QString yesNo(bool yes) { return yes ? tr("yes") : tr("no"); }

QString utc(const QDateTime &t) { return t.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss 'UTC'")); }

QString timeStampLine(const TimeStampInfo &t)
{
    if (!t.present)
        return tr("Time stamp: no time stamp");
    if (!t.time.isValid())
        return tr("Time stamp: not intact. %1").arg(t.problem);
    const QString by = t.authority.isEmpty() ? tr("an unnamed authority") : t.authority;
    return t.intact ? tr("Time stamp: %1 by %2, intact").arg(utc(t.time), by)
                    : tr("Time stamp: %1 by %2, not intact: %3").arg(utc(t.time), by, t.problem);
}

QString revokedLine(const SignatureTrust &trust)
{
    if (!trust.revocationChecked)
        return tr("Revoked: not checked (no revocation list given)");
    if (!trust.revoked)
        return tr("Revoked: no");
    const QString when = tr("yes, on %1 (%2)").arg(utc(trust.revoked->when), RevocationList::reasonName(trust.revoked->reason));
    return trust.revokedAfterSigning ? tr("Revoked: %1, after the time-stamped signing, which stands").arg(when)
                                     : tr("Revoked: %1").arg(when);
}

} // namespace

AuthorityVerification::Result AuthorityVerification::check(const QByteArray &pdf, const QByteArray &authorityPem,
                                                           const QByteArray &crlPem)
{
    Result r;
    const std::vector<X509Ptr> authority = KeyFiles::readCertificates(authorityPem);
    if (authority.size() != 1) {
        r.refusal = tr("the authority file does not hold exactly one certificate (PEM)");
        return r;
    }
    const SignatureReport report = SignatureReport::of(pdf, authority.front().get());
    if (!report.isSigned) {
        r.lines << tr("Digital signature: none");
        return r;
    }
    const QString unknown = tr("cannot be told");
    const bool changed = !report.intact || report.addedAfterSigning;
    r.lines << tr("Signed by: %1").arg(report.signer.isEmpty() ? unknown : report.signer)
            << tr("Certificate issued by: %1").arg(report.issuer.isEmpty() ? unknown : report.issuer)
            << (report.intact ? tr("Signature: intact") : tr("Signature: not intact. %1").arg(report.problem))
            << tr("Changed after signing: %1").arg(yesNo(changed));
    if (report.cms.isEmpty()) {
        r.status = ChangedOrInvalid;
        return r;
    }
    const SigningResult<SignatureTrust> trust = SignatureTrust::of(report.cms, authority.front().get(), crlPem);
    if (!trust.ok()) {
        r.lines.clear();
        r.refusal = tr("the revocation list is damaged or not signed by the authority given");
        return r;
    }
    r.lines << (trust->trusted ? tr("Trusted: yes") : tr("Trusted: no, %1").arg(trust->whyNotTrusted))
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
