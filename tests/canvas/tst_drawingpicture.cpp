#include "canvasrenderer.h"
#include "canvastesthelpers.h"
#include "drawingfile.h"
#include "drawingpicture.h"
#include "drawingsaver.h"
#include "referencerenderer.h"
#include "safefile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QSize Size(400, 300);
const QRect Bounds(QPoint(0, 0), Size);

// count elements of every kind at random, some translucent, with a few texts between them.
void fill(DrawingDocument &doc, int count, quint32 seed)
{
    QRandomGenerator rng(seed);
    const auto point = [&rng] {
        return QPoint(rng.bounded(Size.width()), rng.bounded(Size.height()));
    };
    for (int i = 0; i < count; ++i) {
        doc.setPen({QColor::fromRgb(rng.generate() | 0xff000000u), 2 + rng.bounded(6),
                    i % 7 == 0 ? 0.4 : 1.0});
        if (i % 250 == 125) {
            doc.addText(point(), QStringLiteral("Text %1").arg(i), 14);
            continue;
        }
        doc.setDrawMode(ElementKind(i % 5));
        const QPoint from = point();
        doc.beginPaint(from);
        doc.movePaint(from + QPoint(rng.bounded(-30, 30), rng.bounded(-30, 30)), false);
        const QPoint to = from + QPoint(rng.bounded(-40, 40), rng.bounded(-40, 40));
        doc.movePaint(to, false);
        doc.endPaint(to, false);
    }
}

// One frame of the view as the item paints it: the region asked for is cleared and painted
// again. Returns what the next frame must repaint.
QRect frame(CanvasRenderer &renderer, QImage &shown, const QRect &dirty,
            const QDeadlineTimer &deadline)
{
    renderer.beginFrame(deadline);
    QPainter painter(&shown);
    DevicePixels::clearAndClip(&painter, dirty);
    renderer.paint(&painter, ViewMapping(), Size);
    painter.end();
    return renderer.changed(renderer.endFrame(Bounds), Bounds);
}

