#include "journalrecord.h"
#include "releasejournal.h"
#include "releasesigner.h"
#include "updatetestsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

const QMap<QString, QByteArray> oldRelease{{QStringLiteral("Quillmark"), "old program"},
                                           {QStringLiteral("lib/core.so"), "old core"}};
const QMap<QString, QByteArray> newRelease{{QStringLiteral("Quillmark"), "new program"},
                                           {QStringLiteral("lib/core.so"), "new core"}};
constexpr qint64 installedSerial = 5000;

enum class Plant {
    VerifiedRelease,
    StagedSerialFile,
    StagingIsALink,
    FolderLinkInStaging,
    StagedLink,
    StagedBytesDiffer,
    EarlierFormat,
    ForeignKey,
    SameSerial,
    JournalIsAFifo,
};

} // namespace

// What the real Update finds at start-up, planted by the test: a journal and a
// staging folder as a killed install leaves them, or as someone with write access
// to the application directory plants them. Only a release whose signature,
// serial and staged files verify is rolled forward; nothing is ever taken from
// outside the application directory.
class TestUpdateRecovery : public QObject
{
    Q_OBJECT

private slots:
    void startUpRecovery_data();
    void startUpRecovery();

private:
    void plant(UpdaterRun &run, Plant what, const QString &outside);
};

void TestUpdateRecovery::startUpRecovery_data()
{
    QTest::addColumn<Plant>("what");
    QTest::addColumn<bool>("rolledForward");
    QTest::addColumn<QByteArray>("logLine");

    QTest::newRow("verified release")
        << Plant::VerifiedRelease << true << QByteArray("Finishing an interrupted update: 2 files");
    QTest::newRow("staged .update-serial of 1")
        << Plant::StagedSerialFile << true << QByteArray("Finishing an interrupted update");
    QTest::newRow("staging folder is a link")
        << Plant::StagingIsALink << false << QByteArray("is a link");
    QTest::newRow("folder link inside the staging folder")
        << Plant::FolderLinkInStaging << false << QByteArray("is a link");
    QTest::newRow("staged link") << Plant::StagedLink << false
                                 << QByteArray("\"Quillmark\" is not a regular file");
    QTest::newRow("staged bytes differ")
        << Plant::StagedBytesDiffer << false << QByteArray("does not match its SHA-256");
    QTest::newRow("journal of the earlier, unsigned format")
        << Plant::EarlierFormat << false << QByteArray("earlier format");
    QTest::newRow("journal signed by another key")
        << Plant::ForeignKey << false << QByteArray("does not match a trusted key");
    QTest::newRow("journal of the installed serial")
        << Plant::SameSerial << false << QByteArray("is not newer than the installed one");
    QTest::newRow("journal is a FIFO")
        << Plant::JournalIsAFifo << false << QByteArray("set aside as");
}

