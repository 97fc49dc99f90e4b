#include "atomicfile.h"
#include "filedownloader.h"
#include "testhttpserver.h"
#include "updatetestsupport.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using Route = TestHttpServer::Route;
Q_DECLARE_METATYPE(Route)

namespace {

const QByteArray oldContent = "the installed file, old release\n";

QByteArray releaseBody()
{
    QByteArray body;
    for (int i = 0; i < 4000; ++i)
        body += "line " + QByteArray::number(i) + " of the new release\n";
    return body;
}

QByteArray sha256Hex(const QByteArray &data)
{
    return QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex();
}

} // namespace

// One transfer into one file: what arrives replaces the installed file only when
// it is complete and right; everything else leaves the installed file as it was.
class TestFileDownloader : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void transfer_data();
    void transfer();
    void reportsExactlyOnceAndProgressGrows();
    void createsMissingFolders();
    void unopenableTargetFailsFromTheEventLoop();
    void staleTemporaryFileIsRemoved();
    void destroyedMidTransferKeepsTheInstalledFile();
    void keepsExecutablePermission();
    void linksAreNeverWrittenThrough_data();
    void linksAreNeverWrittenThrough();
    void releaseSizeAndExecuteBit();
    void misbehavingServer_data();
    void misbehavingServer();

private:
    bool run(FileDownloader &downloader, const QString &url, bool *success);

    TestHttpServer m_server;
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_target;
};

void TestFileDownloader::initTestCase()
{
    QVERIFY(m_server.listen());
}

void TestFileDownloader::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_target = m_dir->filePath(QStringLiteral("program.bin"));
    QFile file(m_target);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(oldContent);
}

bool TestFileDownloader::run(FileDownloader &downloader, const QString &url, bool *success)
{
    QSignalSpy finished(&downloader, &FileDownloader::downloadFinished);
    downloader.startDownload(url, m_target);
    if (!finished.wait(15000))
        return false;
    *success = finished.first().first().toBool();
    return true;
}

void TestFileDownloader::transfer_data()
{
    QTest::addColumn<Route>("route");
    QTest::addColumn<QByteArray>("expectedSha256");
    QTest::addColumn<qint64>("maximumSize");
    QTest::addColumn<bool>("succeeds");

    const QByteArray body = releaseBody();
    Route ok;
    ok.body = body;
    QTest::newRow("complete body with size") << ok << QByteArray() << qint64(-1) << true;
    Route noLength = ok;
    noLength.sendLength = false;
    // Ends when the connection closes: it might have been cut anywhere.
    QTest::newRow("close-delimited body") << noLength << QByteArray() << qint64(-1) << false;
    Route gzip = ok;
    gzip.headers = "Content-Encoding: gzip\r\n";
    gzip.body = QByteArray::fromHex("1f8b0800000000000003") + QByteArray(200, 'x');
    gzip.closeAfter = 100;
    gzip.sendLength = false;
    QTest::newRow("cut compressed body") << gzip << QByteArray() << qint64(-1) << false;
    gzip.closeAfter = -1;
    gzip.sendLength = true;
    QTest::newRow("compressed body") << gzip << QByteArray() << qint64(-1) << false;
    QTest::newRow("digest matches") << ok << sha256Hex(body) << qint64(-1) << true;
    QTest::newRow("digest matches, upper case")
        << ok << sha256Hex(body).toUpper() << qint64(-1) << true;
    QTest::newRow("digest differs") << ok << sha256Hex("something else") << qint64(-1) << false;
    Route slow = ok;
    slow.chunkSize = 16 * 1024;
    slow.chunkDelay = 20;
    QTest::newRow("slow but steady") << slow << QByteArray() << qint64(-1) << true;

    Route missing;
    missing.status = 404;
    missing.body = "<html>not here</html>";
    QTest::newRow("404") << missing << QByteArray() << qint64(-1) << false;
    Route serverError = missing;
    serverError.status = 500;
    QTest::newRow("500") << serverError << QByteArray() << qint64(-1) << false;
    Route partial = ok;
    partial.status = 206;
    QTest::newRow("206 is not the whole file") << partial << QByteArray() << qint64(-1) << false;
    Route noContent;
    noContent.status = 204;
    QTest::newRow("204 writes nothing") << noContent << QByteArray() << qint64(-1) << false;
    Route cut = ok;
    cut.closeAfter = body.size() / 2;
    QTest::newRow("body cut off mid-transfer") << cut << QByteArray() << qint64(-1) << false;
    Route cutNoLength = noLength;
    cutNoLength.closeAfter = body.size() / 2;
    QTest::newRow("body cut off, no size, caught by the digest")
        << cutNoLength << sha256Hex(body) << qint64(-1) << false;
    QTest::newRow("announced size over the limit") << ok << QByteArray() << qint64(1000) << false;
    QTest::newRow("endless body over the limit")
        << noLength << QByteArray() << qint64(1000) << false;
    QTest::newRow("size exactly at the limit") << ok << QByteArray() << qint64(body.size()) << true;
}

