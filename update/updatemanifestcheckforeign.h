#pragma once

#include "updatemanifestcheck.h"

#include <QtQml/qqml.h>

// UpdateManifestCheck lives in the shared update library; both programs' modules
// register it under its own name.
struct UpdateManifestCheckForeign
{
    Q_GADGET
    QML_FOREIGN(UpdateManifestCheck)
    QML_NAMED_ELEMENT(UpdateManifestCheck)
};
