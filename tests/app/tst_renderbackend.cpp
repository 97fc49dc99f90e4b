#include "renderbackend.h"

#include <QTest>

using Backend = RenderBackend::Backend;
using Source = RenderBackend::Source;
using Probe = OpenGlProbe::Choice;

class TestRenderBackend : public QObject
{
    Q_OBJECT

private slots:
    void decide_data()
    {
        QTest::addColumn<bool>("softwareProbe");
        QTest::addColumn<QString>("environment");
        QTest::addColumn<QString>("configured");
        QTest::addColumn<bool>("qtVariable");
        QTest::addColumn<bool>("onLinux");
        QTest::addColumn<bool>("software");
        QTest::addColumn<int>("source");
        QTest::addColumn<bool>("leftToQt");

        const int probe = int(Source::Probe);
        const int env = int(Source::Environment);
        const int ini = int(Source::ConfigIni);
        // clang-format off
        QTest::newRow("llvmpipe on Linux") << true << "" << "" << false << true << true << probe << false;
        QTest::newRow("a real card on Linux") << false << "" << "" << false << true << false << probe << false;
        QTest::newRow("llvmpipe on Windows keeps the default") << true << "" << "" << false << false << false << probe << true;
        QTest::newRow("variable forces OpenGL") << true << "opengl" << "" << false << true << false << env << false;
        QTest::newRow("variable forces software, any case") << false << " Software " << "" << false << true << true << env << false;
        QTest::newRow("variable wins over config.ini") << false << "software" << "opengl" << false << true << true << env << false;
        QTest::newRow("config.ini forces OpenGL") << true << "" << "hardware" << false << true << false << ini << false;
        QTest::newRow("auto defers to config.ini") << false << "auto" << "software" << false << true << true << ini << false;
        QTest::newRow("forcing works on Windows too") << false << "software" << "" << false << false << true << env << false;
        QTest::newRow("unknown word falls through") << true << "vulkan" << "fast" << false << true << true << probe << false;
        QTest::newRow("QT_QUICK_BACKEND is left alone") << true << "" << "" << true << true << false << int(Source::QtVariable) << true;
        QTest::newRow("ours beats QT_QUICK_BACKEND") << false << "" << "software" << true << true << true << ini << false;
        // clang-format on
    }
    void decide()
    {
        QFETCH(bool, softwareProbe);
        QFETCH(QString, environment);
        QFETCH(QString, configured);
        QFETCH(bool, qtVariable);
        QFETCH(bool, onLinux);
        QFETCH(bool, software);
        QFETCH(int, source);
        QFETCH(bool, leftToQt);
        const RenderBackend::Decision decision =
            RenderBackend::decide(softwareProbe ? Probe::Software : Probe::Hardware, environment,
                                  configured, qtVariable, onLinux);
        QCOMPARE(decision.backend == Backend::Software, software);
        QCOMPARE(int(decision.source), source);
        QCOMPARE(decision.leftToQt, leftToQt);
    }
};

QTEST_MAIN(TestRenderBackend)

#include "tst_renderbackend.moc"
