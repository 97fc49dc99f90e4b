#include "releasejournal.h"
#include "releasesignature.h"
#include "releasesigner.h"
#include "testhttpserver.h"
#include "updatelimits.h"
#include "updatemanifest.h"
#include "updatemanifestcheck.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

QJsonObject release()
{
    return ReleaseSigner::manifest(QStringLiteral("2.1.3"), QStringLiteral("http://127.0.0.1/u"),
                                   {{QStringLiteral("Quillmark"), "program"},
                                    {QStringLiteral("translations/app_en.qm"), "words"}},
                                   5);
}

QByteArray withPayload(const QByteArray &envelope, const QByteArray &payload)
{
    QJsonObject outer = QJsonDocument::fromJson(envelope).object();
    outer.insert(QStringLiteral("manifest"), QString::fromLatin1(payload.toBase64()));
    return QJsonDocument(outer).toJson();
}

} // namespace

// The one manifest check both programs use: only a manifest signed by a trusted
// key, complete for every file, and not older than the installed release passes.
class TestUpdateManifest : public QObject
{
    Q_OBJECT

private slots:
    void verdict_data();
    void verdict();
    void buildWithoutKeyRefusesEverything();
    void fetchLimitsTheManifest_data();
    void fetchLimitsTheManifest();
};

void TestUpdateManifest::verdict_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<qint64>("installedSerial");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QString>("reason");

    const int accepted = int(UpdateManifest::Outcome::Accepted);
    const int refused = int(UpdateManifest::Outcome::Refused);
    const QByteArray good = ReleaseSigner::envelope(release());
    QTest::newRow("signed by the trusted key") << good << qint64(0) << accepted << QString();
    QTest::newRow("same serial as installed") << good << qint64(5) << accepted << QString();
    QTest::newRow("replayed older serial") << good << qint64(6) << refused << "older";
    QTest::newRow("not JSON") << QByteArray("<html>") << qint64(0)
                              << int(UpdateManifest::Outcome::Unreadable) << QString();
    QJsonObject plain = release();
    plain.insert(QStringLiteral("push"), true);
    QTest::newRow("unsigned") << QJsonDocument(plain).toJson() << qint64(0) << refused
                              << "not signed";
    QTest::newRow("signed with another key")
        << ReleaseSigner::envelope(release(), ReleaseSigner::keyPath(QStringLiteral("other")))
        << qint64(0) << refused << "trusted key";
    QJsonObject tampered = release();
    tampered.insert(QStringLiteral("uploadUrl"), QStringLiteral("http://127.0.0.1/evil"));
    QTest::newRow("tampered after signing")
        << withPayload(good, QJsonDocument(tampered).toJson(QJsonDocument::Compact)) << qint64(0)
        << refused << "trusted key";

    const auto signedWith = [](const std::function<void(QJsonObject &)> &change) {
        QJsonObject manifest = release();
        change(manifest);
        return ReleaseSigner::envelope(manifest);
    };
    QTest::newRow("config.ini listed") << signedWith([](QJsonObject &m) {
        m.insert(QStringLiteral("files"),
                 QJsonArray{QStringLiteral("Quillmark"), QStringLiteral("CONFIG.INI")});
    }) << qint64(0) << refused << "config.ini";
    QTest::newRow("a file without digest")
        << signedWith([](QJsonObject &m) { m.insert(QStringLiteral("sha256"), QJsonObject()); })
        << qint64(0) << refused << "SHA-256";
    QTest::newRow("a file without size")
        << signedWith([](QJsonObject &m) { m.insert(QStringLiteral("size"), QJsonObject()); })
        << qint64(0) << refused << "size";
    QTest::newRow("no serial") << signedWith([](QJsonObject &m) {
        m.remove(QStringLiteral("serial"));
    }) << qint64(0) << refused << "serial";
    QTest::newRow("name twice in other case") << signedWith([](QJsonObject &m) {
        m.insert(QStringLiteral("files"),
                 QJsonArray{QStringLiteral("Quillmark"), QStringLiteral("quillmark")});
    }) << qint64(0) << refused << "twice";
    QTest::newRow("a file where another needs a folder") << signedWith([](QJsonObject &m) {
        const QMap<QString, QByteArray> files{{QStringLiteral("Lib"), "x"},
                                              {QStringLiteral("lib/core.so"), "y"}};
        m = ReleaseSigner::manifest(QStringLiteral("2.1.3"), QStringLiteral("http://127.0.0.1/u"),
                                    files, 5);
    }) << qint64(0) << refused << "as a file and as a folder";
    QMap<QString, QByteArray> large;
    for (int i = 0; i < 20000; ++i)
        large.insert(QStringLiteral("data/part%1.bin").arg(i, 5, 10, QLatin1Char('0')), "x");
    QTest::newRow("20,000 files") << ReleaseSigner::envelope(ReleaseSigner::manifest(
                                         QStringLiteral("2.1.3"),
                                         QStringLiteral("http://127.0.0.1/u"), large, 5))
                                  << qint64(0) << accepted << QString();
    QTest::newRow("executable not listed") << signedWith([](QJsonObject &m) {
        m.insert(QStringLiteral("executable"), QJsonArray{QStringLiteral("Update")});
    }) << qint64(0) << refused << "executable";
    QTest::newRow("too large") << good + QByteArray(UpdateLimits::manifestBytes, ' ') << qint64(0)
                               << refused << "larger";
}

