#include "iniconfig.h"
#include "releasejournal.h"
#include "releasesigner.h"
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
using Files = QMap<QString, QByteArray>;

} // namespace

// The window's check and queue, against a server in the test process: a release
// is installed whole or not at all, and the window tells which.
class TestUpdateWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void wholeReleaseArrives();
    void oneFailedFileKeepsTheOldRelease();
    void sameVersionShowsTheCompletedStateAtOnce();
    void noInstalledVersionMeansNoRequest();
    void refusedManifestChangesNothing_data();
    void refusedManifestChangesNothing();
    void numberVersionAlwaysDiffers();
    void tamperedFileKeepsTheOldRelease();
    void emptyReleaseCompletesAtOnce();
    void uploadUrlIsConcatenatedAsGiven();

private:
    void configure(bool withVersion = true);
    void publish(const QJsonObject &manifest);
    // Serves the files and returns their signed manifest.
    QJsonObject release(const Files &files, const QString &version = newVersion);
    QObject *openWindow();
    QStringList fileRequests() const;
    QString text(QObject *window, const char *name) const;

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
    forgetInstalledSerial(appDir());
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

QJsonObject TestUpdateWindow::release(const Files &files, const QString &version)
{
    for (auto it = files.cbegin(); it != files.cend(); ++it)
        m_server.setFile(QStringLiteral("/update/") + version + QLatin1Char('/') + it.key(),
                         it.value());
    return ReleaseSigner::manifest(version, m_server.url(QStringLiteral("/update")), files);
}

