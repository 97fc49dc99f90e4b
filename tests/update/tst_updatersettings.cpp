#include "atomicfile.h"
#include "filedownloader.h"
#include "iniconfig.h"
#include "settingsstore.h"
#include "testhttpserver.h"
#include "updatelimits.h"
#include "updatersettings.h"
#include "updatetestsupport.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// The updater's own operations of the settings-and-services element.
class TestUpdaterSettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void addSettingStoresText();
    void addSettingWithEmptyKeyStoresNothing();
    void createDirectories();
    void saveFileData_data();
    void saveFileData();
    void saveFileStaysInsideTheApplicationDirectory();
    void downloadFileWritesBelowTheApplicationDirectory();
    void downloadFileRefusesUnsafeNames_data();
    void downloadFileRefusesUnsafeNames();
    void downloadFileVerifiesTheDigest();
    void deploymentRaisesTheSizeLimit();
    void deploymentNumbersAreClamped_data();
    void deploymentNumbersAreClamped();
    void folderLinkIsNotFollowed();

private:
    bool download(UpdaterSettings &settings, const QString &url, const QString &name,
                  const QString &sha256 = QString());

    TestHttpServer m_server;
    QString m_payload;
};

void TestUpdaterSettings::initTestCase()
{
    // Keeps the user's real settings store out of reach.
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_server.listen());
    m_payload = appDir() + QStringLiteral("/payload");
}

void TestUpdaterSettings::init()
{
    QDir(m_payload).removeRecursively();
    QFile::remove(IniConfig().path());
}

void TestUpdaterSettings::cleanup()
{
    QDir(m_payload).removeRecursively();
    QFile::remove(IniConfig().path());
    SettingsStore().remove(QStringLiteral("updaterTest"));
}

bool TestUpdaterSettings::download(UpdaterSettings &settings, const QString &url,
                                   const QString &name, const QString &sha256)
{
    FileDownloader *downloader = settings.downloadFile(url, name, sha256);
    // Connected only after the call, as the window does.
    QSignalSpy finished(downloader, &FileDownloader::downloadFinished);
    if (!finished.wait(10000))
        return false;
    return finished.first().first().toBool();
}

void TestUpdaterSettings::addSettingStoresText()
{
    UpdaterSettings settings;
    QSignalSpy changed(&settings, &UpdaterSettings::settingsChanged);
    settings.addSetting(QStringLiteral("updaterTest"), QStringLiteral("Ctrl+K"));
    QCOMPARE(SettingsStore().value(QStringLiteral("updaterTest")).toString(),
             QStringLiteral("Ctrl+K"));
    QCOMPARE(changed.size(), 0);
}

void TestUpdaterSettings::addSettingWithEmptyKeyStoresNothing()
{
    UpdaterSettings settings;
    const QStringList before = QSettings(QSettings::NativeFormat, QSettings::UserScope,
                                         QStringLiteral("tallowby"), QStringLiteral("settings"))
                                   .allKeys();
    QTest::ignoreMessage(QtWarningMsg, "无法添加设置：键为空");
    settings.addSetting(QString(), QStringLiteral("x"));
    const QStringList after = QSettings(QSettings::NativeFormat, QSettings::UserScope,
                                        QStringLiteral("tallowby"), QStringLiteral("settings"))
                                  .allKeys();
    QCOMPARE(after, before);
}