void TestUpdateManifest::verdict()
{
    QFETCH(QByteArray, body);
    QFETCH(qint64, installedSerial);
    QFETCH(int, outcome);
    QFETCH(QString, reason);
    const UpdateManifest::Result result =
        UpdateManifest::check(body, ReleaseSignature::builtInKeys(), installedSerial);
    QCOMPARE(int(result.outcome), outcome);
    QVERIFY2(result.reason.contains(reason), qPrintable(result.reason));
    if (outcome == int(UpdateManifest::Outcome::Accepted))
        QCOMPARE(result.manifest.value(QStringLiteral("serial")).toInt(), 5);
    else
        QVERIFY(result.manifest.isEmpty());
    // The same serial is accepted, as the release that is in place already.
    QCOMPARE(result.alreadyInstalled, installedSerial == 5);
}

void TestUpdateManifest::buildWithoutKeyRefusesEverything()
{
    QVERIFY(!ReleaseSignature::builtInKeys().isEmpty());
    const UpdateManifest::Result result =
        UpdateManifest::check(ReleaseSigner::envelope(release()), {}, 0);
    QCOMPARE(result.outcome, UpdateManifest::Outcome::Refused);
    QVERIFY(result.reason.contains(QStringLiteral("no public key")));
}

void TestUpdateManifest::fetchLimitsTheManifest_data()
{
    QTest::addColumn<bool>("endless");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("signed manifest") << false << true;
    QTest::newRow("endless manifest") << true << false;
}

void TestUpdateManifest::fetchLimitsTheManifest()
{
    QFETCH(bool, endless);
    QFETCH(bool, accepted);
    TestHttpServer server;
    QVERIFY(server.listen());
    TestHttpServer::Route route;
    route.body = ReleaseSigner::envelope(release());
    if (endless) {
        // More than the limit, without a size, slowly: must stop early.
        route.body = QByteArray(UpdateLimits::manifestBytes + 4 * 1024 * 1024, ' ');
        route.sendLength = false;
        route.chunkSize = 256 * 1024;
        route.chunkDelay = 1;
    }
    server.setRoute(QStringLiteral("/update.json"), route);
    QTemporaryDir app;
    UpdateManifestCheck check;
    check.setApplicationDir(app.path());
    QSignalSpy fetched(&check, &UpdateManifestCheck::fetched);
    check.fetch(server.url(QStringLiteral("/update.json")));
    QVERIFY(fetched.wait(20000));
    const QVariantMap result = fetched.first().at(1).toMap();
    QCOMPARE(result.value(QStringLiteral("accepted")).toBool(), accepted);
    if (endless)
        QVERIFY(
            result.value(QStringLiteral("reason")).toString().contains(QStringLiteral("larger")));

    // The serial of the installed release counts: a replay of this one is refused
    // once a newer release is in place.
    if (!endless) {
        QFile serial(app.filePath(QLatin1String(ReleaseJournal::serialFile)));
        QVERIFY(serial.open(QIODevice::WriteOnly));
        serial.write("6\n");
        serial.close();
        const QVariantMap replay = check.check(QString::fromUtf8(route.body));
        QVERIFY(!replay.value(QStringLiteral("accepted")).toBool());
    }
}

QTEST_GUILESS_MAIN(TestUpdateManifest)
#include "tst_updatemanifest.moc"
