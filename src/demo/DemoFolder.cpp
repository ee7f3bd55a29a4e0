#include "DemoFolder.h"

#include "DemoSignature.h"

#include "DataFolder.h"
#include "DemoReference.h"
#include "FillNewFiles.h"
#include "InsertRow.h"
#include "ReleaseFlags.h"
#include "WriteTransaction.h"

#include <QDate>
#include <vector>

namespace arc {

namespace {

struct DemoLine {
    int part; // index into the demo catalogue
    const char *quantity;
    const char *serialNum;
    const char *status;
};

struct DemoCertificate {
    const char *tracking;
    int organization;
    const char *invoice;
    const char *remarks;
    int agent;
    QDate signedOn;
    bool otherRegulation;
    std::vector<DemoLine> lines;
};

// Tracking numbers run up to the one before the defaults' next number.
const std::vector<DemoCertificate> &demoCertificates()
{
    static const std::vector<DemoCertificate> list = {
        {"000035", 0, "WO-0994", "Manufactured under PMA.\r\nShipped with packing list 0994.", 1, QDate(2024, 2, 12),
         false,
         {{0, "2", "NFB-10221", "NEW"}, {1, "1", "NFV-5530", "NEW"}}},
        {"000036", 1, "WO-0995",
         "Overhauled in accordance with CMM 61-10-02, Rev. 7.\r\nAll life-limited parts replaced.", 0,
         QDate(2024, 3, 4), false,
         {{2, "1", "BG-77120", "OVERHAULED"}, {3, "1", "BH-30918", "OVERHAULED"}, {3, "1", "BH-30944", "OVERHAULED"}}},
        {"000037", 2, "WO-0996", "Repaired: replaced display driver board.\r\nFunctional test passed.", 2,
         QDate(2024, 3, 21), false,
         {{4, "1", "CRV-004412", "REPAIRED"}}},
        {"000038", 0, "WO-0997",
         "Prototype parts for flight test only.\r\nNot eligible for installation on type-certificated aircraft.", 1,
         QDate(2024, 4, 9), false,
         {{8, "1", "NFO-P001", "PROTOTYPE"}, {8, "1", "NFO-P002", "PROTOTYPE"}, {1, "2", "NFV-P010", "PROTOTYPE"}}},
        {"000039", 3, "WO-0998",
         "Inspected for export.\r\nReturned to service under the importing authority's requirements.", 0,
         QDate(2024, 5, 2), true,
         {{6, "1", "SLA-8810", "INSPECTED"}, {7, "2", "SLD-1204", "INSPECTED"}}},
        {"000040", 1, "WO-0999", "Work performed under repair station certificate BPOR207Y.", 0, QDate(2024, 5, 27),
         false,
         {{2, "1", "BG-77233", "OVERHAULED"},
          {3, "1", "BH-31002", "REPAIRED"},
          {5, "1", "CRE-2290", "INSPECTED"},
          {4, "1", "CRV-004530", "REPAIRED"}}},
    };
    return list;
}

DbStatus storeCertificate(DataView &header, DataView &detail, const DemoCertificate &c)
{
    const auto &org = DemoReference::organizations()[static_cast<size_t>(c.organization)];
    const auto &agent = DemoReference::agents()[static_cast<size_t>(c.agent)];
    const ReleaseFlags flags =
        ReleaseFlags::forStatus(QString::fromUtf8(c.lines.front().status), c.otherRegulation);

    FieldValues values = {
        {"Country", DemoReference::authority()},
        {"Tracking", QString::fromUtf8(c.tracking)},
        {"Organ1", DemoReference::organizationText(org)},
        {"Invoice", QString::fromUtf8(c.invoice)},
        {"Remarks", QString::fromUtf8(c.remarks)},
        {"New", flags.approvedDesign},
        {"Overhaul", flags.nonApprovedDesign},
        {"CFRRTS", flags.cfrReturnToService},
        {"OtherRTS", flags.otherRegulation},
    };
    const QString name = QString::fromUtf8(agent.name);
    const QString approval = QString::fromUtf8(agent.approvalNumber);
    if (flags.manufacturing())
        values.insert(values.end(), {{"Name17", name}, {"AuthNum", approval}, {"Date18", c.signedOn}});
    else
        values.insert(values.end(), {{"Name22", name}, {"CertNum", approval}, {"Date23", c.signedOn}});

    qint64 key = 0;
    if (DbStatus s = insertRow(header, values, &key); !s.ok())
        return s;
    int item = 0;
    for (const DemoLine &line : c.lines) {
        const auto &part = DemoReference::parts()[static_cast<size_t>(line.part)];
        if (DbStatus s = insertRow(detail, {{"FormIndex", key},
                                            {"Item", QString::number(++item)},
                                            {"Description", QString::fromUtf8(part.description)},
                                            {"PartNum", QString::fromUtf8(part.partNumber)},
                                            {"Quantity", QString::fromUtf8(line.quantity)},
                                            {"SerialNum", QString::fromUtf8(line.serialNum)},
                                            {"Status", QString::fromUtf8(line.status)}});
            !s.ok())
            return s;
    }
    return {};
}

DbStatus storeCertificates(Database &db)
{
    WriteTransaction tx(db);
    if (!tx.ok())
        return tx.status();
    DataView header(db, QStringLiteral("Header"));
    DataView detail(db, QStringLiteral("Detail"));
    for (const DemoCertificate &c : demoCertificates())
        if (DbStatus s = storeCertificate(header, detail, c); !s.ok())
            return s;
    return tx.commit();
}

DbStatus fill(const QString &dataPath)
{
    DataFolder folder;
    if (DbStatus s = DemoReference::createFolder(dataPath, folder); !s.ok())
        return s;
    if (!DemoSignature::write(dataPath))
        return DbStatus::failure(DbCondition::ReadOnly, dataPath + DemoSignature::fileName());
    return storeCertificates(folder.certificates());
}

} // namespace

DbStatus DemoFolder::seed(const QString &dataPath)
{
    if (!DataFolder::isUnstarted(dataPath))
        return {};
    return fillNewFiles(dataPath, [&] { return fill(dataPath); });
}

} // namespace arc
