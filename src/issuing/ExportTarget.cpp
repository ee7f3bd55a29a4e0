#include "ExportTarget.h"

#include "Database.h"
#include "ProgramFolder.h"
#include "Schema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <optional>
#include <sys/stat.h>
#include <vector>

namespace arc::ExportTarget {

namespace {

struct ExportTargetTexts {
    Q_DECLARE_TR_FUNCTIONS(ExportTarget)
};

struct Identity {
    dev_t device = 0;
    ino_t inode = 0;
    bool operator==(const Identity &) const = default;
};

// The file or folder a path names, through its links; nullopt when none.
std::optional<Identity> identity(const QString &path)
{
    struct stat st {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &st) != 0)
        return std::nullopt;
    return Identity{st.st_dev, st.st_ino};
}

// Where writing `path` ends up once its links are followed, a dangling one
// included; a loop of links stops where it was found.
QString followed(const QString &path)
{
    QString at = QFileInfo(path).absoluteFilePath();
    for (int hops = 0; hops < 40 && QFileInfo(at).isSymLink(); ++hops) {
        const QFileInfo link(at);
        const QString target = QFile::symLinkTarget(at);
        if (target.isEmpty())
            break;
        at = QFileInfo(link.absoluteDir(), target).absoluteFilePath();
    }
    return at;
}

// A folder with its links resolved, as it is when it does not exist.
QString real(const QString &folder)
{
    const QString resolved = QFileInfo(folder).canonicalFilePath();
    return resolved.isEmpty() ? folder : resolved;
}

} // namespace

Guarded of(const QString &dataFolder, const ProgramFolders &program)
{
    Guarded g;
    const QString setup = Schema::fileName(StoreKind::Setup);
    for (const QString &folder : {program.program, program.perUser})
        if (!folder.isEmpty())
            g.files << QDir(folder).filePath(setup);
    if (!dataFolder.isEmpty()) {
        const QDir data(dataFolder);
        for (StoreKind kind : {StoreKind::Setup, StoreKind::Certificates, StoreKind::Reference})
            g.files << data.filePath(Schema::fileName(kind));
        g.folders << data.filePath(QStringLiteral("Keys")) << data.filePath(QStringLiteral("Issued"));
    }
    return g;
}

Guarded of(const Database &certificates)
{
    const QString folder =
        certificates.engine() == Engine::SQLite ? QFileInfo(certificates.filePath()).absolutePath() : QString();
    return of(folder, ProgramFolder::locate());
}

QString refusal(const QString &path, const Guarded &guarded)
{
    const QString target = followed(path);
    if (const std::optional<Identity> file = identity(target)) {
        for (const QString &own : guarded.files)
            if (identity(own) == file)
                return ExportTargetTexts::tr("it is %1, a file of the data source itself").arg(QDir::toNativeSeparators(own));
    }
    // The folder it would be written in, and every folder above that.
    QString folder = QFileInfo(target).absolutePath();
    if (const QString real = QFileInfo(folder).canonicalFilePath(); !real.isEmpty())
        folder = real;
    // Nor in place of a guarded folder not made yet, which it would block.
    const QString placed = QDir(folder).filePath(QFileInfo(target).fileName());
    for (const QString &own : guarded.folders)
        if (placed == QDir(real(QFileInfo(own).absolutePath())).filePath(QFileInfo(own).fileName()))
            return ExportTargetTexts::tr("it is %1, where the data source keeps its signing keys or issued pages")
                .arg(QDir::toNativeSeparators(own));
    std::vector<std::pair<QString, Identity>> kept;
    for (const QString &own : guarded.folders)
        if (const std::optional<Identity> id = identity(own))
            kept.emplace_back(own, *id);
    for (QDir up(folder);;) {
        const std::optional<Identity> here = identity(up.absolutePath());
        for (const auto &[own, id] : kept)
            if (here == id)
                return ExportTargetTexts::tr("it lies in %1, which holds the data source's signing keys or issued pages")
                    .arg(QDir::toNativeSeparators(own));
        if (up.isRoot() || !up.cdUp())
            break;
    }
    return {};
}

} // namespace arc::ExportTarget
