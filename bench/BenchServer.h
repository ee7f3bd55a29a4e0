#pragma once

#include "DbStatus.h"

#include <QString>

namespace arc::bench {

// The large data folder moved into a PostgreSQL server, once per process:
// the server named by ARC_BENCH_PG (else ARC_TEST_PG, as ./dev.sh test
// sets it), in a schema "arc_bench" made afresh.
class BenchServer {
public:
    // The URI of that schema; empty when no server is named or the move
    // failed, with the reason in `status`.
    static const QString &uri(DbStatus *status = nullptr);

    // The URI of an empty schema `schema` made afresh on that server;
    // empty with the reason in `status` when there is none.
    static QString freshSchema(const QString &schema, DbStatus *status);
};

} // namespace arc::bench
