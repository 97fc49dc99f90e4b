#pragma once

#include <QObject>

class QJSEngine;
class QQmlEngine;

// Hands the actions that arrive from outside (a later `--action` start, the
// desktop's global shortcuts) to the toolbar document, which carries them out.
// One object for the process; the documents see it as the singleton ActionRelay.
class ActionRelay : public QObject
{
    Q_OBJECT

public:
    static ActionRelay *instance();
    static ActionRelay *create(QQmlEngine *, QJSEngine *engine);

    // Carries out a known action now; false (after a log line) when the name is
    // unknown or no document listens yet.
    bool trigger(const QString &name);

signals:
    // Handled synchronously: when trigger() returns, the action was carried out.
    void triggered(const QString &name);

private:
    using QObject::QObject;
};
