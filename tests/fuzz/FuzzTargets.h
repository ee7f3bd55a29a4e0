#pragma once

#include <QByteArray>
#include <QList>

namespace fuzz {

// A parser of what the program reads from outside, driven with any bytes.
// A fault it finds ends the process: a crash, or abort() when what it
// returns breaks its own promises.
struct Target {
    const char *name;
    void (*run)(const QByteArray &input);
    // Known inputs to start from, besides the files of seeds/<name>/.
    QList<QByteArray> (*seeds)();
    QList<QByteArray> tokens; // words of the format that mutations put in
};

// The signature a PDF declares and what its report says; the rows
// mdb-export writes; a server's URI.
const QList<Target> &targets();
const Target *target(const QByteArray &name);

} // namespace fuzz
