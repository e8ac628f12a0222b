// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

// One finished run of an outside program.
struct ProgramRun {
    int exitCode = -1; // -1 when it could not start, crashed or took too long
    QString output;    // standard output and error together
};

ProgramRun runProgram(const QString &program, const QStringList &arguments);