void TestFileDownloader::transfer()
{
    QFETCH(Route, route);
    QFETCH(QByteArray, expectedSha256);
    QFETCH(qint64, maximumSize);
    QFETCH(bool, succeeds);

    const QString path = QStringLiteral("/transfer/") +
                         QString::fromLatin1(QUrl::toPercentEncoding(QTest::currentDataTag()));
    m_server.setRoute(path, route);
    FileDownloader downloader;
    downloader.setExpectedSha256(expectedSha256);
    if (maximumSize >= 0)
        downloader.setMaximumSize(maximumSize);
    bool success = false;
    QVERIFY(run(downloader, m_server.url(path), &success));
    QCOMPARE(success, succeeds);
    QCOMPARE(readFile(m_target), succeeds ? route.body : oldContent);
    QVERIFY(!QFile::exists(AtomicFile::temporaryPathFor(m_target)));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files).size(), 1);
}

void TestFileDownloader::reportsExactlyOnceAndProgressGrows()
{
    Route slow;
    slow.body = releaseBody();
    slow.chunkSize = 8 * 1024;
    slow.chunkDelay = 10;
    m_server.setRoute(QStringLiteral("/progress"), slow);
    FileDownloader downloader;
    QSignalSpy progress(&downloader, &FileDownloader::progressChanged);
    QSignalSpy finished(&downloader, &FileDownloader::downloadFinished);
    downloader.startDownload(m_server.url(QStringLiteral("/progress")), m_target);
    QVERIFY(finished.wait(15000));
    QTest::qWait(100);
    QCOMPARE(finished.size(), 1);
    QVERIFY(progress.size() >= 2);
    double last = 0;
    for (const QList<QVariant> &args : progress) {
        QVERIFY(args.first().toDouble() >= last);
        last = args.first().toDouble();
    }
    QCOMPARE(last, 1.0);
    QCOMPARE(downloader.progress(), 1.0);
}

void TestFileDownloader::createsMissingFolders()
{
    m_server.setFile(QStringLiteral("/deep"), "deep file");
    m_target = m_dir->filePath(QStringLiteral("a/b/c/deep.txt"));
    FileDownloader downloader;
    bool success = false;
    QVERIFY(run(downloader, m_server.url(QStringLiteral("/deep")), &success));
    QVERIFY(success);
    QCOMPARE(readFile(m_target), QByteArray("deep file"));
}

void TestFileDownloader::unopenableTargetFailsFromTheEventLoop()
{
    // A folder that is a file cannot hold the target.
    m_target = m_dir->filePath(QStringLiteral("program.bin/inner.txt"));
    m_server.setFile(QStringLiteral("/inner"), "x");
    FileDownloader downloader;
    QSignalSpy finished(&downloader, &FileDownloader::downloadFinished);
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^无法创建文件用于下载:")));
    downloader.startDownload(m_server.url(QStringLiteral("/inner")), m_target);
    // Not yet: a caller connects after the call returns and must still hear it.
    QCOMPARE(finished.size(), 0);
    QVERIFY(finished.wait(5000));
    QCOMPARE(finished.first().first().toBool(), false);
    QCOMPARE(readFile(m_dir->filePath(QStringLiteral("program.bin"))), oldContent);
}

void TestFileDownloader::staleTemporaryFileIsRemoved()
{
    const QString stale = AtomicFile::temporaryPathFor(m_target);
    {
        QFile file(stale);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("half of an earlier, killed transfer");
    }
    m_server.setFile(QStringLiteral("/fresh"), "fresh");
    FileDownloader downloader;
    bool success = false;
    QVERIFY(run(downloader, m_server.url(QStringLiteral("/fresh")), &success));
    QVERIFY(success);
    QCOMPARE(readFile(m_target), QByteArray("fresh"));
    QVERIFY(!QFile::exists(stale));
}

void TestFileDownloader::destroyedMidTransferKeepsTheInstalledFile()
{
    Route stall;
    stall.body = releaseBody();
    stall.stallAfter = 1000;
    m_server.setRoute(QStringLiteral("/stall"), stall);
    auto downloader = std::make_unique<FileDownloader>();
    downloader->startDownload(m_server.url(QStringLiteral("/stall")), m_target);
    const QString temporary = AtomicFile::temporaryPathFor(m_target);
    QTRY_COMPARE_WITH_TIMEOUT(QFileInfo(temporary).size(), qint64(1000), 5000);
    downloader.reset();
    QCOMPARE(readFile(m_target), oldContent);
    QVERIFY(!QFile::exists(temporary));
}

void TestFileDownloader::keepsExecutablePermission()
{
    QFile::setPermissions(m_target, QFile::permissions(m_target) | QFile::ExeOwner);
    m_server.setFile(QStringLiteral("/exe"), "#!/bin/sh\n");
    FileDownloader downloader;
    bool success = false;
    QVERIFY(run(downloader, m_server.url(QStringLiteral("/exe")), &success));
    QVERIFY(success);
    QVERIFY(QFile::permissions(m_target) & QFile::ExeOwner);
}

