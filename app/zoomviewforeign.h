#pragma once

#include "zoomview.h"

#include <QtQml/qqml.h>

// The presenter library knows nothing of QML; the zoom tool's view is registered here.
struct ZoomViewForeign
{
    Q_GADGET
    QML_FOREIGN(ZoomView)
    QML_NAMED_ELEMENT(ZoomView)
};
