#pragma once

#include "memoryinfo.h"

// GlobalMemoryStatusEx: total and available physical memory.
class WindowsMemoryInfo : public MemoryInfo
{
public:
    std::optional<MemoryStatus> query() const override;
};
