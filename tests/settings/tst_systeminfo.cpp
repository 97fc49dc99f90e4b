#include "memoryinfo.h"
#include "procmeminfo.h"
#include "settingsclazz.h"
#include "systeminfo.h"

#include <QGuiApplication>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>

namespace {

class FixedMemory : public MemoryInfo
{
public:
    explicit FixedMemory(std::optional<MemoryStatus> status) : m_status(status) {}
    std::optional<MemoryStatus> query() const override { return m_status; }

private:
    std::optional<MemoryStatus> m_status;
};

} // namespace

class TestSystemInfo : public QObject
{
    Q_OBJECT

private slots:
    void linesInOrder()
    {
        const quint64 gib = quint64(1) << 30;
        const FixedMemory memory(MemoryStatus{16 * gib, 6 * gib + (gib >> 1)});
        const QStringList lines = SystemInfo::describe(memory).split('|');
        const int screens = QGuiApplication::screens().size();
        QVERIFY(screens >= 1);
        // The runner may fake a desktop of several screens; make sure it took effect.
        if (qEnvironmentVariableIsSet("QUILLMARK_TEST_SCREENS"))
            QCOMPARE(screens, qEnvironmentVariableIntValue("QUILLMARK_TEST_SCREENS"));
        QCOMPARE(lines.size(), 5 + 1 + screens + 2);

        QVERIFY(lines.at(0).startsWith("操作系统: "));
        QCOMPARE(lines.at(1), "内核类型: " + QSysInfo::kernelType());
        QCOMPARE(lines.at(2), "内核版本: " + QSysInfo::kernelVersion());
        QCOMPARE(lines.at(3), "CPU架构: " + QSysInfo::currentCpuArchitecture());
        QCOMPARE(lines.at(4), "主机名: " + QSysInfo::machineHostName());
        QCOMPARE(lines.at(5), QString("屏幕数量: %1").arg(screens));
        const QRegularExpression screenLine("^屏幕 (\\d+): (\\d+)x(\\d+), \\d+\\.\\d DPI$");
        for (int i = 0; i < screens; ++i) {
            const auto match = screenLine.match(lines.at(6 + i));
            QVERIFY2(match.hasMatch(), qPrintable(lines.at(6 + i)));
            QCOMPARE(match.captured(1).toInt(), i + 1);
            QCOMPARE(match.captured(2).toInt(),
                     QGuiApplication::screens().at(i)->geometry().width());
        }
        QCOMPARE(lines.at(6 + screens), QString("总内存: 16384 MB (16.00 GB)"));
        QCOMPARE(lines.at(7 + screens), QString("可用内存: 6656 MB (6.50 GB)"));
    }

    void failedMemoryQueryLeavesTheMemoryLinesOut()
    {
        const QString text = SystemInfo::describe(FixedMemory(std::nullopt));
        QVERIFY(!text.contains("内存"));
        QVERIFY(!text.endsWith('|'));
        QCOMPARE(text.split('|').size(), 6 + QGuiApplication::screens().size());
    }

    void memoryRoundsDown()
    {
        // 1 MiB less one byte is 0 MB; the GB figure derives from the whole MB.
        const FixedMemory memory(MemoryStatus{(quint64(3) << 20) - 1, (quint64(1) << 20) - 1});
        const QStringList lines = SystemInfo::lines(memory);
        QCOMPARE(lines.at(lines.size() - 2), QString("总内存: 2 MB (0.00 GB)"));
        QCOMPARE(lines.last(), QString("可用内存: 0 MB (0.00 GB)"));
    }

    void getSysInfoOnThisMachine()
    {
        const QStringList lines = SettingsClazz().getSysInfo().split('|');
        const int screens = QGuiApplication::screens().size();
#ifdef Q_OS_LINUX
        QCOMPARE(lines.size(), 8 + screens);
        QVERIFY(lines.last().startsWith("可用内存: "));
#else
        QVERIFY(lines.size() >= 6 + screens);
#endif
    }

    void parseMeminfo_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<quint64>("total");
        QTest::addColumn<quint64>("available");
        QTest::newRow("kernel layout")
            << QByteArray("MemTotal:       16314932 kB\nMemFree:          812345 kB\n"
                          "MemAvailable:    9123456 kB\nBuffers:          123 kB\n")
            << true << quint64(16314932) * 1024 << quint64(9123456) * 1024;
        QTest::newRow("any order") << QByteArray("MemAvailable: 2 kB\nMemTotal: 4 kB") << true
                                   << quint64(4096) << quint64(2048);
        QTest::newRow("no MemAvailable (old kernels)")
            << QByteArray("MemTotal: 4 kB\nMemFree: 2 kB\n") << false << quint64(0) << quint64(0);
        QTest::newRow("not a number") << QByteArray("MemTotal: x kB\nMemAvailable: 2 kB\n") << false
                                      << quint64(0) << quint64(0);
        QTest::newRow("unknown unit") << QByteArray("MemTotal: 4 MB\nMemAvailable: 2 kB\n") << false
                                      << quint64(0) << quint64(0);
        QTest::newRow("overflow") << QByteArray(
                                         "MemTotal: 99999999999999999999 kB\nMemAvailable: 2 kB\n")
                                  << false << quint64(0) << quint64(0);
        QTest::newRow("empty") << QByteArray() << false << quint64(0) << quint64(0);
    }
    void parseMeminfo()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, valid);
        QFETCH(quint64, total);
        QFETCH(quint64, available);
        const auto status = ProcMemInfo::parse(text);
        QCOMPARE(status.has_value(), valid);
        if (valid) {
            QCOMPARE(status->totalBytes, total);
            QCOMPARE(status->availableBytes, available);
        }
    }

    void unreadableMeminfoFileGivesNothing()
    {
        QVERIFY(!ProcMemInfo("/nonexistent/meminfo").query().has_value());
    }
};

QTEST_MAIN(TestSystemInfo)
#include "tst_systeminfo.moc"
