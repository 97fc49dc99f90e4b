#include "flukeynames.h"

#include <QHash>
#include <QKeySequence>

namespace {

const QStringList modifierNames = {QStringLiteral("Ctrl"), QStringLiteral("Alt"),
                                   QStringLiteral("Shift"), QStringLiteral("Meta")};

bool isModifierKey(int key)
{
    return key == Qt::Key_Control || key == Qt::Key_Shift || key == Qt::Key_Alt ||
           key == Qt::Key_Meta || key == Qt::Key_AltGr || key == Qt::Key_CapsLock ||
           key == Qt::Key_NumLock || key == Qt::Key_Super_L || key == Qt::Key_Super_R;
}

} // namespace

FluKeyNames::FluKeyNames(QObject *parent) : QObject(parent) {}

QStringList FluKeyNames::keys(int key, int modifiers) const
{
    QStringList names;
    // Same order as QKeySequence writes them.
    if (modifiers & Qt::ControlModifier)
        names.append(modifierNames.at(0));
    if (modifiers & Qt::AltModifier)
        names.append(modifierNames.at(1));
    if (modifiers & Qt::ShiftModifier)
        names.append(modifierNames.at(2));
    if (modifiers & Qt::MetaModifier)
        names.append(modifierNames.at(3));
    if (key == 0 || key == Qt::Key_unknown || isModifierKey(key))
        return names;
    const QString keyName = QKeySequence(key).toString(QKeySequence::PortableText);
    if (!keyName.isEmpty())
        names.append(keyName);
    return names;
}

QStringList FluKeyNames::split(const QString &sequence) const
{
    const QKeySequence parsed = QKeySequence::fromString(sequence, QKeySequence::PortableText);
    if (parsed.count() == 1 && parsed[0].key() != Qt::Key_unknown) {
        const QStringList names = keys(parsed[0].key(), parsed[0].keyboardModifiers().toInt());
        if (isComplete(names))
            return names;
    }
    // Not a sequence we understand: show it as it was written.
    QStringList parts = sequence.split(QLatin1Char('+'));
    parts.removeAll(QString());
    return parts;
}

bool FluKeyNames::isComplete(const QStringList &keys) const
{
    return !keys.isEmpty() && !modifierNames.contains(keys.constLast());
}

QString FluKeyNames::symbolName(int key)
{
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return QChar(key).toLower();
    if (key >= Qt::Key_F1 && key <= Qt::Key_F35)
        return QStringLiteral("F%1").arg(key - Qt::Key_F1 + 1);
    static const QHash<int, QString> names{
        {Qt::Key_Escape, QStringLiteral("Escape")},
        {Qt::Key_Tab, QStringLiteral("Tab")},
        {Qt::Key_Backspace, QStringLiteral("BackSpace")},
        {Qt::Key_Return, QStringLiteral("Return")},
        {Qt::Key_Insert, QStringLiteral("Insert")},
        {Qt::Key_Delete, QStringLiteral("Delete")},
        {Qt::Key_Pause, QStringLiteral("Pause")},
        {Qt::Key_Print, QStringLiteral("Print")},
        {Qt::Key_Home, QStringLiteral("Home")},
        {Qt::Key_End, QStringLiteral("End")},
        {Qt::Key_Left, QStringLiteral("Left")},
        {Qt::Key_Up, QStringLiteral("Up")},
        {Qt::Key_Right, QStringLiteral("Right")},
        {Qt::Key_Down, QStringLiteral("Down")},
        {Qt::Key_PageUp, QStringLiteral("Prior")},
        {Qt::Key_PageDown, QStringLiteral("Next")},
        {Qt::Key_Space, QStringLiteral("space")},
    };
    return names.value(key);
}

QStringList FluKeyNames::modifiers(Qt::KeyboardModifiers held, const QStringList &names)
{
    QStringList result;
    const Qt::KeyboardModifier order[] = {Qt::ControlModifier, Qt::AltModifier, Qt::ShiftModifier,
                                          Qt::MetaModifier};
    for (int i = 0; i < 4 && i < names.size(); ++i) {
        if (held & order[i])
            result << names.at(i);
    }
    return result;
}
