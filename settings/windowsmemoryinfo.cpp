#include "windowsmemoryinfo.h"

#include <windows.h>

std::optional<MemoryStatus> WindowsMemoryInfo::query() const
{
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof(status);
    if (!GlobalMemoryStatusEx(&status))
        return std::nullopt;
    return MemoryStatus{status.ullTotalPhys, status.ullAvailPhys};
}
