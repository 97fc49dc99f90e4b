#pragma once

#include "laserpointer.h"
#include "spotlighthole.h"

#include <QtQml/qqml.h>

// The presenter library knows nothing of QML modules; Cpp.MyComponents registers its items.
struct LaserPointerForeign
{
    Q_GADGET
    QML_FOREIGN(LaserPointer)
    QML_NAMED_ELEMENT(LaserPointer)
};

struct SpotlightHoleForeign
{
    Q_GADGET
    QML_FOREIGN(SpotlightHole)
    QML_NAMED_ELEMENT(SpotlightHole)
};
