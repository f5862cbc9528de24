#include "runtime/checked.h"

#include "runtime/error.h"

namespace quorlin {

namespace {

    std::int16_t narrow(int value)
    {
        if (value < INT16_MIN || value > INT16_MAX)
            throw Error(ErrorKind::Overflow);
        return static_cast<std::int16_t>(value);
    }

} // namespace

std::int16_t checkedAdd(std::int16_t a, std::int16_t b) { return narrow(int { a } + int { b }); }

std::int16_t checkedSub(std::int16_t a, std::int16_t b) { return narrow(int { a } - int { b }); }

} // namespace quorlin
