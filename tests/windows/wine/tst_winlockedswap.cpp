#include "containedpath.h"
#include "releaseswap.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The swap against files Windows keeps locked: a running program's .exe (renamed, never
// deleted, while it runs) and a file another process holds open without share-delete.
class TestWinLockedSwap : public QObject
{
    Q_OBJECT

    static QByteArray contents(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    static bool write(const QString &path, const QByteArray &data)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
    }
    static ReleaseFile releaseFile(const QString &name, const QByteArray &data)
    {
        return {name, QCryptographicHash::hash(data, QCryptographicHash::Sha256), data.size()};
    }
    // The helper, started with arguments, once it says it holds what it should.
    static bool start(QProcess *process, const QString &program, const QStringList &arguments)
    {
        process->start(program, arguments);
        return process->waitForReadyRead(20000) && process->readLine().trimmed() == "ready";
    }
    static QString helper()
    {
        return QCoreApplication::applicationDirPath() + QStringLiteral("/lockedswaphelper.exe");
    }

private slots:
    void runningProgramAndLibraryAreReplacedAndTheOldFilesGoLater()
    {
        QTemporaryDir app;
        const QString program = app.filePath(QStringLiteral("Program.exe"));
        const QString library = app.filePath(QStringLiteral("plugins/Library.dll"));
        QVERIFY(QFile::copy(helper(), program));
        QVERIFY(QDir().mkpath(app.filePath(QStringLiteral("plugins"))));
        QVERIFY(QFile::copy(QCoreApplication::applicationDirPath() +
                                QStringLiteral("/lockedswaplibrary.dll"),
                            library));
        const QByteArray oldProgram = contents(program);
        const QByteArray oldLibrary = contents(library);
        QVERIFY(write(app.filePath(QStringLiteral("help/index.html")), "old help"));
        QProcess running;
        QVERIFY(
            start(&running, program, {QStringLiteral("run"), QDir::toNativeSeparators(library)}));
        for (const QString &locked : {program, library})
            QVERIFY2(!QFile(locked).open(QIODevice::WriteOnly) && !QFile::remove(locked),
                     "a running program's file can be written or deleted here");

        const QList<ReleaseFile> files{
            releaseFile(QStringLiteral("Program.exe"), "new program"),
            releaseFile(QStringLiteral("help/index.html"), "new help"),
            releaseFile(QStringLiteral("plugins/Library.dll"), "new library")};
        QVERIFY(write(app.filePath(QStringLiteral(".update-staging/Program.exe")), "new program"));
        QVERIFY(write(app.filePath(QStringLiteral(".update-staging/help/index.html")), "new help"));
        QVERIFY(write(app.filePath(QStringLiteral(".update-staging/plugins/Library.dll")),
                      "new library"));
        const ReleaseSwap swap(app.path());
        QString error;
        QVERIFY2(swap.putInPlace(files, &error), qPrintable(error));
        QCOMPARE(contents(program), QByteArray("new program"));
        QCOMPARE(contents(library), QByteArray("new library"));
        QCOMPARE(contents(app.filePath(QStringLiteral(".update-backup/Program.exe"))), oldProgram);
        QCOMPARE(contents(app.filePath(QStringLiteral(".update-backup/plugins/Library.dll"))),
                 oldLibrary);

        // After the install the old files cannot go while they are in use; the rest does.
        swap.discard();
        QVERIFY(!QFileInfo::exists(app.filePath(QStringLiteral(".update-staging"))));
        QVERIFY(!QFileInfo::exists(app.filePath(QStringLiteral(".update-backup/help"))));
        QVERIFY(QFileInfo::exists(app.filePath(QStringLiteral(".update-backup/Program.exe"))));
        QVERIFY(
            QFileInfo::exists(app.filePath(QStringLiteral(".update-backup/plugins/Library.dll"))));
        QCOMPARE(running.state(), QProcess::Running);

        // The next update, while the old program still runs, moves them on out of its way.
        QVERIFY(swap.dropBackup());
        QVERIFY(!QFileInfo::exists(app.filePath(QStringLiteral(".update-backup"))));
        QCOMPARE(QDir(app.filePath(QStringLiteral(".update-discarded"))).entryList(QDir::Files),
                 QStringList({QStringLiteral("0-Library.dll"), QStringLiteral("0-Program.exe")}));
        QVERIFY(write(app.filePath(QStringLiteral(".update-staging/Program.exe")), "newer"));
        const QList<ReleaseFile> next{releaseFile(QStringLiteral("Program.exe"), "newer")};
        QVERIFY2(swap.putInPlace(next, &error), qPrintable(error));
        QCOMPARE(contents(program), QByteArray("newer"));
        QCOMPARE(contents(app.filePath(QStringLiteral(".update-backup/Program.exe"))),
                 QByteArray("new program"));

        // Once it has ended, the next start's recovery drops the backup, and the next
        // update finds none in its way.
        running.kill();
        QVERIFY(running.waitForFinished(20000));
        swap.discard();
        QCOMPARE(QDir(app.path())
                     .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name),
                 QStringList({QStringLiteral("Program.exe"), QStringLiteral("help"),
                              QStringLiteral("plugins")}));
        QCOMPARE(contents(program), QByteArray("newer"));
    }

    void fileOpenWithoutShareDeleteStopsTheSwapWhole_data()
    {
        QTest::addColumn<QString>("holdFor");
        QTest::addColumn<bool>("installs");
        QTest::newRow("held throughout") << QString() << false;
        // As a virus scanner looking at a file just written: the swap waits for it.
        QTest::newRow("held for a moment") << QStringLiteral("200") << true;
    }

    void fileOpenWithoutShareDeleteStopsTheSwapWhole()
    {
        QFETCH(QString, holdFor);
        QFETCH(bool, installs);
        QTemporaryDir app;
        QVERIFY(write(app.filePath(QStringLiteral("a.txt")), "old a"));
        QVERIFY(write(app.filePath(QStringLiteral("held.dat")), "old held"));
        const QList<ReleaseFile> files{releaseFile(QStringLiteral("a.txt"), "new a"),
                                       releaseFile(QStringLiteral("added/b.txt"), "new b"),
                                       releaseFile(QStringLiteral("held.dat"), "new held")};
        QVERIFY(write(app.filePath(QStringLiteral(".update-staging/a.txt")), "new a"));
        QVERIFY(write(app.filePath(QStringLiteral(".update-staging/added/b.txt")), "new b"));
        QVERIFY(write(app.filePath(QStringLiteral(".update-staging/held.dat")), "new held"));
        QProcess holder;
        QStringList arguments{QStringLiteral("hold"),
                              QDir::toNativeSeparators(app.filePath(QStringLiteral("held.dat")))};
        if (!holdFor.isEmpty())
            arguments.append(holdFor);
        QVERIFY(start(&holder, helper(), arguments));

        const ReleaseSwap swap(app.path());
        ReleaseSwap::Plan plan;
        QCOMPARE(swap.targetRefusal(files, &plan), QString());
        QString error;
        if (installs) {
            QVERIFY2(swap.putInPlace(files, &error), qPrintable(error));
            QCOMPARE(contents(app.filePath(QStringLiteral("held.dat"))), QByteArray("new held"));
            QCOMPARE(contents(app.filePath(QStringLiteral(".update-backup/held.dat"))),
                     QByteArray("old held"));
            holder.kill();
            QVERIFY(holder.waitForFinished(20000));
            return;
        }
        QVERIFY(!swap.putInPlace(files, &error));
        QVERIFY2(error.startsWith(QStringLiteral("\"held.dat\" cannot be moved aside")) &&
                     error.endsWith(QStringLiteral("another program has the file open")),
                 qPrintable(error));
        QVERIFY2(swap.takeOut(files, plan, &error), qPrintable(error));
        QCOMPARE(contents(app.filePath(QStringLiteral("a.txt"))), QByteArray("old a"));
        QCOMPARE(contents(app.filePath(QStringLiteral("held.dat"))), QByteArray("old held"));
        QVERIFY(!QFileInfo::exists(app.filePath(QStringLiteral("added"))));
        QCOMPARE(contents(app.filePath(QStringLiteral(".update-staging/added/b.txt"))),
                 QByteArray("new b"));

        holder.kill();
        QVERIFY(holder.waitForFinished(20000));
        swap.discard();
        QCOMPARE(QDir(app.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList({QStringLiteral("a.txt"), QStringLiteral("held.dat")}));
    }
};

QTEST_GUILESS_MAIN(TestWinLockedSwap)
#include "tst_winlockedswap.moc"
