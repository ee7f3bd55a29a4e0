#include "KilledChild.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>
#include <signal.h>

KilledChild KilledChild::run(const QString &program, const QStringList &arguments, int lines, int pauseMicroseconds)
{
    KilledChild result;
    QProcess child;
    child.start(program, arguments);
    EXPECT_TRUE(child.waitForStarted(30000)) << child.errorString().toStdString();
    const QDeadlineTimer deadline(120000);
    while (result.output.count('\n') < lines && child.state() == QProcess::Running && !deadline.hasExpired()) {
        child.waitForReadyRead(int(deadline.remainingTime()));
        result.output += child.readAllStandardOutput();
    }
    QThread::usleep(pauseMicroseconds);
    // Only while it runs: a pid of 0 would hit our whole process group.
    if (const qint64 pid = child.processId(); child.state() != QProcess::NotRunning && pid > 0) {
        ::kill(pid_t(pid), SIGKILL);
        result.killedWhileRunning = true;
    }
    child.waitForFinished(30000);
    result.output += child.readAllStandardOutput();
    if (result.killedWhileRunning)
        result.killedWhileRunning = child.exitStatus() == QProcess::CrashExit;
    EXPECT_GE(result.output.count('\n'), lines) << "child stopped: " << child.readAllStandardError().toStdString();
    return result;
}
