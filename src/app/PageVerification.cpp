#include "PageVerification.h"

#include "CertificateContent.h"
#include "FormNames.h"
#include "QrEncoding.h"
#include "SetupSettings.h"
#include "VerificationCode.h"

#include <QCoreApplication>
#include <QUrl>

namespace arc::PageVerification {

namespace {

QString tr(const char *text) { return QCoreApplication::translate("PageVerification", text); }

} // namespace

std::optional<QrMatrix> of(const QString &verifyBase, const CertificateContent &stored, QString *why)
{
    const QString base = verifyBase.trimmed();
    const QUrl url(base, QUrl::StrictMode);
    if (!base.isEmpty()
        && (!url.isValid() || (url.scheme() != QLatin1String("https") && url.scheme() != QLatin1String("http"))
            || url.host().isEmpty() || url.hasQuery() || url.hasFragment())) {
        if (why)
            *why = tr("The verification address set up, %1, is not a web address (https://...).").arg(base);
        return std::nullopt;
    }
    const QString payload =
        VerificationCode::payload(base, FormNames::effective(stored.value(QStringLiteral("Form")).toString()),
                                  stored.value(QStringLiteral("Tracking")).toString().trimmed(), stored.sha256());
    std::optional<QrMatrix> code = QrEncoding::of(payload);
    if (!code && why)
        *why = tr("The verification address is too long for a QR code.");
    return code;
}

std::optional<QrMatrix> of(DataView &defaults, const CertificateContent &stored, QString *why)
{
    return of(SetupSettings::verifyBase(defaults), stored, why);
}

Message notMade(const QString &why)
{
    return {tr("The page's QR code could not be made, so the certificate was not issued.\n%1").arg(why),
            tr("Issue certificate"), Message::Buttons::Ok, Message::Icon::Critical, Message::Answer::Ok};
}

} // namespace arc::PageVerification
