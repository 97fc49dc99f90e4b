// Edits a drawing at random, as fast as it can, with autosave on, until it is killed.
// Prints "taken <sha1>" for every snapshot handed to the writer and "saved" for every
// snapshot written, in that order, so that the test knows what the file may hold.
// Arguments: the autosave file, the random seed.
#include "autosave.h"
#include "mypainter.h"

#include <QCryptographicHash>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QTimer>

#include <cstdio>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: autosavekillhelper FILE SEED\n");
        return 2;
    }
    MyPainter canvas;
    canvas.setSize(QSizeF(800, 600));
    AutoSave saver;
    saver.setPath(QString::fromLocal8Bit(argv[1]));
    saver.setDelay(5);
    saver.setPainter(&canvas);
    QObject::connect(&saver, &AutoSave::snapshotTaken, [](const QByteArray &data) {
        std::printf("taken %s\n",
                    QCryptographicHash::hash(data, QCryptographicHash::Sha1).toHex().constData());
        std::fflush(stdout);
    });
    QObject::connect(&saver, &AutoSave::saved, [] {
        std::printf("saved\n");
        std::fflush(stdout);
    });

    QRandomGenerator rng(QByteArray(argv[2]).toUInt());
    auto point = [&rng] { return QPoint(rng.bounded(800), rng.bounded(600)); };
    QTimer edits;
    QObject::connect(&edits, &QTimer::timeout, [&] {
        switch (rng.bounded(8)) {
        case 0:
        case 1:
        case 2: {
            canvas.setDrawMode(int(rng.bounded(5))); // freehand, line, circle, rectangle, arrow
            canvas.beginPaint(point());
            for (int i = rng.bounded(1, 30); i > 0; --i)
                canvas.movePaint(point(), rng.bounded(2) == 0);
            canvas.endPaint(point(), false);
            break;
        }
        case 3:
            canvas.setDrawMode(MyPainter::NumberedCircleMode);
            canvas.beginPaint(point());
            canvas.endPaint(point(), false);
            break;
        case 4:
            canvas.undo();
            break;
        case 5:
            canvas.redo();
            break;
        case 6:
            canvas.deleteElement(point(), 30);
            break;
        default:
            if (canvas.document().elements().size() > 40)
                canvas.clear();
            break;
        }
    });
    // Edits come in bursts with pauses, so that the quiet period ends now and then.
    QTimer bursts;
    QObject::connect(&bursts, &QTimer::timeout, [&] {
        if (edits.isActive())
            edits.stop();
        else
            edits.start(1);
    });
    bursts.start(15);
    return app.exec();
}
