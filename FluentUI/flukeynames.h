#pragma once

#include <QObject>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

// Key names as the shortcut picker shows and stores them: a list such as
// ["Ctrl", "Shift", "K"] that, joined with "+", is a sequence the hot keys can parse.
class FluKeyNames : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    explicit FluKeyNames(QObject *parent = nullptr);

    // The modifiers held, then the key; the key is left out while only modifiers are down.
    Q_INVOKABLE QStringList keys(int key, int modifiers) const;
    // Splits a stored sequence; "Ctrl++" is Ctrl and the plus key.
    Q_INVOKABLE QStringList split(const QString &sequence) const;
    // True when the keys end in something other than a modifier.
    Q_INVOKABLE bool isComplete(const QStringList &keys) const;

    // The key's xkbcommon symbol name, as desktops write keys in their settings ("z",
    // "F5", "Prior"); empty for keys without one here.
    static QString symbolName(int key);
    // The modifiers held, each by the name in `names` (Ctrl, Alt, Shift, Meta order).
    static QStringList modifiers(Qt::KeyboardModifiers held, const QStringList &names);
};
