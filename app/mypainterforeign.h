#pragma once

#include "mypainter.h"

#include <QtQml/qqml.h>

struct MyPainterForeign
{
    Q_GADGET
    QML_FOREIGN(MyPainter)
    QML_NAMED_ELEMENT(MyPainter)
};
