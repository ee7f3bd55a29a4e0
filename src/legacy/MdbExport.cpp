#include "MdbExport.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>
#include <cstring>

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

// Runs an mdbtools program to its end; its output, or nullopt with why.
std::optional<QByteArray> run(const QString &program, const QStringList &args, QString *error,
                              const std::function<bool()> &goOn = {})
{
    QProcess p;
    p.start(programFolder().isEmpty() ? program : located(program), args);
    if (!p.waitForStarted(30000)) {
        if (error)
            *error = MdbExportTexts::tr("%1 cannot be started (is mdbtools installed?)").arg(program);
        return std::nullopt;
    }
    p.closeWriteChannel();
    QByteArray out;
    while (p.state() != QProcess::NotRunning) {
        p.waitForReadyRead(100);
        out += p.readAllStandardOutput();
        if (goOn && !goOn()) {
            p.kill();
            p.waitForFinished();
            if (error)
                *error = MdbExportTexts::tr("%1 was stopped").arg(program);
            return std::nullopt;
        }
    }
    out += p.readAllStandardOutput();
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        if (error)
            *error = QString::fromLocal8Bit(p.readAllStandardError()).trimmed();
        if (error && error->isEmpty())
            *error = MdbExportTexts::tr("%1 failed").arg(program);
        return std::nullopt;
    }
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
    const auto out = run(QStringLiteral("mdb-tables"), {QStringLiteral("-1"), file}, error);
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
    // Four-digit years: the default date format writes two.
    const auto out = run(QStringLiteral("mdb-export"),
                         {QStringLiteral("-D"), QStringLiteral("%Y-%m-%d"), QStringLiteral("-T"),
                          QStringLiteral("%Y-%m-%d"), file, table},
                         error, goOn);
    if (!out)
        return std::nullopt;
    auto parsed = parse(*out);
    if (!parsed && error)
        *error = MdbExportTexts::tr("the table %1 could not be read whole").arg(table);
    return parsed;
}

std::optional<qint64> rowCount(const QString &file, const QString &table, QString *error)
{
    const auto out = run(QStringLiteral("mdb-count"), {file, table}, error);
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
    // Read byte by byte: the characters that matter are ASCII, which never
    // occur inside a longer UTF-8 sequence, so each field is decoded whole.
    MdbTable t;
    QByteArray field;
    bool quoted = false, inQuotes = false, header = true;
    qsizetype fields = 0; // of the record read
    const auto endField = [&] {
        if (header)
            t.columns << QString::fromUtf8(field);
        else
            t.append(field, !quoted && field.isEmpty());
        ++fields;
        field.resize(0);
        quoted = false;
    };
    const auto endRecord = [&] {
        endField();
        const bool whole = header || fields == t.columns.size();
        header = false;
        fields = 0;
        return whole;
    };
    const char *p = csv.constData();
    const char *const end = p + csv.size();
    while (p < end) {
        if (inQuotes) {
            const auto *quote = static_cast<const char *>(std::memchr(p, '"', static_cast<size_t>(end - p)));
            if (!quote)
                return std::nullopt; // a quote never closed
            field.append(p, quote - p);
            if (quote + 1 < end && quote[1] == '"') {
                field += '"';
                p = quote + 2;
            } else {
                inQuotes = false;
                p = quote + 1;
            }
            continue;
        }
        switch (const char c = *p++) {
        case '"':
            inQuotes = quoted = true;
            break;
        case ',':
            endField();
            break;
        case '\n':
            if (!endRecord())
                return std::nullopt;
            break;
        case '\r':
            break;
        default:
            field += c;
        }
    }
    if (inQuotes)
        return std::nullopt;
    if (!field.isEmpty() || quoted || fields > 0)
        if (!endRecord())
            return std::nullopt;
    if (header)
        return std::nullopt; // not even a header: nothing was read
    return t;
}

} // namespace arc::MdbExport
