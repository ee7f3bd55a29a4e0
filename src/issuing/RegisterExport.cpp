#include "RegisterExport.h"

#include "BlankRule.h"
#include "CsvText.h"
#include "ExportTarget.h"
#include "FormNames.h"
#include "GivenText.h"
#include "IssueRecord.h"
#include "SigningBlock.h"
#include "Supersession.h"
#include "TakenNumbers.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QSqlQuery>
#include <algorithm>
#include <functional>

namespace arc::RegisterExport {

namespace {


// Stored dates are ISO text; another program may have added a time.
QDate storedDay(const QVariant &v) { return v.isNull() ? QDate() : QDate::fromString(v.toString().left(10), Qt::ISODate); }

// As stored, untrimmed (a space before a sign is part of the value); the
// blank a box stores when empty is empty.
QString text(const QVariant &v)
{
    const QString stored = v.isNull() ? QString() : v.toString();
    return BlankRule::isBlank(stored) ? QString() : stored;
}

// Called for every row: a pattern here would be built half a million times.
QString firstLine(const QString &block)
{
    const auto end = std::find_if(block.cbegin(), block.cend(), [](QChar c) { return c == u'\r' || c == u'\n'; });
    const QString first = block.left(end - block.cbegin());
    return BlankRule::isBlank(first) ? QString() : first;
}

// The first issue of each certificate: when it left the shop, and its page.
DbStatus firstIssues(Database &db, QHash<qint64, IssueRecord> &out)
{
    QSqlQuery q;
    const DbStatus s = db.run(q, QStringLiteral("SELECT \"FormIndex\", \"IssuedAt\", \"PdfFile\", \"PdfSha256\" FROM "
                                                "\"IssueLog\" ORDER BY \"IssuedAt\" DESC, \"PdfFile\" DESC"));
    while (s.ok() && q.next()) {
        IssueRecord r;
        r.formIndex = q.value(0).toLongLong();
        r.issuedAt = QDateTime::fromString(q.value(1).toString(), Qt::ISODate).toUTC();
        r.pdfFile = q.value(2).toString();
        r.pdfSha256 = q.value(3).toString();
        out.insert(r.formIndex, r); // the earliest is read last
    }
    return s;
}

} // namespace

bool Period::holds(const QDate &day) const
{
    if (!from.isValid() && !to.isValid())
        return true;
    return day.isValid() && (!from.isValid() || day >= from) && (!to.isValid() || day <= to);
}

QStringList header()
{
    return {QStringLiteral("Tracking No."),    QStringLiteral("Form"),          QStringLiteral("13e Date"),
            QStringLiteral("14e Date"),        QStringLiteral("Organization"),  QStringLiteral("WO/Contract (5)"),
            QStringLiteral("Item"),            QStringLiteral("Description"),   QStringLiteral("Part No."),
            QStringLiteral("Serial No."),      QStringLiteral("Qty"),           QStringLiteral("Status"),
            QStringLiteral("Signatory"),       QStringLiteral("Approval (13c/14c)"), QStringLiteral("Issued At (UTC)"),
            QStringLiteral("Archived File"),   QStringLiteral("SHA-256"),       QStringLiteral("Superseded by"),
            QStringLiteral("Remarks (12)")};
}

namespace {

const QString kStep = QStringLiteral("Exporting register");

// What a row of the register stands for: the first or a further line of a
// certificate (a certificate without lines has one row and no line), or a
// void number.
enum class Counted { FirstLine, FurtherLine, NoLine, Void };

// After the certificates, each number voided in the period (by its UTC
// day), marked "VOID" in the form's column: the reason, when and where in
// the description's, who in the signatory's.
DbStatus eachVoid(Database &db, const Period &period, const std::function<bool(const QStringList &, Counted)> &take)
{
    std::vector<VoidNumber> voids;
    if (DbStatus s = TakenNumbers(db).voids(voids); !s.ok())
        return s;
    const QStringList columns = header();
    for (const VoidNumber &v : voids) {
        if (!period.holds(QDate::fromString(v.voidedAt.left(10), Qt::ISODate)))
            continue;
        QStringList row(columns.size());
        row[0] = v.tracking.trimmed();
        row[columns.indexOf(QStringLiteral("Form"))] = QStringLiteral("VOID");
        row[columns.indexOf(QStringLiteral("Description"))] =
            QStringLiteral("%1, voided %2 at %3").arg(v.reason, v.voidedAt, v.workstation);
        row[columns.indexOf(QStringLiteral("Signatory"))] = v.user;
        if (!take(row, Counted::Void))
            return DbStatus::failure(DbCondition::Cancelled, QStringLiteral("stopped"));
    }
    return {};
}

// Hands each row of the period to `take`, in key order, with what it
// counts for; `progress` hears how many stored rows were gone through.
// Stops, Cancelled, when either says so.
DbStatus eachRow(Database &db, const Period &period, const std::function<bool(const QStringList &, Counted)> &take,
                 const Progress &progress)
{
    QHash<qint64, IssueRecord> issues;
    DbStatus s = firstIssues(db, issues);
    if (!s.ok())
        return s;
    QHash<qint64, SupersededBy> superseded;
    if (s = Supersession::all(db, superseded); !s.ok())
        return s;
    qint64 total = 0;
    if (progress) {
        if (!progress(kStep, 0, 0))
            return DbStatus::failure(DbCondition::Cancelled, QStringLiteral("stopped"));
        total = db.scalar(QStringLiteral("SELECT count(*) FROM \"Header\" h LEFT JOIN \"Detail\" d ON d.\"FormIndex\" "
                                         "= h.\"FormIndex\""),
                          {}, &s)
                    .toLongLong();
        if (!s.ok())
            return s;
    }
    QSqlQuery q;
    q.setForwardOnly(true);
    qint64 certificate = -1, done = 0;
    bool block13 = true;
    s = db.run(q, QStringLiteral("SELECT h.\"FormIndex\", h.\"Tracking\", h.\"Date18\", h.\"Date23\", h.\"Organ1\", "
                                 "h.\"Name17\", h.\"Name22\", d.\"Item\", d.\"Description\", d.\"PartNum\", "
                                 "d.\"SerialNum\", d.\"Quantity\", d.\"Status\", h.\"Form\", h.\"Invoice\", "
                                 "h.\"AuthNum\", h.\"CertNum\", h.\"Remarks\", d.\"FormIndex\" "
                                 "FROM \"Header\" h LEFT JOIN \"Detail\" d ON d.\"FormIndex\" = h.\"FormIndex\" "
                                 "ORDER BY h.\"FormIndex\", d.rowid"));
    while (s.ok() && q.next()) {
        // Told every few hundred rows: often enough to move, seldom enough to cost nothing.
        if (++done % 256 == 0 && !progress(kStep, done, std::max(total, done)))
            return DbStatus::failure(DbCondition::Cancelled, QStringLiteral("stopped"));
        const QDate d18 = storedDay(q.value(2)), d23 = storedDay(q.value(3));
        if (!period.holds(d18.isValid() ? d18 : d23))
            continue;
        // The signatory of the block in use, which the first line's status chooses.
        const qint64 key = q.value(0).toLongLong();
        const QString status = text(q.value(12));
        const bool first = key != certificate;
        if (first) {
            certificate = key;
            block13 = selectsBlock13(status.trimmed().toUpper());
        }
        const QString signatory = text(q.value(block13 ? 5 : 6));
        QStringList row{text(q.value(1)),
                        FormNames::effective(text(q.value(13))),
                        d18.isValid() ? d18.toString(Qt::ISODate) : QString(),
                        d23.isValid() ? d23.toString(Qt::ISODate) : QString(),
                        firstLine(text(q.value(4))),
                        text(q.value(14)),
                        text(q.value(7)),
                        text(q.value(8)),
                        text(q.value(9)),
                        text(q.value(10)),
                        text(q.value(11)),
                        status,
                        signatory,
                        text(q.value(block13 ? 15 : 16))};
        const auto issue = issues.constFind(q.value(0).toLongLong());
        if (issue != issues.cend())
            row << issue->issuedAt.toString(Qt::ISODate) << issue->pdfFile << issue->pdfSha256;
        else
            row << QString() << QString() << QString();
        // The tracking number of the issued correction that supersedes it.
        row << superseded.value(key).tracking;
        // Block 12 whole: its line breaks stay inside the quoted field.
        row << text(q.value(17));
        const Counted counted = q.value(18).isNull() ? Counted::NoLine : first ? Counted::FirstLine : Counted::FurtherLine;
        if (!take(row, counted))
            return DbStatus::failure(DbCondition::Cancelled, QStringLiteral("stopped"));
    }
    if (s.ok())
        s = eachVoid(db, period, take);
    if (s.ok() && !progress(kStep, done, done))
        return DbStatus::failure(DbCondition::Cancelled, QStringLiteral("stopped"));
    return s;
}

} // namespace

DbStatus rows(Database &db, const Period &period, std::vector<QStringList> &out)
{
    out.clear();
    return eachRow(db, period, [&out](const QStringList &row, Counted) { return out.push_back(row), true; }, {});
}

QByteArray csv(const std::vector<QStringList> &rows)
{
    QString text = CsvText::row(header());
    for (const QStringList &r : rows)
        text += CsvText::row(r);
    return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
}

QString refusal(const Database &certificates, const QString &path)
{
    return ExportTarget::refusal(path, ExportTarget::of(certificates));
}

QString told(const Written &written, const QString &path)
{
    const auto tr = [](const char *text) { return QCoreApplication::translate("RegisterExport", text); };
    const QString certificates =
        written.certificates == 1 ? tr("1 certificate") : tr("%1 certificates").arg(written.certificates);
    const QString lines = written.lines == 1 ? tr("1 line") : tr("%1 lines").arg(written.lines);
    return tr("%1, %2 written to %3").arg(certificates, lines, path);
}

bool exists(const QString &path)
{
    const QFileInfo at(path);
    return at.exists() || at.isSymLink();
}

DbStatus write(Database &db, const Period &period, const QString &path, Written *count, const Progress &progress,
               Existing existing)
{
    const QString quoted = GivenText::quoted(path);
    if (const QString why = refusal(db, path); !why.isEmpty())
        return DbStatus::failure(DbCondition::Other, QCoreApplication::translate("RegisterExport", "%1 is not written: %2")
                                                          .arg(quoted, why));
    if (existing == Existing::Keep && exists(path))
        return DbStatus::failure(DbCondition::Other,
                                 QCoreApplication::translate("RegisterExport", "%1 exists already").arg(quoted));
    // Written beside the file and put in its place at the end, so a stop or
    // a failure leaves the file as it was.
    QSaveFile file(path);
    const auto failed = [&] {
        return DbStatus::failure(DbCondition::Other, QCoreApplication::translate("RegisterExport", "%1 cannot be written: %2")
                                                          .arg(quoted, file.errorString()));
    };
    if (!file.open(QIODevice::WriteOnly))
        return failed();
    const auto put = [&file](const QByteArray &bytes) { return file.write(bytes) == bytes.size(); };
    bool written = put(csv({}));
    Written found;
    const DbStatus s = eachRow(
        db, period,
        [&](const QStringList &row, Counted counted) {
            found.certificates += counted == Counted::FirstLine || counted == Counted::NoLine;
            found.lines += counted == Counted::FirstLine || counted == Counted::FurtherLine;
            found.voids += counted == Counted::Void;
            return written = put(CsvText::row(row).toUtf8());
        },
        progress);
    if (!written || (s.ok() && !file.commit()))
        return failed();
    if (!s.ok())
        return s;
    if (count)
        *count = found;
    return {};
}

} // namespace arc::RegisterExport