void TestUpdateRecovery::plant(UpdaterRun &run, Plant what, const QString &outside)
{
    const qint64 serial = what == Plant::SameSerial ? installedSerial : installedSerial + 1;
    const UpdateManifest::Result release = ReleaseSigner::accepted(ReleaseSigner::manifest(
        QStringLiteral("2.1.3"), QStringLiteral("http://127.0.0.1"), newRelease, serial));
    ReleaseJournal journal(run.dir());
    QString error;
    QVERIFY(journal.resetStaging(&error));
    for (auto it = newRelease.cbegin(); it != newRelease.cend(); ++it)
        QVERIFY(writeFile(journal.stagingDir() + QLatin1Char('/') + it.key(), it.value()));
    QVERIFY2(journal.prepare(release, &error), qPrintable(error));

    const QString staging = journal.stagingDir();
    const QString journalPath = run.path(QLatin1String(ReleaseJournal::journalFile));
    JournalRecord record;
    switch (what) {
    case Plant::VerifiedRelease:
    case Plant::SameSerial:
        break;
    case Plant::StagedSerialFile:
        QVERIFY(writeFile(staging + QStringLiteral("/.update-serial"), "1\n"));
        break;
    case Plant::StagingIsALink:
        // The journal names files the outside folder holds under the same names.
        QVERIFY(QDir(staging).removeRecursively());
        QVERIFY(QFile::link(outside, staging));
        break;
    case Plant::FolderLinkInStaging:
        QVERIFY(QDir(staging + QStringLiteral("/lib")).removeRecursively());
        QVERIFY(QFile::link(outside + QStringLiteral("/lib"), staging + QStringLiteral("/lib")));
        break;
    case Plant::StagedLink:
        QVERIFY(QFile::remove(staging + QStringLiteral("/Quillmark")));
        QVERIFY(QFile::link(outside + QStringLiteral("/Quillmark"),
                            staging + QStringLiteral("/Quillmark")));
        break;
    case Plant::StagedBytesDiffer:
        QVERIFY(writeFile(staging + QStringLiteral("/Quillmark"), "bad program"));
        break;
    case Plant::EarlierFormat:
        QVERIFY(writeFile(staging + QStringLiteral("/.update-serial"), "1\n"));
        QVERIFY(writeFile(journalPath,
                          QJsonDocument(QJsonObject{{QStringLiteral("names"),
                                                     QJsonArray{QStringLiteral("Quillmark"),
                                                                QStringLiteral(".update-serial")}}})
                              .toJson()));
        break;
    case Plant::ForeignKey:
        record.payload = release.payload;
        record.signature =
            ReleaseSigner::sign(release.payload, ReleaseSigner::keyPath(QStringLiteral("other")));
        QVERIFY(writeFile(journalPath, record.toJson()));
        break;
    case Plant::JournalIsAFifo:
        QVERIFY(QFile::remove(journalPath));
        QCOMPARE(::mkfifo(QFile::encodeName(journalPath).constData(), 0644), 0);
        break;
    }
}

void TestUpdateRecovery::startUpRecovery()
{
    QFETCH(Plant, what);
    QFETCH(bool, rolledForward);
    QFETCH(QByteArray, logLine);

    UpdaterRun run(QStringLiteral(UPDATE_PROGRAM));
    for (auto it = oldRelease.cbegin(); it != oldRelease.cend(); ++it)
        QVERIFY(writeFile(run.path(it.key()), it.value()));
    QVERIFY(writeFile(run.path(QLatin1String(ReleaseJournal::serialFile)),
                      QByteArray::number(installedSerial)));
    // An update server is never asked: no installed version is configured.
    QVERIFY(writeUpdateConfig(run.path(QStringLiteral("config.ini")),
                              QStringLiteral("http://127.0.0.1:9/update.json")));
    // What a hostile staging folder points at, under the release's own names.
    QTemporaryDir outside;
    for (auto it = newRelease.cbegin(); it != newRelease.cend(); ++it)
        QVERIFY(writeFile(outside.filePath(it.key()), it.value()));
    plant(run, what, outside.path());

    QVERIFY(run.start());
    // The window only comes after the recovery.
    QVERIFY2(run.waitForLog("setting cpp"), run.log().constData());
    QVERIFY2(run.log().contains(logLine), run.log().constData());
    const QMap<QString, QByteArray> &expected = rolledForward ? newRelease : oldRelease;
    for (auto it = expected.cbegin(); it != expected.cend(); ++it)
        QCOMPARE(readFile(run.path(it.key())), it.value());
    for (auto it = newRelease.cbegin(); it != newRelease.cend(); ++it) {
        QCOMPARE(readFile(outside.filePath(it.key())), it.value());
        QVERIFY(!QFileInfo(run.path(it.key())).isSymLink());
    }
    QCOMPARE(run.recordedSerial(), rolledForward ? installedSerial + 1 : installedSerial);
    for (const char *left : {".update-staging", ".update-backup", ".update-journal"})
        QVERIFY2(!QFileInfo::exists(run.path(QLatin1String(left))) &&
                     !QFileInfo(run.path(QLatin1String(left))).isSymLink(),
                 left);
    QCOMPARE(QFileInfo::exists(run.path(QLatin1String(ReleaseJournal::rejectedJournalFile))),
             what == Plant::JournalIsAFifo);
}

QTEST_GUILESS_MAIN(TestUpdateRecovery)
#include "tst_updaterecovery.moc"
