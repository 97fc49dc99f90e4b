#pragma once

#include <QObject>
#include <QQmlParserStatus>
#include <QtQml/qqmlregistration.h>

// A system-wide hot key: `activated` is emitted whenever `sequence` is pressed, whichever
// program has the keyboard focus. Changing `sequence` moves the registration.
class FluHotkey : public QObject, public QQmlParserStatus
{
    Q_OBJECT
    Q_INTERFACES(QQmlParserStatus)
    QML_ELEMENT
    Q_PROPERTY(QString name READ name WRITE setName NOTIFY nameChanged FINAL)
    Q_PROPERTY(QString sequence READ sequence WRITE setSequence NOTIFY sequenceChanged FINAL)
    // The stable name under which the desktop's shortcut settings list the key (Wayland
    // portal); keys without one are not handed to the desktop.
    Q_PROPERTY(
        QString shortcutId READ shortcutId WRITE setShortcutId NOTIFY shortcutIdChanged FINAL)
    Q_PROPERTY(bool isRegistered READ isRegistered NOTIFY isRegisteredChanged FINAL)

public:
    explicit FluHotkey(QObject *parent = nullptr);
    ~FluHotkey() override;

    QString name() const { return m_name; }
    void setName(const QString &name);
    QString sequence() const { return m_sequence; }
    void setSequence(const QString &sequence);
    QString shortcutId() const { return m_shortcutId; }
    void setShortcutId(const QString &id);
    bool isRegistered() const { return m_handle > 0; }

    void classBegin() override;
    void componentComplete() override;

signals:
    void nameChanged();
    void sequenceChanged();
    void shortcutIdChanged();
    void isRegisteredChanged();
    void activated();

private:
    void onActivated(int handle);
    void reRegister();
    void unregister();

    QString m_name;
    QString m_sequence;
    QString m_shortcutId;
    int m_handle = 0;
    // Objects made from a document wait for all their bindings before registering.
    bool m_complete = true;
};
