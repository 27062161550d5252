#pragma once

#include <QtGlobal>

// This process's resident (RSS) and proportional (PSS) set sizes in KiB, read from
// /proc/self/smaps_rollup after the heap has handed its free pages back, so a reading
// counts what is in use rather than what malloc happens to keep.
struct ProcessMemory {
    qint64 rssKib = 0;
    qint64 pssKib = 0;

    // Throws std::runtime_error when the kernel's figures cannot be read.
    static ProcessMemory now();

    ProcessMemory operator-(const ProcessMemory &other) const
    {
        return {rssKib - other.rssKib, pssKib - other.pssKib};
    }
};