void TestUpdaterSettings::createDirectories()
{
    UpdaterSettings settings;
    const QString deep = m_payload + QStringLiteral("/a/b/c");
    QVERIFY(settings.createDirectories(deep));
    QVERIFY(QDir(deep).exists());
    QVERIFY(settings.createDirectories(deep));
    // A file in the way cannot become a folder.
    QFile blocker(m_payload + QStringLiteral("/file"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^Failed to create directory:")));
    QVERIFY(!settings.createDirectories(m_payload + QStringLiteral("/file/sub")));
}

void TestUpdaterSettings::saveFileData_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<QByteArray>("content");

    QTest::newRow("plain bytes unchanged")
        << QByteArray("aGVsbG8=\x01\xff") << true << QByteArray("aGVsbG8=\x01\xff");
    QTest::newRow("data URL decoded")
        << QByteArray("data:text/plain;base64,aGVsbG8=") << true << QByteArray("hello");
    QTest::newRow("data URL without comma")
        << QByteArray("data:nocomma") << false << QByteArray("<missing>");
}

void TestUpdaterSettings::saveFileData()
{
    QFETCH(QByteArray, data);
    QFETCH(bool, saved);
    QFETCH(QByteArray, content);
    UpdaterSettings settings;
    const QString path = m_payload + QStringLiteral("/sub/data.bin");
    if (!saved)
        QTest::ignoreMessage(QtWarningMsg, "Invalid data URL format");
    QCOMPARE(settings.saveFileData(path, data), saved);
    QCOMPARE(readFile(path), content);
}

void TestUpdaterSettings::saveFileStaysInsideTheApplicationDirectory()
{
    UpdaterSettings settings;
    QVERIFY(settings.saveFile("inside", QStringLiteral("payload/inside.txt")));
    QCOMPARE(readFile(m_payload + QStringLiteral("/inside.txt")), QByteArray("inside"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Refusing to write")));
    QVERIFY(!settings.saveFile("outside", QStringLiteral("payload/../../escaped.txt")));
    QVERIFY(!QFile::exists(appDir() + QStringLiteral("/../escaped.txt")));
}

void TestUpdaterSettings::downloadFileWritesBelowTheApplicationDirectory()
{
    m_server.setFile(QStringLiteral("/sub/file.txt"), "downloaded");
    UpdaterSettings settings;
    QVERIFY(download(settings, m_server.url(QStringLiteral("/sub/file.txt")),
                     QStringLiteral("payload/sub/file.txt")));
    QCOMPARE(readFile(m_payload + QStringLiteral("/sub/file.txt")), QByteArray("downloaded"));
    // Every downloader goes away once it has reported.
    QTRY_COMPARE(settings.findChildren<FileDownloader *>().size(), 0);
}

void TestUpdaterSettings::downloadFileRefusesUnsafeNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("parent") << "../escaped.txt";
    QTest::newRow("parent inside") << "payload/../../escaped.txt";
    QTest::newRow("absolute") << QDir::tempPath() + QStringLiteral("/escaped.txt");
    QTest::newRow("drive letter") << "C:\\escaped.txt";
    QTest::newRow("stream") << "payload:escaped";
    QTest::newRow("empty") << "";
    QTest::newRow("config.ini") << "config.ini";
    QTest::newRow("config.ini, other case") << "Config.INI";
    QTest::newRow("staging folder") << ".update-staging/x";
}

void TestUpdaterSettings::downloadFileRefusesUnsafeNames()
{
    QFETCH(QString, name);
    m_server.setFile(QStringLiteral("/escaped.txt"), "escaped");
    const int requestsBefore = m_server.requests().size();
    UpdaterSettings settings;
    QVERIFY(!download(settings, m_server.url(QStringLiteral("/escaped.txt")), name));
    QCOMPARE(m_server.requests().size(), requestsBefore);
    QVERIFY(!QFile::exists(appDir() + QStringLiteral("/../escaped.txt")));
    QVERIFY(!QFile::exists(QDir::tempPath() + QStringLiteral("/escaped.txt")));
}

void TestUpdaterSettings::downloadFileVerifiesTheDigest()
{
    const QByteArray body = "release file";
    m_server.setFile(QStringLiteral("/hashed"), body);
    const QString target = m_payload + QStringLiteral("/hashed.bin");
    QVERIFY(QDir().mkpath(m_payload));
    QFile old(target);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();

    UpdaterSettings settings;
    const QString good =
        QString::fromLatin1(QCryptographicHash::hash(body, QCryptographicHash::Sha256).toHex());
    QString bad = good;
    bad[0] = bad[0] == QLatin1Char('0') ? QLatin1Char('1') : QLatin1Char('0');
    QVERIFY(!download(settings, m_server.url(QStringLiteral("/hashed")),
                      QStringLiteral("payload/hashed.bin"), bad));
    QCOMPARE(readFile(target), QByteArray("old"));
    QVERIFY(!download(settings, m_server.url(QStringLiteral("/hashed")),
                      QStringLiteral("payload/hashed.bin"), QStringLiteral("missing")));
    QCOMPARE(readFile(target), QByteArray("old"));
    QVERIFY(download(settings, m_server.url(QStringLiteral("/hashed")),
                     QStringLiteral("payload/hashed.bin"), good));
    QCOMPARE(readFile(target), body);
    QVERIFY(!QFile::exists(AtomicFile::temporaryPathFor(target)));
}

void TestUpdaterSettings::deploymentRaisesTheSizeLimit()
{
    const QByteArray big(3 * 1024 * 1024, 'x');
    m_server.setFile(QStringLiteral("/big"), big);
    UpdaterSettings settings;
    // config.ini as the README tells a deployer to write it.
    QVERIFY(writeFile(appDir() + QStringLiteral("/config.ini"), "[UPDATE]\nMaxDownloadMB=1\n"));
    QVERIFY(
        !download(settings, m_server.url(QStringLiteral("/big")), QStringLiteral("payload/big")));
    QVERIFY(!QFile::exists(m_payload + QStringLiteral("/big")));
    QVERIFY(writeFile(appDir() + QStringLiteral("/config.ini"), "[UPDATE]\nMaxDownloadMB=4\n"));
    QVERIFY(
        download(settings, m_server.url(QStringLiteral("/big")), QStringLiteral("payload/big")));
    QCOMPARE(QFileInfo(m_payload + QStringLiteral("/big")).size(), qint64(big.size()));
    // A huge number once overflowed into a negative limit that refused every file.
    QFile::remove(m_payload + QStringLiteral("/big"));
    QVERIFY(writeFile(appDir() + QStringLiteral("/config.ini"),
                      "[UPDATE]\nMaxDownloadMB=99999999999999999\n"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("MaxDownloadMB")));
    QVERIFY(
        download(settings, m_server.url(QStringLiteral("/big")), QStringLiteral("payload/big")));
    QCOMPARE(QFileInfo(m_payload + QStringLiteral("/big")).size(), qint64(big.size()));
}

void TestUpdaterSettings::deploymentNumbersAreClamped_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("mib");
    QTest::newRow("missing") << QString() << qint64(256);
    QTest::newRow("in range") << "4" << qint64(4);
    // Multiplied by 1024 * 1024 this once overflowed into a negative limit.
    QTest::newRow("huge") << "99999999999999999" << qint64(4096);
    QTest::newRow("beyond 64 bits") << "999999999999999999999999" << qint64(256);
    QTest::newRow("negative") << "-5" << qint64(1);
    QTest::newRow("zero") << "0" << qint64(1);
    QTest::newRow("not a number") << "lots" << qint64(256);
}

void TestUpdaterSettings::deploymentNumbersAreClamped()
{
    QFETCH(QString, text);
    QFETCH(qint64, mib);
    if (!text.isEmpty())
        IniConfig().setValue(QStringLiteral("UPDATE"), QStringLiteral("MaxDownloadMB"), text);
    QCOMPARE(UpdateLimits::maximumFileBytes(IniConfig()), mib * 1024 * 1024);
}

void TestUpdaterSettings::folderLinkIsNotFollowed()
{
    QTemporaryDir elsewhere;
    QVERIFY(QDir().mkpath(m_payload));
    QVERIFY(QFile::link(elsewhere.path(), m_payload + QStringLiteral("/linked")));
    m_server.setFile(QStringLiteral("/x"), "x");
    UpdaterSettings settings;
    QVERIFY(!download(settings, m_server.url(QStringLiteral("/x")),
                      QStringLiteral("payload/linked/x.txt")));
    QVERIFY(!QFile::exists(elsewhere.filePath(QStringLiteral("x.txt"))));
}

QTEST_MAIN(TestUpdaterSettings)
#include "tst_updatersettings.moc"
