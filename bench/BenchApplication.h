#pragma once

#include <QCoreApplication>

namespace arc::bench {

// The one Qt application object of the benchmark process, made on first
// use. Qt allows only one, and a window needs a QApplication where the
// records need no more than a QCoreApplication, so a file whose benchmarks
// open windows installs its own maker while statics are set up:
//   static const bool widgets = arc::bench::setApplicationMaker(
//       [](int &argc, char **argv) -> QCoreApplication * { return new QApplication(argc, argv); });
using ApplicationMaker = QCoreApplication *(*)(int &argc, char **argv);
bool setApplicationMaker(ApplicationMaker maker);

QCoreApplication &application();

} // namespace arc::bench
