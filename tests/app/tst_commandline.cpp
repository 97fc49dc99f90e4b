#include "commandline.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
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
        const int action = int(CommandLine::Request::Action);
        const int badAction = int(CommandLine::Request::BadAction);
        QTest::newRow("none") << QStringList() << run;
        QTest::newRow("restart") << QStringList{"--restart"} << run;
        QTest::newRow("unknown") << QStringList{"--versions", "-x", "help"} << run;
        QTest::newRow("help") << QStringList{"--help"} << help;
        QTest::newRow("short help") << QStringList{"-h"} << help;
        QTest::newRow("version after restart") << QStringList{"--restart", "--version"} << version;
        QTest::newRow("first wins") << QStringList{"-v", "--help"} << version;
        QTest::newRow("action") << QStringList{"--action", "undo"} << action;
        QTest::newRow("action with =") << QStringList{"--action=white-board"} << action;
        QTest::newRow("action after restart")
            << QStringList{"--restart", "--action", "pen"} << action;
        QTest::newRow("unknown action") << QStringList{"--action", "Undo"} << badAction;
        QTest::newRow("action without name") << QStringList{"--action"} << badAction;
        QTest::newRow("empty action") << QStringList{"--action="} << badAction;
        QTest::newRow("help before action") << QStringList{"--help", "--action", "x"} << help;
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
            QVERIFY2(out.contains("--version") && out.contains("--restart") &&
                         out.contains("--action") && out.contains("white-board"),
                     qPrintable(out));
        else
            QCOMPARE(out, expected);
    }

    void unknownActionExitsTwoWithTheList()
    {
        QProcess program;
        program.start(QStringLiteral(QUILLMARK_PROGRAM), {"--action", "paint"});
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitCode(), 2);
        const QString err = QString::fromLocal8Bit(program.readAllStandardError());
        QVERIFY2(err.contains("\"paint\"") && err.contains("pass-through") && err.contains("quit"),
                 qPrintable(err));
    }

    // The whole chain on the offscreen platform: the first `--action` starts the
    // program, later ones are carried out by it and answered, quit ends it.
    void actionsReachTheRunningCopy()
    {
        QTemporaryDir home;
        QVERIFY(QDir(home.path()).mkpath("run"));
        QFile::setPermissions(home.path() + "/run",
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("HOME", home.path());
        env.insert("XDG_RUNTIME_DIR", home.path() + "/run");
        env.insert("XDG_CONFIG_HOME", home.path() + "/config");
        env.insert("XDG_DATA_HOME", home.path() + "/data");
        const auto run = [&env](const QStringList &arguments, QString *err = nullptr) {
            QProcess program;
            program.setProcessEnvironment(env);
            program.start(QStringLiteral(QUILLMARK_PROGRAM), arguments);
            if (!program.waitForFinished(30000))
                return -100;
            if (err)
                *err = QString::fromLocal8Bit(program.readAllStandardError());
            return program.exitCode();
        };

        QProcess first;
        first.setProcessEnvironment(env);
        first.setProcessChannelMode(QProcess::MergedChannels);
        first.start(QStringLiteral(QUILLMARK_PROGRAM), {"--action", "draw"});
        QVERIFY(first.waitForStarted());
        QByteArray log;
        const auto logged = [&](const char *text) {
            log += first.readAll();
            return log.contains(text);
        };
        QTRY_VERIFY_WITH_TIMEOUT(logged("动作: draw"), 30000);

        QCOMPARE(run({"--action", "pen"}), 0);
        QTRY_VERIFY(logged("动作: pen"));
        QCOMPARE(run({"--action=undo"}), 0);
        QTRY_VERIFY(logged("动作: undo"));
        QCOMPARE(run({}), 0); // a plain second start only hands over
        QCOMPARE(run({"--action", "quit"}), 0);
        QVERIFY(first.waitForFinished(15000));
        QCOMPARE(first.exitCode(), 0);
        log += first.readAll();
        QCOMPARE(log.count("动作:"), 4);
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)

#include "tst_commandline.moc"
