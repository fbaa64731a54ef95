#pragma once
// orvalis-cli run as a child process, the one way every command-line test starts it.
#include "TestSupport.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <gtest/gtest.h>

struct TCliRun {
    bool Finished = false; // ended by itself within the time limit
    int ExitCode = -1;     // -1 after a crash or a stop
    qint64 Milliseconds = 0;
    QString Out;
    QString Err;
};

// Numbers on screen come with "." (C.UTF-8). A run past the time limit is stopped and fails the
// calling test.
inline TCliRun RunCli(const QStringList &args, int timeLimitMs = 120000)
{
    TCliRun run;
    const QString program = BuiltProgram(QStringLiteral("orvalis-cli"));
    EXPECT_FALSE(program.isEmpty());
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    p.setProcessEnvironment(env);
    QElapsedTimer timer;
    timer.start();
    p.start(program, args);
    run.Finished = p.waitForFinished(timeLimitMs);
    run.Milliseconds = timer.elapsed();
    if (!run.Finished) {
        p.kill();
        p.waitForFinished(5000);
        ADD_FAILURE() << "orvalis-cli " << args.join(QLatin1Char(' ')).toStdString() << " did not finish";
        return run;
    }
    run.ExitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    run.Out = QString::fromUtf8(p.readAllStandardOutput());
    run.Err = QString::fromUtf8(p.readAllStandardError());
    return run;
}
