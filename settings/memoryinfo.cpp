#include "memoryinfo.h"

#if defined(Q_OS_WIN)
#include "windowsmemoryinfo.h"
#elif defined(Q_OS_LINUX)
#include "procmeminfo.h"
#endif

namespace {

class NoMemoryInfo : public MemoryInfo
{
public:
    std::optional<MemoryStatus> query() const override { return std::nullopt; }
};

} // namespace

std::unique_ptr<MemoryInfo> MemoryInfo::system()
{
#if defined(Q_OS_WIN)
    return std::make_unique<WindowsMemoryInfo>();
#elif defined(Q_OS_LINUX)
    return std::make_unique<ProcMemInfo>();
#else
    return std::make_unique<NoMemoryInfo>();
#endif
}
