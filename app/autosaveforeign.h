#pragma once

#include "autosave.h"

#include <QtQml/qqml.h>

// Registered for the toolbar, which keeps the drawing saved and offers it back.
struct AutoSaveForeign
{
    Q_GADGET
    QML_FOREIGN(AutoSave)
    QML_NAMED_ELEMENT(AutoSave)
};
