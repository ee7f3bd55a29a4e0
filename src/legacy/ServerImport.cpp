#include "ServerImport.h"

#include "DataFolder.h"
#include "FoldedCopies.h"
#include "NulCharacters.h"
#include "Passwords.h"
#include "ProgramFolder.h"
#include "ServerCopy.h"
#include "ServerUri.h"
#include "SqlDialect.h"
#include "SqlDialectActivity.h"
#include "SqlDialectFolds.h"
#include "SqlDialectTables.h"
#include "Statements.h"
#include "StoredFiles.h"
#include "WriteTransaction.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>

#include <unistd.h>

namespace arc {

namespace {

struct ServerImportTexts {
    Q_DECLARE_TR_FUNCTIONS(arc::ServerImport)
};

DbStatus importFailure(const QString &why) { return DbStatus::failure(DbCondition::Other, why); }

using Rows = QList<QVariantList>;

QString columnList(const TableDef &table)
{
    QStringList names;
    for (const FieldDef &f : table.fields)
        names << SqlDialect::quoted(f.name);
    return names.join(QStringLiteral(", "));
}

// Rows read and written a part at a time: a whole table of millions of
// lines held as values took gigabytes, twice over with its read-back.
constexpr qsizetype kPartRows = 50000;

// Every row of a table in stored order, a part at a time, each value in
// the form both engines agree on (numbers compared as numbers, texts as
// texts); `take` is handed each part, and runs no statement on `db`.
DbStatus eachPart(Database &db, const TableDef &table, const std::function<DbStatus(Rows &)> &take)
{
    const QString key = SqlDialect::rowIdOf(table);
    QSqlQuery q;
    DbStatus s = db.stream(q, QStringLiteral("SELECT %1 FROM %2 ORDER BY %3").arg(columnList(table), SqlDialect::quoted(table.name), key));
    Rows part;
    while (s.ok() && q.next()) {
        QVariantList row;
        row.reserve(static_cast<qsizetype>(table.fields.size()));
        for (int i = 0; i < static_cast<int>(table.fields.size()); ++i) {
            const QVariant v = q.value(i);
            const FieldType type = table.fields[static_cast<size_t>(i)].type;
            row << (v.isNull() ? QVariant()
                    : type == FieldType::Text || type == FieldType::Date ? QVariant(v.toString())
                                                                          : QVariant(v.toDouble()));
        }
        part << row;
        if (part.size() == kPartRows) {
            s = take(part);
            part.clear();
        }
    }
    return s.ok() && !part.isEmpty() ? take(part) : s;
}

// What rows hold, in their order, for the rows written and the rows read
// back to be held against each other without keeping either.
void addRows(QCryptographicHash &digest, const Rows &rows)
{
    for (const QVariantList &row : rows)
        for (const QVariant &v : row) {
            if (v.isNull()) {
                digest.addData(QByteArrayView("n", 1));
            } else if (v.typeId() == QMetaType::QString) {
                const QString text = v.toString();
                const qint64 size = text.size();
                digest.addData(QByteArrayView("t", 1));
                digest.addData(QByteArrayView(reinterpret_cast<const char *>(&size), sizeof size));
                digest.addData(QByteArrayView(reinterpret_cast<const char *>(text.utf16()), size * 2));
            } else {
                const double number = v.toDouble() + 0.0; // no negative zero
                digest.addData(QByteArrayView("d", 1));
                digest.addData(QByteArrayView(reinterpret_cast<const char *>(&number), sizeof number));
            }
        }
}

// What the server already holds beyond the starting Defaults row and the
// default statements made on its first connection.
DbStatus holdsData(Database &db, const TableDef &table, bool &holds)
{
    DbStatus s;
    if (table.name == QLatin1String("Statements")) {
        QList<Statement> stored;
        s = Statements::read(db, stored);
        const auto &d = Statements::defaults();
        holds = stored != QList<Statement>(d.begin(), d.end());
        return s;
    }
    const int rows = db.scalar(QStringLiteral("SELECT count(*) FROM ") + SqlDialect::quoted(table.name), {}, &s).toInt();
    holds = table.name == QLatin1String("Defaults") ? rows > 1 : rows > 0;
    return s;
}

// What the server cannot store as it is, made storable as the folder
// conversion makes it, a part at a time: NUL characters go, and a field
// holding a text longer than its limit is widened to keep it whole (its
// check made again once every row is in). Both are reported.
class Storable {
public:
    explicit Storable(const TableDef &table) : m_wide(table), m_removed(table.fields.size()) {}

