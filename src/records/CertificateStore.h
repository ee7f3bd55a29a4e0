#pragma once

#include "DataFolder.h"
#include "ItemLine.h"

#include <QDate>

namespace arc {

// The stored fields of one Header row, nulls read as empty or false.
struct CertificateHeader {
    qint64 formIndex = 0;
    QString country, tracking, organ1, organ2, invoice, remarks;
    bool approvedDesign = false;    // New
    bool nonApprovedDesign = false; // Overhaul
    bool cfrReturnToService = false; // CFRRTS
    bool otherRegulation = false;    // OtherRTS
    QString name17, authNum;
    QDate date18;
    QString name22, certNum;
    QDate date23;
};

// Reads (and, later, writes) whole certificates: a Header row and its lines.
class CertificateStore {
public:
    explicit CertificateStore(DataFolder &folder) : m_folder(folder) {}

    // The Header row the header view stands on.
    CertificateHeader currentHeader() const;

    // The certificate's item lines in stored order, at most ten. Lines whose
    // owner key is null are first given the key 0.
    DbStatus loadLines(qint64 formIndex, ItemSlots &lines);

private:
    DbStatus repairOrphanLines();

    DataFolder &m_folder;
};

} // namespace arc
