#pragma once

#include "mypainter.h"

#include <QtQml/qqml.h>

// The canvas library knows nothing of QML; the module Cpp.MyComponents registers its item
// here, as it does SettingsClazz.
struct MyPainterForeign
{
    Q_GADGET
    QML_FOREIGN(MyPainter)
    QML_NAMED_ELEMENT(MyPainter)
};
