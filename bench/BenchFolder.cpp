#include "BenchFolder.h"

#include "BenchApplication.h"
#include "LargeFolder.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

namespace arc::bench {

namespace {

struct Made {
    std::unique_ptr<QTemporaryDir> dir;
    QString path;
    DbStatus status;
};

Made make()
{
    application();
    Made m;
    m.dir = std::make_unique<QTemporaryDir>();
    if (!m.dir->isValid()) {
        m.status = DbStatus::failure(DbCondition::InvalidPath, m.dir->errorString());
        return m;
    }
    const QString path = m.dir->path() + QLatin1Char('/');
    QElapsedTimer timer;
    timer.start();
    m.status = LargeFolder::generate(path, BenchFolder::kCertificates);
    if (m.status.ok()) {
        m.path = path;
        // Said once, so a slow first benchmark is not mistaken for a slow open.
        std::fprintf(stderr, "generated %d certificates in %.1f s\n", BenchFolder::kCertificates,
                     static_cast<double>(timer.elapsed()) / 1000.0);
    }
    return m;
}

} // namespace

const QString &BenchFolder::path(DbStatus *status)
{
    static const Made made = make();
    if (status)
        *status = made.status;
    return made.path;
}

} // namespace arc::bench
