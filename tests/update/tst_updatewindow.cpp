#include "iniconfig.h"
#include "testhttpserver.h"
#include "updatenetworkfactory.h"
#include "updatetestsupport.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QQmlApplicationEngine>
#include <QQmlEngineExtensionPlugin>
#include <QStandardPaths>
#include <QTest>

Q_IMPORT_QML_PLUGIN(Cpp_MyComponentsPlugin)

namespace {

const QString installedVersion = QStringLiteral("2.1.2");
const QString newVersion = QStringLiteral("2.1.3");

} // namespace

// The window's check and queue, against a server in the test process.
class TestUpdateWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void wholeReleaseArrives();
    void missingFileIsSkipped();
    void sameVersionShowsTheCompletedStateAtOnce();
    void noInstalledVersionMeansNoRequest();
    void invalidManifestChangesNothing_data();
    void invalidManifestChangesNothing();
    void unsafeNamesAreSkipped();
    void numberVersionAlwaysDiffers();
    void digestMismatchKeepsTheInstalledFile();
    void emptyFileListKeepsWaiting();
    void uploadUrlIsConcatenatedAsGiven();

private:
    void configure(bool withVersion = true);
    void publish(const QJsonObject &manifest);
    QJsonObject manifest(const QStringList &files) const;
    QObject *openWindow();
    QStringList fileRequests() const;

    TestHttpServer m_server;
    UpdateNetworkFactory m_factory;
    std::unique_ptr<QQmlApplicationEngine> m_engine;
    QString m_payload;
};

void TestUpdateWindow::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_server.listen());
    m_payload = appDir() + QStringLiteral("/payload");
}

void TestUpdateWindow::init()
{
    m_server.clear();
    QDir(m_payload).removeRecursively();
    QFile::remove(IniConfig().path());
    QFile::remove(appDir() + QStringLiteral("/../escaped.txt"));
}

void TestUpdateWindow::cleanup()
{
    m_engine.reset();
    QDir(m_payload).removeRecursively();
    QFile::remove(IniConfig().path());
}

void TestUpdateWindow::configure(bool withVersion)
{
    const IniConfig ini;
    ini.setValue(QStringLiteral("UPDATE"), QStringLiteral("UpdateURL"),
                 m_server.url(QStringLiteral("/update/update.json")));
    if (withVersion)
        ini.setValue(QStringLiteral("UPDATE"), QStringLiteral("APPVersion"), installedVersion);
}

QJsonObject TestUpdateWindow::manifest(const QStringList &files) const
{
    return QJsonObject{{QStringLiteral("appVersion"), newVersion},
                       {QStringLiteral("files"), QJsonArray::fromStringList(files)},
                       {QStringLiteral("uploadUrl"), m_server.url(QStringLiteral("/update"))},
                       {QStringLiteral("msg"), QJsonArray{QStringLiteral("line one")}}};
}

void TestUpdateWindow::publish(const QJsonObject &manifest)
{
    m_server.setFile(QStringLiteral("/update/update.json"), QJsonDocument(manifest).toJson());
}

QObject *TestUpdateWindow::openWindow()
{
    m_engine = std::make_unique<QQmlApplicationEngine>();
    m_engine->setNetworkAccessManagerFactory(&m_factory);
    m_engine->load(QUrl(QStringLiteral("qrc:/qml/updateWindow.qml")));
    return m_engine->rootObjects().isEmpty() ? nullptr : m_engine->rootObjects().first();
}

QStringList TestUpdateWindow::fileRequests() const
{
    QStringList requests = m_server.requests();
    requests.removeAll(QStringLiteral("GET /update/update.json"));
    return requests;
}

void TestUpdateWindow::wholeReleaseArrives()
{
    configure();
    publish(manifest({QStringLiteral("payload/a.txt"), QStringLiteral("payload/sub/b.txt")}));
    m_server.setFile(QStringLiteral("/update/2.1.3/payload/a.txt"), "new a");
    m_server.setFile(QStringLiteral("/update/2.1.3/payload/sub/b.txt"), "new b");
    writeFile(m_payload + QStringLiteral("/a.txt"), "old a");
    QObject *window = openWindow();
    QVERIFY(window);
    QTRY_VERIFY(window->property("downloadComplete").toBool());
    QCOMPARE(window->property("downloadedFiles").toInt(), 2);
    QCOMPARE(window->property("totalFiles").toInt(), 2);
    QCOMPARE(window->property("baseUrl").toString(),
             m_server.url(QStringLiteral("/update/2.1.3/")));
    QCOMPARE(readFile(m_payload + QStringLiteral("/a.txt")), QByteArray("new a"));
    QCOMPARE(readFile(m_payload + QStringLiteral("/sub/b.txt")), QByteArray("new b"));
    // Strictly one after the other, in manifest order.
    QCOMPARE(fileRequests(), QStringList({QStringLiteral("GET /update/2.1.3/payload/a.txt"),
                                          QStringLiteral("GET /update/2.1.3/payload/sub/b.txt")}));
}

