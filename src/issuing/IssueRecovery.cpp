#include "IssueRecovery.h"

#include "IssueArchive.h"
#include "IssueLog.h"
#include "IssueRecorder.h"
#include "NewFile.h"

#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace arc {

namespace {

// Only the temporary file beside the user's copy is touched, and only a
// plain one.
void finishUserCopy(const QString &userFile, bool logged)
{
    const QString part = NewFile::partOf(userFile);
    const QFileInfo at(part);
    if (userFile.isEmpty() || at.isSymLink() || !at.isFile())
        return;
    if (logged)
        std::rename(QFile::encodeName(part).constData(), QFile::encodeName(userFile).constData());
    else
        QFile::remove(part);
}

} // namespace

DbStatus finishInterruptedIssues(Database &certificates, IssueArchive &archive)
{
    const IssueLog log(certificates);
    DbStatus s;
    const auto logged = [&](const QString &page) { return log.withPdfFile(page, &s).has_value() && s.ok(); };
    const QStringList staged = archive.leftStaged();
    for (const QString &name : staged) {
        const bool note = name.endsWith(userCopyNote(QString()));
        const QString page = note ? name.chopped(userCopyNote(QString()).size()) : name;
        const bool rowFound = logged(page);
        if (!s.ok())
            return s;
        // Without a row, only what its owner left for good is taken back.
        if (!rowFound && !archive.ownerGone(name))
            continue;
        if (note) {
            finishUserCopy(QString::fromUtf8(archive.staged(name)), rowFound);
            archive.discard(name);
        } else {
            QString ignored;
            if (!rowFound || !archive.publish(name, &ignored))
                archive.discard(name);
        }
    }
    for (const QString &name : archive.kept()) {
        const bool rowFound = logged(name);
        if (!s.ok())
            return s;
        if (!rowFound)
            archive.remove(name);
    }
    return s;
}

} // namespace arc
