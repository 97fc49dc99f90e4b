#pragma once

#include <QObject>
#include <QtQml/qqmlregistration.h>

// While `active`, every global hot key of the process is given back to the window
// system, so that a shortcut recorder receives the presses of keys that are in use.
class FluHotkeySuspender : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(bool active READ active WRITE setActive NOTIFY activeChanged FINAL)

public:
    explicit FluHotkeySuspender(QObject *parent = nullptr);
    ~FluHotkeySuspender() override;

    bool active() const { return m_active; }
    void setActive(bool active);

signals:
    void activeChanged();

private:
    bool m_active = false;
};
