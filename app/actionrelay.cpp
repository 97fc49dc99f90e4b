#include "actionrelay.h"

#include "actioncatalog.h"

#include <QDebug>
#include <QJSEngine>
#include <QMetaMethod>

ActionRelay *ActionRelay::instance()
{
    static ActionRelay relay;
    return &relay;
}

ActionRelay *ActionRelay::create(QQmlEngine *, QJSEngine *)
{
    ActionRelay *relay = instance();
    // The engine must never delete the process's relay.
    QJSEngine::setObjectOwnership(relay, QJSEngine::CppOwnership);
    return relay;
}

bool ActionRelay::trigger(const QString &name)
{
    if (!ActionCatalog::isKnown(name)) {
        qWarning() << "Unknown action" << name;
        return false;
    }
    if (!isSignalConnected(QMetaMethod::fromSignal(&ActionRelay::triggered))) {
        qWarning() << "Action" << name << "arrived before the toolbar was ready";
        return false;
    }
    qDebug() << "Action" << name;
    emit triggered(name);
    return true;
}
