#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Runs a child program until it has printed `lines` lines, waits a further
// `pauseMicroseconds`, then kills it without warning. Returns what it
// printed, and whether the kill found it still running.
struct KilledChild {
    QByteArray output;
    bool killedWhileRunning = false;

    static KilledChild run(const QString &program, const QStringList &arguments, int lines, int pauseMicroseconds);
};
