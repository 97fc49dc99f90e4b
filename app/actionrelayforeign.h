#pragma once

#include "actionrelay.h"

#include <QtQml/qqml.h>

// The toolbar listens to it for the actions sent from outside.
struct ActionRelayForeign
{
    Q_GADGET
    QML_FOREIGN(ActionRelay)
    QML_NAMED_ELEMENT(ActionRelay)
    QML_SINGLETON

public:
    static ActionRelay *create(QQmlEngine *qml, QJSEngine *engine)
    {
        return ActionRelay::create(qml, engine);
    }
};
