#include "renderbackend.h"

#include "iniconfig.h"

#include <QDebug>
#include <QQuickWindow>
#include <QSGRendererInterface>

bool RenderBackend::parse(const QString &text, Backend *forced, bool *automatic)
{
    const QString word = text.trimmed().toLower();
    *automatic = word.isEmpty() || word == QLatin1String("auto");
    if (*automatic)
        return true;
    if (word == QLatin1String("software")) {
        *forced = Backend::Software;
        return true;
    }
    if (word == QLatin1String("opengl") || word == QLatin1String("hardware")) {
        *forced = Backend::Hardware;
        return true;
    }
    return false;
}

RenderBackend::Decision RenderBackend::decide(OpenGlProbe::Choice probed,
                                              const QString &environment, const QString &configured,
                                              bool qtVariableSet, bool onLinux)
{
    const std::pair<const QString &, Source> preferences[] = {{environment, Source::Environment},
                                                              {configured, Source::ConfigIni}};
    for (const auto &[text, source] : preferences) {
        Backend forced = Backend::Hardware;
        bool automatic = true;
        if (!parse(text, &forced, &automatic))
            qWarning().noquote() << "Unknown rendering choice" << text
                                 << "(use software, opengl or auto); ignored";
        else if (!automatic)
            return {forced, source, false};
    }
    if (qtVariableSet)
        return {Backend::Hardware, Source::QtVariable, true};
    if (onLinux && probed == OpenGlProbe::Choice::Software)
        return {Backend::Software, Source::Probe, false};
    // Elsewhere the platform's default graphics API stays, as before.
    return {Backend::Hardware, Source::Probe, !onLinux};
}

RenderBackend::Backend RenderBackend::select(OpenGlProbe::Choice probed)
{
#ifdef Q_OS_LINUX
    constexpr bool onLinux = true;
#else
    constexpr bool onLinux = false;
#endif
    const QString configured =
        IniConfig().value(QStringLiteral("APP"), QString::fromLatin1(configKey));
    const Decision decision = decide(probed, qEnvironmentVariable(environmentVariable), configured,
                                     qEnvironmentVariableIsSet("QT_QUICK_BACKEND") ||
                                         qEnvironmentVariableIsSet("QSG_RHI_BACKEND"),
                                     onLinux);
    if (decision.leftToQt) {
        qDebug() << "Qt Quick back-end left to Qt's defaults";
        return decision.backend;
    }
    const bool software = decision.backend == Backend::Software;
    QQuickWindow::setGraphicsApi(software ? QSGRendererInterface::Software
                                          : QSGRendererInterface::OpenGL);
    const char *why = decision.source == Source::Environment ? "set by QUILLMARK_RENDERING"
                      : decision.source == Source::ConfigIni ? "set in config.ini"
                                                             : "chosen from the OpenGL probe";
    qDebug().noquote() << (software ? "Qt Quick renders with the software back-end"
                                    : "Qt Quick renders with OpenGL")
                       << QStringLiteral("(%1)").arg(QLatin1String(why));
    return decision.backend;
}
