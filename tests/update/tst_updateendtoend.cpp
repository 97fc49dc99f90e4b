#include "releaseserver.h"
#include "updatetestsupport.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// A release published with the tool, served by nginx on the loopback address and
// installed by the real Update program on the real display.
class TestUpdateEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void publishServeInstallRestart();
};

void TestUpdateEndToEnd::initTestCase()
{
    const QString skipReason = endToEndSkipReason();
    if (!skipReason.isEmpty())
        QSKIP(qPrintable(skipReason));
}

void TestUpdateEndToEnd::publishServeInstallRestart()
{
    QTemporaryDir work;
    QVERIFY(work.isValid());
    const QString app = work.filePath(QStringLiteral("app"));
    ReleaseServer server;

    // The new build: the program (a script that leaves a mark when started), a file
    // in a sub-folder and a larger binary file.
    const QByteArray program =
        "#!/bin/sh\necho \"new release started\" > \"$(dirname \"$0\")/started.txt\"\n";
    QByteArray blob(700 * 1024, Qt::Uninitialized);
    QRandomGenerator(42).fillRange(reinterpret_cast<quint32 *>(blob.data()), blob.size() / 4);
    QVERIFY(writeFile(server.builtFile(QStringLiteral("Quillmark")), program, QFile::ExeOwner));
    QVERIFY(
        writeFile(server.builtFile(QStringLiteral("translations/app_en.qm")), "new translation"));
    QVERIFY(writeFile(server.builtFile(QStringLiteral("data.bin")), blob));
    QVERIFY(
        writeFile(server.builtFile(QStringLiteral("config.ini")), "[UPDATE]\nAPPVersion=never\n"));

    QVERIFY2(server.start(QStringLiteral("2.1.3")), qPrintable(server.error()));
    const QString base = server.baseUrl();

    // The update check: a POST to the manifest's address answers with the manifest.
    const QString manifestUrl = server.manifestUrl();
    QNetworkAccessManager network;
    QNetworkRequest check{QUrl(manifestUrl)};
    check.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
    QNetworkReply *answer =
        network.post(check, R"({"app":"quillmark","version":"2.1.2","os":"x"})");
    QSignalSpy answered(answer, &QNetworkReply::finished);
    QVERIFY(answered.wait(10000));
    QCOMPARE(answer->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 200);
    const QJsonObject envelope = QJsonDocument::fromJson(answer->readAll()).object();
    answer->deleteLater();
    QCOMPARE(envelope.value(QStringLiteral("push")).toBool(), true);
    // The signed manifest inside: digests and sizes of every file, the programs
    // marked executable, the first serial.
    const QJsonObject manifest =
        QJsonDocument::fromJson(
            QByteArray::fromBase64(
                envelope.value(QStringLiteral("manifest")).toString().toLatin1()))
            .object();
    QCOMPARE(manifest.value(QStringLiteral("serial")).toInt(), 1);
    QCOMPARE(
        manifest.value(QStringLiteral("size")).toObject().value(QStringLiteral("data.bin")).toInt(),
        blob.size());
    QCOMPARE(manifest.value(QStringLiteral("executable")).toVariant().toStringList(),
             QStringList{QStringLiteral("Quillmark")});
    QCOMPARE(manifest.value(QStringLiteral("appVersion")).toString(), QStringLiteral("2.1.3"));
    QCOMPARE(manifest.value(QStringLiteral("files")).toVariant().toStringList(),
             QStringList({QStringLiteral("Quillmark"), QStringLiteral("data.bin"),
                          QStringLiteral("translations/app_en.qm")}));
    // Every file is served with its size.
    QNetworkReply *head =
        network.head(QNetworkRequest(QUrl(base + QStringLiteral("/update/2.1.3/data.bin"))));
    QSignalSpy headDone(head, &QNetworkReply::finished);
    QVERIFY(headDone.wait(10000));
    QCOMPARE(head->header(QNetworkRequest::ContentLengthHeader).toLongLong(), qint64(blob.size()));
    head->deleteLater();

    // The installed application: old files, the updater, and config.ini.
    QVERIFY(writeFile(app + QStringLiteral("/Quillmark"), "#!/bin/sh\nexit 0\n", QFile::ExeOwner));
    QVERIFY(writeFile(app + QStringLiteral("/data.bin"), "old data"));
    QVERIFY(QFile::copy(QStringLiteral(UPDATE_PROGRAM), app + QStringLiteral("/Update")));
    QVERIFY(writeUpdateConfig(app + QStringLiteral("/config.ini"), manifestUrl,
                              QStringLiteral("2.1.2"), QStringLiteral("Quillmark")));

    QProcess updater;
    const auto stopUpdater = qScopeGuard([&updater] { stopProcess(updater); });
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    // The installed serial it keeps in the user's settings stays in this test's folder.
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), work.filePath(QStringLiteral("config")));
    updater.setProcessEnvironment(environment);
    updater.setWorkingDirectory(app);
    QByteArray log;
    connect(&updater, &QProcess::readyReadStandardError, this,
            [&] { log += updater.readAllStandardError(); });
    updater.start(app + QStringLiteral("/Update"), {});
    QVERIFY(updater.waitForStarted(5000));
    QTRY_VERIFY_WITH_TIMEOUT(log.contains("所有文件下载完成"), 30000);

    for (const QString &name : {QStringLiteral("Quillmark"), QStringLiteral("data.bin"),
                                QStringLiteral("translations/app_en.qm")}) {
        QCOMPARE(readFile(app + QLatin1Char('/') + name), readFile(server.builtFile(name)));
    }
    QVERIFY(QFileInfo(app + QStringLiteral("/Quillmark")).isExecutable());
    QCOMPARE(QDir(app).entryList({QStringLiteral("*.update-part")}, QDir::Files).size(), 0);
    // Coloured lines on standard error.
    QVERIFY(
        log.contains("\x1b[37mDebug: 开始下载: \"" + base.toUtf8() + "/update/2.1.3/Quillmark\""));
    QVERIFY(log.contains("\x1b[37mDebug: 下载完成: \"" + app.toUtf8() +
                         "/.update-staging/data.bin\" 大小: " + QByteArray::number(blob.size()) +
                         " 字节\x1b[0m\n"));
    QVERIFY(log.contains("\x1b[37mDebug: 所有文件下载完成\x1b[0m\n"));
    QVERIFY(!log.contains("\x1b[31mCritical:"));
    // config.ini is never part of a release; the installed serial is the release's.
    QVERIFY(readFile(app + QStringLiteral("/config.ini")).contains("APPVersion=2.1.2"));
    QCOMPARE(readFile(app + QStringLiteral("/.update-serial")), QByteArray("1\n"));

    // The completed window: press "重启应用" (centred, 20 px above the bottom edge).
    const QString window = waitForWindow(updater.processId(), QStringLiteral("软件更新"), 10000);
    QVERIFY(!window.isEmpty());
    xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), window, QStringLiteral("250"),
             QStringLiteral("360"), QStringLiteral("click"), QStringLiteral("1")});
    QTRY_VERIFY_WITH_TIMEOUT(updater.state() == QProcess::NotRunning, 10000);
    QCOMPARE(updater.exitStatus(), QProcess::NormalExit);
    QTRY_COMPARE_WITH_TIMEOUT(readFile(app + QStringLiteral("/started.txt")),
                              QByteArray("new release started\n"), 10000);
    QVERIFY(log.contains("尝试启动程序:"));
}

QTEST_GUILESS_MAIN(TestUpdateEndToEnd)
#include "tst_updateendtoend.moc"
