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

struct PageVerificationTexts {
    Q_DECLARE_TR_FUNCTIONS(PageVerification)
};

} // namespace

std::optional<QrMatrix> of(const QString &verifyBase, const CertificateContent &stored, QString *why)
{
    const QString base = verifyBase.trimmed();
    const QUrl url(base, QUrl::StrictMode);
    if (!base.isEmpty()
        && (!url.isValid() || (url.scheme() != QLatin1String("https") && url.scheme() != QLatin1String("http"))
            || url.host().isEmpty() || url.hasQuery() || url.hasFragment())) {
        if (why)
            *why = PageVerificationTexts::tr("The verification address set up, %1, is not a web address (https://...).")
                       .arg(base);
        return std::nullopt;
    }
    const QString payload =
        VerificationCode::payload(base, FormNames::effective(stored.value(QStringLiteral("Form")).toString()),
                                  stored.value(QStringLiteral("Tracking")).toString().trimmed(), stored.sha256());
    std::optional<QrMatrix> code = QrEncoding::of(payload);
    if (!code && why)
        *why = PageVerificationTexts::tr("The verification address is too long for a QR code.");
    return code;
}

std::optional<QrMatrix> of(DataView &defaults, const CertificateContent &stored, QString *why)
{
    return of(SetupSettings::verifyBase(defaults), stored, why);
}

Message notMade(const QString &why)
{
    return {PageVerificationTexts::tr("The page's QR code could not be made, so the certificate was not issued.\n%1")
                .arg(why),
            PageVerificationTexts::tr("Issue certificate"), Message::Buttons::Ok, Message::Icon::Critical,
            Message::Answer::Ok};
}

} // namespace arc::PageVerification
