#include "NewCertificateDefaults.h"

#include "CertificateNumbering.h"
#include "WriteTransaction.h"

namespace arc {

namespace {

std::optional<QString> optionalText(const DataView &v, const char *field)
{
    const QVariant value = v.value(QString::fromLatin1(field));
    return value.isNull() ? std::nullopt : std::optional<QString>(value.toString());
}

bool switchOn(const DataView &v, const char *field)
{
    const QVariant value = v.value(QString::fromLatin1(field));
    return !value.isNull() && value.toDouble() == 1.0;
}

} // namespace

std::optional<NewCertificateDefaults> NewCertificateDefaults::issue(DataView &defaults, DbStatus *status)
{
    DbStatus ignored;
    DbStatus &s = status ? *status : ignored;
    WriteTransaction tx(defaults.database());
    if (s = tx.status(); !s.ok())
        return std::nullopt;
    // Read inside the lock: another program may have issued numbers since.
    if (s = defaults.moveFirst(); !s.ok() || !defaults.hasRow())
        return std::nullopt;

    NewCertificateDefaults d;
    const std::optional<QString> country = optionalText(defaults, "Country");
    d.country = country.value_or(QStringLiteral("FAA/United States"));
    d.organ2 = defaults.text(QStringLiteral("Organ2"));
    d.remarks = defaults.text(QStringLiteral("Remarks"));
    d.description = defaults.text(QStringLiteral("Description"));
    d.partNum = defaults.text(QStringLiteral("PartNum"));
    d.status = optionalText(defaults, "Status").value_or(QStringLiteral("NEW"));

    const auto tracking = optionalText(defaults, "Tracking");
    const auto invoice = optionalText(defaults, "Invoice");
    const auto batch = optionalText(defaults, "Batch");
    d.tracking = CertificateNumbering::tracking(tracking, switchOn(defaults, "IncreaseTrack"));
    d.invoice = CertificateNumbering::invoice(invoice, switchOn(defaults, "IncreaseInv"));
    d.batch = CertificateNumbering::batch(batch, switchOn(defaults, "IncreaseBatch"));

    // A counter that is still null is never written.
    if (s = defaults.edit(); !s.ok())
        return d;
    if (tracking)
        defaults.setValue(QStringLiteral("Tracking"), d.tracking);
    if (invoice)
        defaults.setValue(QStringLiteral("Invoice"), d.invoice);
    if (batch)
        defaults.setValue(QStringLiteral("Batch"), d.batch);
    s = defaults.update();
    if (!s.ok() && !s.is(DbCondition::FieldTooSmall)) {
        defaults.cancelUpdate();
        return d;
    }
    const DbStatus committed = tx.commit();
    if (!committed.ok())
        s = committed;
    return d;
}

} // namespace arc
