#pragma once

// Runs a program as the user would, a separate process, and keeps what it said.

#include <QProcess>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

struct CliRun {
    int Exit = -1;
    QString Out;
    QString Err;
};

inline CliRun RunProgram(const QString& program, const QStringList& args,
                         const QString& workingDirectory = QString()) {
    QProcess process;
    if (!workingDirectory.isEmpty())
        process.setWorkingDirectory(workingDirectory);
    process.start(program, args);
    CliRun run;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit) {
        ADD_FAILURE() << program.toStdString()
                      << " did not finish: " << process.errorString().toStdString();
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.Exit = process.exitCode();
    run.Out = QString::fromUtf8(process.readAllStandardOutput());
    run.Err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// duvt-cli from the build's binary folder.
inline CliRun RunCli(const QStringList& args, const QString& workingDirectory = QString()) {
    return RunProgram(QStringLiteral(DUVT_BIN_DIR "/duvt-cli"), args, workingDirectory);
}
