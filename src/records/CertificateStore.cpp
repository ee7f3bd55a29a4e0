#include "CertificateStore.h"

#include "WriteTransaction.h"

namespace arc {

CertificateHeader CertificateStore::currentHeader() const
{
    const DataView &h = m_folder.header();
    CertificateHeader c;
    c.formIndex = h.value(QStringLiteral("FormIndex")).toLongLong();
    c.country = h.text(QStringLiteral("Country"));
    c.tracking = h.text(QStringLiteral("Tracking"));
    c.organ1 = h.text(QStringLiteral("Organ1"));
    c.organ2 = h.text(QStringLiteral("Organ2"));
    c.invoice = h.text(QStringLiteral("Invoice"));
    c.remarks = h.text(QStringLiteral("Remarks"));
    c.approvedDesign = h.value(QStringLiteral("New")).toBool();
    c.nonApprovedDesign = h.value(QStringLiteral("Overhaul")).toBool();
    c.cfrReturnToService = h.value(QStringLiteral("CFRRTS")).toBool();
    c.otherRegulation = h.value(QStringLiteral("OtherRTS")).toBool();
    c.name17 = h.text(QStringLiteral("Name17"));
    c.authNum = h.text(QStringLiteral("AuthNum"));
    c.date18 = h.value(QStringLiteral("Date18")).toDate();
    c.name22 = h.text(QStringLiteral("Name22"));
    c.certNum = h.text(QStringLiteral("CertNum"));
    c.date23 = h.value(QStringLiteral("Date23")).toDate();
    return c;
}

DbStatus CertificateStore::repairOrphanLines()
{
    Database &db = m_folder.certificates();
    DbStatus s;
    const QVariant orphan =
        db.scalar(QStringLiteral("SELECT 1 FROM Detail WHERE FormIndex IS NULL LIMIT 1"), {}, &s);
    if (!s.ok() || orphan.isNull())
        return s;
    WriteTransaction tx(db);
    if (!tx.ok())
        return tx.status();
    if (s = db.exec(QStringLiteral("UPDATE Detail SET FormIndex = 0 WHERE FormIndex IS NULL")); !s.ok())
        return s;
    return tx.commit();
}

DbStatus CertificateStore::loadLines(qint64 formIndex, ItemSlots &lines)
{
    lines = {};
    DbStatus s = repairOrphanLines();
    if (!s.ok())
        return s;
    DataView &d = m_folder.detail();
    const QString criterion = QStringLiteral("FormIndex = ?");
    s = d.findFirst(criterion, {formIndex});
    for (int n = 0; s.ok() && !d.noMatch() && n < kItemSlots; ++n) {
        ItemLine &line = lines[n];
        line.item = d.text(QStringLiteral("Item"));
        line.description = d.text(QStringLiteral("Description"));
        line.partNum = d.text(QStringLiteral("PartNum"));
        line.quantity = d.text(QStringLiteral("Quantity"));
        line.serialNum = d.text(QStringLiteral("SerialNum"));
        line.status = d.text(QStringLiteral("Status"));
        if (n + 1 < kItemSlots)
            s = d.findNext(criterion, {formIndex});
    }
    return s;
}

} // namespace arc
