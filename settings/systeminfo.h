#pragma once

#include <QString>
#include <QStringList>

class MemoryInfo;

// The one-line description of the machine sent with the update check: operating
// system, processor, host, screens and memory, joined with "|".
class SystemInfo
{
public:
    static QStringList lines(const MemoryInfo &memory);
    static QString describe(const MemoryInfo &memory);
    static QString describe();
};
