#pragma once

#include <QString>

class QObject;

// Replaces the translator installed by an earlier call with "app_<code>" from the
// translations folder. On failure no translation stays installed (the built-in
// Chinese texts show).
void loadTranslation(QObject *parent, const QString &code);
