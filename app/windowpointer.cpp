#include "windowpointer.h"

#include <QMouseEvent>

void WindowPointer::setWindow(QWindow *window)
{
    if (m_window == window)
        return;
    if (m_window)
        m_window->removeEventFilter(this);
    m_window = window;
    if (m_window)
        m_window->installEventFilter(this);
    emit windowChanged();
}

bool WindowPointer::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease: {
        const QPointF at = static_cast<QMouseEvent *>(event)->globalPosition();
        if (at != m_position) {
            m_position = at;
            emit positionChanged();
        }
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
