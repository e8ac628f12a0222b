#pragma once

#include <QString>
#include <QStringList>

// One finished run of an outside program.
struct ProgramRun {
    int exitCode = -1; // -1 when it could not start, crashed or took too long
    QString output;    // standard output and error together
};

ProgramRun runProgram(const QString &program, const QStringList &arguments);
