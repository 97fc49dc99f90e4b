#include "windowpointer.h"

#include <QSignalSpy>
#include <QTest>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

// The window system reports a move relative to where the window was when the pointer
// moved; the window may have moved since. Only the place on the desktop is to be trusted.
class TestWindowPointer : public QObject
{
    Q_OBJECT

private slots:
    void followsTheDesktopPlaceNotTheWindowPlace()
    {
        QWindow window;
        window.setGeometry(100, 50, 200, 100);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        WindowPointer pointer;
        pointer.setWindow(&window);
        QSignalSpy moved(&pointer, &WindowPointer::positionChanged);

        // Relative to the window's place before its latest move: (10, 10) in it is (700, 400).
        QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::SynchronousDelivery>(
            &window, QPointF(10, 10), QPointF(700, 400), Qt::LeftButton, Qt::LeftButton,
            QEvent::MouseButtonPress);
        QCOMPARE(pointer.position(), QPointF(700, 400));
        QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::SynchronousDelivery>(
            &window, QPointF(30, 25), QPointF(720, 415), Qt::LeftButton, Qt::NoButton,
            QEvent::MouseMove);
        QCOMPARE(pointer.position(), QPointF(720, 415));
        QCOMPARE(moved.count(), 2);

        // Another window's events are not this one's.
        QWindow other;
        other.show();
        QVERIFY(QTest::qWaitForWindowExposed(&other));
        QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::SynchronousDelivery>(
            &other, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton, QEvent::MouseMove);
        QCOMPARE(pointer.position(), QPointF(720, 415));
        pointer.setWindow(&other);
        QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::SynchronousDelivery>(
            &window, QPointF(40, 40), QPointF(730, 430), Qt::NoButton, Qt::NoButton,
            QEvent::MouseMove);
        QCOMPARE(pointer.position(), QPointF(720, 415));
    }
};

QTEST_MAIN(TestWindowPointer)
#include "tst_windowpointer.moc"
