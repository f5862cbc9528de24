// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace quorlin {

// The number grammar, the same in every locale:
//   blanks? sign? mantissa exponent? blanks?
//   blanks   = one or more spaces or tabs
//   sign     = "+" | "-"
//   mantissa = digits [separator [digits]] | separator digits, separator = "." | ","
//   exponent = ("e" | "E") sign? digits
// Digits are ASCII 0-9. No thousands separators, hexadecimal, NaN or infinity.

/// The value of a numeric text rounded to a whole number, an exact half going to the even one.
/// Raises ErrorKind::TypeMismatch for "" and any text outside the grammar, and
/// ErrorKind::Overflow when the rounded value leaves -32768..32767.
std::int16_t integerOfText(std::u16string_view text);

/// True when the text follows the grammar, whatever the size of its value.
bool isNumeric(std::u16string_view text);

/// The plain decimal form of a 16-bit integer: "-" before negatives, no blanks, no leading
/// zeros, no separators. Held in place, without allocating.
class IntegerText
{
public:
    explicit IntegerText(std::int16_t value);

    std::u16string_view view() const
    {
        return { m_digits.data() + m_first, m_digits.size() - m_first };
    }

private:
    std::array<char16_t, 6> m_digits {};
    std::size_t m_first = 0;
};

/// The plain decimal form, as IntegerText gives it, in a string of its own.
std::u16string textOfInteger(std::int16_t value);

/// True only for "", compared character by character: a blank is not empty.
inline bool isEmpty(std::u16string_view text) { return text.empty(); }

} // namespace quorlin
