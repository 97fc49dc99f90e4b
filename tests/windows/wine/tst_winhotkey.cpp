#include "hotkeyregistry.h"

#include <QDir>
#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include <qt_windows.h>

// Global hot keys through RegisterHotKey, pressed on the X display by xdotool (a Linux
// program that Wine starts like any other).
class TestWinHotkey : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // A Linux path: Wine shows the Linux file system as drive Z:.
        const QString xdotool = qEnvironmentVariable("QUILLMARK_XDOTOOL");
        if (xdotool.isEmpty())
            QSKIP("QUILLMARK_XDOTOOL is not set (run through ctest)");
        m_xdotool = QDir::toNativeSeparators(QStringLiteral("Z:") + xdotool);
        // Wine turns key presses into WM_HOTKEY only while one of its windows has the focus.
        m_window.resize(200, 100);
        m_window.show();
        m_window.requestActivate();
        QVERIFY(QTest::qWaitForWindowActive(&m_window, 10000));
    }

    void pressedKeyReachesItsHolder()
    {
        HotkeyRegistry *registry = HotkeyRegistry::instance();
        QVERIFY(registry);
        // Not Ctrl+Alt+F<n>: the X server keeps those for switching consoles.
        const int handle = registry->acquire(QStringLiteral("Ctrl+Alt+K"), QStringLiteral("test"));
        QVERIFY(handle > 0);
        QSignalSpy activated(registry, &HotkeyRegistry::activated);
        // Wine cannot wait for a Linux program: start it and watch for the key.
        QVERIFY(QProcess::startDetached(m_xdotool,
                                        {QStringLiteral("key"), QStringLiteral("ctrl+alt+k")}));
        QTRY_COMPARE_WITH_TIMEOUT(activated.count(), 1, 10000);
        QCOMPARE(activated.first().first().toInt(), handle);

        // Given back: the key can be registered anew.
        registry->release(handle);
        QVERIFY(RegisterHotKey(nullptr, 0xBF00, MOD_CONTROL | MOD_ALT, 'K'));
        UnregisterHotKey(nullptr, 0xBF00);
    }

    void keyHeldElsewhereIsRefused()
    {
        QVERIFY(RegisterHotKey(nullptr, 0xBF01, MOD_CONTROL | MOD_ALT, 'J'));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Ctrl\\+Alt\\+J")));
        QCOMPARE(HotkeyRegistry::instance()->acquire(QStringLiteral("Ctrl+Alt+J"), QString()), 0);
        UnregisterHotKey(nullptr, 0xBF01);
    }

private:
    QString m_xdotool;
    QWindow m_window;
};

QTEST_MAIN(TestWinHotkey)
#include "tst_winhotkey.moc"
