#include "traycontroller.h"

#include <QQuickWindow>
#include <QTest>
#include <QUrl>

class TestTrayController : public QObject
{
    Q_OBJECT

private slots:
    void entryDoesNothingBeforeAWindowIsKnown()
    {
        TrayController tray;
        const QString before = tray.toggleText();
        tray.toggleWindow();
        QCOMPARE(tray.toggleText(), before);
        QObject notAWindow;
        tray.onObjectCreated(&notAWindow, QUrl("qrc:/painter.qml"));
        tray.toggleWindow();
        QCOMPARE(tray.toggleText(), before);
    }

    void entryTogglesTheWindowAndFollowsItsState()
    {
        TrayController tray;
        QQuickWindow window;
        window.show();
        tray.onObjectCreated(&window, QUrl("qrc:/painter.qml"));
        const QString hideText = tray.toggleText();

        tray.toggleWindow();
        QVERIFY(!window.isVisible());
        QVERIFY(tray.toggleText() != hideText);
        tray.toggleWindow();
        QVERIFY(window.isVisible());
        QCOMPARE(tray.toggleText(), hideText);
        tray.toggleWindow();
        QVERIFY(!window.isVisible());
    }

    void aDestroyedWindowIsForgotten()
    {
        TrayController tray;
        auto window = std::make_unique<QQuickWindow>();
        tray.onObjectCreated(window.get(), QUrl());
        window.reset();
        const QString before = tray.toggleText();
        tray.toggleWindow();
        QCOMPARE(tray.toggleText(), before);
    }
};

QTEST_MAIN(TestTrayController)
#include "tst_traycontroller.moc"
