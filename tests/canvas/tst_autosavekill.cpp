// Autosave against SIGKILL: a helper edits a drawing at random with autosave on and is
// killed at random moments. The file it leaves must always be a whole drawing: the last
// one it reported written, or one handed to the writer after it (killed mid-rename), and
// restoring it must give exactly that drawing.
#include "autosave.h"
#include "drawingfile.h"
#include "mypainter.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

class TestAutoSaveKill : public QObject
{
    Q_OBJECT

private slots:
    void fileIsAlwaysALastSavedDrawing();
};

void TestAutoSaveKill::fileIsAlwaysALastSavedDrawing()
{
    // QUILLMARK_SEED repeats the edits and kill moments of a run that failed.
    const quint32 seed = qEnvironmentVariableIsSet("QUILLMARK_SEED")
                             ? qEnvironmentVariable("QUILLMARK_SEED").toUInt()
                             : QRandomGenerator::global()->generate();
    qInfo() << "seed" << seed;
    QRandomGenerator rng(seed);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("autosave.qmark"));
    int recovered = 0;
    // The drawing the round before left; a helper that does not restore it must keep it
    // aside.
    QByteArray previous;
    const auto kept = [&dir](const QByteArray &data) {
        const QDir folder(dir.path());
        for (const QString &name : folder.entryList({QStringLiteral("autosave*.qmark")})) {
            QFile file(folder.filePath(name));
            if (file.open(QIODevice::ReadOnly) && file.readAll() == data)
                return true;
        }
        return false;
    };
    for (int round = 0; round < 12; ++round) {
        QProcess helper;
        helper.start(QStringLiteral(AUTOSAVE_KILL_HELPER), {path, QString::number(rng.generate())});
        QVERIFY2(helper.waitForStarted(10000), qPrintable(helper.errorString()));
        // Some rounds die before their first write, most well after it.
        QTest::qWait(rng.bounded(20, 700));
        helper.kill();
        QVERIFY(helper.waitForFinished(10000));
        QCOMPARE(helper.exitStatus(), QProcess::CrashExit);

        QStringList taken;
        int saved = 0;
        for (const QByteArray &line : helper.readAllStandardOutput().split('\n')) {
            if (line.startsWith("taken "))
                taken << QString::fromLatin1(line.mid(6));
            else if (line == "saved")
                ++saved;
        }
        QVERIFY(saved <= taken.size());
        QVERIFY2(
            previous.isEmpty() || kept(previous),
            qPrintable(
                QStringLiteral("round %1: the drawing found at its start is gone").arg(round)));
        QFile file(path);
        if (!file.exists()) {
            QCOMPARE(saved, 0);
            continue;
        }
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray data = file.readAll();
        QString error;
        const auto loaded = DrawingFile::fromJson(data, &error);
        QVERIFY2(loaded, qPrintable(QStringLiteral("round %1: %2").arg(round).arg(error)));
        // An empty drawing is not offered, so nothing keeps it.
        previous = loaded->elements.isEmpty() ? QByteArray() : data;
        // Files from earlier rounds count as "before anything was taken" in this one.
        const QString hash =
            QString::fromLatin1(QCryptographicHash::hash(data, QCryptographicHash::Sha1).toHex());
        const int at = taken.lastIndexOf(hash);
        if (saved > 0) {
            QVERIFY2(at >= saved - 1,
                     qPrintable(QStringLiteral("round %1: the file is not the last saved drawing "
                                               "(%2 written, found at %3)")
                                    .arg(round)
                                    .arg(saved)
                                    .arg(at)));
        }

        MyPainter canvas;
        canvas.setSize(QSizeF(800, 600));
        AutoSave next;
        next.setPath(path);
        next.setPainter(&canvas);
        if (next.hasRecoverable()) {
            QVERIFY(next.restore());
            QCOMPARE(DrawingFile::toJson(canvas.document()), data);
            ++recovered;
        }
        next.setPainter(nullptr);
    }
    qInfo() << recovered << "of 12 rounds left a drawing to recover";
}

QTEST_MAIN(TestAutoSaveKill)
#include "tst_autosavekill.moc"
