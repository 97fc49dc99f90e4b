#include "desktopservices.h"
#include "imagefilesaver.h"
#include "isolatedstore.h"
#include "messagecapture.h"
#include "settingsclazz.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

class TestDesktopServices : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(storeIsIsolated(), "run through ctest: XDG_CONFIG_HOME must point into the build");
    }
    void init()
    {
        clearStore();
        QDir(appDir() + "/out").removeRecursively();
    }
    void cleanupTestCase() { QDir(appDir() + "/out").removeRecursively(); }

    void saveFileDecodes_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray bytes("\x89PNG\r\n\x1a\n\x00\x01\xff", 11);
        QTest::newRow("data URL") << "data:image/png;base64," + bytes.toBase64() << "out/a.png"
                                  << bytes;
        QTest::newRow("plain base64") << bytes.toBase64() << "out/b.bin" << bytes;
        QTest::newRow("sub-folders created") << bytes.toBase64() << "out/sub/deeper/c.bin" << bytes;
        QTest::newRow("invalid characters skipped")
            << QByteArray("aGVs*bG8=") << "out/d.txt" << QByteArray("hello");
        QTest::newRow("empty payload")
            << QByteArray("data:text/plain;base64,") << "out/e.txt" << QByteArray();
    }
    void saveFileDecodes()
    {
        QFETCH(QByteArray, data);
        QFETCH(QString, fileName);
        QFETCH(QByteArray, expected);
        QVERIFY(SettingsClazz().saveFile(data, fileName));
        QFile written(appDir() + "/" + fileName);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), expected);
    }

    void saveFileRejects_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("message");
        QTest::newRow("data URL without comma") << QByteArray("data:nocomma") << "out/x.bin"
                                                << "Invalid data URL format";
        QTest::newRow("outside the application directory") << QByteArray("aGk=") << "../escaped.bin"
                                                           << "outside the application directory";
        QTest::newRow("a folder in the way") << QByteArray("aGk=") << "out"
                                             << "Cannot open file for writing:";
    }
    void saveFileRejects()
    {
        QFETCH(QByteArray, data);
        QFETCH(QString, fileName);
        QFETCH(QString, message);
        QDir().mkpath(appDir() + "/out");
        MessageCapture log;
        QVERIFY(!SettingsClazz().saveFile(data, fileName));
        QVERIFY(log.contains(message));
        QVERIFY(!QFile::exists(appDir() + "/out/x.bin"));
        QVERIFY(!QFile::exists(appDir() + "/../escaped.bin"));
    }

    void saveFileKeepsTheOldFileWhenItCannotWrite()
    {
        QDir().mkpath(appDir() + "/out");
        QFile old(appDir() + "/out/keep.txt");
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old");
        old.close();
        QVERIFY(!SettingsClazz().saveFile("data:broken", "out/keep.txt"));
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("old"));
    }

    void captureCreatesTheFolder()
    {
        QTemporaryDir root;
        const QString folder = root.path() + "/not/yet/there";
        SettingsClazz settings;
        QVERIFY(settings.addSetting("screenSavePath", folder));
        const QString file = DesktopServices::captureScreen();
        QVERIFY(!file.isEmpty());
        QVERIFY(
            QFileInfo(file).fileName().contains(QRegularExpression("^draw_\\d{8}_\\d{6}\\.jpg$")));
        QCOMPARE(QFileInfo(file).absolutePath(), folder);
        const QImage picture(file);
        QVERIFY(!picture.isNull());
        QCOMPARE(picture.size(), QGuiApplication::primaryScreen()->size() *
                                     QGuiApplication::primaryScreen()->devicePixelRatio());
    }

    void savedPicturesNeverReplaceAFile_data()
    {
        QTest::addColumn<QStringList>("taken");
        QTest::addColumn<QString>("expected");
        QTest::newRow("free") << QStringList() << "draw_20261207_143000.jpg";
        QTest::newRow("taken once")
            << QStringList{"draw_20261207_143000.jpg"} << "draw_20261207_143000_2.jpg";
        QTest::newRow("taken twice")
            << QStringList{"draw_20261207_143000.jpg", "draw_20261207_143000_2.jpg"}
            << "draw_20261207_143000_3.jpg";
    }
    void savedPicturesNeverReplaceAFile()
    {
        QFETCH(QStringList, taken);
        QFETCH(QString, expected);
        QTemporaryDir folder;
        for (const QString &name : taken) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("earlier");
        }
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        const ImageFileSaver::Result saved =
            ImageFileSaver::save(picture, folder.path(), "draw_20261207_143000", ".jpg");
        QVERIFY2(saved.ok(), qPrintable(saved.error));
        QCOMPARE(QFileInfo(saved.path).fileName(), expected);
        QCOMPARE(QImage(saved.path).size(), picture.size());
        for (const QString &name : taken) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), QByteArray("earlier"));
        }
        // Nothing but the pictures: no temporary file left behind.
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(),
                 taken.size() + 1);
    }

    void failedCaptureSaysWhy()
    {
        QTemporaryDir root;
        QFile blocker(root.filePath("file"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        SettingsClazz settings;
        QVERIFY(settings.addSetting("screenSavePath", root.filePath("file/inside")));
        QSignalSpy failed(&settings, &SettingsClazz::captureFailed);
        QSignalSpy captured(&settings, &SettingsClazz::screenCaptured);
        settings.captureScreen();
        QCOMPARE(captured.size(), 0);
        QCOMPARE(failed.size(), 1);
        QVERIFY(failed.first().first().toString().contains("cannot create folder"));
    }

    void captureWithoutAFolderOnlyWarns_data()
    {
        QTest::addColumn<bool>("stored");
        QTest::newRow("empty") << true;
        QTest::newRow("absent") << false;
    }
    void captureWithoutAFolderOnlyWarns()
    {
        QFETCH(bool, stored);
        if (stored)
            SettingsClazz().addSetting("screenSavePath", QString());
        const QStringList before = QDir(appDir()).entryList({"draw_*"});
        MessageCapture log;
        SettingsClazz().captureScreen();
        QVERIFY(log.contains("无效的截图保存路径"));
        QCOMPARE(QDir(appDir()).entryList({"draw_*"}), before);
        QCOMPARE(QDir::current().entryList({"draw_*"}).size(), 0);
    }

    // The program quits only when the other program really started.
    void handOverQuitsOnlyWhenStarted_data()
    {
        QTest::addColumn<QString>("exeName");
        QTest::addColumn<QFileDevice::Permissions>("permissions");
        QTest::addColumn<bool>("started");
        QTest::addColumn<QString>("logged");
        const auto readable = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
        QTest::newRow("missing") << "no-such-program" << QFileDevice::Permissions() << false
                                 << "无法找到可执行文件:";
        QTest::newRow("no execute bit")
            << "out/handover-noexec" << QFileDevice::Permissions(readable) << false
            << "无法启动程序:";
        QTest::newRow("runs") << "out/handover-runs"
                              << QFileDevice::Permissions(readable | QFileDevice::ExeOwner) << true
                              << "尝试启动程序:";
    }
    void handOverQuitsOnlyWhenStarted()
    {
        QFETCH(QString, exeName);
        QFETCH(QFileDevice::Permissions, permissions);
        QFETCH(bool, started);
        QFETCH(QString, logged);
        if (permissions != QFileDevice::Permissions()) {
            QDir().mkpath(appDir() + "/out");
            QFile script(appDir() + "/" + exeName);
            QVERIFY(script.open(QIODevice::WriteOnly | QIODevice::Truncate));
            script.write("#!/bin/sh\nexit 0\n");
            script.close();
            QVERIFY(script.setPermissions(permissions));
        }
        MessageCapture log;
        // Called from inside a running event loop, as the documents do: a quit ends
        // the loop with 0, otherwise the timer ends it with 7.
        bool result = !started;
        QTimer::singleShot(0, qApp, [&] { result = SettingsClazz().startExeAndExitApp(exeName); });
        QTimer::singleShot(1500, qApp, [] { QCoreApplication::exit(7); });
        QCOMPARE(QCoreApplication::exec() == 0, started);
        QCOMPARE(result, started);
        QVERIFY(log.contains(logged));
    }

    void applicationFileUrlOnlyForPlainNames_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<bool>("handedOut");
        QTest::newRow("existing file") << "present.html" << true;
        QTest::newRow("missing file") << "absent.html" << false;
        QTest::newRow("folder") << "out" << false;
        QTest::newRow("parent") << ".." << false;
        QTest::newRow("path up") << "../present.html" << false;
        QTest::newRow("sub-folder") << "out/present.html" << false;
        QTest::newRow("empty") << "" << false;
    }
    void applicationFileUrlOnlyForPlainNames()
    {
        QFETCH(QString, fileName);
        QFETCH(bool, handedOut);
        QDir().mkpath(appDir() + "/out");
        for (const QString &path : {appDir() + "/present.html", appDir() + "/out/present.html"}) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        const QString url = SettingsClazz().applicationFileUrl(fileName);
        QCOMPARE(!url.isEmpty(), handedOut);
        if (handedOut)
            QCOMPARE(QUrl(url).toLocalFile(), appDir() + "/" + fileName);
        QFile::remove(appDir() + "/present.html");
    }

    void copyToClipboardReplacesTheText()
    {
        SettingsClazz settings;
        settings.copyToClipboard("first");
        settings.copyToClipboard("第二");
        QCOMPARE(QGuiApplication::clipboard()->text(QClipboard::Clipboard), QString("第二"));
    }

private:
    static QString appDir() { return QCoreApplication::applicationDirPath(); }
};

QTEST_MAIN(TestDesktopServices)
#include "tst_desktopservices.moc"