void TestUpdateWindow::missingFileIsSkipped()
{
    configure();
    publish(manifest({QStringLiteral("payload/a.txt"), QStringLiteral("payload/missing.txt"),
                      QStringLiteral("payload/c.txt")}));
    m_server.setFile(QStringLiteral("/update/2.1.3/payload/a.txt"), "a");
    m_server.setFile(QStringLiteral("/update/2.1.3/payload/c.txt"), "c");
    writeFile(m_payload + QStringLiteral("/missing.txt"), "installed");
    QObject *window = openWindow();
    QVERIFY(window);
    QTRY_VERIFY(window->property("downloadComplete").toBool());
    QCOMPARE(window->property("downloadedFiles").toInt(), 2);
    QCOMPARE(window->property("currentFileIndex").toInt(), 3);
    QCOMPARE(readFile(m_payload + QStringLiteral("/missing.txt")), QByteArray("installed"));
    QCOMPARE(readFile(m_payload + QStringLiteral("/c.txt")), QByteArray("c"));
}

void TestUpdateWindow::sameVersionShowsTheCompletedStateAtOnce()
{
    configure();
    QJsonObject same = manifest({QStringLiteral("payload/a.txt")});
    same.insert(QStringLiteral("appVersion"), installedVersion);
    publish(same);
    QObject *window = openWindow();
    QVERIFY(window);
    QTRY_VERIFY(window->property("downloadComplete").toBool());
    QCOMPARE(window->property("downloadedFiles").toInt(), 0);
    QCOMPARE(fileRequests(), QStringList());
}

void TestUpdateWindow::noInstalledVersionMeansNoRequest()
{
    configure(false);
    publish(manifest({QStringLiteral("payload/a.txt")}));
    QObject *window = openWindow();
    QVERIFY(window);
    QTest::qWait(500);
    QCOMPARE(m_server.requests(), QStringList());
    QVERIFY(!window->property("downloadComplete").toBool());
}

void TestUpdateWindow::invalidManifestChangesNothing_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("status");

    const QByteArray upload = m_server.url(QStringLiteral("/update")).toLatin1();
    QTest::newRow("not JSON") << QByteArray("<html>maintenance</html>") << 200;
    QTest::newRow("truncated JSON")
        << QByteArray("{\"appVersion\": \"2.1.3\", \"files\": [") << 200;
    QTest::newRow("null") << QByteArray("null") << 200;
    QTest::newRow("array") << QByteArray("[\"payload/a.txt\"]") << 200;
    QTest::newRow("no files") << "{\"appVersion\":\"2.1.3\",\"uploadUrl\":\"" + upload + "\"}"
                              << 200;
    QTest::newRow("files not a list")
        << "{\"appVersion\":\"2.1.3\",\"files\":\"payload/a.txt\",\"uploadUrl\":\"" + upload + "\"}"
        << 200;
    QTest::newRow("file name not a string")
        << "{\"appVersion\":\"2.1.3\",\"files\":[{\"name\":\"a\"}],\"uploadUrl\":\"" + upload +
               "\"}"
        << 200;
    QTest::newRow("empty version")
        << "{\"appVersion\":\"\",\"files\":[\"payload/a.txt\"],\"uploadUrl\":\"" + upload + "\"}"
        << 200;
    QTest::newRow("no uploadUrl") << QByteArray(
                                         "{\"appVersion\":\"2.1.3\",\"files\":[\"payload/a.txt\"]}")
                                  << 200;
    QTest::newRow("digest map not a map")
        << "{\"appVersion\":\"2.1.3\",\"files\":[\"payload/a.txt\"],\"sha256\":[\"x\"],"
           "\"uploadUrl\":\"" +
               upload + "\"}"
        << 200;
    QTest::newRow("status 500") << QByteArray("{}") << 500;
}

void TestUpdateWindow::invalidManifestChangesNothing()
{
    QFETCH(QByteArray, body);
    QFETCH(int, status);
    configure();
    m_server.setFile(QStringLiteral("/update/update.json"), body, status);
    m_server.setFile(QStringLiteral("/update/2.1.3/payload/a.txt"), "new");
    writeFile(m_payload + QStringLiteral("/a.txt"), "installed");
    QObject *window = openWindow();
    QVERIFY(window);
    QTRY_COMPARE(m_server.requests().size(), 1);
    QTest::qWait(300);
    QCOMPARE(fileRequests(), QStringList());
    QVERIFY(!window->property("downloadComplete").toBool());
    QCOMPARE(window->property("totalFiles").toInt(), 0);
    QCOMPARE(readFile(m_payload + QStringLiteral("/a.txt")), QByteArray("installed"));
}

