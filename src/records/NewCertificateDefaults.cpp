#include "NewCertificateDefaults.h"

#include "BlankRule.h"
#include "CertificateNumbering.h"
#include "Database.h"
#include "SqlDialectLocks.h"
#include "WriteTransaction.h"

#include <QCoreApplication>

namespace arc {

namespace {

struct NewCertificateDefaultsTexts {
    Q_DECLARE_TR_FUNCTIONS(NewCertificateDefaults)
};

std::optional<QString> optionalText(const DataView &v, const char *field)
{
    const QVariant value = v.value(QString::fromLatin1(field));
    return value.isNull() ? std::nullopt : std::optional<QString>(value.toString());
}

DbStatus tooLongForItsField(const NewCertificateDefaults &d, const QStringList &fields)
{
    QStringList what;
    for (const QString &field : fields) {
        const FieldDef *def = Schema::table(QStringLiteral("Defaults"))->field(field);
        const QString number = field == QLatin1String("Tracking")  ? d.tracking
                               : field == QLatin1String("Invoice") ? d.invoice
                                                                   : d.batch;
        what << NewCertificateDefaultsTexts::tr("the next %1 number %2 is longer than the %3 characters its field holds")
                    .arg(field.toLower(), number)
                    .arg(def ? def->maxLength : 0);
    }
    return DbStatus::failure(DbCondition::FieldTooSmall, what.join(QStringLiteral("; ")));
}

// A default stored as a blank (as every default box left empty is) starts
// the certificate empty: nothing shows that was not given.
QString given(const DataView &v, const char *field)
{
    const QString text = v.text(QString::fromLatin1(field));
    return BlankRule::isBlank(text) ? QString() : text;
}

bool switchOn(const DataView &v, const char *field)
{
    const QVariant value = v.value(QString::fromLatin1(field));
    return !value.isNull() && value.toDouble() == 1.0;
}

} // namespace

std::optional<NewCertificateDefaults> NewCertificateDefaults::issue(DataView &defaults, DbStatus *status,
                                                                    const Station *takenBy)
{
    DbStatus ignored;
    DbStatus &s = status ? *status : ignored;
    WriteTransaction tx(defaults.database());
    if (s = tx.status(); !s.ok())
        return std::nullopt;
    // Read inside the lock: another program may have issued numbers since.
    // On a server the counter row itself is locked until the commit.
    const QString lock = SqlDialect::lockFirstRow(defaults.table(), defaults.database().engine());
    if (!lock.isEmpty() && (s = defaults.database().exec(lock), !s.ok()))
        return std::nullopt;
    if (s = defaults.moveFirst(); !s.ok() || !defaults.hasRow())
        return std::nullopt;

    NewCertificateDefaults d;
    const std::optional<QString> country = optionalText(defaults, "Country");
    d.country = country.value_or(QStringLiteral("FAA/United States"));
    d.organ2 = given(defaults, "Organ2");
    d.remarks = given(defaults, "Remarks");
    d.description = given(defaults, "Description");
    d.partNum = given(defaults, "PartNum");
    d.status = optionalText(defaults, "Status").has_value() ? given(defaults, "Status") : QStringLiteral("NEW");

    const auto tracking = optionalText(defaults, "Tracking");
    const auto invoice = optionalText(defaults, "Invoice");
    const auto batch = optionalText(defaults, "Batch");
    d.tracking = CertificateNumbering::tracking(tracking, switchOn(defaults, "IncreaseTrack"));
    d.invoice = CertificateNumbering::invoice(invoice, switchOn(defaults, "IncreaseInv"));
    d.batch = CertificateNumbering::batch(batch, switchOn(defaults, "IncreaseBatch"));

    // A counter that is still null is never written.
    s = defaults.edit();
    if (s.ok()) {
        if (tracking)
            defaults.setValue(QStringLiteral("Tracking"), d.tracking);
        if (invoice)
            defaults.setValue(QStringLiteral("Invoice"), d.invoice);
        if (batch)
            defaults.setValue(QStringLiteral("Batch"), d.batch);
        s = defaults.update();
        if (!s.ok())
            defaults.cancelUpdate();
    }
    if (s.ok() && takenBy)
        s = TakenNumbers(defaults.database()).take(d.tracking, *takenBy);
    if (s.ok())
        s = tx.commit();
    if (!s.ok()) {
        // Numbers whose counters were not stored would be issued again by
        // the next certificate: none is shown.
        if (s.is(DbCondition::FieldTooSmall))
            s = tooLongForItsField(d, s.refusedFields());
        d.withdrawNumbers();
    }
    return d;
}

} // namespace arc
