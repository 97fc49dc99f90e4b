#include "memoryinfo.h"

#include <QTest>

// GlobalMemoryStatusEx through the memory interface: figures of this machine.
class TestWinMemoryInfo : public QObject
{
    Q_OBJECT

private slots:
    void figuresArePlausible()
    {
        const std::optional<MemoryStatus> status = MemoryInfo::system()->query();
        QVERIFY(status);
        QVERIFY(status->totalBytes >= 256ull * 1024 * 1024);
        QVERIFY(status->availableBytes > 0);
        QVERIFY(status->availableBytes <= status->totalBytes);

        // The runner passes the machine's own figure; Wine answers from it.
        const quint64 hostKb = qEnvironmentVariable("QUILLMARK_HOST_MEMTOTAL_KB").toULongLong();
        if (hostKb == 0)
            QSKIP("QUILLMARK_HOST_MEMTOTAL_KB is not set");
        const double ratio = double(status->totalBytes) / double(hostKb * 1024);
        QVERIFY2(ratio > 0.95 && ratio < 1.05, qPrintable(QString::number(ratio)));
    }
};

QTEST_GUILESS_MAIN(TestWinMemoryInfo)
#include "tst_winmemoryinfo.moc"
