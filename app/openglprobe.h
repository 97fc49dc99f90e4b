#pragma once

#include <QString>

// Decides the scene graph's rendering back-end from the machine's OpenGL renderer.
class OpenGlProbe
{
public:
    enum class Choice { Hardware, Software };

    // Needs a QGuiApplication. Logs the renderer and version it finds.
    static Choice probe();
    // The rule behind probe(): a software rasteriser means software rendering.
    static Choice decide(const QString &renderer);
    // Sets QT_OPENGL / QT_ANGLE_PLATFORM and logs; returns the config.ini value.
    static QString applyEnvironment(Choice choice);
    // Must run while no application object exists.
    static void applyAttribute(Choice choice);
};
