#pragma once

#include <QString>
#include <QStringList>

// The options answered before anything else starts, so that they work without a
// display: --help and --version. Every other argument is left to start-up.
class CommandLine
{
public:
    enum class Request { Run, Help, Version };

    // Arguments without the program path; the first of the options found wins.
    static Request request(const QStringList &arguments);
    static QString helpText(const QString &programName);
    static QString versionText();

    // Writes the answer to standard output; the process's exit code.
    static int answer(Request request, const QString &programName);
};
