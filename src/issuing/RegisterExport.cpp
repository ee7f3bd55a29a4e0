#include "RegisterExport.h"

#include "BlankRule.h"
#include "CertificateFields.h"
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
#include <stdexcept>

namespace arc::RegisterExport {

namespace {

struct RegisterExportTexts {
    Q_DECLARE_TR_FUNCTIONS(RegisterExport)
};


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

namespace {

// What the issue log and the corrections add to the fields, and where.
enum class Own { None, IssuedAt, ArchivedFile, Sha256, SupersededBy };
struct OwnColumn {
    int order;
    Own own;
    const char *heading;
};
constexpr OwnColumn kOwnColumns[] = {{14, Own::IssuedAt, "Issued At (UTC)"},
                                     {15, Own::ArchivedFile, "Archived File"},
                                     {16, Own::Sha256, "SHA-256"},
                                     {17, Own::SupersededBy, "Superseded by"}};

// One column of the register: the field it shows (of blocks 13 and 14,
// one each: the block in use is shown), or one of the register's own.
struct Column {
    QString heading;
    const CertificateField *field = nullptr;
    const CertificateField *field14 = nullptr;
    Own own = Own::None;
};

// The register's columns: where the table of certificate fields places
// them, with the register's own between.
const std::vector<Column> &columns()
{
    static const std::vector<Column> out = [] {
        std::vector<Column> c;
        const auto at = [&c](int order) -> Column & {
            if (order >= int(c.size()))
                c.resize(std::size_t(order) + 1);
            return c[std::size_t(order)];
        };
        for (const CertificateField &f : CertificateFields::all()) {
            if (f.inRegister.order < 0)
                continue;
            Column &column = at(f.inRegister.order);
            column.heading = QLatin1String(f.inRegister.heading);
            (QLatin1String(f.block).startsWith(QLatin1String("14")) && column.field ? column.field14 : column.field) =
                &f;
        }
        for (const OwnColumn &own : kOwnColumns) {
            at(own.order).heading = QLatin1String(own.heading);
            at(own.order).own = own.own;
        }
        for (const Column &column : c)
            if (column.heading.isEmpty() || (column.own != Own::None && column.field))
                throw std::logic_error("the register's columns leave a place empty or fill one twice");
        return c;
    }();
    return out;
}

int orderOf(const CertificateField &f) { return f.inRegister.order; }

} // namespace

QStringList header()
{
    QStringList out;
    for (const Column &column : columns())
        out << column.heading;
    return out;
}

namespace {

QString exportStep() { return QCoreApplication::translate("RegisterExport", "Exporting register"); }

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
    using CertificateFields::holding;
    for (const VoidNumber &v : voids) {
        if (!period.holds(QDate::fromString(v.voidedAt.left(10), Qt::ISODate)))
            continue;
        QStringList row(qsizetype(columns().size()));
        row[orderOf(holding(&CertificateBlocks::tracking))] = v.tracking.trimmed();
        row[orderOf(holding(&CertificateBlocks::form))] = QStringLiteral("VOID");
        row[orderOf(holding(&ItemLine::description))] =
            QStringLiteral("%1, voided %2 at %3").arg(v.reason, v.voidedAt, v.workstation);
        row[orderOf(holding(&CertificateBlocks::block13dName))] = v.user;
        if (!take(row, Counted::Void))
            return DbStatus::failure(DbCondition::Cancelled, RegisterExportTexts::tr("stopped"));
    }
    return {};
}

// The certificates a period may hold, read from the signature dates'
// indexes: those with a 13e or a 14e date in it (a 13e date elsewhere
// leaves a certificate out, which the rows read tell). Empty: every one.
struct Bounds {
    QString where;
    QVariantList values;
};
Bounds bounds(const Period &period)
{
    if (!period.from.isValid() && !period.to.isValid())
        return {};
    Bounds b;
    QStringList either;
    for (const char *date : {"Date18", "Date23"}) {
        QStringList sides;
        if (period.from.isValid())
            sides << QStringLiteral("\"%1\" >= ?").arg(QLatin1String(date)), b.values << period.from.toString(Qt::ISODate);
        if (period.to.isValid())
            sides << QStringLiteral("\"%1\" < ?").arg(QLatin1String(date)), b.values << period.to.addDays(1).toString(Qt::ISODate);
        either << QStringLiteral("SELECT \"FormIndex\" FROM \"Header\" WHERE ") + sides.join(QStringLiteral(" AND "));
    }
    b.where = QStringLiteral(" WHERE h.\"FormIndex\" IN (%1)").arg(either.join(QStringLiteral(" UNION ")));
    return b;
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
    const Bounds bounded = bounds(period);
    qint64 total = 0;
    if (progress) {
        if (!progress(exportStep(), 0, 0))
            return DbStatus::failure(DbCondition::Cancelled, RegisterExportTexts::tr("stopped"));
        total = db.scalar(QStringLiteral("SELECT count(*) FROM \"Header\" h LEFT JOIN \"Detail\" d ON d.\"FormIndex\" "
                                         "= h.\"FormIndex\"")
                              + bounded.where,
                          bounded.values, &s)
                    .toLongLong();
        if (!s.ok())
            return s;
    }
    // The fields the register shows, and those it chooses rows and blocks by.
    using CertificateFields::holding;
    const CertificateField &day13 = holding(&CertificateHeader::block13eDate),
                           &day14 = holding(&CertificateHeader::block14eDate), &status = holding(&ItemLine::status);
    std::vector<const CertificateField *> read;
    for (const CertificateField &f : CertificateFields::all())
        if (f.inRegister.order >= 0 || &f == &day13 || &f == &day14 || &f == &status)
            read.push_back(&f);
    QString select = QStringLiteral("SELECT h.\"FormIndex\", d.\"FormIndex\"");
    QHash<const CertificateField *, int> at;
    for (const CertificateField *f : read) {
        at.insert(f, int(at.size()) + 2);
        select += QStringLiteral(", %1.\"%2\"")
                      .arg(QLatin1String(f->table == StoredTable::Header ? "h" : "d"), QLatin1String(f->column));
    }
    select += QStringLiteral(" FROM \"Header\" h LEFT JOIN \"Detail\" d ON d.\"FormIndex\" = h.\"FormIndex\"")
              + bounded.where + QStringLiteral(" ORDER BY h.\"FormIndex\", d.rowid");
    // Where each column's fields are read, looked up once rather than for every row.
    std::vector<std::pair<int, int>> where;
    for (const Column &c : columns())
        where.emplace_back(at.value(c.field, -1), at.value(c.field14 ? c.field14 : c.field, -1));
    const int day13At = at.value(&day13), day14At = at.value(&day14), statusAt = at.value(&status);
    const auto shown = [](const QSqlQuery &q, const CertificateField &f, int index) {
        const QVariant v = q.value(index);
        if (f.kind == FieldKind::Date) {
            const QDate day = storedDay(v);
            return day.isValid() ? day.toString(Qt::ISODate) : QString();
        }
        if (f.text == &CertificateBlocks::form)
            return FormNames::effective(text(v));
        return f.inRegister.firstLine ? firstLine(text(v)) : text(v);
    };

    // A certificate's own columns (its header's and the register's) are
    // made once, at its first line; each line adds its own fields.
    std::vector<std::size_t> lineColumns;
    for (std::size_t i = 0; i < columns().size(); ++i)
        if (columns()[i].field && columns()[i].field->table == StoredTable::Detail)
            lineColumns.push_back(i);

    // Read as it comes: a year of a large register is held by no one.
    QSqlQuery q;
    qint64 certificate = -1, done = 0;
    bool inPeriod = false;
    QStringList certificateRow;
    s = db.stream(q, select, bounded.values);
    while (s.ok() && q.next()) {
        // Told every few hundred rows: often enough to move, seldom enough to cost nothing.
        if (++done % 256 == 0 && !progress(exportStep(), done, std::max(total, done)))
            return DbStatus::failure(DbCondition::Cancelled, RegisterExportTexts::tr("stopped"));
        const qint64 key = q.value(0).toLongLong();
        const bool first = key != certificate;
        if (first) {
            certificate = key;
            const QDate d13 = storedDay(q.value(day13At)), d14 = storedDay(q.value(day14At));
            inPeriod = period.holds(d13.isValid() ? d13 : d14);
            if (!inPeriod)
                continue;
            // The block in use, which the first line's status chooses.
            const bool block13 = selectsBlock13(text(q.value(statusAt)).trimmed().toUpper());
            const auto issue = issues.constFind(key);
            const bool issued = issue != issues.cend();
            certificateRow.clear();
            certificateRow.reserve(qsizetype(columns().size()));
            for (std::size_t i = 0; i < columns().size(); ++i) {
                const Column &c = columns()[i];
                switch (c.own) {
                case Own::None:
                    certificateRow << (c.field->table == StoredTable::Detail ? QString()
                                       : c.field14 && !block13      ? shown(q, *c.field14, where[i].second)
                                                                    : shown(q, *c.field, where[i].first));
                    break;
                case Own::IssuedAt: certificateRow << (issued ? issue->issuedAt.toString(Qt::ISODate) : QString()); break;
                case Own::ArchivedFile: certificateRow << (issued ? issue->pdfFile : QString()); break;
                case Own::Sha256: certificateRow << (issued ? issue->pdfSha256 : QString()); break;
                // The tracking number of the issued correction that supersedes it.
                case Own::SupersededBy: certificateRow << superseded.value(key).tracking; break;
                }
            }
        } else if (!inPeriod) {
            continue;
        }
        QStringList row = certificateRow;
        for (std::size_t i : lineColumns)
            row[qsizetype(i)] = shown(q, *columns()[i].field, where[i].first);
        const Counted counted = q.value(1).isNull() ? Counted::NoLine
                                : first             ? Counted::FirstLine
                                                    : Counted::FurtherLine;
        if (!take(row, counted))
            return DbStatus::failure(DbCondition::Cancelled, RegisterExportTexts::tr("stopped"));
    }
    if (s.ok())
        s = eachVoid(db, period, take);
    if (s.ok() && !progress(exportStep(), done, done))
        return DbStatus::failure(DbCondition::Cancelled, RegisterExportTexts::tr("stopped"));
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
    const QString certificates = written.certificates == 1
                                     ? RegisterExportTexts::tr("1 certificate")
                                     : RegisterExportTexts::tr("%1 certificates").arg(written.certificates);
    const QString lines = written.lines == 1 ? RegisterExportTexts::tr("1 line")
                                             : RegisterExportTexts::tr("%1 lines").arg(written.lines);
    return RegisterExportTexts::tr("%1, %2 written to %3").arg(certificates, lines, path);
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

