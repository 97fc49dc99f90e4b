#include "elementfactory.h"
#include "elements/freehandelement.h"
#include "elements/twopointelement.h"
#include "mypainter.h"

#include <QMetaEnum>
#include <QSet>
#include <QtTest>

// One factory per draw mode: what a drag in each mode starts with.
class TestElementFactory : public QObject
{
    Q_OBJECT

private slots:
    void eachModeMakesItsKind_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("makes");
        QTest::newRow("freehand") << 0 << true;
        QTest::newRow("line") << 1 << true;
        QTest::newRow("circle") << 2 << true;
        QTest::newRow("rectangle") << 3 << true;
        QTest::newRow("arrow") << 4 << true;
        QTest::newRow("text: placed, not dragged") << 5 << false;
        QTest::newRow("numbered circle: made on the press") << 6 << false;
        QTest::newRow("unknown mode") << 7 << false;
        QTest::newRow("negative mode") << -1 << false;
    }

    void eachModeMakesItsKind()
    {
        QFETCH(int, mode);
        QFETCH(bool, makes);
        const Stroke stroke{QPoint(30, 40), {QPoint(30, 40), QPoint(35, 47)}, {}};
        const PenStyle pen{QColor(10, 20, 30), 7, 0.4};
        const auto element = ElementFactory::create(ElementKind(mode), stroke, pen);
        QCOMPARE(bool(element), makes);
        if (!element)
            return;
        QCOMPARE(element->type(), mode);
        QCOMPARE(element->color(), pen.color);
        QCOMPARE(element->penWidth(), 7);
        QCOMPARE(element->opacity(), 0.4);
        // Every kind starts at the press; the drag shapes it from there.
        if (auto *shape = dynamic_cast<const TwoPointElement *>(element.get())) {
            QCOMPARE(shape->start(), stroke.start);
            QCOMPARE(shape->end(), stroke.start);
        } else if (auto *freehand = dynamic_cast<const FreehandElement *>(element.get())) {
            QCOMPARE(freehand->points(), stroke.points);
        }
        QVERIFY(element->boundingRect().contains(stroke.start));
    }

    // Each kind registers once, at the index of its kind, under a file name of its own.
    void registrationMatchesTheKinds()
    {
        QSet<QString> names;
        for (qsizetype i = 0; i < ElementFactory::types().size(); ++i) {
            const ElementType *type = ElementFactory::types().at(i);
            QCOMPARE(int(type->kind), int(i));
            QCOMPARE(ElementFactory::type(type->kind), type);
            QCOMPARE(ElementFactory::typeNamed(QLatin1String(type->fileName)), type);
            QVERIFY(type->read);
            names.insert(QLatin1String(type->fileName));
        }
        QCOMPARE(names.size(), ElementFactory::types().size());
        QVERIFY(!ElementFactory::typeNamed(QStringLiteral("Freehand")));
        QCOMPARE(ElementFactory::type(ElementFactory::penMode())->penMode, true);
    }

    // QML sets the draw mode by number: each DrawMode names the kind of the same value, but
    // the selection tool's, which is no kind.
    void drawModesNameTheirKinds()
    {
        const QMetaEnum modes = QMetaEnum::fromType<MyPainter::DrawMode>();
        QCOMPARE(modes.keyCount(), ElementFactory::types().size() + 1);
        QVERIFY(!ElementFactory::type(ElementKind(MyPainter::SelectMode)));
        for (int i = 0; i < modes.keyCount(); ++i) {
            if (modes.value(i) == MyPainter::SelectMode)
                continue;
            const ElementType *type = ElementFactory::type(ElementKind(modes.value(i)));
            QVERIFY(type);
            QVERIFY2(QString::fromLatin1(modes.key(i))
                         .startsWith(QLatin1String(type->fileName), Qt::CaseInsensitive),
                     modes.key(i));
        }
    }
};

QTEST_MAIN(TestElementFactory)
#include "tst_elementfactory.moc"
