#include "procmeminfo.h"

#include <QFile>
#include <QList>

#include <limits>

ProcMemInfo::ProcMemInfo(const QString &path) : m_path(path) {}

std::optional<MemoryStatus> ProcMemInfo::query() const
{
    QFile file(m_path);
    // A proc file reports size 0, so read until the end instead of by size.
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return parse(file.readAll());
}

std::optional<MemoryStatus> ProcMemInfo::parse(const QByteArray &text)
{
    std::optional<quint64> total;
    std::optional<quint64> available;
    const QList<QByteArray> lines = text.split('\n');
    for (const QByteArray &line : lines) {
        const int colon = line.indexOf(':');
        if (colon < 0)
            continue;
        const QByteArray name = line.left(colon).trimmed();
        if (name != "MemTotal" && name != "MemAvailable")
            continue;
        const QList<QByteArray> fields = line.mid(colon + 1).simplified().split(' ');
        if (fields.size() != 2 || fields.at(1) != "kB")
            return std::nullopt;
        bool ok = false;
        const quint64 kib = fields.at(0).toULongLong(&ok);
        if (!ok || kib > (std::numeric_limits<quint64>::max() >> 10))
            return std::nullopt;
        (name == "MemTotal" ? total : available) = kib << 10;
    }
    if (!total || !available)
        return std::nullopt;
    return MemoryStatus{*total, *available};
}
