#include "openglprobe.h"

#include <QCoreApplication>
#include <QDebug>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>

OpenGlProbe::Choice OpenGlProbe::probe()
{
    QOffscreenSurface surface;
    surface.create();
    QOpenGLContext context;
    if (!context.create() || !context.makeCurrent(&surface)) {
        surface.destroy();
        return Choice::Software;
    }
    Choice choice = Choice::Hardware;
    if (QOpenGLFunctions *functions = context.functions()) {
        const auto text = [functions](unsigned int name) {
            return QString::fromLatin1(
                reinterpret_cast<const char *>(functions->glGetString(name)));
        };
        const QString renderer = text(0x1F01); // GL_RENDERER
        const QString version = text(0x1F02);  // GL_VERSION
        qDebug() << "OpenGL renderer:" << renderer;
        qDebug() << "OpenGL version:" << version;
        choice = decide(renderer);
        if (choice == Choice::Software)
            qDebug() << "Detected software OpenGL renderer, using software rendering mode";
        else
            qDebug() << "Hardware OpenGL acceleration available, using hardware rendering";
    }
    context.doneCurrent();
    surface.destroy();
    return choice;
}

OpenGlProbe::Choice OpenGlProbe::decide(const QString &renderer)
{
    for (const char *word : {"software", "llvmpipe", "swrast"}) {
        if (renderer.contains(QLatin1String(word), Qt::CaseInsensitive))
            return Choice::Software;
    }
    return Choice::Hardware;
}

QString OpenGlProbe::applyEnvironment(Choice choice)
{
    if (choice == Choice::Hardware) {
        qputenv("QT_ANGLE_PLATFORM", "gl");
        qDebug() << "Using hardware OpenGL acceleration";
        return QStringLiteral("hardware");
    }
    qputenv("QT_OPENGL", "software");
    qDebug() << "Forcing software OpenGL rendering";
    return QStringLiteral("software");
}

void OpenGlProbe::applyAttribute(Choice choice)
{
    QCoreApplication::setAttribute(choice == Choice::Hardware ? Qt::AA_UseDesktopOpenGL
                                                              : Qt::AA_UseSoftwareOpenGL);
}