void TestUpdateWindow::publish(const QJsonObject &manifest)
{
    m_server.setFile(QStringLiteral("/update/update.json"), ReleaseSigner::envelope(manifest));
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

QString TestUpdateWindow::text(QObject *window, const char *name) const
{
    QObject *item = window->findChild<QObject *>(QLatin1String(name));
    return item ? item->property("text").toString() : QStringLiteral("<no %1>").arg(name);
}

void TestUpdateWindow::wholeReleaseArrives()
{
    configure();
    QJsonObject manifest = release({{QStringLiteral("payload/a.txt"), "new a"},
                                    {QStringLiteral("payload/sub/b.txt"), "new b"},
                                    {QStringLiteral("payload/tool"), "#!/bin/sh\n"}});
    manifest.insert(QStringLiteral("executable"), QJsonArray{QStringLiteral("payload/tool")});
    publish(manifest);
    writeFile(m_payload + QStringLiteral("/a.txt"), "old a");
    QObject *window = openWindow();
    QVERIFY(window);
    QTRY_VERIFY(window->property("downloadComplete").toBool());
    QVERIFY(!window->property("updateFailed").toBool());
    QCOMPARE(text(window, "titleText"), QStringLiteral("更新完成"));
    QCOMPARE(window->property("downloadedFiles").toInt(), 3);
    QCOMPARE(window->property("totalFiles").toInt(), 3);
    QCOMPARE(window->property("baseUrl").toString(),
             m_server.url(QStringLiteral("/update/2.1.3/")));
    QCOMPARE(readFile(m_payload + QStringLiteral("/a.txt")), QByteArray("new a"));
    QCOMPARE(readFile(m_payload + QStringLiteral("/sub/b.txt")), QByteArray("new b"));
    QVERIFY(QFileInfo(m_payload + QStringLiteral("/tool")).isExecutable());
    QVERIFY(!QFileInfo(m_payload + QStringLiteral("/a.txt")).isExecutable());
    QCOMPARE(ReleaseJournal(appDir()).installedSerial(), qint64(1));
    QVERIFY(!QFileInfo::exists(ReleaseJournal(appDir()).stagingDir()));
    // Strictly one after the other, in manifest order.
    QCOMPARE(fileRequests(), QStringList({QStringLiteral("GET /update/2.1.3/payload/a.txt"),
                                          QStringLiteral("GET /update/2.1.3/payload/sub/b.txt"),
                                          QStringLiteral("GET /update/2.1.3/payload/tool")}));
}

void TestUpdateWindow::oneFailedFileKeepsTheOldRelease()
{
    configure();
    const Files files{{QStringLiteral("payload/a.txt"), "new a"},
                      {QStringLiteral("payload/b.txt"), "new b"},
                      {QStringLiteral("payload/c.txt"), "new c"}};
    publish(release(files));
    m_server.setFile(QStringLiteral("/update/2.1.3/payload/b.txt"), "gone", 404);
    writeFile(m_payload + QStringLiteral("/a.txt"), "old a");
    writeFile(m_payload + QStringLiteral("/b.txt"), "old b");
    QObject *window = openWindow();
    QVERIFY(window);
    QTRY_VERIFY(window->property("updateFailed").toBool());
    QVERIFY(!window->property("downloadComplete").toBool());
    QCOMPARE(window->property("downloadedFiles").toInt(), 2);
    QCOMPARE(window->property("currentFileIndex").toInt(), 3);
    // Nothing of the new release is in place, and the window says so.
    QCOMPARE(readFile(m_payload + QStringLiteral("/a.txt")), QByteArray("old a"));
    QCOMPARE(readFile(m_payload + QStringLiteral("/b.txt")), QByteArray("old b"));
    QVERIFY(!QFile::exists(m_payload + QStringLiteral("/c.txt")));
    QCOMPARE(text(window, "titleText"), QStringLiteral("更新失败"));
    QVERIFY(text(window, "failureList").startsWith(QStringLiteral("payload/b.txt: ")));
    QVERIFY(text(window, "failureList").contains(QStringLiteral("404")));
    QVERIFY(!window->findChild<QObject *>(QStringLiteral("restartButton"))
                 ->property("visible")
                 .toBool());
    QVERIFY(!QFileInfo::exists(ReleaseJournal(appDir()).stagingDir()));

    // Trying again once the server is whole installs everything.
    m_server.setFile(QStringLiteral("/update/2.1.3/payload/b.txt"), "new b");
    QMetaObject::invokeMethod(window, "checkUpdate");
    QTRY_VERIFY(window->property("downloadComplete").toBool());
    for (auto it = files.cbegin(); it != files.cend(); ++it)
        QCOMPARE(readFile(appDir() + QLatin1Char('/') + it.key()), it.value());
}

void TestUpdateWindow::sameVersionShowsTheCompletedStateAtOnce()
{
    configure();
    publish(release({{QStringLiteral("payload/a.txt"), "a"}}, installedVersion));
    QObject *window = openWindow();
    QVERIFY(window);
    QTRY_VERIFY(window->property("downloadComplete").toBool());
    QCOMPARE(window->property("downloadedFiles").toInt(), 0);
    QCOMPARE(fileRequests(), QStringList());
}

void TestUpdateWindow::noInstalledVersionMeansNoRequest()
{
    configure(false);
    publish(release({{QStringLiteral("payload/a.txt"), "a"}}));
    QObject *window = openWindow();
    QVERIFY(window);
    QTest::qWait(500);
    QCOMPARE(m_server.requests(), QStringList());
    QVERIFY(!window->property("downloadComplete").toBool());
}

void TestUpdateWindow::refusedManifestChangesNothing_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("status");
    QTest::addColumn<qint64>("installedSerial");

    const QByteArray upload = m_server.url(QStringLiteral("/update")).toLatin1();
    const QJsonObject good = ReleaseSigner::manifest(newVersion, QString::fromLatin1(upload),
                                                     {{QStringLiteral("payload/a.txt"), "new"}}, 4);
    const auto changed = [&good](const char *member, const QJsonValue &value) {
        QJsonObject manifest = good;
        manifest.insert(QLatin1String(member), value);
        return ReleaseSigner::envelope(manifest);
    };
    QTest::newRow("not JSON") << QByteArray("<html>maintenance</html>") << 200 << qint64(0);
    QTest::newRow("truncated JSON") << QByteArray("{\"manifest\": \"") << 200 << qint64(0);
    QTest::newRow("null") << QByteArray("null") << 200 << qint64(0);
    QTest::newRow("array") << QByteArray("[\"payload/a.txt\"]") << 200 << qint64(0);
    QTest::newRow("unsigned") << QJsonDocument(good).toJson() << 200 << qint64(0);
    QTest::newRow("wrong key") << ReleaseSigner::envelope(
                                      good, ReleaseSigner::keyPath(QStringLiteral("other")))
                               << 200 << qint64(0);
    QTest::newRow("replayed older serial") << ReleaseSigner::envelope(good) << 200 << qint64(9);
    QTest::newRow("config.ini listed")
        << changed("files",
                   QJsonArray{QStringLiteral("payload/a.txt"), QStringLiteral("config.ini")})
        << 200 << qint64(0);
    QTest::newRow("unsafe names") << changed("files", QJsonArray{QStringLiteral("payload/a.txt"),
                                                                 QStringLiteral("../escaped.txt")})
                                  << 200 << qint64(0);
    QTest::newRow("escape sequence in a name")
        << changed("files", QJsonArray{QStringLiteral("a\x1b[2Jb")}) << 200 << qint64(0);
    QTest::newRow("files not a list")
        << changed("files", QStringLiteral("payload/a.txt")) << 200 << qint64(0);
    QTest::newRow("empty version") << changed("appVersion", QString()) << 200 << qint64(0);
    QTest::newRow("no digest") << changed("sha256", QJsonObject()) << 200 << qint64(0);
    QTest::newRow("status 500") << ReleaseSigner::envelope(good) << 500 << qint64(0);
}

