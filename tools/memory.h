#pragma once

#include <cstdio>
#include <cstring>

namespace quorlin::tools {

/// The process's resident memory from /proc/self/status, in KiB; 0 where it cannot be read.
struct Memory
{
    long peakKiB = 0; ///< VmHWM: the high-water mark of resident memory.
    long residentKiB = 0; ///< VmRSS: resident memory now.
};

/// Reads VmHWM and VmRSS of this process.
inline Memory readMemory()
{
    Memory memory;
    if (std::FILE* status = std::fopen("/proc/self/status", "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, status)) {
            if (std::strncmp(line, "VmHWM:", 6) == 0)
                std::sscanf(line + 6, "%ld", &memory.peakKiB);
            else if (std::strncmp(line, "VmRSS:", 6) == 0)
                std::sscanf(line + 6, "%ld", &memory.residentKiB);
        }
        std::fclose(status);
    }
    return memory;
}

/// Prints one line of memory figures under a label.
inline void printMemory(const char* label, const Memory& memory)
{
    std::printf("%-28s peak RSS (VmHWM) %6ld KiB   RSS (VmRSS) %6ld KiB\n", label, memory.peakKiB,
        memory.residentKiB);
}

} // namespace quorlin::tools
