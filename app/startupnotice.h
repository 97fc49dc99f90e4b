#pragma once

#include <QString>

class QObject;
class QQmlEngine;

// One-time messages beside the toolbar about how the program runs on this desktop.
namespace StartupNotice {

// Opens "qrc:/notice.qml" beside the toolbar (the engine's first root object)
// with the no-tray message. Logs and does nothing when the document cannot be made.
void showNoTray(QQmlEngine &engine, QObject *toolbar);

} // namespace StartupNotice