QImage blank()
{
    QImage image(Size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QByteArray stampedFile(int count, quint32 seed = 1)
{
    DrawingDocument doc;
    fill(doc, count, seed);
    QString why;
    const QByteArray stamped =
        DrawingPicture::stamped(DrawingFile::toJson(doc), Bounds, 1.0, nullptr, &why);
    if (stamped.isEmpty())
        qWarning() << "no picture:" << why;
    return stamped;
}

} // namespace

class TestDrawingPicture : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false")); }

    // The first frame after opening shows the whole drawing from the file's picture, and the
    // frames after it end with the layers showing the very same.
    void pictureShowsTheWholeDrawingAtOnce()
    {
        const QByteArray file = stampedFile(DrawingPicture::MinElements + 200);
        QString error;
        const std::optional<DrawingFile::Loaded> loaded = DrawingFile::fromJson(file, &error);
        QVERIFY2(loaded, qPrintable(error));
        QVERIFY(!loaded->picture.isNull());
        DrawingDocument opened;
        opened.replaceAll(loaded->elements, loaded->circleCounter);
        opened.setOpenedPicture(loaded->picture);
        const QImage reference = renderReference(opened, Size);

        // A frame whose time is up at once: the layers hold next to nothing yet.
        CanvasRenderer renderer(opened);
        QImage shown = blank();
        QRect next = frame(renderer, shown, Bounds, QDeadlineTimer(0));
        QCOMPARE_LE(maxChannelDifference(shown, reference), 2);
        QVERIFY(!next.isEmpty());

        // Without the picture that frame shows the bottom of the drawing only.
        DrawingDocument plain;
        plain.replaceAll(loaded->elements, loaded->circleCounter);
        CanvasRenderer plainRenderer(plain);
        QImage plainShown = blank();
        frame(plainRenderer, plainShown, Bounds, QDeadlineTimer(0));
        QCOMPARE_GT(maxChannelDifference(plainShown, reference), 64);

        // A stroke drawn while the layers fill in shows over the picture.
        opened.setDrawMode(ElementKind::Line);
        opened.setPen({Qt::black, 9, 1.0});
        opened.beginPaint(QPoint(10, 150));
        opened.movePaint(QPoint(390, 150), false);
        opened.endPaint(QPoint(390, 150), false);
        next |= renderer.changed(opened.elements().last()->boundingRect(), Bounds);
        next = frame(renderer, shown, next, QDeadlineTimer(0));
        QCOMPARE_LE(maxChannelDifference(shown, renderReference(opened, Size)), 2);

        for (int frames = 0; !next.isEmpty(); ++frames) {
            QVERIFY2(frames < 1000, "the layers never filled in");
            next = frame(renderer, shown, next, QDeadlineTimer(5));
        }
        QCOMPARE_LE(maxChannelDifference(shown, renderReference(opened, Size)), 2);

        // Undoing the stroke leaves the picture; undoing the opening drops it for good.
        qsizetype shows = 0;
        opened.undo();
        QVERIFY(opened.openedPicture(&shows));
        QCOMPARE(shows, loaded->elements.size());
        opened.undo();
        QVERIFY(!opened.openedPicture(&shows));
        opened.redo();
        QVERIFY(!opened.openedPicture(&shows));
    }

    // The elements are the truth: a picture that was painted from another file, or cannot
    // be read, is left out with a log line, and the drawing opens in full without it.
    void unfitPictureIsIgnored_data()
    {
        // What the file's text after the picture's start becomes.
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<QString>("reason");
        QTest::newRow("file edited before it") << QString() << QString() << "another file";
        QTest::newRow("written in another form") << "\"x\":"
                                                 << "\"x\": "
                                                 << "form";
        QTest::newRow("moved") << "\"y\":-?\\d+"
                               << "\"y\":12345"
                               << "another file";
        QTest::newRow("not an object") << "\\{.*"
                                       << "5}"
                                       << "form";
        QTest::newRow("not base64") << "\"pixels\":\"[^\"]*\""
                                    << "\"pixels\":\"@@@@\""
                                    << "not base64";
        QTest::newRow("not packed pixels")
            << "\"pixels\":\"[^\"]*\""
            << QString("\"pixels\":\"%1\"").arg(QString::fromLatin1(QByteArray("hello").toBase64()))
            << "size";
        QTest::newRow("area past any desktop") << "\"x\":-?\\d+"
                                               << "\"x\":1000000000000"
                                               << "form";
        QTest::newRow("says it is 60000 px wide") << "\"columns\":\\d+"
                                                  << "\"columns\":60000"
                                                  << "size";
        QTest::newRow("packed larger than it says")
            << "\"pixels\":\"[^\"]*\""
            << QString("\"pixels\":\"%1\"")
                   .arg(QString::fromLatin1(qCompress(QByteArray(1 << 20, 'x')).toBase64()))
            << "fit its size";
    }

    void unfitPictureIsIgnored()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, replacement);
        QFETCH(QString, reason);
        static const QByteArray file = stampedFile(DrawingPicture::MinElements);
        const qsizetype start = file.lastIndexOf(",\"picture\":");
        QVERIFY(start > 0);
        QByteArray head = file.left(start);
        QString picture = QString::fromLatin1(file.mid(start));
        if (pattern.isEmpty()) {
            head.replace("\"circleCounter\":", "\"circleCounter\": ");
        } else {
            picture.replace(QRegularExpression(pattern), replacement);
        }

        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("^Drawing picture ignored: .*" + reason));
        QString error;
        const std::optional<DrawingFile::Loaded> loaded =
            DrawingFile::fromJson(head + picture.toLatin1(), &error);
        QVERIFY2(loaded, qPrintable(error));
        QCOMPARE(loaded->elements.size(), DrawingPicture::MinElements);
        QVERIFY(loaded->picture.isNull());
    }

    // A drawing spread wider than a picture may hold gets a coarser one, still within the
    // pixels a file's picture may have, and it opens.
    void wideDrawingGetsACoarserPicture()
    {
        DrawingDocument doc;
        fill(doc, DrawingPicture::MinElements, 5);
        doc.setDrawMode(ElementKind::Line);
        doc.beginPaint(QPoint(9000, 7000));
        doc.movePaint(QPoint(9001, 7001), false);
        doc.endPaint(QPoint(9001, 7001), false);
        QString why;
        const QByteArray file =
            DrawingPicture::stamped(DrawingFile::toJson(doc), QRect(), 1.0, nullptr, &why);
        QVERIFY2(!file.isEmpty(), qPrintable(why));
        const std::optional<DrawingFile::Loaded> loaded = DrawingFile::fromJson(file, &why);
        QVERIFY2(loaded && !loaded->picture.isNull(), qPrintable(why));
        const QSize size = loaded->picture.image.size();
        QCOMPARE_LE(qint64(size.width()) * size.height(), DrawingPicture::MaxPixels);
        QCOMPARE_LT(size.width(), loaded->picture.area.width());
    }

    // The saver writes the drawing at once and its picture after; the picture never takes
    // the place of a newer save or of another program's file, and small drawings get none.
    void saverNeverWritesOverNewerFiles()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("drawing.qmark");
        DrawingDocument first, second, small;
        fill(first, DrawingPicture::MinElements, 1);
        fill(second, DrawingPicture::MinElements + 1, 2);
        fill(small, 10, 3);
        QString error;
        const auto fileNow = [&path] {
            QString reason;
            const std::optional<DrawingFile::Loaded> loaded = DrawingFile::load(path, &reason);
            if (!loaded)
                qWarning() << reason;
            return loaded;
        };

        DrawingSaver saver;
        QVERIFY(saver.save(first, path, Bounds, 1.0, &error));
        QVERIFY(fileNow());
        QCOMPARE(fileNow()->elements.size(), first.elements().size());
        QVERIFY(saver.save(second, path, Bounds, 1.0, &error));
        saver.waitForPictures();
        const auto saved = fileNow();
        QVERIFY(saved);
        QCOMPARE(saved->elements.size(), second.elements().size());
        QVERIFY(!saved->picture.isNull());

        // Another program writes the file while the picture is painted.
        QVERIFY(saver.save(first, path, Bounds, 1.0, &error));
        QVERIFY(SafeFile::write(path, DrawingFile::toJson(small), SafeFile::Mode::Replace, &error));
        saver.waitForPictures();
        QVERIFY(fileNow());
        QCOMPARE(fileNow()->elements.size(), small.elements().size());

        QVERIFY(saver.save(small, path, Bounds, 1.0, &error));
        saver.waitForPictures();
        QVERIFY(!SafeFile::read(path, DrawingFile::MaxFileSize).data.contains("\"picture\""));
    }

    // The canvas's own save and open: the picture follows the save into the file, and an
    // opened file's picture stands in on the canvas.
    void canvasSavesAndOpensThePicture()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("canvas.qmark");
        const auto canvas = makeCanvas(Size.width(), Size.height());
        fill(canvas->document(), DrawingPicture::MinElements, 4);
        QVERIFY(canvas->saveDrawing(QUrl::fromLocalFile(path)));
        QTRY_VERIFY_WITH_TIMEOUT(
            SafeFile::read(path, DrawingFile::MaxFileSize).data.contains("\"picture\""), 10000);

        const auto opened = makeCanvas(Size.width(), Size.height());
        QSignalSpy done(opened.get(), &MyPainter::drawingOpened);
        QVERIFY(opened->openDrawing(QUrl::fromLocalFile(path)));
        QTRY_COMPARE_WITH_TIMEOUT(done.size(), 1, 10000);
        qsizetype shows = 0;
        QVERIFY(opened->document().openedPicture(&shows));
        QCOMPARE(shows, DrawingPicture::MinElements);
    }
};

QTEST_MAIN(TestDrawingPicture)

#include "tst_drawingpicture.moc"
