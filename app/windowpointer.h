#pragma once

#include <QObject>
#include <QPointF>
#include <QPointer>
#include <QWindow>
#include <QtQml/qqml.h>

// Where the pointer is on the desktop at the latest mouse event its window received,
// as the window system reported it. A window dragged by the pointer follows this: a
// position relative to the window counts a move again when it comes before the window
// system has made the window's previous move, and the window runs ahead of the pointer.
class WindowPointer : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QWindow *window READ window WRITE setWindow NOTIFY windowChanged FINAL)
    Q_PROPERTY(QPointF position READ position NOTIFY positionChanged FINAL)

public:
    using QObject::QObject;

    QWindow *window() const { return m_window; }
    void setWindow(QWindow *window);
    QPointF position() const { return m_position; }

signals:
    void windowChanged();
    void positionChanged();

protected:
    // Sees each mouse event before the window's items do, so their handlers read this one's place.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWindow> m_window;
    QPointF m_position;
};
