#include "consolemessagehandler.h"

#include "consoleterminal.h"

namespace {

int g_minimumLevel = 0;
FILE *g_output = nullptr;
bool g_terminalPrepared = false;
std::unique_ptr<ConsoleTerminal> g_terminal;

} // namespace

void ConsoleMessageHandler::setMinimumLevel(int level)
{
    g_minimumLevel = level;
}

int ConsoleMessageHandler::minimumLevel()
{
    return g_minimumLevel;
}

void ConsoleMessageHandler::install(std::unique_ptr<ConsoleTerminal> terminal)
{
    g_terminal = std::move(terminal);
    g_terminalPrepared = false;
    qInstallMessageHandler(&ConsoleMessageHandler::handleMessage);
}

void ConsoleMessageHandler::setOutput(FILE *output)
{
    g_output = output;
}

QByteArray ConsoleMessageHandler::colourFor(QtMsgType type)
{
    switch (type) {
    case QtDebugMsg:
        return QByteArrayLiteral("\x1b[37m");
    case QtInfoMsg:
        return QByteArrayLiteral("\x1b[36m");
    case QtWarningMsg:
        return QByteArrayLiteral("\x1b[33m");
    case QtCriticalMsg:
        return QByteArrayLiteral("\x1b[31m");
    case QtFatalMsg:
        return QByteArrayLiteral("\x1b[35m");
    }
    return {};
}

QByteArray ConsoleMessageHandler::prefixFor(QtMsgType type)
{
    switch (type) {
    case QtDebugMsg:
        return QByteArrayLiteral("Debug: ");
    case QtInfoMsg:
        return QByteArrayLiteral("Info: ");
    case QtWarningMsg:
        return QByteArrayLiteral("Warning: ");
    case QtCriticalMsg:
        return QByteArrayLiteral("Critical: ");
    case QtFatalMsg:
        return QByteArrayLiteral("Fatal: ");
    }
    return {};
}

QString ConsoleMessageHandler::escaped(const QString &message)
{
    QString out;
    out.reserve(message.size());
    for (const QChar c : message) {
        const char16_t u = c.unicode();
        // C0 and C1 controls and DEL: a server-supplied name must not move the
        // cursor, recolour the terminal or start a line of its own.
        if (u < 0x20 || u == 0x7f || (u >= 0x80 && u < 0xa0))
            out += QStringLiteral("\\x%1").arg(uint(u), 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

QByteArray ConsoleMessageHandler::formatLine(QtMsgType type, const QString &message)
{
    return colourFor(type) + prefixFor(type) + escaped(message).toUtf8() +
           QByteArrayLiteral("\x1b[0m\n");
}

void ConsoleMessageHandler::handleMessage(QtMsgType type, const QMessageLogContext &,
                                          const QString &message)
{
    // One-time terminal set-up, attempted once whether or not it works.
    if (!g_terminalPrepared) {
        g_terminalPrepared = true;
        if (g_terminal)
            g_terminal->enableColours();
    }
    if (int(type) < g_minimumLevel)
        return;
    FILE *out = g_output ? g_output : stderr;
    std::fprintf(out, "%s%s%s\x1b[0m\n", colourFor(type).constData(), prefixFor(type).constData(),
                 escaped(message).toUtf8().constData());
    std::fflush(out);
}
