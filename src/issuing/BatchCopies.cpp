#include "BatchCopies.h"

#include "CertificateNumbering.h"
#include "Correction.h"
#include "WriteTransaction.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace arc::BatchCopies {

namespace {

struct BatchCopiesTexts {
    Q_DECLARE_TR_FUNCTIONS(BatchCopies)
};

// Committed whole, or rolled back when the guard goes.
void storeAll(DataFolder &folder, const CertificateEntries &entries, const QStringList &serials,
              const Progress &progress, Result &r)
{
    WriteTransaction tx(folder.certificates());
    if (r.status = tx.status(); !r.status.ok())
        return;
    CertificateStore store(folder);
    // Asked before each copy and once more before the commit.
    const auto stopped = [&] {
        if (progress(BatchCopiesTexts::tr("Storing certificates"), static_cast<qint64>(r.keys.size()), serials.size()))
            return false;
        r.status = DbStatus::failure(DbCondition::Cancelled, BatchCopiesTexts::tr("stopped before all were stored"));
        return true;
    };
    for (const QString &serial : serials) {
        if (stopped())
            return;
        CertificateEntries copy = entries;
        if (copy.lines.empty())
            copy.lines.resize(1);
        copy.lines[0].serialNum = serial;
        qint64 key = 0;
        if (r.status = Correction::nextTracking(folder.defaults(), copy.tracking); r.status.ok())
            r.status = store.save(copy, true, key);
        if (r.status.is(DbCondition::FieldTooSmall))
            r.status = DbStatus::failure(DbCondition::FieldTooSmall,
                                         BatchCopiesTexts::tr("a value of the copy with serial number %1 is longer than its "
                                                              "field holds")
                                             .arg(serial));
        if (!r.status.ok())
            return;
        r.keys.push_back(key);
        r.trackings << copy.tracking;
    }
    if (!stopped())
        r.status = tx.commit();
}

} // namespace

QStringList serials(const QString &first, int count)
{
    static const QRegularExpression digit(QStringLiteral("[0-9]"));
    if (!first.contains(digit))
        return {};
    QStringList out{first};
    while (out.size() < count)
        out << CertificateNumbering::lastRunCounted(out.last());
    return out;
}

Result store(DataFolder &folder, const CertificateEntries &entries, const QStringList &serials,
             const Progress &progress)
{
    Result r;
    DataView &header = folder.header();
    const qint64 before = header.hasRow() ? header.rowId() : 0;
    storeAll(folder, entries, serials, progress, r);
    if (!r.status.ok()) {
        // Rolled back: the views stand again on what is stored.
        r.keys.clear();
        r.trackings.clear();
        (void)folder.defaults().refresh();
        (void)folder.detail().refresh();
        if (before > 0)
            (void)header.moveToRow(before);
    }
    return r;
}

} // namespace arc::BatchCopies
