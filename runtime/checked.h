// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace quorlin {

/// Raises ErrorKind::Overflow.
[[noreturn]] void raiseOverflow();

/// a - b; raises ErrorKind::Overflow when the difference leaves -32768..32767.
inline std::int16_t checkedSub(std::int16_t a, std::int16_t b)
{
    const int difference = int { a } - int { b };
    if (difference < INT16_MIN || difference > INT16_MAX)
        raiseOverflow();
    return static_cast<std::int16_t>(difference);
}

} // namespace quorlin
