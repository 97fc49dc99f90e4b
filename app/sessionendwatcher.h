#pragma once

#include <QObject>
#include <QString>

// Tells when the system asks the program to end: SIGTERM, SIGHUP or SIGINT on Linux (what a
// log-out, a shutdown, a closed terminal or kill send), the session's end on Windows. The
// program then quits the ordinary way, so that everything that saves on quitting does.
class SessionEndWatcher : public QObject
{
    Q_OBJECT

public:
    explicit SessionEndWatcher(QObject *parent = nullptr);
    ~SessionEndWatcher() override;

    // Starts listening; false when the system would not let it.
    bool watch();

signals:
    // why: the signal's name, or "session end".
    void endRequested(const QString &why);
};
