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
    // A folder made before (arc8130-demo --certificates N), used as it is.
    if (const QString given = qEnvironmentVariable("ARC_BENCH_FOLDER"); !given.isEmpty()) {
        m.path = given.endsWith(QLatin1Char('/')) ? given : given + QLatin1Char('/');
        return m;
    }
    m.dir = std::make_unique<QTemporaryDir>();
    if (!m.dir->isValid()) {
        m.status = DbStatus::failure(DbCondition::InvalidPath, m.dir->errorString());
        return m;
    }
    const QString path = m.dir->path() + QLatin1Char('/');
    QElapsedTimer timer;
    timer.start();
    m.status = LargeFolder::generate(path, BenchFolder::certificates());
    if (m.status.ok()) {
        m.path = path;
        // Said once, so a slow first benchmark is not mistaken for a slow open.
        std::fprintf(stderr, "generated %d certificates in %.1f s\n", BenchFolder::certificates(),
                     static_cast<double>(timer.elapsed()) / 1000.0);
    }
    return m;
}

} // namespace

int BenchFolder::certificates()
{
    bool number = false;
    const int asked = qEnvironmentVariableIntValue("ARC_BENCH_CERTIFICATES", &number);
    return number && asked > 0 ? asked : 100000;
}

const QString &BenchFolder::path(DbStatus *status)
{
    static const Made made = make();
    if (status)
        *status = made.status;
    return made.path;
}

} // namespace arc::bench
