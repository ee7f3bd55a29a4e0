#include "IssueVerifier.h"

#include "DataFolder.h"
#include "Database.h"
#include "IssueLog.h"
#include "ServerUri.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace arc {

IssueVerifier::Result IssueVerifier::verify(const QString &pdfPath, const QString &dataFolder)
{
    Result r;
    QFile file(pdfPath);
    if (!file.open(QIODevice::ReadOnly)) {
        r.outcome = Result::Outcome::Unreadable;
        r.detail = QStringLiteral("%1 cannot be read: %2").arg(pdfPath, file.errorString());
        return r;
    }
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file)) {
        r.outcome = Result::Outcome::Unreadable;
        r.detail = QStringLiteral("%1 cannot be read: %2").arg(pdfPath, file.errorString());
        return r;
    }
    Database db;
    const bool server = DataFolder::isServer(dataFolder);
    const DbStatus opened = server ? db.openServer(dataFolder, StoreKind::Certificates)
                                   : db.open(dataFolder + Schema::fileName(StoreKind::Certificates),
                                             StoreKind::Certificates, Database::Mode::ReadOnly);
    // A server is named without its password.
    const QString source = ServerUri::withoutPassword(dataFolder);
    // A file of an earlier version, which the program has not opened since,
    // has issued nothing.
    if (opened.is(DbCondition::ReadOnly))
        return r;
    if (!opened.ok()) {
        r.outcome = Result::Outcome::Unreadable;
        r.detail = QStringLiteral("the data folder %1 cannot be read: %2").arg(source, opened.detail());
        return r;
    }
    DbStatus s;
    const std::optional<IssueRecord> found =
        IssueLog(db).withPdfSha256(QString::fromLatin1(hash.result().toHex()), &s);
    if (!s.ok()) {
        r.outcome = Result::Outcome::Unreadable;
        r.detail = QStringLiteral("the issue log of %1 cannot be read: %2").arg(source, s.detail());
    } else if (found) {
        r.outcome = Result::Outcome::Issued;
        r.record = *found;
    }
    return r;
}

std::optional<QString> IssueVerifier::recordedDataFolder(const ProgramFolders &folders, QString *error)
{
    // As the program reads it: its own folder's file, or the per-user copy
    // that replaced it where the program's folder cannot be written.
    const QString own = QDir(folders.program).filePath(Schema::fileName(StoreKind::Setup));
    const QString copy = QDir(folders.perUser.isEmpty() ? folders.program : folders.perUser)
                             .filePath(Schema::fileName(StoreKind::Setup));
    const QString path = !folders.programWritable && QFileInfo::exists(copy) ? copy : own;
    Database db;
    if (const DbStatus s = db.open(path, StoreKind::Setup, Database::Mode::ReadOnly); !s.ok()) {
        if (error)
            *error = QStringLiteral("%1 cannot be read: %2").arg(path, s.detail());
        return std::nullopt;
    }
    const QVariant folder = db.scalar(QStringLiteral("SELECT \"DataPath\" FROM \"Setup\" LIMIT 1"));
    if (folder.isNull() || folder.toString().trimmed().isEmpty()) {
        if (error)
            *error = QStringLiteral("%1 records no data folder").arg(path);
        return std::nullopt;
    }
    if (DataFolder::isServer(folder.toString()))
        return folder.toString();
    const QString f = QDir::fromNativeSeparators(folder.toString());
    return f.endsWith(QLatin1Char('/')) ? f : f + QLatin1Char('/');
}

} // namespace arc
