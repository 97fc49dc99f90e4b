#include "platformchoice.h"

#include <QTest>

// When the program asks for XWayland instead of letting Qt pick the platform.
class TestPlatformChoice : public QObject
{
    Q_OBJECT

private slots:
    void wantsXcb_data()
    {
        QTest::addColumn<QString>("sessionType");
        QTest::addColumn<QString>("waylandDisplay");
        QTest::addColumn<QString>("x11Display");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<bool>("argument");
        QTest::addColumn<bool>("xcb");
        QTest::newRow("wayland session") << "wayland"
                                         << "wayland-0"
                                         << ":0"
                                         << "" << false << true;
        QTest::newRow("wayland, other case") << "Wayland"
                                             << ""
                                             << ":1"
                                             << "" << false << true;
        QTest::newRow("only a wayland display") << ""
                                                << "wayland-0"
                                                << ":0"
                                                << "" << false << true;
        QTest::newRow("x11 session") << "x11"
                                     << ""
                                     << ":0"
                                     << "" << false << false;
        QTest::newRow("x11 session, nested wayland") << "x11"
                                                     << "wayland-1"
                                                     << ":0"
                                                     << "" << false << false;
        QTest::newRow("no XWayland") << "wayland"
                                     << "wayland-0"
                                     << ""
                                     << "" << false << false;
        QTest::newRow("user chose wayland") << "wayland"
                                            << "wayland-0"
                                            << ":0"
                                            << "wayland" << false << false;
        QTest::newRow("user chose by argument") << "wayland"
                                                << "wayland-0"
                                                << ":0"
                                                << "" << true << false;
    }
    void wantsXcb()
    {
        QFETCH(QString, sessionType);
        QFETCH(QString, waylandDisplay);
        QFETCH(QString, x11Display);
        QFETCH(QString, chosen);
        QFETCH(bool, argument);
        QFETCH(bool, xcb);
        const PlatformChoice::Session session{sessionType, waylandDisplay, x11Display, chosen,
                                              argument};
        QCOMPARE(PlatformChoice::wantsXcb(session), xcb);
    }

    void platformArgumentIsFound_data()
    {
        QTest::addColumn<QByteArrayList>("arguments");
        QTest::addColumn<bool>("found");
        QTest::newRow("none") << QByteArrayList{"Quillmark", "--restart"} << false;
        QTest::newRow("separate") << QByteArrayList{"Quillmark", "-platform", "wayland"} << true;
        QTest::newRow("joined") << QByteArrayList{"Quillmark", "--platform=xcb"} << true;
        // The program path itself never counts.
        QTest::newRow("program named so") << QByteArrayList{"-platform"} << false;
    }
    void platformArgumentIsFound()
    {
        QFETCH(QByteArrayList, arguments);
        QFETCH(bool, found);
        std::vector<char *> argv;
        for (QByteArray &argument : arguments)
            argv.push_back(argument.data());
        argv.push_back(nullptr);
        QCOMPARE(PlatformChoice::current(int(arguments.size()), argv.data()).platformArgument,
                 found);
    }

    // Without any X display the program says why and ends, unless a platform was chosen.
    void missingDisplay_data()
    {
        QTest::addColumn<QString>("sessionType");
        QTest::addColumn<QString>("waylandDisplay");
        QTest::addColumn<QString>("x11Display");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("says");
        QTest::newRow("wayland without XWayland") << "wayland"
                                                  << "wayland-0"
                                                  << ""
                                                  << ""
                                                  << "XWayland";
        QTest::newRow("no display at all") << ""
                                           << ""
                                           << ""
                                           << ""
                                           << "no display";
        QTest::newRow("XWayland there") << "wayland"
                                        << "wayland-0"
                                        << ":0"
                                        << ""
                                        << "";
        QTest::newRow("platform chosen") << "wayland"
                                         << "wayland-0"
                                         << ""
                                         << "offscreen"
                                         << "";
    }
    void missingDisplay()
    {
        QFETCH(QString, sessionType);
        QFETCH(QString, waylandDisplay);
        QFETCH(QString, x11Display);
        QFETCH(QString, chosen);
        QFETCH(QString, says);
        const PlatformChoice::Session session{sessionType, waylandDisplay, x11Display, chosen,
                                              false};
        const QString message = PlatformChoice::missingDisplay(session);
        QCOMPARE(message.isEmpty(), says.isEmpty());
        QVERIFY(message.contains(says));
    }
};

QTEST_GUILESS_MAIN(TestPlatformChoice)
#include "tst_platformchoice.moc"
