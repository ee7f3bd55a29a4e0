#include "DefaultsForm.h"

#include "BlankRule.h"
#include "DefaultsRows.h"
#include "Database.h"
#include "LineBreaks.h"
#include "SqlDialectLocks.h"
#include "WriteTransaction.h"

namespace arc {

namespace {

bool isOne(const QVariant &v) { return !v.isNull() && v.toDouble() == 1.0; }

// A number shown "1" while its counter is null and counting is on: the
// first number a new certificate gets from it.
QString counterShown(const DataView &d, const char *field, bool counting)
{
    const QVariant v = d.value(QString::fromLatin1(field));
    return v.isNull() ? (counting ? QStringLiteral("1") : QString()) : v.toString();
}

// The number at the start of a text as plain text: "2.0" gives "2",
// "3 copies" gives "3", a text without one gives "0".
QString leadingNumber(const QString &text)
{
    const QString t = text.trimmed();
    qsizetype end = 0;
    while (end < t.size() && (t.at(end).isDigit() || (end == 0 && (t.at(0) == u'-' || t.at(0) == u'+'))
                              || (t.at(end) == u'.' && !t.left(end).contains(u'.'))))
        ++end;
    bool ok = false;
    const double value = t.left(end).toDouble(&ok);
    return ok ? QString::number(value, 'g', 15) : QStringLiteral("0");
}

bool sameStored(const QVariant &a, const QVariant &b)
{
    return a.isNull() == b.isNull() && a.toString() == b.toString();
}

bool formFailed(const DbStatus &s, bool &tooLong)
{
    tooLong = tooLong || s.is(DbCondition::FieldTooSmall);
    return !s.ok() && !s.is(DbCondition::FieldTooSmall);
}

} // namespace

void DefaultsForm::load(DataView &d, DefaultsForm &f)
{
    if (!DefaultsRows::toMain(d))
        return;
    const auto text = [&](const char *field) { return LineBreaks::toScreen(d.text(QString::fromLatin1(field))); };
    const QVariant country = d.value(QStringLiteral("Country"));
    f.country = country.isNull() ? QStringLiteral("FAA/United States") : country.toString();
    f.increaseTrack = isOne(d.value(QStringLiteral("IncreaseTrack")));
    f.increaseInv = isOne(d.value(QStringLiteral("IncreaseInv")));
    f.increaseBatch = isOne(d.value(QStringLiteral("IncreaseBatch")));
    f.tracking = counterShown(d, "Tracking", f.increaseTrack);
    f.invoice = LineBreaks::toScreen(counterShown(d, "Invoice", f.increaseInv));
    f.batch = counterShown(d, "Batch", f.increaseBatch);
    f.description = text("Description");
    f.partNum = text("PartNum");
    f.eligibility = text("Eligibility");
    f.status = text("Status");
    f.remarks = text("Remarks");
    f.block13dName = text("Name17");
    f.block14dName = text("Name22");
    f.block13cNumber = text("AuthNum");
    f.block14cNumber = text("CertNum");
    const auto counter = [&](const char *field, const QString &shown) {
        return Counter{d.value(QString::fromLatin1(field)), shown};
    };
    f.loaded = Loaded{counter("Tracking", f.tracking), counter("Invoice", f.invoice), counter("Batch", f.batch)};
    if (DefaultsRows::toCustom(d)) {
        const QVariant copies = d.value(QStringLiteral("Organ1"));
        f.copies = copies.isNull() ? QStringLiteral("1") : leadingNumber(copies.toString());
        f.largeRemarks = isOne(d.value(QStringLiteral("IncreaseTrack")));
    }
    DefaultsRows::toMain(d);
}

DbStatus DefaultsForm::store(DataView &d, const DefaultsForm &f, QStringList *kept)
{
    WriteTransaction tx(d.database());
    if (!tx.ok())
        return tx.status();
    // The counters are compared under the lock that issuing numbers takes.
    const QString lock = SqlDialect::lockFirstRow(d.table(), d.database().engine());
    if (DbStatus locked = lock.isEmpty() ? DbStatus() : d.database().exec(lock); !locked.ok())
        return locked;
    bool tooLong = false;
    const bool empty = !DefaultsRows::toMain(d);
    DbStatus s = empty ? d.addNew() : d.edit();
    if (!s.ok())
        return s;
    const auto put = [&](const char *field, const QString &box) {
        d.setValue(QString::fromLatin1(field), BlankRule::stored(LineBreaks::toStored(box)));
    };
    d.setValue(QStringLiteral("IncreaseTrack"), f.increaseTrack ? 1 : 0);
    d.setValue(QStringLiteral("IncreaseInv"), f.increaseInv ? 1 : 0);
    d.setValue(QStringLiteral("IncreaseBatch"), f.increaseBatch ? 1 : 0);
    d.setValue(QStringLiteral("Country"),
               BlankRule::isBlank(f.country) ? QStringLiteral("FAA/United States") : f.country);
    // Writing back a counter as the panel showed it would issue again the
    // numbers issued since it opened.
    const auto putCounter = [&](const char *field, const QString &box, const Counter *shown) {
        if (shown && !empty) {
            if (box == shown->shown)
                return;
            if (!sameStored(d.value(QString::fromLatin1(field)), shown->stored)) {
                if (kept)
                    *kept << QString::fromLatin1(field);
                return;
            }
        }
        put(field, box);
    };
    const Loaded *loaded = f.loaded ? &*f.loaded : nullptr;
    putCounter("Tracking", f.tracking, loaded ? &loaded->tracking : nullptr);
    putCounter("Invoice", f.invoice, loaded ? &loaded->invoice : nullptr);
    putCounter("Batch", f.batch, loaded ? &loaded->batch : nullptr);
    put("Description", f.description);
    put("PartNum", f.partNum);
    put("Eligibility", f.eligibility);
    put("Status", f.status);
    put("Remarks", f.remarks);
    put("Name17", f.block13dName);
    put("Name22", f.block14dName);
    put("AuthNum", f.block13cNumber);
    put("CertNum", f.block14cNumber);
    // A blank count is one copy, in both rows: a blank would open as 0.
    const QString copies = BlankRule::isBlank(f.copies) ? QStringLiteral("1") : f.copies;
    d.setValue(QStringLiteral("Organ1"), copies);
    if (formFailed(s = d.update(), tooLong)) {
        d.cancelUpdate();
        return s;
    }

    s = DefaultsRows::toCustom(d) ? d.edit() : d.addNew();
    if (!s.ok())
        return s;
    d.setValue(QStringLiteral("Country"), DefaultsRows::kCustom);
    d.setValue(QStringLiteral("Organ1"), copies);
    d.setValue(QStringLiteral("IncreaseTrack"), f.largeRemarks ? 1 : 0);
    if (formFailed(s = d.update(), tooLong)) {
        d.cancelUpdate();
        return s;
    }
    if (s = tx.commit(); !s.ok())
        return s;
    DefaultsRows::toMain(d);
    return tooLong ? DbStatus::failure(DbCondition::FieldTooSmall) : DbStatus();
}

} // namespace arc
