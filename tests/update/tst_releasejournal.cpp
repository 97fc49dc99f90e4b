#include "installedserial.h"
#include "releasejournal.h"
#include "releasesigner.h"
#include "settingsstore.h"
#include "updatetestsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// In swap order: replaced files first and last, a new file, and one in a new folder.
const QStringList names{QStringLiteral("Quillmark"), QStringLiteral("new.txt"),
                        QStringLiteral("plugins/new/extra.so"), QStringLiteral("zlib/core.so")};
const QStringList installed{QStringLiteral("Quillmark"), QStringLiteral("zlib/core.so")};

QByteArray content(const QByteArray &which, const QString &name)
{
    return which + ' ' + name.toUtf8();
}

} // namespace

// The swap of a staged release: wherever a run stops, forward or while undoing a
// failed swap, recover() leaves wholly the new or wholly the old release.
class TestReleaseJournal : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void cleanup() { forgetInstalledSerial(m_app->path()); }
    void commitPutsTheWholeReleaseInPlace();
    void interruptedSwapIsFinished_data() { stopPoints(); }
    void interruptedSwapIsFinished();
    void interruptedUndoRestoresTheOldRelease_data() { stopPoints(); }
    void interruptedUndoRestoresTheOldRelease();
    void failingSwapIsUndone();
    void backupsLeftBehindGoAtTheNextStart();

private:
    QString app(const QString &name) const { return m_app->filePath(name); }
    QString staged(const QString &name) const
    {
        return app(QStringLiteral(".update-staging/") + name);
    }
    QString backedUp(const QString &name) const
    {
        return app(QStringLiteral(".update-backup/") + name);
    }
    void stopPoints();
    // Stages the release and writes its journal, then moves the first files as a
    // swap that was stopped would have.
    void stopSwapAfter(int moved, bool asideNext);
    void checkRelease(const QByteArray &which);

    std::unique_ptr<QTemporaryDir> m_app;
    UpdateManifest::Result m_release;
};

void TestReleaseJournal::init()
{
    m_app = std::make_unique<QTemporaryDir>();
    for (const QString &name : installed)
        QVERIFY(writeFile(app(name), content("old", name)));
    QDir().mkpath(app(QStringLiteral("plugins")));
    QMap<QString, QByteArray> files;
    for (const QString &name : names)
        files.insert(name, content("new", name));
    m_release = ReleaseSigner::accepted(ReleaseSigner::manifest(
        QStringLiteral("2.1.3"), QStringLiteral("http://127.0.0.1"), files, 8));
    QCOMPARE(m_release.outcome, UpdateManifest::Outcome::Accepted);
    QString error;
    QVERIFY(ReleaseJournal(m_app->path()).resetStaging(&error));
    for (const QString &name : names)
        QVERIFY(writeFile(staged(name), content("new", name)));
}

void TestReleaseJournal::checkRelease(const QByteArray &which)
{
    for (const QString &name : names) {
        const QByteArray expected = which == "new" || installed.contains(name)
                                        ? content(which, name)
                                        : QByteArray("<missing>");
        QCOMPARE(readFile(app(name)), expected);
    }
    // Nothing of the update's own is left, and an undone swap takes its folders along.
    for (const char *left :
         {".update-staging", ".update-backup", ".update-discarded", ".update-journal"})
        QVERIFY2(!QFileInfo::exists(app(QLatin1String(left))), left);
    QCOMPARE(QFileInfo::exists(app(QStringLiteral("plugins/new"))), which == "new");
    QCOMPARE(ReleaseJournal(m_app->path()).installedSerial(), which == "new" ? 8 : 0);
}

