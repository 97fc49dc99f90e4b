#pragma once

#include "openglprobe.h"

#include <QString>

// Chooses how Qt Quick renders, before the first window exists. OpenGL on a software
// rasteriser (llvmpipe in a virtual machine or a remote desktop) spends a core on every
// full-screen frame of the overlay; Qt Quick's software back-end repaints only what
// changed, so it is chosen there. The user can force either way.
class RenderBackend
{
public:
    enum class Backend { Hardware, Software };
    enum class Source { Probe, Environment, ConfigIni, QtVariable };

    struct Decision
    {
        Backend backend;
        Source source;
        // True when the back-end is left to Qt (its own variables, or the platform default).
        bool leftToQt;
    };

    // The environment variable and the config.ini key ([APP]) that force a back-end.
    static constexpr const char *environmentVariable = "QUILLMARK_RENDERING";
    static constexpr const char *configKey = "rendering";

    // "software" or "opengl"/"hardware", any case; empty or "auto" means no preference.
    // Returns false for anything else.
    static bool parse(const QString &text, Backend *forced, bool *automatic);

    // Environment beats config.ini, both beat Qt's own QT_QUICK_BACKEND, which beats the
    // probe. Only Linux follows the probe to the software back-end.
    static Decision decide(OpenGlProbe::Choice probed, const QString &environment,
                           const QString &configured, bool qtVariableSet, bool onLinux);

    // Reads the environment and config.ini, applies the decision and logs it. Needs the
    // application object and must run before the first Qt Quick window is created.
    static Backend select(OpenGlProbe::Choice probed);
};
