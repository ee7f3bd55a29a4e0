#include "SigningRequests.h"

#include "CertificateRequest.h"
#include "DataFolder.h"
#include "GivenText.h"
#include "KeptAuthority.h"
#include "KeyFiles.h"
#include "KeysOf.h"
#include "OpenSslPointers.h"
#include "Passwords.h"

#include <QDateTime>
#include <QSqlQuery>

namespace arc {

namespace {

using Why = KeyRefusal::Why;

struct RequestTexts {
    Q_DECLARE_TR_FUNCTIONS(SigningRequests)
};

KeyRefusal requestRefused(Why why, const QString &message, const QString &where = {}) { return {why, message, where}; }

QString utcNow() { return QDateTime::currentDateTimeUtc().toString(Qt::ISODate); }

// The signatory of row `row` as stored now, whatever another workstation
// changed; nullopt when he is gone, or cannot be read (`status`).
std::optional<AgentEntry> signatoryOf(DataFolder &source, qint64 row, DbStatus &status)
{
    QSqlQuery q;
    status = source.reference().run(
        q, QStringLiteral("SELECT \"Name\", \"ApprovalNumber\" FROM \"Agents\" WHERE rowid = ?"), {row});
    if (!status.ok() || !q.next())
        return std::nullopt;
    return AgentEntry{q.value(0).toString(), {}, q.value(1).toString(), row};
}

} // namespace

KeyOutcome SigningRequests::makeKey(const AgentEntry &signatory, const QString &password)
{
    if (password.isEmpty())
        return requestRefused(Why::NoPassword, RequestTexts::tr("A signing key needs a password."));
    if (Passwords::verify(signatory.password, password) == Passwords::Verdict::Wrong)
        return requestRefused(Why::NotSignInPassword, RequestTexts::tr("That is not the sign-in password of %1.").arg(signatory.name));
    SigningResult<PKeyPtr> key = CertificateBuilder::newKey();
    const SigningResult<QByteArray> request =
        key.ok() ? CertificateRequest::make(key->get(), {signatory.name, signatory.approvalNumber}) : key.error();
    if (!request.ok())
        return requestRefused(Why::KeyRefused, request.error().message);
    const SigningResult<QByteArray> encrypted = KeyFiles::encryptedKey(key->get(), password);
    if (!encrypted.ok())
        return requestRefused(Why::KeyRefused, encrypted.error().message);
    return leave(signatory, request.value(), {encrypted.value(), std::nullopt});
}

KeyOutcome SigningRequests::leave(const AgentEntry &signatory, const QByteArray &request, const PendingKey &key)
{
    const std::unique_ptr<KeyStore> keys = keysOf(m_source);
    QString error;
    // The key first: a request listed without its key could not be approved.
    if (!keys->putPendingKey(signatory.rowId, key, &error)) {
        const QString where = QStringLiteral("%1: %2").arg(keys->place(), error);
        return requestRefused(Why::KeyNotKept, RequestTexts::tr("The key could not be kept in %1.").arg(where), where);
    }
    const DbStatus s = RequestRows::put(m_source.reference(), {signatory.rowId, signatory.name.trimmed(),
                                                               signatory.approvalNumber.trimmed(), request, utcNow()});
    if (!s.ok()) {
        (void)keys->removePendingKey(signatory.rowId, nullptr);
        return requestRefused(Why::KeyNotKept, RequestTexts::tr("The request could not be kept: %1.").arg(s.detail()), s.detail());
    }
    return KeyOutcome::requestLeft();
}

DbStatus SigningRequests::pending(QList<RequestRow> &out) const { return RequestRows::all(m_source.reference(), out); }

std::optional<KeyRefusal> SigningRequests::approve(qint64 signatory, const QString &passphrase, QByteArray *issued)
{
    RequestRow request;
    if (const DbStatus s = RequestRows::of(m_source.reference(), signatory, request); !s.ok())
        return s.is(DbCondition::ItemNotFound)
                   ? requestRefused(Why::NoRequest, RequestTexts::tr("No request of a signing certificate awaits approval."))
                   : requestRefused(Why::AuthorityUnreadable, RequestTexts::tr("The request cannot be read: %1.").arg(s.detail()));
    // The certificate names whom the request names: only while he still is that signatory.
    DbStatus read;
    const std::optional<AgentEntry> current = signatoryOf(m_source, signatory, read);
    if (!read.ok())
        return requestRefused(Why::AuthorityUnreadable, RequestTexts::tr("The signatory cannot be read: %1.").arg(read.detail()));
    if (!current)
        return requestRefused(Why::SignatoryChanged, RequestTexts::tr("%1 has been deleted since the request.")
                                                  .arg(GivenText::quoted(request.name)));
    if (current->name.trimmed() != request.name || current->approvalNumber.trimmed() != request.approvalNumber)
        return requestRefused(Why::SignatoryChanged,
                       RequestTexts::tr("The request was made for %1 (approval number %2), who is now %3 (approval "
                                      "number %4): he makes a new request.")
                           .arg(GivenText::quoted(request.name), GivenText::quoted(request.approvalNumber),
                                GivenText::quoted(current->name.trimmed()), GivenText::quoted(current->approvalNumber.trimmed())));
    const SigningResult<PKeyPtr> key = CertificateRequest::publicKey(request.request);
    if (!key.ok())
        return requestRefused(Why::KeyRefused, key.error().message);

    const std::unique_ptr<KeyStore> keys = keysOf(m_source);
    QString error;
    PendingKey pending;
    switch (keys->pendingKey(signatory, pending, &error)) {
    case KeyStore::Found::No:
        return requestRefused(Why::NoRequest, RequestTexts::tr("The key of the request is gone from %1.").arg(keys->place()));
    case KeyStore::Found::Failed:
        return requestRefused(Why::KeyNotKept, RequestTexts::tr("The key of the request cannot be read: %1.").arg(error));
    case KeyStore::Found::Yes:
        break;
    }
    std::variant<ShopAuthority, KeyRefusal> opened = KeptAuthority::open(*keys, passphrase);
    if (const KeyRefusal *refused = std::get_if<KeyRefusal>(&opened))
        return *refused;
    ShopAuthority &authority = std::get<ShopAuthority>(opened);
    const SigningResult<X509Ptr> certificate =
        authority.issue({current->name.trimmed(), current->approvalNumber.trimmed()}, key->get(), Validity::years(3));
    if (!certificate.ok())
        return requestRefused(Why::KeyRefused, certificate.error().message);
    const QByteArray pem = KeyFiles::certificatesPem({certificate->get(), authority.certificate()});

    const bool kept = pending.token ? keys->putTokenKey(signatory, {*pending.token, pem}, &error)
                                    : keys->putSigningKey(signatory, {pending.encryptedKey, pem}, &error);
    if (!kept) {
        const QString where = QStringLiteral("%1: %2").arg(keys->place(), error);
        return requestRefused(Why::KeyNotKept, RequestTexts::tr("The certificate could not be kept in %1.").arg(where), where);
    }
    // Approved: the request goes. Were it to stay, approving it again
    // would only issue another certificate for the same key.
    (void)keys->removePendingKey(signatory, nullptr);
    (void)RequestRows::remove(m_source.reference(), signatory);
    if (issued)
        *issued = pem;
    return std::nullopt;
}

std::optional<KeyRefusal> SigningRequests::discard(qint64 signatory)
{
    const std::unique_ptr<KeyStore> keys = keysOf(m_source);
    QString error;
    if (const DbStatus s = RequestRows::remove(m_source.reference(), signatory); !s.ok())
        return requestRefused(Why::KeyNotKept, RequestTexts::tr("The request could not be removed: %1.").arg(s.detail()));
    if (!keys->removePendingKey(signatory, &error))
        return requestRefused(Why::KeyNotKept, RequestTexts::tr("The key of the request could not be removed: %1.").arg(error));
    return std::nullopt;
}

} // namespace arc
