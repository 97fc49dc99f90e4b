#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <memory>

class ConsoleTerminal;

// The updater's message handler: every Qt message of the process becomes one
// coloured line on standard error, "<colour><prefix><text>ESC[0m\n", in UTF-8.
class ConsoleMessageHandler
{
public:
    // Messages whose type number is below this level are dropped
    // (Debug 0, Warning 1, Critical 2, Fatal 3, Info 4).
    static void setMinimumLevel(int level);
    static int minimumLevel();
    // Installs the handler; the terminal is prepared on the first message.
    static void install(std::unique_ptr<ConsoleTerminal> terminal);
    // Where the lines go; standard error unless a test says otherwise.
    static void setOutput(FILE *output);

    static QByteArray colourFor(QtMsgType type);
    static QByteArray prefixFor(QtMsgType type);
    // Control characters written as \xNN, so that one message is one line.
    static QString escaped(const QString &message);
    static QByteArray formatLine(QtMsgType type, const QString &message);

    static void handleMessage(QtMsgType type, const QMessageLogContext &context,
                              const QString &message);
};
