#pragma once

#include "settingsclazz.h"

#include <QtQml/qqml.h>

struct SettingsClazzForeign
{
    Q_GADGET
    QML_FOREIGN(SettingsClazz)
    QML_NAMED_ELEMENT(SettingsClazz)
};
