#pragma once

#include "desktopkeybindings.h"

#include <QtQml/qqml.h>

// The settings window writes the desktop's own key bindings with it.
struct DesktopKeyBindingsForeign
{
    Q_GADGET
    QML_FOREIGN(DesktopKeyBindings)
    QML_NAMED_ELEMENT(DesktopKeyBindings)
};
