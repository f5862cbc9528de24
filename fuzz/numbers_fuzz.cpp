// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Feeds arbitrary texts to the number rules: integerOfText either gives a value that survives a
// round trip through textOfInteger or raises exactly type mismatch or overflow, and isNumeric
// agrees with it. Short ASCII texts are also checked against an independent reading of the
// grammar and an exact long-double reference for the rounded value.

#include "runtime/error.h"
#include "runtime/numbers.h"

#include <cfenv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <regex>
#include <string>
#include <string_view>
#include <variant>

using quorlin::Error;
using quorlin::ErrorKind;

namespace {

using Outcome = std::variant<std::int16_t, ErrorKind>;

[[noreturn]] void fail(const char* what, std::u16string_view text)
{
    std::fprintf(stderr, "number rules: %s; text as code units:", what);
    for (const char16_t unit : text)
        std::fprintf(stderr, " %04x", static_cast<unsigned>(unit));
    std::fprintf(stderr, "\n");
    std::abort();
}

void require(bool condition, const char* what, std::u16string_view text)
{
    if (!condition)
        fail(what, text);
}

Outcome convert(std::u16string_view text)
{
    try {
        return quorlin::integerOfText(text);
    } catch (const Error& error) {
        return error.kind();
    }
}

// The grammar as a regular expression, written from the documented grammar rather than from the
// parser; std::regex only sees texts short enough for its recursion.
constexpr std::size_t oracleLength = 64;

bool matchesGrammar(const std::string& ascii)
{
    static const std::regex grammar(
        R"([ \t]*[+-]?([0-9]+([.,][0-9]*)?|[.,][0-9]+)([eE][+-]?[0-9]+)?[ \t]*)");
    return std::regex_match(ascii, grammar);
}

// The exact outcome of a text that matches the grammar, or nothing when the reference cannot be
// exact. Up to 18 significant digits every decimal maps to a distinct long double, in order, so
// comparing with the halves k + 0.5 (at most seven digits) is exact and nearbyintl rounds
// half to even like the real thing.
std::optional<Outcome> referenceValue(const std::string& ascii)
{
    std::size_t i = ascii.find_first_not_of(" \t");
    bool negative = false;
    if (ascii[i] == '+' || ascii[i] == '-')
        negative = ascii[i++] == '-';

    std::string digits;
    std::int64_t pointShift = 0; // digits after the separator
    bool afterSeparator = false;
    for (; i < ascii.size() && ascii[i] != 'e' && ascii[i] != 'E' && ascii[i] != ' '
         && ascii[i] != '\t';
         ++i) {
        if (ascii[i] == '.' || ascii[i] == ',') {
            afterSeparator = true;
            continue;
        }
        digits.push_back(ascii[i]);
        if (afterSeparator)
            ++pointShift;
    }
    std::int64_t exponent = 0;
    if (i < ascii.size() && (ascii[i] == 'e' || ascii[i] == 'E')) {
        ++i;
        bool negativeExponent = false;
        if (ascii[i] == '+' || ascii[i] == '-')
            negativeExponent = ascii[i++] == '-';
        for (; i < ascii.size() && ascii[i] >= '0' && ascii[i] <= '9'; ++i)
            exponent = std::min<std::int64_t>(exponent * 10 + (ascii[i] - '0'), 1'000'000'000);
        if (negativeExponent)
            exponent = -exponent;
    }

    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos)
        return Outcome { std::int16_t { 0 } };
    const std::size_t last = digits.find_last_not_of('0');
    const std::size_t significant = last - first + 1;
    // The value lies in [10^(magnitude - 1), 10^magnitude).
    const std::int64_t magnitude
        = static_cast<std::int64_t>(digits.size() - first) - pointShift + exponent;
    if (magnitude > 5)
        return Outcome { ErrorKind::Overflow };
    if (magnitude < -1)
        return Outcome { std::int16_t { 0 } };
    if (significant > 18)
        return std::nullopt;

    const std::string normalised = (negative ? "-0." : "0.") + digits.substr(first, significant)
        + "e" + std::to_string(magnitude);
    const long double value = std::strtold(normalised.c_str(), nullptr);
    const long double rounded = std::nearbyintl(value);
    if (rounded < -32768.0L || rounded > 32767.0L)
        return Outcome { ErrorKind::Overflow };
    return Outcome { static_cast<std::int16_t>(rounded) };
}

void checkText(std::u16string_view text)
{
    const Outcome outcome = convert(text);
    const bool numeric = quorlin::isNumeric(text);

    if (const auto* value = std::get_if<std::int16_t>(&outcome)) {
        require(numeric, "a converted text is not numeric", text);
        const std::u16string back = quorlin::textOfInteger(*value);
        const Outcome again = convert(back);
        require(
            std::holds_alternative<std::int16_t>(again) && std::get<std::int16_t>(again) == *value,
            "textOfInteger does not convert back to its value", text);
    } else {
        const ErrorKind kind = std::get<ErrorKind>(outcome);
        require(kind == ErrorKind::TypeMismatch || kind == ErrorKind::Overflow,
            "integerOfText raised a kind other than type mismatch or overflow", text);
        require(numeric == (kind == ErrorKind::Overflow),
            "isNumeric disagrees with integerOfText's type mismatch", text);
    }

    if (text.size() > oracleLength)
        return;
    std::string ascii;
    for (const char16_t unit : text) {
        if (unit >= 0x80) {
            // The grammar is ASCII only: any other code unit makes the text a non-number.
            require(!numeric, "a text with a non-ASCII code unit is numeric", text);
            return;
        }
        ascii.push_back(static_cast<char>(unit));
    }
    const bool grammatical = matchesGrammar(ascii);
    require(numeric == grammatical, "isNumeric disagrees with the documented grammar", text);
    if (!grammatical)
        return;
    const std::optional<Outcome> expected = referenceValue(ascii);
    if (expected)
        require(*expected == outcome, "the value differs from the exact reference", text);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    std::fesetround(FE_TONEAREST);
    // Every 16-bit value's text is canonical and converts back to the value.
    for (int v = -32768; v <= 32767; ++v) {
        const auto value = static_cast<std::int16_t>(v);
        const std::u16string text = quorlin::textOfInteger(value);
        const std::string expected = std::to_string(v);
        require(text == std::u16string(expected.begin(), expected.end()),
            "textOfInteger is not the plain decimal form", text);
        require(convert(text) == Outcome { value }, "textOfInteger does not convert back", text);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The bytes as one 8-bit character each, as typed ASCII or Latin-1 text...
    std::u16string bytes(data, data + size);
    checkText(bytes);

    // ...and as little-endian UTF-16 code units, which reach every 16-bit character.
    std::u16string units;
    for (std::size_t i = 0; i + 1 < size; i += 2)
        units.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
    checkText(units);
    return 0;
}
