#pragma once

#include "CertificateStore.h"
#include "DataFolder.h"
#include "TempFolder.h"

#include <QDate>

// The certificate a signatory would have saved.
inline arc::CertificateEntries signedEntries(const QString &tracking = "000123")
{
    arc::CertificateEntries e;
    e.country = "FAA/United States";
    e.tracking = tracking;
    e.invoice = "WO-7";
    e.organ1 = "Acme Aero\n1 Main St";
    e.remarks = "Inspected per CMM 28-10-01.";
    e.approvedDesign = true;
    e.name17 = "Pat Doe";
    e.authNum = "DMIR-7";
    e.date18 = "05/Dec/2026";
    e.lines[0] = {"1", "Fuel pump", "PN-7", "1", "SN-1", "NEW", {}};
    e.lines[1] = {"2", "Seal", "PN-8", "2", "SN-2", "NEW", {}};
    return e;
}

// A data folder of the test's own, open as the program opens it.
class IssuingTest : public TempFolderTest {
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        ASSERT_TRUE(arc::DataFolder::create(folder()).ok());
        ASSERT_TRUE(data.open(folder()).ok());
    }

    static arc::CertificateEntries entries(const QString &tracking = "000123") { return signedEntries(tracking); }
    qint64 save(const arc::CertificateEntries &e)
    {
        qint64 key = 0;
        EXPECT_TRUE(arc::CertificateStore(data).save(e, true, key).ok());
        return key;
    }
    // A statement of another program, on the certificates file.
    void sql(const QString &statement, const QVariantList &binds = {})
    {
        const arc::DbStatus s = data.certificates().exec(statement, binds);
        ASSERT_TRUE(s.ok()) << statement.toStdString() << ": " << s.detail().toStdString();
    }

    arc::DataFolder data;
};
