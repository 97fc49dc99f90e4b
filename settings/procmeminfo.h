#pragma once

#include "memoryinfo.h"

#include <QByteArray>
#include <QString>

// Reads MemTotal and MemAvailable from a meminfo file (Linux: /proc/meminfo).
class ProcMemInfo : public MemoryInfo
{
public:
    explicit ProcMemInfo(const QString &path = QStringLiteral("/proc/meminfo"));
    std::optional<MemoryStatus> query() const override;

    // Empty unless both fields are present with a number and the unit kB.
    static std::optional<MemoryStatus> parse(const QByteArray &text);

private:
    QString m_path;
};