void TestUpdateWindow::unsafeNamesAreSkipped()
{
    configure();
    const QString absolute = QDir::tempPath() + QStringLiteral("/escaped.txt");
    QFile::remove(absolute);
    publish(
        manifest({QStringLiteral("../escaped.txt"), QStringLiteral("payload/../../escaped.txt"),
                  absolute, QStringLiteral("C:\\escaped.txt"), QStringLiteral("payload/ok.txt")}));
    m_server.setFile(QStringLiteral("/update/escaped.txt"), "escaped");
    m_server.setFile(QStringLiteral("/escaped.txt"), "escaped");
    m_server.setFile(QStringLiteral("/update/2.1.3/payload/ok.txt"), "ok");
    QObject *window = openWindow();
    QVERIFY(window);
    QTRY_VERIFY(window->property("downloadComplete").toBool());
    QCOMPARE(window->property("downloadedFiles").toInt(), 1);
    QCOMPARE(window->property("currentFileIndex").toInt(), 5);
    QCOMPARE(fileRequests(), QStringList({QStringLiteral("GET /update/2.1.3/payload/ok.txt")}));
    QVERIFY(!QFile::exists(appDir() + QStringLiteral("/../escaped.txt")));
    QVERIFY(!QFile::exists(absolute));
    QCOMPARE(readFile(m_payload + QStringLiteral("/ok.txt")), QByteArray("ok"));
}

void TestUpdateWindow::numberVersionAlwaysDiffers()
{
    configure();
    IniConfig().setValue(QStringLiteral("UPDATE"), QStringLiteral("APPVersion"),
                         QStringLiteral("3"));
    QJsonObject numbered = manifest({QStringLiteral("payload/a.txt")});
    numbered.insert(QStringLiteral("appVersion"), 3);
    publish(numbered);
    m_server.setFile(QStringLiteral("/update/3/payload/a.txt"), "three");
    QObject *window = openWindow();
    QVERIFY(window);
    QTRY_VERIFY(window->property("downloadComplete").toBool());
    QCOMPARE(window->property("downloadedFiles").toInt(), 1);
    QCOMPARE(readFile(m_payload + QStringLiteral("/a.txt")), QByteArray("three"));
}

void TestUpdateWindow::digestMismatchKeepsTheInstalledFile()
{
    configure();
    QJsonObject hashed =
        manifest({QStringLiteral("payload/good.txt"), QStringLiteral("payload/bad.txt"),
                  QStringLiteral("payload/unlisted.txt")});
    const auto hex = [](const QByteArray &data) {
        return QString::fromLatin1(
            QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex());
    };
    hashed.insert(QStringLiteral("sha256"),
                  QJsonObject{{QStringLiteral("payload/good.txt"), hex("good")},
                              {QStringLiteral("payload/bad.txt"), hex("what was published")}});
    publish(hashed);
    m_server.setFile(QStringLiteral("/update/2.1.3/payload/good.txt"), "good");
    m_server.setFile(QStringLiteral("/update/2.1.3/payload/bad.txt"), "tampered");
    m_server.setFile(QStringLiteral("/update/2.1.3/payload/unlisted.txt"), "unlisted");
    writeFile(m_payload + QStringLiteral("/bad.txt"), "installed");
    QObject *window = openWindow();
    QVERIFY(window);
    QTRY_VERIFY(window->property("downloadComplete").toBool());
    QCOMPARE(window->property("downloadedFiles").toInt(), 1);
    QCOMPARE(readFile(m_payload + QStringLiteral("/good.txt")), QByteArray("good"));
    QCOMPARE(readFile(m_payload + QStringLiteral("/bad.txt")), QByteArray("installed"));
    QVERIFY(!QFile::exists(m_payload + QStringLiteral("/unlisted.txt")));
    QCOMPARE(QDir(m_payload).entryList(QDir::Files).size(), 2);
}

void TestUpdateWindow::emptyFileListKeepsWaiting()
{
    configure();
    publish(manifest({}));
    QObject *window = openWindow();
    QVERIFY(window);
    QTRY_COMPARE(m_server.requests().size(), 1);
    QTest::qWait(300);
    QVERIFY(!window->property("downloadComplete").toBool());
    QCOMPARE(window->property("totalFiles").toInt(), 0);
}

void TestUpdateWindow::uploadUrlIsConcatenatedAsGiven()
{
    configure();
    QJsonObject slash = manifest({QStringLiteral("payload/a.txt")});
    slash.insert(QStringLiteral("uploadUrl"), m_server.url(QStringLiteral("/update/")));
    publish(slash);
    QObject *window = openWindow();
    QVERIFY(window);
    QTRY_VERIFY(window->property("downloadComplete").toBool());
    QCOMPARE(fileRequests(), QStringList({QStringLiteral("GET /update//2.1.3/payload/a.txt")}));
}

QTEST_MAIN(TestUpdateWindow)
#include "tst_updatewindow.moc"
