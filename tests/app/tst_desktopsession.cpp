#include "desktopsession.h"

#include <QTest>

// Which compositor the program's windows meet, and whether its windows bypass the window
// manager and may trust an empty input shape to let clicks through.
class TestDesktopSession : public QObject
{
    Q_OBJECT

private slots:
    void classify_data()
    {
        QTest::addColumn<QString>("platform");
        QTest::addColumn<QString>("sessionType");
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<bool>("swaySocket");
        QTest::addColumn<QString>("compositor");
        QTest::addColumn<bool>("bypass");
        QTest::addColumn<bool>("shapeHonoured");
        QTest::addColumn<bool>("keyboardStays");
        QTest::newRow("plain X11") << "xcb"
                                   << "x11"
                                   << "openbox" << false << "" << false << true << false;
        QTest::newRow("sway") << "xcb"
                              << "wayland"
                              << "sway" << true << "sway" << true << false << true;
        QTest::newRow("sway, socket only") << "xcb"
                                           << "wayland"
                                           << "" << true << "sway" << true << false << true;
        QTest::newRow("KDE Plasma") << "xcb"
                                    << "wayland"
                                    << "KDE" << false << "kwin" << true << false << false;
        QTest::newRow("GNOME, listed second")
            << "xcb"
            << "wayland"
            << "ubuntu:GNOME" << false << "mutter" << true << false << false;
        QTest::newRow("unknown compositor") << "xcb"
                                            << "wayland"
                                            << "" << false << "wayland" << true << false << false;
        // Qt on Wayland itself (a platform the user chose): nothing to bypass.
        QTest::newRow("native wayland") << "wayland"
                                        << "wayland"
                                        << "sway" << true << "sway" << false << true << false;
    }
    void classify()
    {
        QFETCH(QString, platform);
        QFETCH(QString, sessionType);
        QFETCH(QString, desktop);
        QFETCH(bool, swaySocket);
        QFETCH(QString, compositor);
        QFETCH(bool, bypass);
        QFETCH(bool, shapeHonoured);
        QFETCH(bool, keyboardStays);
        DesktopSession::Facts facts;
        facts.platform = platform;
        facts.sessionType = sessionType;
        facts.currentDesktop = desktop;
        facts.swaySocket = swaySocket;
        const DesktopSession session(facts);
        QCOMPARE(session.compositor(), compositor);
        QCOMPARE(session.bypassWindowManager(), bypass);
        QCOMPARE(session.inputShapeHonoured(), shapeHonoured);
        QCOMPARE(session.keyboardStaysOnUnmanaged(), keyboardStays);
    }
};

QTEST_GUILESS_MAIN(TestDesktopSession)
#include "tst_desktopsession.moc"