void TestFileDownloader::linksAreNeverWrittenThrough_data()
{
    QTest::addColumn<bool>("atTemporaryName");
    QTest::addColumn<bool>("dangling");
    QTest::newRow("dangling link at the temporary name") << true << true;
    QTest::newRow("link to a file at the temporary name") << true << false;
    QTest::newRow("dangling link at the final name") << false << true;
    QTest::newRow("link to a file at the final name") << false << false;
}

void TestFileDownloader::linksAreNeverWrittenThrough()
{
    QFETCH(bool, atTemporaryName);
    QFETCH(bool, dangling);
    QTemporaryDir elsewhere;
    const QString outside = elsewhere.filePath(QStringLiteral("victim.txt"));
    if (!dangling)
        QVERIFY(writeFile(outside, "outside, untouched"));
    const QString link = atTemporaryName ? AtomicFile::temporaryPathFor(m_target) : m_target;
    QFile::remove(link);
    QVERIFY(QFile::link(outside, link));

    m_server.setFile(QStringLiteral("/linked"), "from the server");
    FileDownloader downloader;
    bool success = false;
    QVERIFY(run(downloader, m_server.url(QStringLiteral("/linked")), &success));
    QVERIFY(success);
    QCOMPARE(readFile(outside), dangling ? QByteArray("<missing>") : "outside, untouched");
    QVERIFY(!QFileInfo(m_target).isSymLink());
    QCOMPARE(readFile(m_target), QByteArray("from the server"));
}

void TestFileDownloader::releaseSizeAndExecuteBit()
{
    QFile::remove(m_target);
    m_server.setFile(QStringLiteral("/tool"), "#!/bin/sh\nexit 0\n");
    FileDownloader wrongSize;
    wrongSize.setExpectedSize(3);
    bool success = true;
    QVERIFY(run(wrongSize, m_server.url(QStringLiteral("/tool")), &success));
    QVERIFY(!success);
    QVERIFY(wrongSize.errorString().contains(QStringLiteral("differs")));
    QVERIFY(!QFile::exists(m_target));

    FileDownloader tool;
    tool.setExpectedSize(17);
    tool.setExecutable(true);
    QVERIFY(run(tool, m_server.url(QStringLiteral("/tool")), &success));
    QVERIFY(success);
    QVERIFY(QFileInfo(m_target).isExecutable());
}

void TestFileDownloader::misbehavingServer_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("idleTimeout");
    QTest::addColumn<int>("transferTimeout");
    QTest::addColumn<bool>("succeeds");

    Route stall;
    stall.body = releaseBody();
    stall.stallAfter = 1000;
    m_server.setRoute(QStringLiteral("/limits/stall"), stall);
    QTest::newRow("server stops sending") << "/limits/stall" << 300 << 60000 << false;

    Route trickle;
    trickle.body = releaseBody();
    trickle.chunkSize = 1000;
    trickle.chunkDelay = 50;
    m_server.setRoute(QStringLiteral("/limits/trickle"), trickle);
    QTest::newRow("trickle past the overall limit") << "/limits/trickle" << 5000 << 400 << false;

    m_server.setFile(QStringLiteral("/limits/final"), "arrived after a redirect");
    Route redirect;
    redirect.status = 302;
    redirect.location = m_server.url(QStringLiteral("/limits/final")).toLatin1();
    m_server.setRoute(QStringLiteral("/limits/redirect"), redirect);
    QTest::newRow("one redirect") << "/limits/redirect" << 5000 << 60000 << true;

    Route loop;
    loop.status = 302;
    loop.location = m_server.url(QStringLiteral("/limits/loop")).toLatin1();
    m_server.setRoute(QStringLiteral("/limits/loop"), loop);
    QTest::newRow("redirect loop") << "/limits/loop" << 5000 << 60000 << false;

    QTest::newRow("not http") << "file:///etc/hostname" << 5000 << 60000 << false;
}

void TestFileDownloader::misbehavingServer()
{
    QFETCH(QString, path);
    QFETCH(int, idleTimeout);
    QFETCH(int, transferTimeout);
    QFETCH(bool, succeeds);
    FileDownloader downloader;
    downloader.setIdleTimeout(idleTimeout);
    downloader.setTransferTimeout(transferTimeout);
    const QString url = path.startsWith(QLatin1Char('/')) ? m_server.url(path) : path;
    bool success = false;
    QElapsedTimer clock;
    clock.start();
    QVERIFY(run(downloader, url, &success));
    QCOMPARE(success, succeeds);
    QVERIFY(clock.elapsed() < 10000);
    if (!succeeds) {
        QCOMPARE(readFile(m_target), oldContent);
        QVERIFY(!QFile::exists(AtomicFile::temporaryPathFor(m_target)));
    }
}

QTEST_GUILESS_MAIN(TestFileDownloader)
#include "tst_filedownloader.moc"
