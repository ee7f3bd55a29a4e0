#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

// A command-line program run to its end with `input` on its standard
// input: its exit code and all it printed, standard error after output.
struct ProgramRun {
    int exit = -1;
    QString said;

    static ProgramRun of(const QString &program, const QStringList &arguments, const QByteArray &input = {})
    {
        QProcess p;
        p.start(program, arguments);
        p.write(input);
        p.closeWriteChannel();
        EXPECT_TRUE(p.waitForFinished(60000)) << program.toStdString() << " is still running";
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError())};
    }
};
