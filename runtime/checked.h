#pragma once

#include <cstdint>

namespace quorlin {

/// a + b; raises ErrorKind::Overflow when the sum leaves -32768..32767.
std::int16_t checkedAdd(std::int16_t a, std::int16_t b);

/// a - b; raises ErrorKind::Overflow when the difference leaves -32768..32767.
std::int16_t checkedSub(std::int16_t a, std::int16_t b);

/// Runs body(i) for i = first .. last on a 16-bit counter that is stepped, and checked, after
/// every pass, the last one included: a last of 32767 raises ErrorKind::Overflow after its pass.
/// Runs nothing when last < first.
template <typename Body> void forEachChecked(std::int16_t first, std::int16_t last, Body&& body)
{
    for (std::int16_t i = first; i <= last;) {
        body(i);
        i = checkedAdd(i, 1);
    }
}

} // namespace quorlin
