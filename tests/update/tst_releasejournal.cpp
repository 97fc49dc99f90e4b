#include "releasejournal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QStringList names{QStringLiteral("Quillmark"), QStringLiteral("lib/core.so"),
                        QStringLiteral("translations/app_en.qm"), QStringLiteral("new.txt")};

QByteArray read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void write(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

} // namespace

// The swap of a staged release: whatever moment a run stops at, recover() leaves
// wholly the old or wholly the new release.
class TestReleaseJournal : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void commitPutsTheWholeReleaseInPlace();
    void interruptedSwapIsFinished_data();
    void interruptedSwapIsFinished();
    void unfinishedDownloadIsDropped();
    void linksAreReplacedNotFollowed();

private:
    QString app(const QString &name) const { return m_app->filePath(name); }
    QString staged(const QString &name) const
    {
        return ReleaseJournal(m_app->path()).stagingDir() + QLatin1Char('/') + name;
    }
    void stageRelease();
    void checkRelease(const QByteArray &which);

    std::unique_ptr<QTemporaryDir> m_app;
};

void TestReleaseJournal::init()
{
    m_app = std::make_unique<QTemporaryDir>();
    for (const QString &name : names) {
        if (name != QLatin1String("new.txt"))
            write(app(name), "old " + name.toUtf8());
    }
}

void TestReleaseJournal::stageRelease()
{
    QString error;
    QVERIFY(ReleaseJournal(m_app->path()).resetStaging(&error));
    for (const QString &name : names)
        write(staged(name), "new " + name.toUtf8());
}

void TestReleaseJournal::checkRelease(const QByteArray &which)
{
    for (const QString &name : names) {
        const QByteArray expected = which == "old" && name == QLatin1String("new.txt")
                                        ? QByteArray("<missing>")
                                        : which + ' ' + name.toUtf8();
        QCOMPARE(read(app(name)), expected);
    }
    QVERIFY(!QFileInfo::exists(ReleaseJournal(m_app->path()).stagingDir()));
    QVERIFY(!QFileInfo::exists(app(QLatin1String(ReleaseJournal::journalFile))));
}

void TestReleaseJournal::commitPutsTheWholeReleaseInPlace()
{
    stageRelease();
    QString error;
    QVERIFY2(ReleaseJournal(m_app->path()).commit(names, 7, &error), qPrintable(error));
    checkRelease("new");
    QCOMPARE(ReleaseJournal(m_app->path()).installedSerial(), qint64(7));
}

void TestReleaseJournal::interruptedSwapIsFinished_data()
{
    QTest::addColumn<int>("moved");
    for (int moved = 0; moved <= names.size() + 1; ++moved)
        QTest::addRow("stopped after %d renames", moved) << moved;
}

void TestReleaseJournal::interruptedSwapIsFinished()
{
    QFETCH(int, moved);
    stageRelease();
    QString error;
    ReleaseJournal journal(m_app->path());
    QVERIFY(journal.prepare(names, 8, &error));
    QStringList all = names;
    all.append(QLatin1String(ReleaseJournal::serialFile));
    for (int i = 0; i < moved && i < all.size(); ++i) {
        QDir().mkpath(QFileInfo(app(all[i])).absolutePath());
        QFile::remove(app(all[i]));
        QVERIFY(QFile::rename(staged(all[i]), app(all[i])));
    }
    if (moved > all.size() - 1)
        QDir(journal.stagingDir()).removeRecursively(); // stopped while cleaning up
    QVERIFY(ReleaseJournal(m_app->path()).recover());
    checkRelease("new");
    QCOMPARE(ReleaseJournal(m_app->path()).installedSerial(), qint64(8));
}

void TestReleaseJournal::unfinishedDownloadIsDropped()
{
    stageRelease();
    write(app(QLatin1String(ReleaseJournal::journalFile) + QStringLiteral(".a1b2c3")), "{\"na");
    QVERIFY(ReleaseJournal(m_app->path()).recover());
    checkRelease("old");
    QCOMPARE(QDir(m_app->path()).entryList(QDir::Files | QDir::Hidden).filter(".update-journal"),
             QStringList());
    QCOMPARE(ReleaseJournal(m_app->path()).installedSerial(), qint64(0));
}

void TestReleaseJournal::linksAreReplacedNotFollowed()
{
    QTemporaryDir elsewhere;
    write(elsewhere.filePath(QStringLiteral("victim")), "outside");
    QFile::remove(app(QStringLiteral("Quillmark")));
    QVERIFY(QFile::link(elsewhere.filePath(QStringLiteral("victim")),
                        app(QStringLiteral("Quillmark"))));
    stageRelease();
    QString error;
    QVERIFY2(ReleaseJournal(m_app->path()).commit(names, 1, &error), qPrintable(error));
    QVERIFY(!QFileInfo(app(QStringLiteral("Quillmark"))).isSymLink());
    QCOMPARE(read(elsewhere.filePath(QStringLiteral("victim"))), QByteArray("outside"));
    checkRelease("new");

    // A staging folder planted as a link is removed as a link.
    QVERIFY(QFile::link(elsewhere.path(), ReleaseJournal(m_app->path()).stagingDir()));
    QVERIFY(ReleaseJournal(m_app->path()).recover());
    QCOMPARE(read(elsewhere.filePath(QStringLiteral("victim"))), QByteArray("outside"));
    QVERIFY(!QFileInfo(ReleaseJournal(m_app->path()).stagingDir()).isSymLink());
}

QTEST_GUILESS_MAIN(TestReleaseJournal)
#include "tst_releasejournal.moc"
