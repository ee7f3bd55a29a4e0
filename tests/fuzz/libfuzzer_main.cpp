// One target for libFuzzer, named by ARC_FUZZ_TARGET.

#include "FuzzTargets.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const fuzz::Target *const target = fuzz::target(ARC_FUZZ_TARGET);
    target->run(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    return 0;
}
