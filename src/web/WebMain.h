#pragma once

class QCoreApplication;

namespace arc {

// arc8130-web: checks its data source can be read, then serves it until
// stopped. Exit 2 for a command line it does not understand, 1 when it
// cannot start.
int webMain(QCoreApplication &app);

} // namespace arc
