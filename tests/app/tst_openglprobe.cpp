#include "openglprobe.h"

#include <QGuiApplication>
#include <QOpenGLContext>
#include <QTest>

class TestOpenGlProbe : public QObject
{
    Q_OBJECT

private slots:
    void decide_data()
    {
        QTest::addColumn<QString>("renderer");
        QTest::addColumn<bool>("software");
        QTest::newRow("llvmpipe with version") << "llvmpipe (LLVM 15.0.6, 256 bits)" << true;
        QTest::newRow("SWRAST in capitals") << "Mesa SWRAST" << true;
        QTest::newRow("SOFTWARE in capitals") << "GDI Generic SOFTWARE Rasterizer" << true;
        QTest::newRow("Microsoft basic render") << "Microsoft Basic Render Driver" << false;
        QTest::newRow("discrete card") << "NVIDIA GeForce RTX 3060/PCIe/SSE2" << false;
        QTest::newRow("integrated card") << "Mesa Intel(R) UHD Graphics 620 (KBL GT2)" << false;
        QTest::newRow("empty") << "" << false;
    }
    void decide()
    {
        QFETCH(QString, renderer);
        QFETCH(bool, software);
        QCOMPARE(OpenGlProbe::decide(renderer) == OpenGlProbe::Choice::Software, software);
    }

    void environmentFollowsTheChoice_data()
    {
        QTest::addColumn<bool>("software");
        QTest::newRow("hardware") << false;
        QTest::newRow("software") << true;
    }
    void environmentFollowsTheChoice()
    {
        QFETCH(bool, software);
        qputenv("QT_OPENGL", "desktop");
        qunsetenv("QT_ANGLE_PLATFORM");
        const QString value = OpenGlProbe::applyEnvironment(
            software ? OpenGlProbe::Choice::Software : OpenGlProbe::Choice::Hardware);
        QCOMPARE(value, software ? QString("software") : QString("hardware"));
        QCOMPARE(qgetenv("QT_OPENGL"), software ? QByteArray("software") : QByteArray("desktop"));
        QCOMPARE(qEnvironmentVariableIsSet("QT_ANGLE_PLATFORM"), !software);
        if (!software)
            QCOMPARE(qgetenv("QT_ANGLE_PLATFORM"), QByteArray("gl"));
    }

    // Whatever the platform offers, the probe answers and leaves no context current.
    void probeAlwaysDecides()
    {
        const OpenGlProbe::Choice choice = OpenGlProbe::probe();
        QVERIFY(choice == OpenGlProbe::Choice::Software || choice == OpenGlProbe::Choice::Hardware);
        QCOMPARE(QOpenGLContext::currentContext(), nullptr);
    }
};

QTEST_MAIN(TestOpenGlProbe)
#include "tst_openglprobe.moc"
