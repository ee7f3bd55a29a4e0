#include "Correction.h"

#include "CertificateNumbering.h"
#include "CorrectionStatement.h"
#include "SqlDialectLocks.h"
#include "StoredTracking.h"
#include "Supersession.h"
#include "WriteTransaction.h"

#include <QCoreApplication>

namespace arc {

namespace {

struct CorrectionTexts {
    Q_DECLARE_TR_FUNCTIONS(Correction)
};

} // namespace

DbStatus Correction::nextTracking(DataView &defaults, QString &tracking)
{
    // Inside the caller's transaction; on a server the counter row stays
    // locked until its commit, so no other station takes the same number.
    DbStatus s;
    const QString lock = SqlDialect::lockFirstRow(defaults.table(), defaults.database().engine());
    if (!lock.isEmpty() && (s = defaults.database().exec(lock), !s.ok()))
        return s;
    s = defaults.moveFirst();
    if (!s.ok())
        return s;
    if (!defaults.hasRow())
        return DbStatus::failure(DbCondition::Other, CorrectionTexts::tr("no Defaults row holds the tracking counter"));
    const QVariant last = defaults.value(QStringLiteral("Tracking"));
    tracking = CertificateNumbering::tracking(last.isNull() ? std::nullopt : std::optional<QString>(last.toString()),
                                              true);
    // A counter with no number to count up gives back what it holds: that
    // number may be the very one being corrected.
    if (!last.isNull() && tracking == last.toString())
        return DbStatus::failure(DbCondition::Other,
                                 CorrectionTexts::tr("the tracking number counter \"%1\" holds no number to count up")
                                     .arg(tracking));
    // A counter set back by hand would give a number already on a
    // certificate: count on past every number in use.
    while (StoredTracking::onAnother(defaults.database(), tracking, 0, &s)) {
        if (!s.ok())
            return s;
        const QString next = CertificateNumbering::tracking(tracking, true);
        if (next == tracking)
            return DbStatus::failure(DbCondition::Other, CorrectionTexts::tr("no tracking number after \"%1\" is free").arg(tracking));
        tracking = next;
    }
    if (s = defaults.edit(); !s.ok())
        return s;
    defaults.setValue(QStringLiteral("Tracking"), tracking);
    s = defaults.update();
    if (!s.ok())
        defaults.cancelUpdate();
    return s;
}

Correction::Result Correction::store(DataFolder &folder, CertificateEntries entries, const CertificateContent &issued,
                                     const QDate &issuedOn)
{
    Result r;
    const QStringList blocks = issued.differingBlocks(CertificateContent::afterSave(entries, issued));
    const QDate dated = issued.signingDate().isValid() ? issued.signingDate() : issuedOn;
    const QString statement =
        CorrectionStatement::text(blocks, issued.value(QStringLiteral("Tracking")).toString(), dated, entries.form,
                                  issued.value(QStringLiteral("Form")).toString());
    entries.remarks = CorrectionStatement::remarks(statement, entries.remarks);

    // The number and the certificate carrying it are stored together or not at all.
    WriteTransaction tx(folder.certificates());
    if (r.status = tx.status(); !r.status.ok())
        return r;
    if (r.status = nextTracking(folder.defaults(), entries.tracking); !r.status.ok())
        return r;
    qint64 key = 0;
    r.status = CertificateStore(folder).save(entries, true, key);
    if (!r.status.ok() && !r.status.is(DbCondition::FieldTooSmall))
        return r;
    if (const DbStatus noted = Supersession::note(folder.certificates(), key, issued.formIndex()); !noted.ok()) {
        r.status = noted;
        return r;
    }
    if (const DbStatus committed = tx.commit(); !committed.ok()) {
        r.status = committed;
        return r;
    }
    r.formIndex = key;
    r.tracking = entries.tracking;
    r.remarks = entries.remarks;
    return r;
}

} // namespace arc
