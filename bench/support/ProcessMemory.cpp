#include "ProcessMemory.h"

#include <QFile>
#include <QList>

#include <malloc.h>

#include <stdexcept>

namespace
{

// The value of a "Name:   1234 kB" line.
qint64 kibOf(const QByteArray &line)
{
    const QList<QByteArray> fields = line.simplified().split(' ');
    return fields.size() >= 2 ? fields.at(1).toLongLong() : 0;
}

} // namespace

ProcessMemory ProcessMemory::now()
{
    malloc_trim(0);
    QFile rollup(QStringLiteral("/proc/self/smaps_rollup"));
    if (!rollup.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read /proc/self/smaps_rollup");
    ProcessMemory memory;
    const QList<QByteArray> lines = rollup.readAll().split('\n');
    for (const QByteArray &line : lines) {
        if (line.startsWith("Rss:"))
            memory.rssKib = kibOf(line);
        else if (line.startsWith("Pss:"))
            memory.pssKib = kibOf(line);
    }
    if (memory.rssKib == 0)
        throw std::runtime_error("no Rss line in /proc/self/smaps_rollup");
    return memory;
}
