#include "ScreenFindings.h"

#include "BlankRule.h"
#include "CertificateCheck.h"
#include "DataFolder.h"
#include "SetupSettings.h"
#include "ReferenceLists.h"
#include "Statements.h"

#include <QDate>

namespace arc {

QList<Finding> screenFindings(DataFolder &folder, const CertificateEntries &entries, qint64 ownFormIndex,
                              bool signingCertificate)
{
    CheckedCertificate c;
    c.entries = entries;
    c.today = QDate::currentDate();
    c.signingCertificate = signingCertificate;
    c.signatureRequired = folder.isOpen() && SetupSettings::signatureRequired(folder.defaults());
    if (folder.isOpen() && !BlankRule::isBlank(c.entries.tracking)) {
        // Another stored certificate, not the one on screen.
        c.trackingUsedElsewhere =
            folder.certificates()
                .scalar(QStringLiteral("SELECT 1 FROM \"Header\" WHERE \"Tracking\" = ? AND \"FormIndex\" <> ? LIMIT 1"),
                        {c.entries.tracking, ownFormIndex})
                .isValid();
    }
    // The dual-release statements as first stored count as well as the
    // shop's current wording: a certificate may carry either. Unreadable
    // statements leave the first-stored ones to compare with.
    QList<Statement> stored;
    if (folder.isOpen())
        (void)Statements::read(folder.reference(), stored);
    stored.append(QList<Statement>(Statements::defaults().begin(), Statements::defaults().end()));
    for (const Statement &st : stored)
        if (Statements::dualReleaseNames().contains(st.name))
            c.dualReleaseStatements << st.text;
    // Block 4 names its organisation on the first line, as choosing one writes it.
    if (folder.isOpen())
        c.organisation = ReferenceLists::namedIn(folder.organizations(), c.entries.organ1);
    return CertificateCheck::findings(c);
}

} // namespace arc
