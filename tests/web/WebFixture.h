#pragma once

#include "OpenedSource.h"
#include "SigningKey.h"

#include <QDateTime>
#include <QString>

// A data source with certificates issued as the verification page finds
// them: one corrected by another, one deleted since its issue, one signed
// with a certificate the authority had withdrawn, one whose description
// holds a script. Made on either engine.
class WebData {
public:
    struct Issued {
        qint64 formIndex = 0;
        QString tracking;
        QString code;
        QString pdfFile;
    };

    // Call under ASSERT_NO_FATAL_FAILURE.
    void make(OpenedSource &opened);

    Issued corrected;  // 000123, superseded by `correction`
    Issued correction; // 000124
    Issued deleted;    // 000125, its Header and Detail rows gone
    Issued withdrawn;  // 000126, signed after its certificate was withdrawn
    Issued hostile;    // 000127, hostile texts in every box the page shows

    // What `hostile` holds: a description that would mark the page if it
    // ran, and texts that would break out of an element or attribute.
    static inline const QString kScript = QStringLiteral("<script>document.body.id='x'+'ss'</script>");
    static inline const QString kOrganisation = QStringLiteral("\"><img src=x onerror=alert(1)>&amp;");
    static inline const QString kSerial = QStringLiteral("</dd><b>bold</b>");

    static inline const QDateTime kIssuedAt{QDate(2026, 12, 5), QTime(14, 3, 9), Qt::UTC};

private:
    Issued issue(arc::DataFolder &data, qint64 formIndex, const QString &tracking, const arc::SigningKey &key,
                 const QDateTime &at);
};
