// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdio>
#include <cstring>

namespace quorlin::tools {

#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool underAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool underAddressSanitizer = true;
#else
inline constexpr bool underAddressSanitizer = false;
#endif
#else
inline constexpr bool underAddressSanitizer = false;
#endif

/// True when growth of resident memory says something about leaks: AddressSanitizer keeps freed
/// blocks in quarantine, so under it resident memory grows whatever the program does.
inline bool memoryGrowthMeans(const char* tool)
{
    if (underAddressSanitizer)
        std::printf("%s: memory growth not judged under AddressSanitizer (its quarantine holds "
                    "freed memory); leaks are LeakSanitizer's to report\n",
            tool);
    return !underAddressSanitizer;
}

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
