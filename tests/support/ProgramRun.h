#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

// A program run to its end with `input` and `environment` (NAME=value):
// its exit code, all it printed (errors last), and its errors alone.
struct ProgramRun {
    int exit = -1;
    QString said;
    QByteArray errors;

    static ProgramRun of(const QString &program, const QStringList &arguments, const QByteArray &input = {},
                         const QStringList &environment = {})
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const QString &setting : environment)
            env.insert(setting.section('=', 0, 0), setting.section('=', 1));
        p.setProcessEnvironment(env);
        p.start(program, arguments);
        p.write(input);
        p.closeWriteChannel();
        EXPECT_TRUE(p.waitForFinished(60000)) << program.toStdString() << " is still running";
        const QByteArray errors = p.readAllStandardError();
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput() + errors), errors};
    }
};
