#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Kills a child without warning `pauseMicroseconds` after it printed `lines` lines.
struct KilledChild {
    QByteArray output;
    bool killedWhileRunning = false;

    static KilledChild run(const QString &program, const QStringList &arguments, int lines, int pauseMicroseconds);
};
