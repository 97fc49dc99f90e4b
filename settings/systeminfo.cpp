#include "systeminfo.h"

#include "memoryinfo.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSysInfo>

namespace {

QString memoryLine(const char *format, quint64 bytes)
{
    const quint64 mib = bytes >> 20;
    return QString::fromUtf8(format).arg(QString::number(mib),
                                         QString::number(double(mib) / 1024.0, 'f', 2));
}

} // namespace

QStringList SystemInfo::lines(const MemoryInfo &memory)
{
    QStringList lines;
    lines << QStringLiteral("操作系统: %1 %2")
                 .arg(QSysInfo::prettyProductName(), QSysInfo::productVersion());
    lines << QStringLiteral("内核类型: %1").arg(QSysInfo::kernelType());
    lines << QStringLiteral("内核版本: %1").arg(QSysInfo::kernelVersion());
    lines << QStringLiteral("CPU架构: %1").arg(QSysInfo::currentCpuArchitecture());
    lines << QStringLiteral("主机名: %1").arg(QSysInfo::machineHostName());

    const QList<QScreen *> screens = QGuiApplication::screens();
    lines << QStringLiteral("屏幕数量: %1").arg(screens.size());
    for (int i = 0; i < screens.size(); ++i) {
        const QScreen *screen = screens.at(i);
        const QRect geometry = screen->geometry();
        lines << QStringLiteral("屏幕 %1: %2x%3, %4 DPI")
                     .arg(QString::number(i + 1), QString::number(geometry.width()),
                          QString::number(geometry.height()),
                          QString::number(screen->physicalDotsPerInch(), 'f', 1));
    }

    if (const auto status = memory.query()) {
        lines << memoryLine("总内存: %1 MB (%2 GB)", status->totalBytes);
        lines << memoryLine("可用内存: %1 MB (%2 GB)", status->availableBytes);
    }
    return lines;
}

QString SystemInfo::describe(const MemoryInfo &memory)
{
    return lines(memory).join(QLatin1Char('|'));
}

QString SystemInfo::describe()
{
    return describe(*MemoryInfo::system());
}
