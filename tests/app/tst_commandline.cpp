#include "commandline.h"

#include <QProcess>
#include <QTest>

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void request_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("request");
        const int run = int(CommandLine::Request::Run);
        const int help = int(CommandLine::Request::Help);
        const int version = int(CommandLine::Request::Version);
        QTest::newRow("none") << QStringList() << run;
        QTest::newRow("restart") << QStringList{"--restart"} << run;
        QTest::newRow("unknown") << QStringList{"--versions", "-x", "help"} << run;
        QTest::newRow("help") << QStringList{"--help"} << help;
        QTest::newRow("short help") << QStringList{"-h"} << help;
        QTest::newRow("version after restart") << QStringList{"--restart", "--version"} << version;
        QTest::newRow("first wins") << QStringList{"-v", "--help"} << version;
    }
    void request()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, request);
        QCOMPARE(int(CommandLine::request(arguments)), request);
    }

    // Answered before any window system is needed: no display, no platform.
    void programAnswersWithoutDisplay_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("expected");
        QTest::newRow("version") << "--version"
                                 << "Quillmark " QUILLMARK_RELEASE_VERSION "\n";
        QTest::newRow("help") << "--help" << QString();
    }
    void programAnswersWithoutDisplay()
    {
        QFETCH(QString, option);
        QFETCH(QString, expected);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(name));
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(QUILLMARK_PROGRAM), {option});
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        const QString out = QString::fromLocal8Bit(program.readAllStandardOutput());
        if (expected.isEmpty())
            QVERIFY2(out.contains("--version") && out.contains("--restart"), qPrintable(out));
        else
            QCOMPARE(out, expected);
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)

#include "tst_commandline.moc"
