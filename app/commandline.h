#pragma once

#include <QString>
#include <QStringList>

// The options answered before anything else starts, so that they work without a
// display: --help, --version and the check of an --action name. Every other
// argument is left to start-up.
class CommandLine
{
public:
    enum class Request {
        Run,
        Help,
        Version,
        Action,    // --action NAME with a known name: hand it to the running copy
        BadAction, // --action with an unknown name or none: exit 2 with the list
    };

    // Arguments without the program path; the first of the options found wins.
    static Request request(const QStringList &arguments);
    // The NAME of "--action NAME" or "--action=NAME"; empty without one.
    static QString actionName(const QStringList &arguments);
    static QString helpText(const QString &programName);
    static QString versionText();

    // Writes the answer (standard output; standard error for a bad action);
    // the process's exit code.
    static int answer(Request request, const QString &programName,
                      const QStringList &arguments = {});
};
