#include "LegacyConverter.h"

#include "DataFolder.h"
#include "Database.h"
#include "FileSwap.h"
#include "FoldedCopies.h"
#include "MdbExport.h"
#include "NulCharacters.h"
#include "Passwords.h"
#include "ProgramFolder.h"
#include "Schema.h"
#include "SqlDialectErrors.h"
#include "SqlDialectTables.h"
#include "WriteTransaction.h"

#include <QCoreApplication>
#include <algorithm>

#include <QDate>
#include <QSqlError>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSqlQuery>

#include <fcntl.h>
#include <unistd.h>

namespace arc {

namespace {

struct LegacyConverterTexts {
    Q_DECLARE_TR_FUNCTIONS(arc::LegacyConverter)
};

const StoreKind kDataFiles[] = {StoreKind::Certificates, StoreKind::Reference};

DbStatus failure(const QString &why) { return DbStatus::failure(DbCondition::Other, why); }

DbStatus stopped(const QString &step)
{
    return DbStatus::failure(DbCondition::Cancelled, LegacyConverterTexts::tr("stopped at %1").arg(step));
}

// How many rows between two reports of progress.
constexpr qsizetype kProgressRows = 5000;

// One data file read, ready to be written.
struct ReadFile {
    StoreKind kind;
    QString source, building;
    QList<std::pair<TableDef, MdbTable>> tables;
};

QVariant storedValue(const FieldDef &f, const QVariant &v, const QString &table)
{
    if (v.isNull())
        return v;
    const QString text = v.toString();
    switch (f.type) {
    case FieldType::Counter:
    case FieldType::Long:
        return text.toLongLong();
    case FieldType::Number:
        return text.toDouble();
    case FieldType::Blob:
        return v;
    case FieldType::YesNo:
        return text == QLatin1String("1") || text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0
                       || text == QLatin1String("-1")
                   ? 1
                   : 0;
    case FieldType::Date: {
        const QDate d = QDate::fromString(text.left(10), Qt::ISODate);
        return d.isValid() ? QVariant(d.toString(Qt::ISODate)) : QVariant(text);
    }
    case FieldType::Text:
        // Signatories' passwords are kept only as their hashes.
        if (table == QLatin1String("Agents") && f.name == QLatin1String("Password"))
            return Passwords::hash(text);
        return text;
    }
    return v;
}

DbStatus readFile(ReadFile &file, QStringList &lines, const Progress &progress)
{
    QString error;
    const auto names = MdbExport::tables(file.source, &error);
    if (!names)
        return failure(LegacyConverterTexts::tr("%1 cannot be read: %2").arg(QFileInfo(file.source).fileName(), error));
    const QString fileName = QFileInfo(file.source).fileName();
    for (const QString &name : *names)
        if (!Schema::table(name) || std::none_of(Schema::tables(file.kind).begin(), Schema::tables(file.kind).end(),
                                                 [&](const TableDef &t) { return t.name == name; }))
            lines << LegacyConverterTexts::tr("%1: table %2 is not one this program keeps; it was not brought over")
                         .arg(fileName, name);
    for (const TableDef &def : Schema::tables(file.kind)) {
        if (Schema::isAddition(def.name))
            continue; // the earlier program never had it
        // A table lost from a damaged catalogue would otherwise come over
        // empty, as if the shop had never filled it.
        if (!names->contains(def.name))
            return failure(LegacyConverterTexts::tr("%1 has no table %2").arg(fileName, def.name));
        const QString step = LegacyConverterTexts::tr("Reading %1 from %2").arg(def.name, fileName);
        if (!progress(step, 0, 0))
            return stopped(step);
        // A large table takes mdb-export a while: the window stays painted.
        bool going = true;
        auto table = MdbExport::read(file.source, def.name, &error, [&] { return going = progress(step, 0, 0); });
        if (!going)
            return stopped(step);
        if (!table)
            return failure(LegacyConverterTexts::tr("%1, table %2: %3").arg(fileName, def.name, error));
        const auto recorded = MdbExport::rowCount(file.source, def.name, &error);
        if (!recorded)
            return failure(LegacyConverterTexts::tr("%1, table %2: %3").arg(fileName, def.name, error));
        if (*recorded != table->rowCount())
            return failure(LegacyConverterTexts::tr(
                               "%1, table %2: %3 rows could be read of the %4 the file records; it is damaged")
                               .arg(fileName, def.name)
                               .arg(table->rowCount())
                               .arg(*recorded));
        for (int c = 0; c < table->columns.size(); ++c) {
            const FieldDef *f = def.field(table->columns[c]);
            if (f && f->type == FieldType::Text)
                if (const int removed = table->removeNuls(c))
                    lines << NulCharacters::reported(
                        LegacyConverterTexts::tr("%1: field %2.%3").arg(fileName, def.name, f->name), removed);
        }
        for (const QString &column : table->columns)
            if (!def.field(column))
                lines << LegacyConverterTexts::tr(
                             "%1: field %2.%3 is not one this program keeps; it was not brought over")
                             .arg(fileName, def.name, column);
        file.tables.append({def, std::move(*table)});
    }
    return {};
}

// Texts longer than their field allows are never cut: the field is made
// wide enough in the new file.
TableDef widened(const TableDef &def, const MdbTable &table, const QString &fileName, QStringList &lines,
                  bool &changed)
{
    TableDef wide = def;
    changed = false;
    for (FieldDef &f : wide.fields) {
        const int column = table.columns.indexOf(f.name);
        if (f.type != FieldType::Text || column < 0)
            continue;
        int longest = 0;
        for (qsizetype r = 0; r < table.rowCount(); ++r)
            longest = std::max(longest, int(table.value(r, column).toString().size()));
        if (longest > f.maxLength && !(def.name == QLatin1String("Agents") && f.name == QLatin1String("Password"))) {
            lines << LegacyConverterTexts::tr(
                         "%1: field %2.%3 widened from %4 to %5 characters to keep its longest text whole")
                         .arg(fileName, def.name, f.name)
                         .arg(f.maxLength)
                         .arg(longest);
            f.maxLength = longest;
            changed = true;
        }
    }
    return wide;
}

struct SchemaObject {
    QString type, name, sql, table;
};

// Row by row, each insert would update every index of its table and run
// the search copies' triggers: a new file is filled without them, and has
// them made once, over all its rows. The triggers are made again with the
// copies by FoldedCopies::ensure, the indexes it leaves to others from the
// statements that made them here.
DbStatus readIndexesAndTriggers(Database &db, QList<SchemaObject> &objects)
{
    QSqlQuery q;
    const DbStatus s = db.run(q, SqlDialect::indexesAndTriggersQuery());
    while (s.ok() && q.next())
        objects.append({q.value(0).toString(), q.value(1).toString(), q.value(2).toString(), q.value(3).toString()});
    return s;
}

DbStatus dropIndexesAndTriggers(Database &db, QList<SchemaObject> &dropped)
{
    if (DbStatus s = readIndexesAndTriggers(db, dropped); !s.ok())
        return s;
    for (const SchemaObject &o : dropped)
        if (DbStatus s = db.exec(SqlDialect::dropStatement(o.type, o.name)); !s.ok())
            return s;
    return {};
}

DbStatus remakeIndexesAndTriggers(Database &db, const QList<SchemaObject> &dropped, const Progress &progress)
{
    // The stored tables' own indexes first: the copies' making looks each
    // certificate's first line up in them (without, it would read every
    // line for each certificate).
    QList<SchemaObject> left;
    for (const SchemaObject &o : dropped) {
        if (o.type != QLatin1String("index") || !Schema::table(o.table)) {
            left << o;
            continue;
        }
        if (DbStatus s = db.exec(o.sql); !s.ok())
            return s;
    }
    if (DbStatus s = FoldedCopies::ensure(db, progress); !s.ok())
        return s;
    // What the copies' making made again stays as it made it.
    QList<SchemaObject> made;
    if (DbStatus s = readIndexesAndTriggers(db, made); !s.ok())
        return s;
    QSet<QString> madeNames;
    for (const SchemaObject &o : made)
        madeNames.insert(o.type + QLatin1Char('/') + o.name);
    for (const SchemaObject &o : left)
        if (!madeNames.contains(o.type + QLatin1Char('/') + o.name))
            if (DbStatus s = db.exec(o.sql); !s.ok())
                return s;
    return {};
}

DbStatus writeFile(const ReadFile &file, QStringList &lines, const Progress &progress)
{
    FileSwap::discard(file.building);
    Database db;
    DbStatus s = db.open(file.building, file.kind, Database::Mode::CreateIfMissing);
    if (!s.ok())
        return s;
    for (const QString &sql : SqlDialect::bulkWriteStatements(Engine::SQLite))
        if (s = db.exec(sql); !s.ok())
            return s;
    WriteTransaction tx(db);
    if (!tx.ok())
        return tx.status();
    const QString fileName = QFileInfo(file.source).fileName();
    for (const auto &[def, table] : file.tables) {
        bool changed = false;
        const TableDef wide = widened(def, table, fileName, lines, changed);
        if (changed) {
            QStringList columns;
            for (const FieldDef &f : def.fields)
                columns << f.name;
            for (const QString &sql : SqlDialect::rebuildTableStatements(wide, columns, Engine::SQLite))
                if (s = db.exec(sql); !s.ok())
                    return s;
        }
    }
    QList<SchemaObject> dropped;
    if (s = dropIndexesAndTriggers(db, dropped); !s.ok())
        return s;
    for (const auto &[def, table] : file.tables) {
        QStringList columns, marks;
        QList<const FieldDef *> fields;
        QList<int> sourceColumns;
        for (int c = 0; c < table.columns.size(); ++c) {
            if (const FieldDef *f = def.field(table.columns[c])) {
                columns << SqlDialect::quoted(f->name);
                marks << QStringLiteral("?");
                fields << f;
                sourceColumns << c;
            }
        }
        QSqlQuery insert(db.connection());
        if (!insert.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                .arg(SqlDialect::quoted(def.name), columns.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")))))
            return SqlDialect::status(insert.lastError());
        const QString step = LegacyConverterTexts::tr("Writing %1 into %2").arg(def.name, fileName);
        const qint64 total = table.rowCount();
        for (qint64 r = 0; r < total; ++r) {
            for (int i = 0; i < fields.size(); ++i)
                insert.bindValue(i, storedValue(*fields[i], table.value(r, sourceColumns[i]), def.name));
            if (!insert.exec())
                return SqlDialect::status(insert.lastError());
            if ((r + 1) % kProgressRows == 0 && !progress(step, r + 1, total))
                return stopped(step);
        }
        lines << LegacyConverterTexts::tr("%1: %2 rows in %3").arg(fileName).arg(total).arg(def.name);
        if (!progress(lines.last(), total, total))
            return stopped(step);
    }
    // The search copies are made here, where the user waits anyway, not
    // at the first search.
    const QString folding = LegacyConverterTexts::tr("Preparing the search copies in %1").arg(fileName);
    if (!progress(folding, 0, 0))
        return stopped(folding);
    // Told under this step's name, so the dialog keeps saying which file.
    const Progress remaking([&](const QString &, qint64 done, qint64 total) { return progress(folding, done, total); });
    if (s = remakeIndexesAndTriggers(db, dropped, remaking); !s.ok())
        return s;
    if (s = tx.commit(); !s.ok())
        return s;

    // Checked before anything is moved: sound, and every row there.
    if (db.scalar(QStringLiteral("PRAGMA integrity_check")).toString() != QLatin1String("ok"))
        return failure(LegacyConverterTexts::tr("the new %1 did not pass its integrity check").arg(fileName));
    for (const auto &[def, table] : file.tables) {
        const int count = db.scalar(QStringLiteral("SELECT count(*) FROM ") + SqlDialect::quoted(def.name)).toInt();
        if (count != table.rowCount())
            return failure(LegacyConverterTexts::tr("the new %1 holds %2 rows in %3 instead of %4")
                               .arg(fileName)
                               .arg(count)
                               .arg(def.name)
                               .arg(table.rowCount()));
    }
    return {};
}

// Makes a rename or removal in `folder` durable.
void syncFolder(const QString &folder)
{
    if (const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY); fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// The names of the files being swapped, written whole or not at all.
DbStatus writeRecord(const QString &folder, const QStringList &names)
{
    const QString record = folder + DataFolder::kConversionRecord;
    const QString building = FileSwap::temporaryName(record);
    QFile f(building);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || f.write((names.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8()) < 0 || !f.flush()
        || ::fsync(f.handle()) != 0) {
        f.remove();
        return failure(LegacyConverterTexts::tr("%1 cannot be written").arg(record));
    }
    f.close();
    return FileSwap::moveIntoPlace(building, record);
}

std::optional<QStringList> readRecord(const QString &folder)
{
    QFile f(folder + DataFolder::kConversionRecord);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    QStringList names;
    for (const QString &name : QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (std::none_of(std::begin(kDataFiles), std::end(kDataFiles),
                         [&](StoreKind kind) { return Schema::fileName(kind) == name; }))
            return std::nullopt; // not a record this program wrote
        names << name;
    }
    return names;
}

// Moves each original aside and its converted file into its name, file by
// file, skipping what an earlier run cut short already did; then the
// record goes.
DbStatus swapFiles(const QString &folder, const QStringList &names, const Progress &progress)
{
    const QString originals = folder + LegacyConverter::kOriginals + QLatin1Char('/');
    if (!QDir().mkpath(originals))
        return failure(LegacyConverterTexts::tr("%1 cannot be made").arg(originals));
    for (const QString &name : names) {
        const QString source = folder + name, building = FileSwap::temporaryName(source), kept = originals + name;
        if (!QFileInfo::exists(building)) {
            if (QFileInfo::exists(source) && !LegacyConverter::isAccessFile(source))
                continue; // this one is in place already
            return failure(LegacyConverterTexts::tr("the converted %1 is missing").arg(name));
        }
        if (LegacyConverter::isAccessFile(source)) {
            if (QFileInfo::exists(kept))
                return failure(LegacyConverterTexts::tr("%1 already holds a %2").arg(originals, name));
            if (DbStatus s = FileSwap::moveIntoPlace(source, kept); !s.ok())
                return failure(LegacyConverterTexts::tr("%1 could not be moved into %2").arg(source, originals));
            // Past the point of no return: a stop asked for now is not heeded.
            (void)progress(LegacyConverterTexts::tr("%1 moved into %2").arg(name, LegacyConverter::kOriginals), 0, 0);
        } else if (QFileInfo::exists(source)) {
            return failure(LegacyConverterTexts::tr("%1 is in the way of the converted file").arg(source));
        }
        if (DbStatus s = FileSwap::moveIntoPlace(building, source); !s.ok())
            return s;
        (void)progress(LegacyConverterTexts::tr("%1 converted").arg(name), 0, 0);
    }
    if (!QFile::remove(folder + DataFolder::kConversionRecord))
        return failure(LegacyConverterTexts::tr("%1 cannot be removed").arg(folder + DataFolder::kConversionRecord));
    syncFolder(folder);
    return {};
}

// After a swap that failed half-way: each original back in its name, the
// converted files gone, as if the conversion had never begun.
void unswapFiles(const QString &folder, const QStringList &names)
{
    const QString originals = folder + LegacyConverter::kOriginals + QLatin1Char('/');
    for (const QString &name : names) {
        const QString source = folder + name, building = FileSwap::temporaryName(source);
        if (!QFileInfo::exists(originals + name))
            continue;
        if (QFileInfo::exists(source) && !LegacyConverter::isAccessFile(source)) {
            FileSwap::discard(building);
            if (!QFile::rename(source, building))
                return;
        }
        if (!QFile::rename(originals + name, source))
            return;
    }
    for (const QString &name : names)
        FileSwap::discard(FileSwap::temporaryName(folder + name));
    QFile::remove(folder + DataFolder::kConversionRecord);
    QDir().rmdir(originals);
    syncFolder(folder);
}

} // namespace

bool LegacyConverter::isAccessFile(const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = f.read(32);
    return head.mid(4, 15) == "Standard Jet DB" || head.mid(4, 15) == "Standard ACE DB";
}

bool LegacyConverter::holdsAccessFiles(const QString &folder)
{
    for (StoreKind kind : kDataFiles)
        if (isAccessFile(folder + Schema::fileName(kind)))
            return true;
    return false;
}

ConversionReport LegacyConverter::convertInto(const QString &folderPath, const QString &intoPath, const Progress &progress)
{
    ConversionReport report;
    const QString folder = ProgramFolder::withSlash(folderPath), into = ProgramFolder::withSlash(intoPath);
    QList<ReadFile> files;
    for (StoreKind kind : kDataFiles) {
        const QString source = folder + Schema::fileName(kind);
        if (isAccessFile(source))
            files.append({kind, source, into + Schema::fileName(kind), {}});
    }
    const auto fail = [&](const DbStatus &s) {
        for (const ReadFile &f : files)
            FileSwap::discard(f.building);
        report.outcome = ConversionReport::Outcome::Failed;
        report.status = s;
        return report;
    };
    if (!MdbExport::available())
        return fail(failure(
            LegacyConverterTexts::tr("the mdbtools programs (mdb-export, mdb-tables, mdb-count) are not installed")));
    for (ReadFile &f : files) {
        if (DbStatus s = readFile(f, report.lines, progress); !s.ok())
            return fail(s);
        if (DbStatus s = writeFile(f, report.lines, progress); !s.ok())
            return fail(s);
        f.tables.clear();
    }
    report.outcome = files.isEmpty() ? ConversionReport::Outcome::NothingToConvert : ConversionReport::Outcome::Converted;
    return report;
}

bool LegacyConverter::wasCutShort(const QString &folder)
{
    return !DataFolder::isServer(folder) && QFileInfo::exists(ProgramFolder::withSlash(folder) + DataFolder::kConversionRecord);
}

ConversionReport LegacyConverter::finishCutShort(const QString &folderPath, const Progress &progress)
{
    ConversionReport report;
    const QString folder = ProgramFolder::withSlash(folderPath);
    if (!wasCutShort(folder))
        return report;
    const std::optional<QStringList> names = readRecord(folder);
    const DbStatus s =
        names ? swapFiles(folder, *names, progress)
              : failure(LegacyConverterTexts::tr("%1 cannot be read").arg(folder + DataFolder::kConversionRecord));
    if (!s.ok()) {
        report.outcome = ConversionReport::Outcome::Failed;
        report.status = s;
        report.lines << LegacyConverterTexts::tr("The conversion of %1 was cut short and cannot be finished: %2")
                            .arg(folder, s.detail());
        return report;
    }
    report.outcome = ConversionReport::Outcome::Converted;
    report.lines
        << LegacyConverterTexts::tr("The conversion of %1 was cut short; it has now been finished.").arg(folder)
        << LegacyConverterTexts::tr("The Access originals are kept, unchanged, in %1")
               .arg(folder + kOriginals + QLatin1Char('/'));
    return report;
}

ConversionReport LegacyConverter::convert(const QString &folderPath, const Progress &progress)
{
    const QString folder = ProgramFolder::withSlash(folderPath);
    if (wasCutShort(folder))
        return finishCutShort(folder, progress);
    ConversionReport report;
    QList<ReadFile> files;
    for (StoreKind kind : kDataFiles) {
        const QString source = folder + Schema::fileName(kind);
        if (isAccessFile(source))
            files.append({kind, source, FileSwap::temporaryName(source), {}});
    }
    if (files.isEmpty()) {
        report.lines
            << LegacyConverterTexts::tr("%1 holds no data files in the Access format: nothing to convert.").arg(folder);
        return report;
    }
    const auto fail = [&](const DbStatus &s) {
        for (const ReadFile &f : files)
            FileSwap::discard(f.building);
        report.outcome = ConversionReport::Outcome::Failed;
        report.status = s;
        report.lines << LegacyConverterTexts::tr("Nothing in %1 has been changed: %2").arg(folder, s.detail());
        return report;
    };
    if (!MdbExport::available())
        return fail(failure(
            LegacyConverterTexts::tr("the mdbtools programs (mdb-export, mdb-tables, mdb-count) are not installed")));
    const QString originals = folder + kOriginals + QLatin1Char('/');
    for (const ReadFile &f : files)
        if (QFileInfo::exists(originals + QFileInfo(f.source).fileName()))
            return fail(failure(
                LegacyConverterTexts::tr("%1 already holds a %2").arg(originals, QFileInfo(f.source).fileName())));

    for (ReadFile &f : files) {
        if (DbStatus s = readFile(f, report.lines, progress); !s.ok())
            return fail(s);
        if (DbStatus s = writeFile(f, report.lines, progress); !s.ok())
            return fail(s);
        f.tables.clear();
    }

    // Both files are whole. From the record on, a run cut short is finished
    // by the next one; without it, the ".new" files are leftovers to discard.
    QStringList names;
    for (const ReadFile &f : files)
        names << QFileInfo(f.source).fileName();
    if (DbStatus s = writeRecord(folder, names); !s.ok())
        return fail(s);
    (void)progress(LegacyConverterTexts::tr("%1 written").arg(DataFolder::kConversionRecord), 0, 0);
    if (DbStatus s = swapFiles(folder, names, progress); !s.ok()) {
        unswapFiles(folder, names);
        return fail(s);
    }
    report.outcome = ConversionReport::Outcome::Converted;
    report.lines << LegacyConverterTexts::tr("The Access originals are kept, unchanged, in %1").arg(originals);
    return report;
}

} // namespace arc
