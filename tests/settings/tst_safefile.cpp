// Whole-or-nothing writes and reads that never wait: a full disk, a read-only folder,
// links and FIFOs at the names, and the reasons the user gets.
#include "nativefile.h"
#include "safefile.h"
#include "settingsfile.h"
#include "smallvolume.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <future>
#include <sys/stat.h>

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool put(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

// Everything in folder, hidden files included.
QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                  QDir::NoDotAndDotDot);
}

} // namespace

class TestSafeFile : public QObject
{
    Q_OBJECT

private slots:
    void fullDiskLeavesTheOldFileAndSaysWhy_data();
    void fullDiskLeavesTheOldFileAndSaysWhy();
    void readOnlyFolderSaysWhy();
    void linksAreNeverFollowed_data();
    void linksAreNeverFollowed();
    void newOnlyNeverReplaces();
    void readsOnlyRegularFilesWithoutWaiting();
    void readStopsAtTheLimitAndWhenCancelled();
    void settingsFileKeepsItsTextOnAFullDisk();
};

void TestSafeFile::fullDiskLeavesTheOldFileAndSaysWhy_data()
{
    QTest::addColumn<bool>("existing");
    QTest::addColumn<int>("mode");
    QTest::newRow("replacing") << true << int(SafeFile::Mode::Replace);
    QTest::newRow("new file") << false << int(SafeFile::Mode::Replace);
    QTest::newRow("new file, never replacing") << false << int(SafeFile::Mode::NewOnly);
}

void TestSafeFile::fullDiskLeavesTheOldFileAndSaysWhy()
{
    QFETCH(bool, existing);
    QFETCH(int, mode);
    SmallVolume disk(64 * 1024);
    if (!disk.isMounted())
        QSKIP(qPrintable(disk.skipReason()));
    const QString path = disk.filePath(QStringLiteral("drawing.qmark"));
    if (existing)
        QVERIFY(SafeFile::write(path, "old drawing", SafeFile::Mode::Replace, nullptr));
    QString error;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Cannot write")));
    QVERIFY(!SafeFile::write(path, QByteArray(256 * 1024, 'x'), SafeFile::Mode(mode), &error));
    QCOMPARE(error, QString::fromLocal8Bit(strerror(ENOSPC)));
    // Nothing short renamed into place, no temporary file left.
    QCOMPARE(entries(disk.path()), existing ? QStringList{"drawing.qmark"} : QStringList());
    if (existing)
        QCOMPARE(contents(path), QByteArray("old drawing"));
}

void TestSafeFile::readOnlyFolderSaysWhy()
{
    SmallVolume disk(64 * 1024);
    if (!disk.isMounted())
        QSKIP(qPrintable(disk.skipReason()));
    const QString path = disk.filePath(QStringLiteral("config.ini"));
    QVERIFY(put(path, "[APP]\n"));
    // Root writes through permission bits; a read-only mount stops even root.
    QVERIFY2(disk.makeReadOnly(), "cannot remount read-only");
    QString error;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Cannot write")));
    QVERIFY(!SafeFile::write(path, "[APP]\nopengl=true\n", SafeFile::Mode::Replace, &error));
    QCOMPARE(error, QString::fromLocal8Bit(strerror(EROFS)));
    QCOMPARE(contents(path), QByteArray("[APP]\n"));
}

void TestSafeFile::linksAreNeverFollowed_data()
{
    QTest::addColumn<bool>("dangling");
    QTest::newRow("link to a file") << false;
    QTest::newRow("dangling link") << true;
}

