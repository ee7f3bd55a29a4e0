// Converting folders of the earlier Access-based program, and moving the
// large folder into a server with arc8130-import's own code.

#include "BenchFolder.h"
#include "BenchServer.h"
#include "DataFolder.h"
#include "LegacyConverter.h"
#include "MdbExport.h"
#include "Resident.h"
#include "ServerImport.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <memory>

namespace {

using arc::bench::BenchFolder;
using arc::bench::BenchServer;

// The shared 300-certificate folder, from reading with mdbtools to the
// checked files in place.
void ConvertAccessFolder(benchmark::State &state)
{
    const QString fixture = QStringLiteral(LEGACY_FIXTURE);
    if (!arc::MdbExport::available()) {
        state.SkipWithError("mdbtools is not installed");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        const QString folder = dir.path() + QLatin1Char('/');
        for (const char *name : {"VELLORAN.MDB", "VELLORANA.MDB"}) {
            QFile::copy(fixture + name, folder + name);
            QFile::setPermissions(folder + name, QFile::ReadOwner | QFile::WriteOwner);
        }
        state.ResumeTiming();
        const arc::ConversionReport report = arc::LegacyConverter::convert(folder);
        if (report.outcome != arc::ConversionReport::Outcome::Converted)
            state.SkipWithError("the conversion failed");
    }
}
BENCHMARK(ConvertAccessFolder)->Unit(benchmark::kMillisecond)->Iterations(5);

// No Access file of 100 000 certificates can be made here, so stand-ins
// for the mdbtools programs print what mdb-export would print for the
// large folder's tables: the conversion is measured from that text on.
class LargeExport {
public:
    static const LargeExport &get() { static const LargeExport e; return e; }
    QString programs() const { return m_dir ? m_dir->path() : QString(); }
    const arc::DbStatus &status() const { return m_status; }

private:
    LargeExport()
    {
        const QString &folder = BenchFolder::path(&m_status);
        if (!m_status.ok())
            return;
        m_dir = std::make_unique<QTemporaryDir>();
        const QString out = m_dir->path() + QLatin1Char('/');
        arc::DataFolder data;
        if (!(m_status = data.open(folder)).ok())
            return;
        for (const auto &[kind, db] : {std::pair{arc::StoreKind::Certificates, &data.certificates()},
                                       std::pair{arc::StoreKind::Reference, &data.reference()}}) {
            const QString file = arc::Schema::fileName(kind);
            QStringList names;
            for (const arc::TableDef &table : arc::Schema::tables(kind)) {
                if (arc::Schema::isAddition(table.name))
                    continue;
                names << table.name;
                qint64 rows = 0;
                if (!(m_status = exportTable(*db, table, out + file + QLatin1Char('.') + table.name + ".csv", rows)).ok())
                    return;
                write(out + file + QLatin1Char('.') + table.name + ".count", QByteArray::number(rows) + '\n');
            }
            write(out + file + ".tables", (names.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
        }
        // mdb-tables -1 FILE; mdb-export -D F -T F FILE TABLE; mdb-count FILE TABLE
        script(out + "mdb-tables", "cat \"$(dirname \"$0\")/$(basename \"$2\").tables\"");
        script(out + "mdb-export", "cat \"$(dirname \"$0\")/$(basename \"$5\").$6.csv\"");
        script(out + "mdb-count", "cat \"$(dirname \"$0\")/$(basename \"$1\").$2.count\"");
    }

    static void write(const QString &path, const QByteArray &bytes)
    {
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
    }
    static void script(const QString &path, const char *line)
    {
        write(path, QByteArray("#!/bin/sh\n") + line + '\n');
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    // As mdb-export writes it: a header, texts quoted with their quotes
    // doubled, numbers bare, nulls empty.
    static arc::DbStatus exportTable(arc::Database &db, const arc::TableDef &table, const QString &path, qint64 &rows)
    {
        QStringList columns, quotedColumns;
        for (const arc::FieldDef &f : table.fields) {
            columns << f.name;
            quotedColumns << QLatin1Char('"') + f.name + QLatin1Char('"');
        }
        QByteArray csv = columns.join(QLatin1Char(',')).toUtf8() + '\n';
        QSqlQuery q;
        q.setForwardOnly(true);
        const arc::DbStatus s =
            db.run(q, QStringLiteral("SELECT %1 FROM \"%2\" ORDER BY rowid").arg(quotedColumns.join(", "), table.name));
        rows = 0;
        while (s.ok() && q.next()) {
            for (int i = 0; i < static_cast<int>(table.fields.size()); ++i) {
                if (i > 0)
                    csv += ',';
                const QVariant v = q.value(i);
                const arc::FieldType type = table.fields[static_cast<size_t>(i)].type;
                if (v.isNull())
                    continue;
                if (type == arc::FieldType::Text || type == arc::FieldType::Date)
                    csv += '"' + v.toString().toUtf8().replace('"', "\"\"") + '"';
                else
                    csv += v.toString().toUtf8();
            }
            csv += '\n';
            ++rows;
        }
        write(path, csv);
        return s;
    }

    arc::DbStatus m_status;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void ConvertAccessExportOf100000Certificates(benchmark::State &state)
{
    const LargeExport &e = LargeExport::get();
    if (!e.status().ok()) {
        state.SkipWithError(e.status().detail().toUtf8().constData());
        return;
    }
    arc::MdbExport::setProgramFolder(e.programs());
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        const QString folder = dir.path() + QLatin1Char('/');
        // Only the first bytes tell an Access file; the stand-ins read none.
        for (const char *name : {"VELLORAN.MDB", "VELLORANA.MDB"}) {
            QFile f(folder + name);
            if (f.open(QIODevice::WriteOnly))
                f.write(QByteArray(4, '\0') + "Standard Jet DB" + QByteArray(13, '\0'));
        }
        arc::bench::forgetPeak();
        const double before = arc::bench::residentMegabytes();
        state.ResumeTiming();
        const arc::ConversionReport report = arc::LegacyConverter::convert(folder);
        if (report.outcome != arc::ConversionReport::Outcome::Converted)
            state.SkipWithError(report.lines.join(QLatin1Char(' ')).toUtf8().constData());
        // What the conversion itself held beyond what the process held before.
        state.counters["peak_added_mb"] = arc::bench::peakMegabytes() - before;
    }
    arc::MdbExport::setProgramFolder({});
}
BENCHMARK(ConvertAccessExportOf100000Certificates)->Unit(benchmark::kMillisecond)->Iterations(1);

// arc8130-import FOLDER URI of the large folder into an empty schema.
void ImportFolderOf100000CertificatesIntoServer(benchmark::State &state)
{
    arc::DbStatus s;
    const QString &folder = BenchFolder::path(&s);
    for (auto _ : state) {
        state.PauseTiming();
        const QString uri = s.ok() ? BenchServer::freshSchema(QStringLiteral("arc_bench_import"), &s) : QString();
        if (!s.ok()) {
            state.SkipWithError(s.detail().toUtf8().constData());
            return;
        }
        state.ResumeTiming();
        const arc::ConversionReport report = arc::ServerImport::run(folder, uri);
        if (report.outcome != arc::ConversionReport::Outcome::Converted)
            state.SkipWithError(report.lines.join(QLatin1Char(' ')).toUtf8().constData());
    }
}
BENCHMARK(ImportFolderOf100000CertificatesIntoServer)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
