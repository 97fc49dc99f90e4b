#pragma once

#include <QtGlobal>

#include <memory>
#include <optional>

// Physical memory figures in bytes.
struct MemoryStatus
{
    quint64 totalBytes = 0;
    quint64 availableBytes = 0;
};

// The operating system's global memory query, behind a small interface so that
// the system description can be built with any source.
class MemoryInfo
{
public:
    virtual ~MemoryInfo() = default;
    // Empty when the query fails.
    virtual std::optional<MemoryStatus> query() const = 0;

    // GlobalMemoryStatusEx on Windows, /proc/meminfo on Linux, nothing elsewhere.
    static std::unique_ptr<MemoryInfo> system();
};
