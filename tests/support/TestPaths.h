#pragma once
#include <QString>

// Where a test finds the programs it starts and the files of the checkout it
// reads. They are looked up when the test runs, so that no test's object
// file holds the checkout's folder and a second clone's build reuses the
// compiler cache.
namespace test_paths {

// A program of this build: it lies beside the running test program.
QString program(const QString &name);

// A file or folder of the checkout, named from its top.
QString source(const QString &relative);

} // namespace test_paths
