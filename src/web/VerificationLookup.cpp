#include "VerificationLookup.h"

#include "CertificateContent.h"
#include "FormNames.h"
#include "IssueLog.h"
#include "SigningBlock.h"
#include "Supersession.h"
#include "VerificationCode.h"
#include "WebSource.h"
#include "WithdrawnSigner.h"

#include <QRegularExpression>
#include <QSqlQuery>
#include <algorithm>

namespace arc {

namespace {

// A certificate is issued again and again (reprints); these are plenty to
// find the one whose content the code names.
constexpr int kMaxIssues = 200;

struct Logged {
    qint64 formIndex = 0;
    QDateTime issuedAt;
    QString signatory, pdfFile, pdfSha256;
};

// The earliest issue of `tracking` whose content the code names.
DbStatus issueOf(Database &db, const QString &tracking, const QString &code, std::optional<Logged> &found)
{
    QSqlQuery q;
    q.setForwardOnly(true);
    const DbStatus s = db.run(q,
                              QStringLiteral("SELECT \"FormIndex\", \"IssuedAt\", \"Signatory\", \"PdfFile\", \"PdfSha256\", "
                                             "\"ContentSha256\" FROM \"IssueLog\" WHERE \"Tracking\" = ? "
                                             "ORDER BY \"IssuedAt\", \"PdfFile\" LIMIT %1")
                                  .arg(kMaxIssues),
                              {tracking});
    while (s.ok() && q.next()) {
        if (VerificationCode::of(q.value(5).toString()) != code)
            continue;
        found = Logged{q.value(0).toLongLong(), QDateTime::fromString(q.value(1).toString(), Qt::ISODate).toUTC(),
                       q.value(2).toString(), q.value(3).toString(), q.value(4).toString()};
        break;
    }
    return s;
}

QString firstLine(const QString &text)
{
    return text.split(QRegularExpression(QStringLiteral("[\r\n]")), Qt::SkipEmptyParts).value(0).trimmed();
}

void fill(Verification &v, const CertificateContent &c)
{
    const auto text = [&](const char *field) { return c.value(QLatin1String(field)).toString().trimmed(); };
    v.form = FormNames::effective(text("Form"));
    v.organisation = firstLine(c.value(QStringLiteral("Organ1")).toString());
    const QString status = c.lines().empty() ? QString() : c.lines().front()[5].toString().trimmed().toUpper();
    const QString inUse = selectsBlock13(status) ? text("AuthNum") : text("CertNum");
    v.approval = inUse.isEmpty() ? (selectsBlock13(status) ? text("CertNum") : text("AuthNum")) : inUse;
    for (const CertificateContent::Line &line : c.lines())
        v.items.push_back({line[2].toString(), line[1].toString(), line[4].toString(), line[3].toString(),
                           line[5].toString()});
}

DbStatus correctionOf(Database &db, qint64 formIndex, Verification &v)
{
    DbStatus s;
    const std::optional<SupersededBy> by = Supersession::of(db, formIndex, &s);
    if (!s.ok() || !by)
        return s;
    Verification::Correction c{by->tracking, {}, by->issuedOn};
    const std::optional<IssueRecord> issued = IssueLog(db).first(by->formIndex, &s);
    if (issued)
        c.code = VerificationCode::of(issued->contentSha256);
    v.supersededBy = c;
    return s;
}

bool offersPdf(Database &db, DbStatus &s)
{
    return db.scalar(QStringLiteral("SELECT \"VerifyOffersPdf\" FROM \"Defaults\" ORDER BY rowid LIMIT 1"), {}, &s)
               .toInt()
           == 1;
}

// No tracking number holds a control character, and a server refuses a NUL
// in any text: such a number matches nothing, without asking.
bool couldBeStored(const QString &tracking)
{
    return std::none_of(tracking.begin(), tracking.end(), [](QChar c) {
        return c.category() == QChar::Other_Control || c.isSurrogate() || c.isNonCharacter();
    });
}

Verification unavailable()
{
    Verification v;
    v.outcome = Verification::Outcome::Unavailable;
    return v;
}

} // namespace

Verification VerificationLookup::find(WebSource &source, const QString &tracking, const QString &code)
{
    Verification none;
    if (tracking.isEmpty() || tracking.size() > kMaxTracking || !couldBeStored(tracking)
        || !VerificationCode::looksValid(code))
        return none;
    if (!source.ready().ok())
        return unavailable();
    Database &db = source.certificates();
    std::optional<Logged> logged;
    DbStatus s = issueOf(db, tracking, code, logged);
    if (s.ok() && !logged)
        return none;
    Verification v;
    v.outcome = Verification::Outcome::Found;
    std::optional<CertificateContent> content;
    if (s.ok()) {
        v.tracking = tracking;
        v.code = code;
        v.issuedAt = logged->issuedAt;
        v.issuedOn = logged->issuedAt.toLocalTime().date();
        v.signatory = logged->signatory;
        v.pdfFile = logged->pdfFile;
        v.pdfSha256 = logged->pdfSha256;
        content = CertificateContent::read(db, logged->formIndex, &s);
    }
    if (s.ok()) {
        v.deleted = !content;
        if (content)
            fill(v, *content);
        s = correctionOf(db, logged->formIndex, v);
    }
    if (s.ok())
        v.offersPdf = offersPdf(db, s);
    if (s.ok())
        s = WithdrawnSigner::check(source, v);
    if (!s.ok()) {
        source.lost();
        return unavailable();
    }
    return v;
}

} // namespace arc
