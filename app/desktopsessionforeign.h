#pragma once

#include "desktopsession.h"

#include <QtQml/qqml.h>

struct DesktopSessionForeign
{
    Q_GADGET
    QML_FOREIGN(DesktopSession)
    QML_NAMED_ELEMENT(DesktopSession)
};
