// The selection tool in the real program: a rectangle drawn, picked with the tool from the
// shape chooser, dragged elsewhere, and brought back by the toolbar's undo. The pixels on
// the screen decide each step.
#include "programdriver.h"

#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QtTest>

namespace {

// The red pen, and not the orange of the selection's outline.
bool redNear(const QImage &image, QPoint at)
{
    for (int dy = -4; dy <= 4; ++dy)
        for (int dx = -4; dx <= 4; ++dx) {
            const QPoint p = at + QPoint(dx, dy);
            if (!image.rect().contains(p))
                continue;
            const QRgb pixel = image.pixel(p);
            if (qRed(pixel) > 180 && qGreen(pixel) < 40 && qBlue(pixel) < 40)
                return true;
        }
    return false;
}

bool outlineNear(const QImage &image, QPoint at)
{
    for (int dy = -6; dy <= 6; ++dy)
        for (int dx = -6; dx <= 6; ++dx) {
            const QPoint p = at + QPoint(dx, dy);
            if (image.rect().contains(p) && image.pixel(p) == qRgb(0xF2, 0x50, 0x17))
                return true;
        }
    return false;
}

// A press, moves in steps and a release, as a hand drags.
bool drag(QPoint from, QPoint to)
{
    bool ok = xdo({"mousemove", number(from.x()), number(from.y()), "mousedown", "1"});
    for (int step = 1; ok && step <= 10; ++step) {
        const QPoint at = from + (to - from) * step / 10;
        ok = xdo({"mousemove", number(at.x()), number(at.y())});
    }
    return xdo({"mouseup", "1"}) && ok;
}

} // namespace

class TestSelectionGui : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();
    void dragMovesAndUndoBringsBack();

private:
    // Hovers the shape button and clicks the chooser's entry with this index.
    void pickShape(int entry, const QString &shot);

    ProgramDriver m_program{QStringLiteral(SHOT_DIR), QStringLiteral("selection-")};
    QRect m_toolbar;
};

void TestSelectionGui::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        QSKIP("needs an X display (scripts/test.sh starts one)");
    QVERIFY(m_program.isValid());
    QVERIFY(
        m_program.start(QStringLiteral(QUILLMARK_PROGRAM), {}, ProgramDriver::Output::Forwarded));
    m_toolbar = m_program.waitForWindow(QStringLiteral("^主窗口$"));
    QVERIFY2(!m_toolbar.isEmpty(), "the toolbar did not appear");
}

void TestSelectionGui::cleanup()
{
    m_program.keepEvidenceOnFailure();
}

void TestSelectionGui::cleanupTestCase()
{
    m_program.stop();
}

void TestSelectionGui::pickShape(int entry, const QString &shot)
{
    QVERIFY(hover(toolbarButtonCentre(m_toolbar, ToolbarButton::Shapes)));
    const QRect chooser = m_program.waitForWindow(QStringLiteral("^Sub Window$"));
    QVERIFY2(!chooser.isEmpty(), "no chooser opened");
    QVERIFY2(m_program.waitForScreen(
                 [&](const QImage &grab) {
                     return grab.pixel(chooser.topLeft() + QPoint(2, 12)) == qRgb(255, 255, 255);
                 },
                 shot),
             "the chooser is not drawn");
    QVERIFY(click({chooser.center().x(), chooser.top() + 8 + entry * 24 + 11}));
    QVERIFY2(m_program.waitForNoWindow(QStringLiteral("^Sub Window$")), "the chooser stayed open");
}

void TestSelectionGui::dragMovesAndUndoBringsBack()
{
    QVERIFY(click(toolbarButtonCentre(m_toolbar, ToolbarButton::DrawingSwitch)));
    QVERIFY(!m_program.waitForWindow(QStringLiteral("^draw$")).isEmpty());
    m_toolbar = m_program.waitForWindow(QStringLiteral("^主窗口$"));

    // A rectangle from (900, 500) to (1100, 650): its left side passes (900, 575).
    pickShape(3, QStringLiteral("rectangle-chooser"));
    QVERIFY(drag({900, 500}, {1100, 650}));
    QVERIFY2(m_program.waitForScreen(
                 [](const QImage &shot) {
                     return redNear(shot, {900, 575}) && redNear(shot, {1000, 650});
                 },
                 QStringLiteral("drawn")),
             "the rectangle is not on screen");

    // The selection tool, last entry; its side is pressed and dragged by (-300, 150).
    pickShape(5, QStringLiteral("chooser"));
    const QPoint by(-300, 150);
    QVERIFY(drag({900, 575}, QPoint(900, 575) + by));
    QVERIFY(xdo({"mousemove", "1300", "900"}));
    QVERIFY2(m_program.waitForScreen(
                 [&](const QImage &shot) {
                     return redNear(shot, QPoint(900, 575) + by) &&
                            redNear(shot, QPoint(1000, 650) + by) && !redNear(shot, {900, 575}) &&
                            !redNear(shot, {1000, 650}) &&
                            outlineNear(shot, QPoint(1100, 650) + by + QPoint(3, 3));
                 },
                 QStringLiteral("moved")),
             "the rectangle did not move, or shows no outline");

    // One undo brings the whole drag back.
    QVERIFY(click(toolbarButtonCentre(m_toolbar, ToolbarButton::Undo)));
    QVERIFY(xdo({"mousemove", "1300", "900"}));
    QVERIFY2(m_program.waitForScreen(
                 [&](const QImage &shot) {
                     return redNear(shot, {900, 575}) && redNear(shot, {1000, 650}) &&
                            !redNear(shot, QPoint(900, 575) + by) &&
                            !redNear(shot, QPoint(1000, 650) + by);
                 },
                 QStringLiteral("undone")),
             "undo did not bring the rectangle back");
}

QTEST_MAIN(TestSelectionGui)
#include "tst_selectiongui.moc"
