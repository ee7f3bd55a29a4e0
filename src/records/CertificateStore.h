#pragma once

#include "CertificateFields.h"
#include "DataFolder.h"
#include "ItemLine.h"

namespace arc {

// Reads and writes whole certificates: a Header row and its lines.
class CertificateStore {
public:
    explicit CertificateStore(DataFolder &folder) : m_folder(folder) {}

    // Store the certificate as a new Header row (`asNew`) or over the one
    // whose key `formIndex` holds (RecordGone when that row was deleted
    // meanwhile, and nothing is stored), and replace its lines, all in one
    // transaction. Values too long for their field are left out
    // (FieldTooSmall, the rest is stored); any other failure stores
    // nothing. `formIndex` receives the certificate's key. An update does
    // not move the header view, whatever it walks; a new row joins what it
    // walks, and it stands on it.
    // A stored certificate changed by another station (or program) since
    // it was last shown through loadLines or saved here is not written
    // over: ChangedElsewhere, and nothing is stored.
    DbStatus save(const CertificateEntries &entries, bool asNew, qint64 &formIndex);

    // Remove the certificate the header view stands on with its lines.
    DbStatus deleteCurrent();

    // The Header row the header view stands on.
    CertificateHeader currentHeader() const;

    // The certificate's item lines in stored order, every one, padded with
    // empty lines to the grid's ten. Lines whose
    // owner key is null are first given the key 0. When the header view
    // stands on the certificate, what it holds is remembered as shown.
    DbStatus loadLines(qint64 formIndex, ItemSlots &lines);

private:
    // A certificate as stored, header fields and lines, in one text.
    static QString fingerprint(const DataView &header, const ItemSlots &lines);
    static DbStatus readLinesAtOnce(Database &db, qint64 formIndex, ItemSlots &lines);
    DbStatus checkUnchanged(DataView &header, qint64 formIndex);
    DbStatus rememberStored(DataView &header, qint64 formIndex);

    struct Shown {
        qint64 formIndex = 0;
        QString fingerprint;
    };
    Shown m_shown;
    DbStatus repairOrphanLines();
    DbStatus writeCertificate(const CertificateEntries &entries, bool add, qint64 &formIndex, bool &tooLong);
    DbStatus removeCertificate();

    DataFolder &m_folder;
};

} // namespace arc
