#include "VerificationJson.h"

#include "VerificationPage.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace arc::VerificationJson {

namespace {

QString state(const Verification &v)
{
    if (v.withdrawnSigner)
        return QStringLiteral("withdrawn-signer");
    return v.supersededBy ? QStringLiteral("superseded") : QStringLiteral("issued");
}

} // namespace

QByteArray found(const Verification &v)
{
    QJsonArray items;
    for (const Verification::Item &item : v.items)
        items.append(QJsonObject{{QStringLiteral("partNumber"), item.partNumber},
                                 {QStringLiteral("description"), item.description},
                                 {QStringLiteral("serialNumber"), item.serialNumber},
                                 {QStringLiteral("quantity"), item.quantity},
                                 {QStringLiteral("status"), item.status}});
    QJsonObject o{{QStringLiteral("form"), v.form},
                  {QStringLiteral("tracking"), v.tracking},
                  {QStringLiteral("organisation"), v.organisation},
                  {QStringLiteral("approval"), v.approval},
                  {QStringLiteral("issued"), v.issuedOn.toString(Qt::ISODate)},
                  {QStringLiteral("issuedAt"), v.issuedAt.toUTC().toString(Qt::ISODate)},
                  {QStringLiteral("signatory"), v.signatory},
                  {QStringLiteral("state"), state(v)},
                  {QStringLiteral("withdrawnSigner"), v.withdrawnSigner},
                  {QStringLiteral("itemsKept"), !v.deleted},
                  {QStringLiteral("items"), items}};
    if (v.supersededBy) {
        QJsonObject by{{QStringLiteral("tracking"), v.supersededBy->tracking},
                       {QStringLiteral("issued"), v.supersededBy->issuedOn.toString(Qt::ISODate)}};
        if (!v.supersededBy->code.isEmpty())
            // Relative to this document's own address, ".../c/TRACKING/json".
            by.insert(QStringLiteral("page"),
                      QStringLiteral("../") + VerificationPage::pageLink(v.supersededBy->tracking, v.supersededBy->code));
        o.insert(QStringLiteral("supersededBy"), by);
    }
    if (v.offersPdf)
        o.insert(QStringLiteral("pdf"), QStringLiteral("pdf?k=") + v.code);
    return QJsonDocument(o).toJson(QJsonDocument::Indented);
}

QByteArray error(const QString &why)
{
    return QJsonDocument(QJsonObject{{QStringLiteral("error"), why}}).toJson(QJsonDocument::Compact);
}

} // namespace arc::VerificationJson