void TestUpdateWindow::refusedManifestChangesNothing()
{
    QFETCH(QByteArray, body);
    QFETCH(int, status);
    QFETCH(qint64, installedSerial);
    configure();
    if (installedSerial > 0)
        writeFile(appDir() + QLatin1Char('/') + QLatin1String(ReleaseJournal::serialFile),
                  QByteArray::number(installedSerial));
    m_server.setFile(QStringLiteral("/update/update.json"), body, status);
    m_server.setFile(QStringLiteral("/update/2.1.3/payload/a.txt"), "new");
    writeFile(m_payload + QStringLiteral("/a.txt"), "installed");
    QObject *window = openWindow();
    QVERIFY(window);
    QTRY_VERIFY(window->property("updateFailed").toBool());
    QCOMPARE(m_server.requests().size(), 1);
    QCOMPARE(fileRequests(), QStringList());
    QVERIFY(!window->property("downloadComplete").toBool());
    QCOMPARE(window->property("totalFiles").toInt(), 0);
    QCOMPARE(readFile(m_payload + QStringLiteral("/a.txt")), QByteArray("installed"));
    QVERIFY(!QFile::exists(appDir() + QStringLiteral("/../escaped.txt")));
    QCOMPARE(text(window, "titleText"), QStringLiteral("更新失败"));
}

void TestUpdateWindow::numberVersionAlwaysDiffers()
{
    configure();
    IniConfig().setValue(QStringLiteral("UPDATE"), QStringLiteral("APPVersion"),
                         QStringLiteral("3"));
    QJsonObject numbered =
        release({{QStringLiteral("payload/a.txt"), "three"}}, QStringLiteral("3"));
    numbered.insert(QStringLiteral("appVersion"), 3);
    publish(numbered);
    QObject *window = openWindow();
    QVERIFY(window);
    QTRY_VERIFY(window->property("downloadComplete").toBool());
    QCOMPARE(window->property("downloadedFiles").toInt(), 1);
    QCOMPARE(readFile(m_payload + QStringLiteral("/a.txt")), QByteArray("three"));
}

void TestUpdateWindow::tamperedFileKeepsTheOldRelease()
{
    configure();
    publish(release({{QStringLiteral("payload/good.txt"), "good"},
                     {QStringLiteral("payload/bad.txt"), "what was published"}}));
    m_server.setFile(QStringLiteral("/update/2.1.3/payload/bad.txt"), "tampered, same size");
    writeFile(m_payload + QStringLiteral("/bad.txt"), "installed");
    QObject *window = openWindow();
    QVERIFY(window);
    QTRY_VERIFY(window->property("updateFailed").toBool());
    QCOMPARE(window->property("downloadedFiles").toInt(), 1);
    QCOMPARE(readFile(m_payload + QStringLiteral("/bad.txt")), QByteArray("installed"));
    QVERIFY(!QFile::exists(m_payload + QStringLiteral("/good.txt")));
    QVERIFY(text(window, "failureList").contains(QStringLiteral("payload/bad.txt")));
}

void TestUpdateWindow::emptyReleaseCompletesAtOnce()
{
    configure();
    publish(release({}));
    QObject *window = openWindow();
    QVERIFY(window);
    QTRY_VERIFY(window->property("downloadComplete").toBool());
    QCOMPARE(text(window, "detailLine"), QStringLiteral("没有需要更新的文件"));
    QCOMPARE(ReleaseJournal(appDir()).installedSerial(), qint64(1));
    QCOMPARE(fileRequests(), QStringList());
}

void TestUpdateWindow::uploadUrlIsConcatenatedAsGiven()
{
    configure();
    QJsonObject slash = release({{QStringLiteral("payload/a.txt"), "a"}});
    slash.insert(QStringLiteral("uploadUrl"), m_server.url(QStringLiteral("/update/")));
    publish(slash);
    m_server.setFile(QStringLiteral("/update//2.1.3/payload/a.txt"), "a");
    QObject *window = openWindow();
    QVERIFY(window);
    QTRY_VERIFY(window->property("downloadComplete").toBool());
    QCOMPARE(fileRequests(), QStringList({QStringLiteral("GET /update//2.1.3/payload/a.txt")}));
}

QTEST_MAIN(TestUpdateWindow)
#include "tst_updatewindow.moc"
