#include "drawingfile.h"
#include "elements/arrowelement.h"
#include "elements/circleelement.h"
#include "elements/freehandelement.h"
#include "elements/lineelement.h"
#include "elements/numberedcircleelement.h"
#include "elements/rectangleelement.h"
#include "elements/textelement.h"

#include <QLoggingCategory>
#include <QPainter>
#include <QRandomGenerator>
#include <QtTest>

namespace {

// A drawing with every kind, the file the mutations start from.
QByteArray seedFile()
{
    DrawingDocument doc;
    const QColor c(QStringLiteral("#80ff8000"));
    doc.addElement(std::make_shared<FreehandElement>(
        QList<QPoint>{{1, 2}, {30, 40}, {55, 20}, {90, 95}}, c, 6, 0.4));
    doc.addElement(std::make_shared<LineElement>(QPoint(5, 5), QPoint(80, 9), Qt::red, 3, 1));
    doc.addElement(std::make_shared<CircleElement>(QPoint(50, 50), 30, Qt::blue, 2, 0.8));
    doc.addElement(
        std::make_shared<RectangleElement>(QPoint(10, 70), QPoint(-20, 3), Qt::green, 4, 1));
    doc.addElement(std::make_shared<ArrowElement>(QPoint(90, 10), QPoint(10, 90), c, 9, 1));
    doc.addElement(
        std::make_shared<TextElement>(QPoint(3, 60), QStringLiteral("Ab 字"), 14, Qt::black, 1, 1));
    doc.addElement(std::make_shared<NumberedCircleElement>(QPoint(70, 70), 3, Qt::red, 2, 1));
    return DrawingFile::toJson(doc);
}

// Tokens that make valid JSON of the wrong kind or at the edge of a range.
const char *const Tokens[] = {"0",     "-1",   "1e308",  "-1e308",      "2147483648", "0.5",
                              "null",  "true", "\"\"",   "\"#ffffff\"", "[]",         "{}",
                              "[0,0]", "1e-9", "999999", "\"kind\"",    "[1,2,3]",    "-0"};

QByteArray mutate(QByteArray data, QRandomGenerator &rng)
{
    const int edits = 1 + int(rng.bounded(4));
    for (int e = 0; e < edits && !data.isEmpty(); ++e) {
        const qsizetype at = rng.bounded(data.size());
        switch (rng.bounded(6)) {
        case 0: // flip a bit
            data[at] = char(data[at] ^ (1 << rng.bounded(8)));
            break;
        case 1: // drop a span
            data.remove(at, 1 + rng.bounded(16));
            break;
        case 2: // repeat a span
            data.insert(at, data.mid(at, 1 + rng.bounded(64)));
            break;
        case 3: // cut off
            data.truncate(at);
            break;
        default: { // a number, string or bracket replaced by another token
            qsizetype end = at;
            while (end < data.size() && !QByteArrayView(",:]}").contains(data[end]))
                ++end;
            data.replace(at, end - at, Tokens[rng.bounded(int(std::size(Tokens)))]);
            break;
        }
        }
    }
    return data;
}

} // namespace

// Damaged drawings never crash the reader, and what it accepts draws and saves again.
class TestDrawingFileFuzz : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false")); }

    void mutatedFiles_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::newRow("fixed") << quint32(20261207);
        const quint32 random = QRandomGenerator::system()->generate();
        qInfo("Random seed of this run: %u", random);
        QTest::newRow(qPrintable(QStringLiteral("random %1").arg(random))) << random;
    }

    void mutatedFiles()
    {
        QFETCH(quint32, seed);
        QRandomGenerator rng(seed);
        const QByteArray seedData = seedFile();
        QVERIFY(DrawingFile::fromJson(seedData, nullptr));
        QImage image(64, 64, QImage::Format_ARGB32);
        int accepted = 0;
        for (int i = 0; i < 2500; ++i) {
            const QByteArray data = mutate(seedData, rng);
            QString error;
            const std::optional<DrawingFile::Loaded> loaded = DrawingFile::fromJson(data, &error);
            if (!loaded) {
                QVERIFY2(!error.isEmpty(), data.constData());
                continue;
            }
            ++accepted;
            DrawingDocument doc;
            doc.replaceAll(loaded->elements, loaded->circleCounter);
            QPainter painter(&image);
            for (const auto &element : doc.elements()) {
                element->draw(&painter);
                element->hitTest(QPoint(10, 10), 10);
                element->boundingRect();
            }
            painter.end();
            // Whatever was accepted is saved as it was read.
            const QByteArray again = DrawingFile::toJson(doc);
            const std::optional<DrawingFile::Loaded> reread = DrawingFile::fromJson(again, &error);
            QVERIFY2(reread, qPrintable(error));
            QCOMPARE(reread->elements.size(), loaded->elements.size());
        }
        qInfo("%d of 2500 damaged files were still drawings", accepted);
        // Some mutations leave a valid drawing, so the accepting path ran too.
        QVERIFY(accepted > 0);
    }
};

QTEST_MAIN(TestDrawingFileFuzz)
#include "tst_drawingfilefuzz.moc"
