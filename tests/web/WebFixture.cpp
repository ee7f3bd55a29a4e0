#include "WebFixture.h"

#include "CertificateContent.h"
#include "Correction.h"
#include "IssuedPage.h"
#include "KeysOf.h"
#include "RevocationList.h"
#include "SignedEntries.h"
#include "SigningFixture.h"
#include "VerificationCode.h"

WebData::Issued WebData::issue(arc::DataFolder &data, qint64 formIndex, const QString &tracking, const arc::SigningKey &key,
                               const QDateTime &at)
{
    arc::IssueRequest r = issueRequest(formIndex, signing::blankPage(), &key);
    r.issuedAt = at;
    const arc::IssueResult done = recordIssue(data, r);
    EXPECT_TRUE(done.ok()) << done.detail.toStdString();
    return {formIndex, tracking, arc::VerificationCode::of(done.record.contentSha256), done.record.pdfFile};
}

void WebData::make(OpenedSource &opened)
{
    arc::DataFolder &data = opened.data;
    QString error;
    ASSERT_TRUE(arc::keysOf(data)->putAuthority(signing::authority().stored(), &error)) << error.toStdString();
    const arc::SigningKey key = std::move(arc::SigningKey::open(signing::madeKey("pw"), "pw").value());

    corrected = issue(data, savedAsNew(data, signedEntries("000123")), "000123", key, kIssuedAt);
    const std::optional<arc::CertificateContent> stored = arc::CertificateContent::read(data.certificates(), corrected.formIndex);
    ASSERT_TRUE(stored);
    ASSERT_TRUE(data.certificates().exec("UPDATE \"Defaults\" SET \"Tracking\" = '000123'").ok());
    arc::CertificateEntries changed = signedEntries("000123");
    changed.lines[1].serialNum = "SN-3";
    const arc::Correction::Result c = arc::Correction::store(data, changed, *stored, QDate(2026, 12, 9));
    ASSERT_TRUE(c.status.ok()) << c.status.detail().toStdString();
    ASSERT_EQ(c.tracking, "000124");
    correction = issue(data, c.formIndex, c.tracking, key, kIssuedAt.addDays(4));

    deleted = issue(data, savedAsNew(data, signedEntries("000125")), "000125", key, kIssuedAt);
    for (const char *table : {"Detail", "Header"})
        ASSERT_TRUE(data.certificates()
                        .exec(QStringLiteral("DELETE FROM \"%1\" WHERE \"FormIndex\" = ?").arg(table), {deleted.formIndex})
                        .ok());

    // Withdrawn a day before it signed.
    const arc::SigningKey revoked = std::move(arc::SigningKey::open(signing::madeKey("pw"), "pw").value());
    const QByteArray empty = arc::RevocationList::empty(signing::authority()).value();
    const QByteArray list = arc::RevocationList::adding(signing::authority(), empty, revoked.certificate(), 1,
                                                        kIssuedAt.addDays(-1)).value();
    ASSERT_TRUE(arc::keysOf(data)->putRevocations(list, &error)) << error.toStdString();
    withdrawn = issue(data, savedAsNew(data, signedEntries("000126")), "000126", revoked, kIssuedAt);

    arc::CertificateEntries e = signedEntries("000127");
    e.lines[0].description = kScript;
    e.lines[0].serialNum = kSerial;
    e.organ1 = kOrganisation + "\n1 Main St";
    hostile = issue(data, savedAsNew(data, e), "000127", key, kIssuedAt);
}
