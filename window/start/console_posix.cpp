// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/start/console.h"

#include <cstdio>

namespace quorlin {

bool writeFinalText(Channel channel, std::string_view text)
{
    std::FILE* const stream = channel == Channel::Answer ? stdout : stderr;
    const bool written = std::fwrite(text.data(), 1, text.size(), stream) == text.size()
        && std::fflush(stream) == 0;
    // A full disk may only show when the stream is closed.
    if (channel == Channel::Answer)
        return std::fclose(stdout) == 0 && written;
    return written;
}

} // namespace quorlin