void TestReleaseJournal::commitPutsTheWholeReleaseInPlace()
{
    QString error;
    QCOMPARE(ReleaseJournal(m_app->path()).commit(m_release, &error),
             ReleaseJournal::Outcome::Installed);
    checkRelease("new");
    // The serial is kept three times over: a damaged .update-serial lowers nothing.
    QVERIFY(writeFile(app(QLatin1String(InstalledSerial::serialFile)), "1"));
    QCOMPARE(InstalledSerial(m_app->path()).read().recorded, qint64(8));
    QFile::remove(app(QLatin1String(InstalledSerial::recordFile)));
    QCOMPARE(InstalledSerial(m_app->path()).read().recorded, qint64(1));
    QCOMPARE(InstalledSerial(m_app->path()).read().highest, qint64(8));
}

void TestReleaseJournal::stopPoints()
{
    QTest::addColumn<int>("moved");
    QTest::addColumn<bool>("asideNext");
    for (int moved = 0; moved <= names.size(); ++moved) {
        QTest::addRow("after %d files", moved) << moved << false;
        if (moved < names.size() && installed.contains(names.at(moved)))
            QTest::addRow("after %d files and the next moved aside", moved) << moved << true;
    }
}

void TestReleaseJournal::stopSwapAfter(int moved, bool asideNext)
{
    QString error;
    QVERIFY2(ReleaseJournal(m_app->path()).prepare(m_release, &error), qPrintable(error));
    const auto moveAside = [this](const QString &name) {
        if (QFile::exists(app(name))) {
            QDir().mkpath(QFileInfo(backedUp(name)).absolutePath());
            QVERIFY(QFile::rename(app(name), backedUp(name)));
        }
    };
    for (int i = 0; i < moved; ++i) {
        moveAside(names[i]);
        QDir().mkpath(QFileInfo(app(names[i])).absolutePath());
        QVERIFY(QFile::rename(staged(names[i]), app(names[i])));
    }
    if (asideNext)
        moveAside(names[moved]);
}

void TestReleaseJournal::interruptedSwapIsFinished()
{
    QFETCH(int, moved);
    QFETCH(bool, asideNext);
    stopSwapAfter(moved, asideNext);
    QVERIFY(ReleaseJournal(m_app->path()).recover());
    checkRelease("new");
}

void TestReleaseJournal::interruptedUndoRestoresTheOldRelease()
{
    QFETCH(int, moved);
    QFETCH(bool, asideNext);
    stopSwapAfter(moved, asideNext);
    // The journal of a swap that failed and was being undone.
    QFile journal(app(QLatin1String(ReleaseJournal::journalFile)));
    QVERIFY(journal.open(QIODevice::ReadWrite));
    QJsonObject record = QJsonDocument::fromJson(journal.readAll()).object();
    record.insert(QStringLiteral("state"), QStringLiteral("rollback"));
    journal.resize(0);
    journal.write(QJsonDocument(record).toJson());
    journal.close();
    QVERIFY(ReleaseJournal(m_app->path()).recover());
    checkRelease("old");
}

void TestReleaseJournal::failingSwapIsUndone()
{
    // The last file cannot be moved aside: its folder does not let go of it.
    FolderLock lock(app(QStringLiteral("zlib")));
    if (!lock.failure().isEmpty())
        QSKIP(qPrintable(lock.failure()));
    QString error;
    QCOMPARE(ReleaseJournal(m_app->path()).commit(m_release, &error),
             ReleaseJournal::Outcome::RolledBack);
    QVERIFY2(error.contains(QStringLiteral("core.so")), qPrintable(error));
    lock.unlock();
    checkRelease("old");
}

void TestReleaseJournal::backupsLeftBehindGoAtTheNextStart()
{
    // What Windows leaves when an old program still ran from the backup at the next
    // update: its file moved on out of that swap's way.
    QString error;
    QCOMPARE(ReleaseJournal(m_app->path()).commit(m_release, &error),
             ReleaseJournal::Outcome::Installed);
    QVERIFY(writeFile(app(QStringLiteral(".update-discarded/0-Quillmark.exe")), "old"));
    QVERIFY(ReleaseJournal(m_app->path()).recover());
    checkRelease("new");
}

QTEST_GUILESS_MAIN(TestReleaseJournal)
#include "tst_releasejournal.moc"
