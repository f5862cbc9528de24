// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/numbers.h"

#include "runtime/error.h"

#include <optional>

namespace quorlin {

namespace {

    // Value = (negative ? -1 : 1) * 0.d1d2...dn * 10^pointPosition, d1 non-zero; no digits
    // at all means zero.
    struct Decimal
    {
        bool negative = false;
        std::string digits;
        std::int64_t pointPosition = 0;
    };

    bool isBlank(char16_t c) { return c == u' ' || c == u'\t'; }
    bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

    std::optional<Decimal> parse(std::u16string_view text)
    {
        std::size_t i = 0;
        const std::size_t end = text.size();
        auto skipBlanks = [&] {
            while (i < end && isBlank(text[i]))
                ++i;
        };

        Decimal number;
        skipBlanks();
        if (i < end && (text[i] == u'+' || text[i] == u'-'))
            number.negative = text[i++] == u'-';

        std::int64_t integerDigits = 0;
        std::size_t mantissaDigits = 0;
        auto takeDigit = [&](bool inInteger) {
            const char digit = static_cast<char>(text[i++]);
            ++mantissaDigits;
            if (number.digits.empty() && digit == '0') {
                // A leading zero moves nothing in the integer part, but shifts a fraction.
                if (!inInteger)
                    --number.pointPosition;
                return;
            }
            number.digits.push_back(digit);
            if (inInteger)
                ++integerDigits;
        };
        while (i < end && isDigit(text[i]))
            takeDigit(true);
        if (i < end && (text[i] == u'.' || text[i] == u',')) {
            ++i;
            while (i < end && isDigit(text[i]))
                takeDigit(false);
        }
        if (mantissaDigits == 0)
            return std::nullopt;

        // Beyond every digit position the text itself can hold: a larger exponent decides zero
        // or overflow alone, and the sums below cannot overflow.
        const auto exponentCap = static_cast<std::int64_t>(end) + 10;
        std::int64_t exponent = 0;
        if (i < end && (text[i] == u'e' || text[i] == u'E')) {
            ++i;
            bool negativeExponent = false;
            if (i < end && (text[i] == u'+' || text[i] == u'-'))
                negativeExponent = text[i++] == u'-';
            if (i == end || !isDigit(text[i]))
                return std::nullopt;
            while (i < end && isDigit(text[i])) {
                exponent = std::min(exponentCap, exponent * 10 + (text[i++] - u'0'));
            }
            if (negativeExponent)
                exponent = -exponent;
        }
        skipBlanks();
        if (i != end)
            return std::nullopt;

        number.pointPosition += integerDigits + exponent;
        return number;
    }

    std::int32_t roundHalfEven(const Decimal& number)
    {
        const std::int64_t point = number.pointPosition;
        std::int32_t whole = 0;
        for (std::int64_t k = 0; k < point; ++k) {
            const auto at = static_cast<std::size_t>(k);
            whole = whole * 10 + (at < number.digits.size() ? number.digits[at] - '0' : 0);
        }

        // Compare the fraction with one half: its first digit, then whether anything follows.
        const std::size_t fractionStart = point > 0 ? static_cast<std::size_t>(point) : 0;
        int firstFractionDigit = 0;
        bool restNonZero = false;
        if (point >= 0 && fractionStart < number.digits.size()) {
            firstFractionDigit = number.digits[fractionStart] - '0';
            for (std::size_t k = fractionStart + 1; k < number.digits.size(); ++k)
                restNonZero = restNonZero || number.digits[k] != '0';
        }
        const bool up = firstFractionDigit > 5
            || (firstFractionDigit == 5 && (restNonZero || whole % 2 == 1));
        return whole + (up ? 1 : 0);
    }

} // namespace

std::int16_t integerOfText(std::u16string_view text)
{
    const auto number = parse(text);
    if (!number)
        throw Error(ErrorKind::TypeMismatch);
    if (number->digits.empty())
        return 0;
    // Five integer digits at most: anything wider is at least 100000.
    if (number->pointPosition > 5)
        throw Error(ErrorKind::Overflow);
    const std::int32_t magnitude = roundHalfEven(*number);
    const std::int32_t value = number->negative ? -magnitude : magnitude;
    if (value < INT16_MIN || value > INT16_MAX)
        throw Error(ErrorKind::Overflow);
    return static_cast<std::int16_t>(value);
}

bool isNumeric(std::u16string_view text) { return parse(text).has_value(); }

IntegerText::IntegerText(std::int16_t value)
    : m_first(m_digits.size())
{
    int magnitude = value < 0 ? -int { value } : int { value };
    do {
        m_digits[--m_first] = static_cast<char16_t>(u'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0)
        m_digits[--m_first] = u'-';
}

std::u16string textOfInteger(std::int16_t value)
{
    return std::u16string(IntegerText(value).view());
}

} // namespace quorlin
