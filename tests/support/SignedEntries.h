#pragma once

#include "CertificateStore.h"
#include "DataFolder.h"

#include <gtest/gtest.h>

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
    e.block13dName = "Pat Doe";
    e.block13cNumber = "DMIR-7";
    e.block13eDate = "05/Dec/2026";
    e.lines[0] = {"1", "Fuel pump", "PN-7", "1", "SN-1", "NEW", {}};
    e.lines[1] = {"2", "Seal", "PN-8", "2", "SN-2", "NEW", {}};
    return e;
}

inline qint64 savedAsNew(arc::DataFolder &data, const arc::CertificateEntries &e = signedEntries())
{
    qint64 key = 0;
    const arc::DbStatus s = arc::CertificateStore(data).save(e, true, key);
    EXPECT_TRUE(s.ok()) << s.detail().toStdString();
    return key;
}
