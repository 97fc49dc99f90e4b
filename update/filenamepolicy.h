#pragma once

#include <QString>

// Decides whether a file name taken from an update manifest may be written below
// the application directory. A manifest comes from the network, so a name must
// never reach outside that folder nor name something other than a plain file.
class FileNamePolicy
{
public:
    static constexpr const char configFileName[] = "config.ini";
    // Top-level names that start with this belong to the updater's own bookkeeping.
    static constexpr const char reservedPrefix[] = ".update-";

    // Empty when the name is acceptable, otherwise why it is refused.
    static QString refusal(const QString &name);
    static bool isAcceptable(const QString &name) { return refusal(name).isEmpty(); }
};
