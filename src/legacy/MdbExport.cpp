#include "MdbExport.h"

#include "MdbCsvParser.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>

namespace arc::MdbExport {

namespace {

struct MdbExportTexts {
    Q_DECLARE_TR_FUNCTIONS(arc::MdbExport)
};

QString &programFolder()
{
    static QString folder;
    return folder;
}

QString located(const QString &program)
{
    return programFolder().isEmpty() ? QStandardPaths::findExecutable(program)
                                     : QStandardPaths::findExecutable(program, {programFolder()});
}

// Runs an mdbtools program to its end, its output handed to `take` as it
// comes; false with why when it could not run or failed. `take` answering
// false reads the rest unheard.
bool run(const QString &program, const QStringList &args, QString *error, const std::function<bool(QByteArrayView)> &take,
         const std::function<bool()> &goOn = {})
{
    QProcess p;
    p.start(programFolder().isEmpty() ? program : located(program), args);
    if (!p.waitForStarted(30000)) {
        if (error)
            *error = MdbExportTexts::tr("%1 cannot be started (is mdbtools installed?)").arg(program);
        return false;
    }
    p.closeWriteChannel();
    bool listening = true;
    const auto hand = [&] {
        const QByteArray piece = p.readAllStandardOutput();
        if (listening && !piece.isEmpty())
            listening = take(piece);
    };
    while (p.state() != QProcess::NotRunning) {
        p.waitForReadyRead(100);
        hand();
        if (goOn && !goOn()) {
            p.kill();
            p.waitForFinished();
            if (error)
                *error = MdbExportTexts::tr("%1 was stopped").arg(program);
            return false;
        }
    }
    hand();
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        if (error)
            *error = QString::fromLocal8Bit(p.readAllStandardError()).trimmed();
        if (error && error->isEmpty())
            *error = MdbExportTexts::tr("%1 failed").arg(program);
        return false;
    }
    return true;
}

// The same, its whole output kept.
std::optional<QByteArray> output(const QString &program, const QStringList &args, QString *error)
{
    QByteArray out;
    if (!run(program, args, error, [&](QByteArrayView piece) {
            out += piece;
            return true;
        }))
        return std::nullopt;
    return out;
}

} // namespace

void setProgramFolder(const QString &folder) { programFolder() = folder; }

bool available()
{
    for (const char *program : {"mdb-export", "mdb-tables", "mdb-count"})
        if (located(QString::fromLatin1(program)).isEmpty())
            return false;
    return true;
}

std::optional<QStringList> tables(const QString &file, QString *error)
{
    const auto out = output(QStringLiteral("mdb-tables"), {QStringLiteral("-1"), file}, error);
    if (!out)
        return std::nullopt;
    QStringList names;
    for (const QByteArray &line : out->split('\n'))
        if (!line.trimmed().isEmpty())
            names << QString::fromUtf8(line.trimmed());
    return names;
}

std::optional<MdbTable> read(const QString &file, const QString &table, QString *error, const std::function<bool()> &goOn)
{
    // Four-digit years: the default date format writes two. Parsed as it
    // comes: the text of a large table is not kept beside its rows.
    MdbCsvParser parser;
    if (!run(QStringLiteral("mdb-export"),
             {QStringLiteral("-D"), QStringLiteral("%Y-%m-%d"), QStringLiteral("-T"), QStringLiteral("%Y-%m-%d"), file, table},
             error, [&](QByteArrayView piece) { return parser.feed(piece); }, goOn))
        return std::nullopt;
    auto parsed = parser.finish();
    if (!parsed && error)
        *error = MdbExportTexts::tr("the table %1 could not be read whole").arg(table);
    return parsed;
}

std::optional<qint64> rowCount(const QString &file, const QString &table, QString *error)
{
    const auto out = output(QStringLiteral("mdb-count"), {file, table}, error);
    if (!out)
        return std::nullopt;
    bool ok = false;
    const qint64 count = out->trimmed().toLongLong(&ok);
    if (!ok || count < 0) {
        if (error)
            *error = MdbExportTexts::tr("mdb-count gave no row count for the table %1").arg(table);
        return std::nullopt;
    }
    return count;
}

std::optional<MdbTable> parse(const QByteArray &csv)
{
    MdbCsvParser parser;
    return parser.feed(csv) ? parser.finish() : std::nullopt;
}

} // namespace arc::MdbExport
