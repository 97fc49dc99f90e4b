#include "commandline.h"

#include <QFileInfo>

#include <cstdio>

CommandLine::Request CommandLine::request(const QStringList &arguments)
{
    for (const QString &argument : arguments) {
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h"))
            return Request::Help;
        if (argument == QLatin1String("--version") || argument == QLatin1String("-v"))
            return Request::Version;
    }
    return Request::Run;
}

QString CommandLine::helpText(const QString &programName)
{
    return QStringLiteral("Usage: %1 [--restart]\n"
                          "Draw over the screen: a toolbar at the edge of the screen turns it into "
                          "a drawing surface.\n"
                          "\n"
                          "  -h, --help     show this help and exit\n"
                          "  -v, --version  show the version and exit\n"
                          "  --restart      start although a copy is still ending (the program "
                          "restarts itself so)\n"
                          "\n"
                          "A second start hands over to the running copy and ends.\n")
        .arg(QFileInfo(programName).fileName());
}

QString CommandLine::versionText()
{
    return QStringLiteral("Quillmark %1\n").arg(QStringLiteral(QUILLMARK_RELEASE_VERSION));
}

int CommandLine::answer(Request request, const QString &programName)
{
    const QString text = request == Request::Help ? helpText(programName) : versionText();
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
