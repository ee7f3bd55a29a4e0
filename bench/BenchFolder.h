#pragma once

#include "DbStatus.h"

#include <QString>

namespace arc::bench {

// A data folder of generated certificates, made once per process in a
// temporary folder that goes when the process ends: 100 000 of them, or
// as many as ARC_BENCH_CERTIFICATES says (1000000 for the register of a
// large organisation). ARC_BENCH_FOLDER names a folder made before
// instead (arc8130-demo --certificates N), which is used as it is; give
// ARC_BENCH_CERTIFICATES its count then.
class BenchFolder {
public:
    static int certificates();

    // The folder's path, ending with "/"; empty when it could not be made,
    // with the reason in `status`.
    static const QString &path(DbStatus *status = nullptr);
};

} // namespace arc::bench
