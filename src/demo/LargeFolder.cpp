#include "LargeFolder.h"

#include "DataFolder.h"
#include "DemoReference.h"
#include "FillNewFiles.h"
#include "FoldedCopies.h"
#include "ReleaseFlags.h"
#include "SqlDialectErrors.h"
#include "SqlDialectFolds.h"
#include "WriteTransaction.h"

#include <QDate>
#include <QSqlQuery>
#include <random>

namespace arc {

namespace {

struct Kind {
    const char *status;
    const char *remarks; // empty: left null
};
const Kind kKinds[] = {
    {"NEW", "Manufactured under PMA."},
    {"OVERHAULED", "Overhauled in accordance with the current CMM.\r\nAll life-limited parts replaced."},
    {"REPAIRED", "Repaired and functionally tested."},
    {"PROTOTYPE", "Prototype parts for flight test only."},
    {"INSPECTED", ""},
};
const char *const kMaintenance[] = {"OVERHAULED", "REPAIRED", "INSPECTED"};
// The series most lines' part numbers belong to, beside the catalogue's.
const char *const kSeries[] = {"AN", "MS", "NAS", "BACB", "S", "D", "P", "C", "K", "L", "PN", "HS"};

// The engine's draws are fixed by the standard; the library's distributions
// are not, so values are taken from it by hand to stay the same everywhere.
class Draw {
public:
    explicit Draw(std::uint32_t seed) : m_engine(seed) {}
    // A whole number in [0, n).
    int below(int n) { return static_cast<int>(m_engine() % static_cast<std::uint32_t>(n)); }
    template <typename T, size_t N>
    const T &from(const T (&list)[N])
    {
        return list[below(static_cast<int>(N))];
    }
    template <typename T>
    const T &from(std::span<const T> list)
    {
        return list[static_cast<size_t>(below(static_cast<int>(list.size())))];
    }

private:
    std::mt19937 m_engine;
};

// Null for empty text, as a cleared box is stored.
QVariant textOrNull(const QString &text) { return text.isEmpty() ? QVariant() : QVariant(text); }

DbStatus prepare(QSqlQuery &query, const QString &sql)
{
    if (!query.prepare(sql))
        return SqlDialect::status(query.lastError());
    return {};
}

DbStatus run(QSqlQuery &query, const QVariantList &values)
{
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values[i]);
    if (!query.exec())
        return SqlDialect::status(query.lastError());
    return {};
}

// The search copies, their triggers and the search indexes go: made once
// over every row afterwards, they cost a fraction of keeping them up row by
// row.
DbStatus withoutSearchCopies(Database &db)
{
    QStringList drops;
    for (const FoldTable &fold : Schema::foldTables(db.kind()))
        drops << SqlDialect::dropFoldTableStatements(fold, db.engine());
    for (const Schema::SourceIndex &index : Schema::searchIndexes(db.kind()))
        drops << QStringLiteral("DROP INDEX IF EXISTS %1").arg(SqlDialect::quoted(SqlDialect::searchIndex(index).first));
    for (const Schema::ListOrder &order : Schema::listOrders(db.kind()))
        drops << QStringLiteral("DROP INDEX IF EXISTS %1").arg(SqlDialect::quoted(SqlDialect::listOrderIndex(order).first));
    for (const QString &sql : drops)
        if (DbStatus s = db.exec(sql); !s.ok())
            return s;
    return {};
}

// One transaction and two prepared statements: a cursor per row would take
// minutes for a hundred thousand certificates.
DbStatus storeCertificates(Database &db, int count)
{
    WriteTransaction tx(db);
    if (!tx.ok())
        return tx.status();
    if (DbStatus s = withoutSearchCopies(db); !s.ok())
        return s;
    QSqlQuery header(db.connection());
    QSqlQuery detail(db.connection());
    DbStatus s = prepare(header, QStringLiteral("INSERT INTO Header (Country, Tracking, Organ1, Invoice, Remarks, "
                                                "New, Overhaul, CFRRTS, OtherRTS, Name17, AuthNum, Date18, Name22, "
                                                "CertNum, Date23) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    if (s.ok())
        s = prepare(detail, QStringLiteral("INSERT INTO Detail (FormIndex, Item, Description, PartNum, Quantity, "
                                           "SerialNum, Status) VALUES (?, ?, ?, ?, ?, ?, ?)"));
    if (!s.ok())
        return s;

    Draw draw(8130);
    const QDate firstDay(2015, 1, 1);
    const QString authority = DemoReference::authority();
    for (int n = 1; n <= count && s.ok(); ++n) {
        const Kind &kind = draw.from(kKinds);
        const QString firstStatus = QString::fromUtf8(kind.status);
        const ReleaseFlags flags = ReleaseFlags::forStatus(firstStatus, draw.below(8) == 0);
        const auto &agent = draw.from(DemoReference::agents());
        const QVariant name = QString::fromUtf8(agent.name);
        const QVariant approval = QString::fromUtf8(agent.approvalNumber);
        // Stored dates are ISO text, the form the cursors read back.
        const QVariant signedOn = firstDay.addDays(draw.below(3650)).toString(Qt::ISODate);
        const QVariant none;
        const bool made = flags.manufacturing();
        s = run(header, {authority, QStringLiteral("%1").arg(n, 6, 10, QLatin1Char('0')),
                         DemoReference::organizationText(draw.from(DemoReference::organizations())),
                         QStringLiteral("WO-%1").arg(1000 + n), textOrNull(QString::fromUtf8(kind.remarks)),
                         flags.approvedDesign ? 1 : 0, flags.nonApprovedDesign ? 1 : 0,
                         flags.cfrReturnToService ? 1 : 0, flags.otherRegulation ? 1 : 0, made ? name : none,
                         made ? approval : none, made ? signedOn : none, made ? none : name,
                         made ? none : approval, made ? none : signedOn});
        if (!s.ok())
            break;
        const qint64 key = header.lastInsertId().toLongLong();

        // Six to ten lines, eight on average, as a large shop's are.
        const int lines = 6 + draw.below(5);
        for (int item = 1; item <= lines && s.ok(); ++item) {
            // New and prototype certificates keep their status; maintenance
            // work mixes its kinds.
            const QString status = (item == 1 || made) ? firstStatus : QString::fromUtf8(draw.from(kMaintenance));
            const auto &part = draw.from(DemoReference::parts());
            // One line in eight a catalogue part; the rest spread over
            // series, numbers and dash numbers as a register's are.
            const QString partNumber =
                draw.below(8) == 0 ? QString::fromUtf8(part.partNumber)
                                   : QStringLiteral("%1%2-%3")
                                         .arg(QString::fromLatin1(draw.from(kSeries)))
                                         .arg(1000 + draw.below(9000))
                                         .arg(1 + draw.below(40), 2, 10, QLatin1Char('0'));
            s = run(detail, {key, QString::number(item), QString::fromUtf8(part.description), partNumber,
                             QString::number(1 + draw.below(4)),
                             QStringLiteral("SN%1-%2").arg(n).arg(item), status});
        }
    }
    header.finish();
    detail.finish();
    // The counter goes on after the numbers issued, as in a folder in use.
    if (s.ok())
        s = db.exec(QStringLiteral("UPDATE Defaults SET Tracking = ?"),
                    {QStringLiteral("%1").arg(count, 6, 10, QLatin1Char('0'))});
    if (s.ok())
        s = FoldedCopies::ensure(db);
    if (!s.ok())
        return s;
    return tx.commit();
}

DbStatus fill(const QString &dataPath, int count)
{
    DataFolder folder;
    if (DbStatus s = DemoReference::createFolder(dataPath, folder); !s.ok())
        return s;
    return storeCertificates(folder.certificates(), count);
}

} // namespace

DbStatus LargeFolder::generate(const QString &dataPath, int certificates)
{
    if (certificates < 0)
        return DbStatus::failure(DbCondition::Other, QStringLiteral("negative certificate count"));
    if (!DataFolder::isUnstarted(dataPath))
        return DbStatus::failure(DbCondition::Other, QStringLiteral("%1 already holds certificates").arg(dataPath));
    return fillNewFiles(dataPath, [&] { return fill(dataPath, certificates); });
}

} // namespace arc
