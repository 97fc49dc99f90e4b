#include "sessionendwatcher.h"

#include <QGuiApplication>

SessionEndWatcher::SessionEndWatcher(QObject *parent) : QObject(parent) {}

SessionEndWatcher::~SessionEndWatcher() = default;

bool SessionEndWatcher::watch()
{
    // WM_QUERYENDSESSION arrives as the session manager's request to commit data; Qt ends
    // the event loop by itself at WM_ENDSESSION, after aboutToQuit.
    auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance());
    if (!app)
        return false;
    connect(app, &QGuiApplication::commitDataRequest, this,
            [this] { emit endRequested(QStringLiteral("session end")); });
    return true;
}
