#include "commandline.h"

#include "actioncatalog.h"

#include <QFileInfo>

#include <cstdio>

namespace {

const QLatin1String actionOption("--action");

bool isActionOption(const QString &argument)
{
    return argument == actionOption || argument.startsWith(actionOption + QLatin1Char('='));
}

int write(FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
    return std::fflush(stream) == 0 ? 0 : 1;
}

} // namespace

CommandLine::Request CommandLine::request(const QStringList &arguments)
{
    for (const QString &argument : arguments) {
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h"))
            return Request::Help;
        if (argument == QLatin1String("--version") || argument == QLatin1String("-v"))
            return Request::Version;
        if (isActionOption(argument))
            return ActionCatalog::isKnown(actionName(arguments)) ? Request::Action
                                                                 : Request::BadAction;
    }
    return Request::Run;
}

QString CommandLine::actionName(const QStringList &arguments)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == actionOption)
            return i + 1 < arguments.size() ? arguments.at(i + 1) : QString();
        if (isActionOption(argument))
            return argument.mid(actionOption.size() + 1);
    }
    return {};
}

QString CommandLine::helpText(const QString &programName)
{
    return QStringLiteral("Usage: %1 [--restart] [--action NAME]\n"
                          "Draw over the screen: a toolbar at the edge of the screen turns it into "
                          "a drawing surface.\n"
                          "\n"
                          "  -h, --help     show this help and exit\n"
                          "  -v, --version  show the version and exit\n"
                          "  --restart      start although a copy is still ending (the program "
                          "restarts itself so)\n"
                          "  --action NAME  have the running copy carry out NAME (starting one "
                          "when none runs);\n"
                          "                 bind it to a key in the desktop's shortcut settings. "
                          "NAME is one of:\n"
                          "%2"
                          "\n"
                          "A second start hands over to the running copy and ends.\n")
        .arg(QFileInfo(programName).fileName(), ActionCatalog::listing());
}

QString CommandLine::versionText()
{
    return QStringLiteral("Quillmark %1\n").arg(QStringLiteral(QUILLMARK_RELEASE_VERSION));
}

int CommandLine::answer(Request request, const QString &programName, const QStringList &arguments)
{
    switch (request) {
    case Request::Help:
        return write(stdout, helpText(programName));
    case Request::Version:
        return write(stdout, versionText());
    case Request::BadAction: {
        const QString name = actionName(arguments);
        const QString reason = name.isEmpty()
                                   ? QStringLiteral("--action needs a name.\n")
                                   : QStringLiteral("Unknown action \"%1\".\n").arg(name);
        write(stderr, reason + QStringLiteral("The actions are:\n") + ActionCatalog::listing());
        return 2;
    }
    case Request::Run:
    case Request::Action:
        break;
    }
    return 0;
}