void TestSafeFile::linksAreNeverFollowed()
{
    QFETCH(bool, dangling);
    QTemporaryDir dir;
    const QString victim = dir.filePath(QStringLiteral("victim"));
    if (!dangling)
        QVERIFY(put(victim, "precious"));
    const QString path = dir.filePath(QStringLiteral("autosave.qmark"));
    QVERIFY(QFile::link(victim, path));
    QString error;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Cannot write")));
    QVERIFY(!SafeFile::write(path, "drawing", SafeFile::Mode::Replace, &error));
    QVERIFY2(error.contains(QStringLiteral("符号链接")), qPrintable(error));
    QCOMPARE(QFile::exists(victim), !dangling);
    if (!dangling)
        QCOMPARE(contents(victim), QByteArray("precious"));
    QVERIFY(QFileInfo(path).isSymLink());

    // A link planted at a temporary name: creating that name fails, the link stays as it
    // was and what it points to is not created.
    NativeFile file;
    QVERIFY(!file.createNew(path, &error));
    QCOMPARE(error, QString::fromLocal8Bit(strerror(EEXIST)));
    QCOMPARE(QFile::exists(victim), !dangling);
}

void TestSafeFile::newOnlyNeverReplaces()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("draw_1.jpg"));
    QVERIFY(SafeFile::write(path, "first", SafeFile::Mode::NewOnly, nullptr));
    QString error;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Cannot write")));
    QVERIFY(!SafeFile::write(path, "second", SafeFile::Mode::NewOnly, &error));
    QCOMPARE(contents(path), QByteArray("first"));
    QCOMPARE(entries(dir.path()), QStringList{"draw_1.jpg"});
}

void TestSafeFile::readsOnlyRegularFilesWithoutWaiting()
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("pipe.qmark"));
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    // A FIFO with no writer: an open that waits would never come back.
    auto read = std::async(std::launch::async, [&] { return SafeFile::read(fifo, 1024); });
    if (read.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
        QFile(fifo).open(QIODevice::WriteOnly); // lets the reader go
        QFAIL("reading a FIFO waited for a writer");
    }
    QCOMPARE(read.get().status, SafeFile::ReadStatus::NotRegular);
    QCOMPARE(SafeFile::read(dir.path(), 1024).status, SafeFile::ReadStatus::NotRegular);
    QCOMPARE(SafeFile::read(QStringLiteral("/dev/zero"), 1024).status,
             SafeFile::ReadStatus::NotRegular);
    QCOMPARE(SafeFile::read(dir.filePath(QStringLiteral("missing")), 1024).status,
             SafeFile::ReadStatus::Missing);
}

void TestSafeFile::readStopsAtTheLimitAndWhenCancelled()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big"));
    QVERIFY(put(path, QByteArray(3 * 1024 * 1024, 'x')));
    QCOMPARE(SafeFile::read(path, 3 * 1024 * 1024).data.size(), 3 * 1024 * 1024);
    QCOMPARE(SafeFile::read(path, 3 * 1024 * 1024 - 1).status, SafeFile::ReadStatus::TooLarge);
    int calls = 0;
    const SafeFile::ReadResult stopped =
        SafeFile::read(path, 1 << 30, [&calls](qint64, qint64) { return ++calls < 2; });
    QCOMPARE(stopped.status, SafeFile::ReadStatus::Cancelled);
    QVERIFY(stopped.data.isEmpty());
}

void TestSafeFile::settingsFileKeepsItsTextOnAFullDisk()
{
    SmallVolume disk(64 * 1024);
    if (!disk.isMounted())
        QSKIP(qPrintable(disk.skipReason()));
    const QString path = disk.filePath(QStringLiteral("settings.conf"));
    const SettingsFile file(path);
    QVERIFY(file.change([](QSettings &s) { s.setValue(QStringLiteral("penKey"), "Ctrl+E"); }));
    const QByteArray before = contents(path);
    QVERIFY(before.contains("penKey=Ctrl+E"));
    QString error;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Cannot write")));
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^Cannot write the settings")));
    QVERIFY(
        !file.change([](QSettings &s) { s.setValue("note", QString(200 * 1024, 'n')); }, &error));
    QCOMPARE(error, QString::fromLocal8Bit(strerror(ENOSPC)));
    QCOMPARE(contents(path), before);
}

QTEST_MAIN(TestSafeFile)
#include "tst_safefile.moc"
