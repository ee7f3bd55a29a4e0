#include "SigningKeyState.h"

#include <QCoreApplication>

namespace arc {

namespace {

struct SigningKeyStateTexts {
    Q_DECLARE_TR_FUNCTIONS(SigningKeyState)
};

QString newCertificate(const QString &name)
{
    return SigningKeyStateTexts::tr("An administrator gives %1 a new signing certificate (Set-up, DMIRs, \"Signing certificate...\"); then "
              "%1 signs in again.")
        .arg(name);
}

} // namespace

SigningKeyState SigningKeyState::unreadable(const QString &name, const KeyStoreFailure &failure)
{
    switch (failure.cause) {
    case KeyStoreFailure::Cause::Denied:
        return {Kind::Unusable, name, failure.text,
                SigningKeyStateTexts::tr("Whoever looks after this computer gives the account %1 read access to %2: the data folder's Keys "
                   "folder and its files take the group of the data folder, which may read them (see \"A data folder "
                   "shared by several accounts\" in the README). Then %3 signs in again.")
                    .arg(failure.account, failure.path, name)};
    case KeyStoreFailure::Cause::Damaged:
        return {Kind::Unusable, name, failure.text, newCertificate(name)};
    case KeyStoreFailure::Cause::Unreadable:
        break;
    }
    return {Kind::Unusable, name, failure.text,
            SigningKeyStateTexts::tr("Once the data source can be read again, %1 signs in again.").arg(name)};
}

SigningKeyState SigningKeyState::notOpened(const QString &name, SigningFault fault, const QString &why)
{
    // The sign-in password was right, so the key was kept under another one.
    const QString cause = fault == SigningFault::WrongPassword
                              ? SigningKeyStateTexts::tr("it is kept under an earlier password, which was reset")
                              : why;
    return {Kind::Unusable, name, cause, newCertificate(name)};
}

SigningKeyState SigningKeyState::revoked(const QString &name, const QDateTime &when, const QString &reason)
{
    return {Kind::Revoked, name,
            SigningKeyStateTexts::tr("the shop authority revoked its certificate on %1 (%2)")
                .arg(when.toUTC().toString(QStringLiteral("yyyy-MM-dd")), reason),
            newCertificate(name)};
}

QString SigningKeyState::unsignedWhy() const
{
    if (m_kind == Kind::NoKey)
        return SigningKeyStateTexts::tr("%1 holds no signing key").arg(m_name);
    if (m_kind == Kind::RemovedByReset)
        return SigningKeyStateTexts::tr("the signing key of %1 was removed when the password was reset").arg(m_name);
    return {};
}

QString SigningKeyState::atSignIn() const
{
    if (m_kind == Kind::Unusable)
        return SigningKeyStateTexts::tr("No certificate can be issued: the signing key of %1 cannot be opened.").arg(m_name);
    if (m_kind == Kind::Revoked)
        return SigningKeyStateTexts::tr("No certificate can be issued: the signing certificate of %1 is revoked.").arg(m_name);
    if (m_kind == Kind::OnToken)
        return SigningKeyStateTexts::tr("Certificates are signed on the token %1: its PIN is asked at each issue.").arg(m_cause);
    const QString why = unsignedWhy();
    return why.isEmpty() ? QString() : SigningKeyStateTexts::tr("Certificates issued are not digitally signed: %1.").arg(why);
}

QString SigningKeyState::stopsIssue() const
{
    if (!stops())
        return {};
    QString cause = m_cause.trimmed();
    while (cause.endsWith(QLatin1Char('.')))
        cause.chop(1);
    if (m_kind == Kind::Revoked)
        return SigningKeyStateTexts::tr("The signing key of %1 signs nothing more: %2.\n%3").arg(m_name, cause, m_mend);
    return SigningKeyStateTexts::tr("The signing key of %1 cannot be opened: %2.\n%3").arg(m_name, cause, m_mend);
}

} // namespace arc