    void make(Rows &rows)
    {
        for (int i = 0; i < static_cast<int>(m_wide.fields.size()); ++i) {
            FieldDef &f = m_wide.fields[static_cast<size_t>(i)];
            if (f.type != FieldType::Text)
                continue;
            m_removed[static_cast<size_t>(i)] += NulCharacters::removeFrom(rows, i);
            for (const QVariantList &row : rows)
                f.maxLength = std::max(f.maxLength, int(row.at(i).toString().size()));
        }
    }
    // The table with every field as wide as its longest text needs.
    const TableDef &table() const { return m_wide; }
    void report(const TableDef &table, QStringList &lines) const
    {
        for (size_t i = 0; i < table.fields.size(); ++i) {
            const QString field = table.name + QLatin1Char('.') + table.fields[i].name;
            if (m_removed[i] > 0)
                lines << NulCharacters::reported(ServerImportTexts::tr("field %1").arg(field), m_removed[i]);
            if (m_wide.fields[i].maxLength > table.fields[i].maxLength)
                lines << ServerImportTexts::tr("field %1 widened from %2 to %3 characters to keep its longest text whole")
                             .arg(field)
                             .arg(table.fields[i].maxLength)
                             .arg(m_wide.fields[i].maxLength);
        }
    }

private:
    TableDef m_wide;
    std::vector<int> m_removed;
};

// The indexes of `tables` that no key holds, dropped for a bulk load: a
// server makes an index over rows loaded faster than it keeps one up row
// by row. `remake` receives the statements making them again.
DbStatus setIndexesAside(Database &db, const QStringList &tables, QStringList &remake)
{
    const QString query = SqlDialect::secondaryIndexesQuery(db.engine());
    if (query.isEmpty())
        return {};
    QList<std::pair<QString, QString>> indexes;
    for (const QString &table : tables) {
        QSqlQuery q;
        DbStatus s = db.run(q, query, {table});
        while (s.ok() && q.next())
            indexes.append({q.value(0).toString(), q.value(1).toString()});
        if (!s.ok())
            return s;
    }
    for (const auto &[name, definition] : indexes) {
        if (DbStatus s = db.exec(SqlDialect::dropStatement(QStringLiteral("index"), name)); !s.ok())
            return s;
        remake << definition;
    }
    return {};
}

DbStatus remakeIndexes(Database &db, const QStringList &remake)
{
    if (remake.isEmpty())
        return {};
    if (DbStatus s = db.exec(SqlDialect::indexBuildMemory(db.engine())); !s.ok())
        return s;
    for (const QString &sql : remake)
        if (DbStatus s = db.exec(sql); !s.ok())
            return s;
    return {};
}

DbStatus copyStore(Database &from, Database &to, QStringList &lines, const Progress &progress)
{
    for (const TableDef &table : Schema::tables(from.kind())) {
        bool holds = false;
        if (DbStatus s = holdsData(to, table, holds); !s.ok())
            return s;
        if (holds)
            return importFailure(
                ServerImportTexts::tr("the server database already holds %1 rows; it must be empty").arg(table.name));
        if (DbStatus s = to.exec(QStringLiteral("DELETE FROM ") + SqlDialect::quoted(table.name)); !s.ok())
            return s;
        DbStatus counted;
        const qint64 total = from.scalar(QStringLiteral("SELECT count(*) FROM ") + SqlDialect::quoted(table.name), {}, &counted)
                                 .toLongLong();
        if (!counted.ok())
            return counted;
        // The search copies' trigger is paused for the load where the
        // server lets it be, and the copies made for all rows after.
        const FoldTable *fold = Schema::foldTableOf(table.name);
        QStringList remake;
        if (DbStatus s = setIndexesAside(to, fold ? QStringList{table.name, fold->name} : QStringList{table.name}, remake);
            !s.ok())
            return s;
        bool paused = fold != nullptr;
        for (const QString &sql : fold ? SqlDialect::pauseFoldTriggerStatements(*fold, to.engine()) : QStringList{})
            paused = paused && to.exec(sql).ok();
        if (const QString drop = SqlDialect::dropLengthChecks(table); !drop.isEmpty())
            if (DbStatus s = to.exec(drop); !s.ok())
                return s;
        Storable storable(table);
        QCryptographicHash written(QCryptographicHash::Sha256);
        const QString step = ServerImportTexts::tr("Reading %1").arg(table.name);
        qint64 done = 0;
        if (DbStatus s = eachPart(from, table,
                                  [&](Rows &part) {
                                      if (!progress(step, done, total))
                                          return DbStatus::failure(DbCondition::Cancelled,
                                                                   ServerImportTexts::tr("stopped at %1").arg(step));
                                      storable.make(part);
                                      addRows(written, part);
                                      const Progress writing([&](const QString &what, qint64 d, qint64) {
                                          return progress(what, done + d, total);
                                      });
                                      const DbStatus wrote = ServerCopy::write(to, table, part, writing);
                                      done += part.size();
                                      return wrote;
                                  });
            !s.ok())
            return s;
        if (done != total)
            return importFailure(ServerImportTexts::tr("%1 gave %2 rows of the %3 it holds").arg(table.name).arg(done).arg(total));
        storable.report(table, lines);
        if (const QString add = SqlDialect::addLengthChecks(storable.table()); !add.isEmpty())
            if (DbStatus s = to.exec(add); !s.ok())
                return s;
        for (const QString &sql : paused ? SqlDialect::resumeFoldTriggerStatements(*fold, to.engine()) : QStringList{})
            if (DbStatus s = to.exec(sql); !s.ok())
                return s;
        if (DbStatus s = remakeIndexes(to, remake); !s.ok())
            return s;
        if (table.hasCounter())
            if (DbStatus s = to.exec(SqlDialect::resetCounter(table, to.engine())); !s.ok())
                return s;
        // Planned by statistics taken while the table was empty, the first
        // searches would read it whole; so too its search copies when the
        // trigger made them during the load (a refill takes its own).
        for (const QString &name : fold && !paused ? QStringList{table.name, fold->name} : QStringList{table.name})
            if (const QString statistics = SqlDialect::refreshStatistics(name, to.engine()); !statistics.isEmpty())
                if (DbStatus s = to.exec(statistics); !s.ok())
                    return s;
        QCryptographicHash back(QCryptographicHash::Sha256);
        const QString checking = ServerImportTexts::tr("Checking %1").arg(table.name);
        qint64 checked = 0;
        if (DbStatus s = eachPart(to, table,
                                  [&](Rows &part) {
                                      addRows(back, part);
                                      checked += part.size();
                                      return progress(checking, checked, total)
                                                 ? DbStatus()
                                                 : DbStatus::failure(DbCondition::Cancelled,
                                                                     ServerImportTexts::tr("stopped at %1").arg(checking));
                                  });
            !s.ok())
            return s;
        if (checked != done || back.result() != written.result())
            return importFailure(ServerImportTexts::tr("%1 did not read back as it was written").arg(table.name));
        lines << ServerImportTexts::tr("%1: %2 rows").arg(table.name).arg(done);
    }
    if (to.kind() != StoreKind::Certificates)
        return {};
    // The tally and the sort keys, counted once every line is in.
    QStringList remake;
    if (DbStatus s = setIndexesAside(to, {Schema::activityTable(), Schema::listKeysTable()}, remake); !s.ok())
        return s;
    for (const QString &sql : SqlDialect::recountAfterLoad(to.engine()))
        if (DbStatus s = to.exec(sql); !s.ok())
            return s;
    return remakeIndexes(to, remake);
}

// The files a folder keeps beside its data files, into the Files table
// under `prefix` + their names. Signature bitmaps too large for the table
// are left out and named; an issued page is kept with the records, so one
// that cannot be moved fails the whole move.
DbStatus copyFiles(const QString &folder, const QString &pattern, const QString &prefix, bool required,
                   Database &to, int &count, QStringList &lines)
{
    for (const QFileInfo &file : QDir(folder).entryInfoList({pattern}, QDir::Files, QDir::Name)) {
        if (file.isSymLink() || file.size() > StoredFiles::kMaxBytes) {
            const QString why = ServerImportTexts::tr("%1 left out: not a plain file of at most %2 bytes")
                                    .arg(file.fileName())
                                    .arg(StoredFiles::kMaxBytes);
            if (required)
                return importFailure(why);
            lines << why;
            continue;
        }
        QFile f(file.filePath());
        if (!f.open(QIODevice::ReadOnly))
            return importFailure(ServerImportTexts::tr("%1 cannot be read").arg(file.filePath()));
        const QByteArray bytes = f.readAll();
        const QString name = prefix + file.fileName();
        if (DbStatus s = StoredFiles::write(to, name, bytes); !s.ok())
            return s;
        QByteArray back;
        if (DbStatus s = StoredFiles::read(to, name, back); !s.ok() || back != bytes)
            return s.ok() ? importFailure(ServerImportTexts::tr("%1 did not read back as it was written").arg(name))
                          : s;
        ++count;
    }
    return {};
}

DbStatus copyFolderFiles(const QString &folder, Database &to, QStringList &lines)
{
    int bitmaps = 0, pages = 0;
    if (DbStatus s = copyFiles(folder, QStringLiteral("*.bmp"), QString(), false, to, bitmaps, lines); !s.ok())
        return s;
    lines << ServerImportTexts::tr("Files: %1 signature bitmaps").arg(bitmaps);
    const QString issued = folder + QStringLiteral("Issued/");
    if (DbStatus s = copyFiles(issued, QStringLiteral("*.pdf"), QStringLiteral("Issued/"), true, to, pages, lines);
        !s.ok())
        return s;
    if (pages > 0)
        lines << ServerImportTexts::tr("Files: %1 issued pages").arg(pages);
    return {};
}

// Passwords that an earlier version kept in clear, replaced in the working
// copy by their hashes before anything is read from it (the copy's engine
// overwrites what it replaces), so that none reaches the server.
DbStatus hashPlainPasswords(Database &reference, QStringList &lines)
{
    QSqlQuery q;
    QList<std::pair<qint64, QString>> plain;
    DbStatus s = reference.run(q, QStringLiteral("SELECT rowid, \"Password\" FROM \"Agents\""));
    while (s.ok() && q.next())
        if (!q.value(1).isNull() && !Passwords::isHash(q.value(1).toString()))
            plain.append({q.value(0).toLongLong(), q.value(1).toString()});
    if (!s.ok())
        return s;
    for (const auto &[row, password] : plain) {
        const QString hash = Passwords::hash(password);
        if (hash.isEmpty())
            return importFailure(ServerImportTexts::tr("a password could not be hashed"));
        if (s = reference.exec(QStringLiteral("UPDATE \"Agents\" SET \"Password\" = ? WHERE rowid = ?"), {hash, row});
            !s.ok())
            return s;
    }
    if (!plain.isEmpty())
        lines << ServerImportTexts::tr("Agents: %1 passwords kept in clear go in as their hashes").arg(plain.size());
    return {};
}

const QString kWorkPrefix = QStringLiteral("arc8130-import-");

// The working folders of imports that were killed: removed. One whose
// lock is held belongs to an import still running.
void removeLeftWork()
{
    const QFileInfoList left = QDir(QDir::tempPath()).entryInfoList({kWorkPrefix + QLatin1Char('*')},
                                                                    QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QFileInfo &dir : left) {
        if (dir.isSymLink() || dir.ownerId() != ::getuid())
            continue;
        QLockFile lock(dir.filePath() + QStringLiteral("/lock"));
        if (!lock.tryLock(0))
            continue;
        lock.unlock();
        QDir(dir.filePath()).removeRecursively();
    }
}

} // namespace

ConversionReport ServerImport::run(const QString &folderPath, const QString &serverUri, const Progress &progress)
{
    ConversionReport report;
    const QString folder = ProgramFolder::withSlash(folderPath);
    const QString target = ServerUri::withoutPassword(serverUri);
    const auto fail = [&](const DbStatus &s) {
        report.outcome = ConversionReport::Outcome::Failed;
        report.status = s;
        report.lines
            << ServerImportTexts::tr("Nothing in %1 or in %2 has been changed: %3").arg(folder, target, s.detail());
        return report;
    };

    if (LegacyConverter::wasCutShort(folder))
        return fail(
            importFailure(ServerImportTexts::tr("a conversion of the folder was cut short; finish it first with "
                                                "arc8130-import %1")
                              .arg(folder)));

    // A working copy, so that neither a conversion nor an upgrade touches
    // the folder. It lives in a private folder that goes when the import
    // ends, or at the next import when this one is killed.
    removeLeftWork();
    QTemporaryDir work(QDir::tempPath() + QLatin1Char('/') + kWorkPrefix + QStringLiteral("XXXXXX"));
    if (!work.isValid())
        return fail(importFailure(ServerImportTexts::tr("no temporary folder: %1").arg(work.errorString())));
    QLockFile busy(work.path() + QStringLiteral("/lock"));
    if (!busy.lock())
        return fail(importFailure(ServerImportTexts::tr("%1 cannot be locked").arg(work.path())));
    const QString copy = work.path() + QStringLiteral("/data/");
    if (!QDir().mkpath(copy))
        return fail(importFailure(ServerImportTexts::tr("%1 cannot be made").arg(copy)));
    for (StoreKind kind : {StoreKind::Certificates, StoreKind::Reference}) {
        const QString name = Schema::fileName(kind);
        if (!QFile::exists(folder + name))
            return fail(DbStatus::failure(DbCondition::FileNotFound,
                                          ServerImportTexts::tr("%1 is not there").arg(folder + name)));
    }
    // Access files are read where they are: a copy of one would hold its
    // passwords in clear.
    if (LegacyConverter::holdsAccessFiles(folder)) {
        const ConversionReport converted = LegacyConverter::convertInto(folder, copy, progress);
        if (converted.outcome == ConversionReport::Outcome::Failed)
            return fail(converted.status);
        report.lines << converted.lines;
    }
    for (StoreKind kind : {StoreKind::Certificates, StoreKind::Reference}) {
        const QString name = Schema::fileName(kind);
        if (!QFile::exists(copy + name) && !QFile::copy(folder + name, copy + name))
            return fail(importFailure(ServerImportTexts::tr("%1 cannot be copied").arg(folder + name)));
    }
    DataFolder source, server;
    if (DbStatus s = source.open(copy); !s.ok())
        return fail(s);
    if (DbStatus s = hashPlainPasswords(source.reference(), report.lines); !s.ok())
        return fail(s);
    if (DbStatus s = server.open(serverUri); !s.ok())
        return fail(s);

    // One transaction per store; the certificates are committed last, so a
    // failure there leaves reference rows that a second run refuses: both
    // are checked for emptiness before either is written.
    for (Database *db : {&server.reference(), &server.certificates()})
        for (const TableDef &table : Schema::tables(db->kind())) {
            bool holds = false;
            if (DbStatus s = holdsData(*db, table, holds); !s.ok())
                return fail(s);
            if (holds)
                return fail(
                    importFailure(ServerImportTexts::tr("the server database already holds %1 rows; it must be empty")
                                      .arg(table.name)));
        }
    QStringList lines;
    WriteTransaction referenceTx(server.reference());
    WriteTransaction certificatesTx(server.certificates());
    if (!referenceTx.ok() || !certificatesTx.ok())
        return fail(referenceTx.ok() ? certificatesTx.status() : referenceTx.status());
    if (DbStatus s = copyStore(source.reference(), server.reference(), lines, progress); !s.ok())
        return fail(s);
    if (DbStatus s = copyFolderFiles(folder, server.reference(), lines); !s.ok())
        return fail(s);
    if (DbStatus s = copyStore(source.certificates(), server.certificates(), lines, progress); !s.ok())
        return fail(s);
    // The search copies are made here, where the user waits anyway, not
    // at the first search; in the same transaction as the rows they copy.
    progress(ServerImportTexts::tr("Preparing the search copies"), 0, 0);
    for (Database *db : {&server.reference(), &server.certificates()})
        if (DbStatus s = FoldedCopies::bringUpToDate(*db); !s.ok())
            return fail(s);
    if (DbStatus s = referenceTx.commit(); !s.ok())
        return fail(s);
    if (DbStatus s = certificatesTx.commit(); !s.ok()) {
        report.outcome = ConversionReport::Outcome::Failed;
        report.status = s;
        report.lines << ServerImportTexts::tr(
                            "The reference data reached %1 but the certificates did not: %2. Empty the "
                            "server database and run the import again.")
                            .arg(target, s.detail());
        return report;
    }
    // Committed: a failure to settle the copies costs speed, not rows.
    for (Database *db : {&server.reference(), &server.certificates()})
        if (DbStatus s = FoldedCopies::settle(*db); !s.ok())
            lines << ServerImportTexts::tr("The search copies were not settled: %1").arg(s.detail());
    report.outcome = ConversionReport::Outcome::Converted;
    report.lines << ServerImportTexts::tr("Moved %1 into %2; the folder is unchanged.").arg(folder, target) << lines;
    return report;
}

} // namespace arc
