#pragma once

#include "DbStatus.h"

#include <QString>

namespace arc::bench {

// A data folder of kCertificates generated certificates, made once per
// process in a temporary folder that goes when the process ends.
class BenchFolder {
public:
    static constexpr int kCertificates = 100000;

    // The folder's path, ending with "/"; empty when it could not be made,
    // with the reason in `status`.
    static const QString &path(DbStatus *status = nullptr);
};

} // namespace arc::bench
