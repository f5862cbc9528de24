// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/error.h"
#include "runtime/numbers.h"
#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using namespace quorlin;
using namespace quorlin::testing;

namespace {

struct ConversionCase : NamedCase
{
    std::u16string text;
    std::optional<int> value; ///< Empty when the conversion raises.
    ErrorKind error = ErrorKind::TypeMismatch;
};

class IntegerOfText : public ::testing::TestWithParam<ConversionCase>
{
};

TEST_P(IntegerOfText, GivesValueOrRaisesKind)
{
    const auto& c = GetParam();
    if (c.value) {
        EXPECT_EQ(integerOfText(c.text), *c.value);
        EXPECT_TRUE(isNumeric(c.text));
        return;
    }
    try {
        integerOfText(c.text);
        FAIL() << "no error raised";
    } catch (const Error& error) {
        EXPECT_EQ(error.kind(), c.error);
    }
    EXPECT_EQ(isNumeric(c.text), c.error == ErrorKind::Overflow);
}

constexpr auto overflow = ErrorKind::Overflow;
constexpr auto mismatch = ErrorKind::TypeMismatch;

INSTANTIATE_TEST_SUITE_P(Grammar, IntegerOfText,
    ::testing::Values(ConversionCase { { "ListItem" }, u"6", 6 },
        ConversionCase { { "Hundred" }, u"100", 100 },
        ConversionCase { { "Largest" }, u"32767", 32767 },
        ConversionCase { { "Smallest" }, u"-32768", -32768 },
        ConversionCase { { "LeadingZeros" }, u"007", 7 },
        ConversionCase { { "ManyLeadingZeros" }, u"000000000000001", 1 },
        ConversionCase { { "BlanksAround" }, u" \t12  ", 12 },
        ConversionCase { { "PlusSign" }, u"+5", 5 },
        ConversionCase { { "NegativeZero" }, u"-0", 0 },
        ConversionCase { { "HalfDownToEven" }, u"6.5", 6 },
        ConversionCase { { "HalfUpToEven" }, u"7.5", 8 },
        ConversionCase { { "CommaSeparator" }, u"6,5", 6 },
        ConversionCase { { "JustAboveHalf" }, u"2.5000001", 3 },
        ConversionCase { { "NegativeHalf" }, u"-2.5", -2 },
        ConversionCase { { "SmallFraction" }, u"0.0001", 0 },
        ConversionCase { { "FractionOnly" }, u".5", 0 },
        ConversionCase { { "TrailingSeparator" }, u"5.", 5 },
        ConversionCase { { "Exponent" }, u"1e3", 1000 },
        ConversionCase { { "SignedExponent" }, u"1E+2", 100 },
        ConversionCase { { "NegativeExponent" }, u"25e-1", 2 },
        ConversionCase { { "ZeroWithHugeExponent" }, u"0e99999", 0 },
        ConversionCase { { "TinyWithHugeNegativeExponent" }, u"7e-99999999999999", 0 },
        ConversionCase { { "SmallestMinusHalfRoundsToEven" }, u"-32768.5", -32768 },
        ConversionCase { { "Empty" }, u"", std::nullopt, mismatch },
        ConversionCase { { "Blank" }, u" ", std::nullopt, mismatch },
        ConversionCase { { "Letters" }, u"abc", std::nullopt, mismatch },
        ConversionCase { { "LoneMinus" }, u"-", std::nullopt, mismatch },
        ConversionCase { { "LoneSeparator" }, u".", std::nullopt, mismatch },
        ConversionCase { { "ExponentWithoutDigits" }, u"1e", std::nullopt, mismatch },
        ConversionCase { { "ExponentWithoutMantissa" }, u"e5", std::nullopt, mismatch },
        ConversionCase { { "InnerBlank" }, u"1 2", std::nullopt, mismatch },
        ConversionCase { { "Hexadecimal" }, u"0x10", std::nullopt, mismatch },
        ConversionCase { { "NotANumberWord" }, u"NaN", std::nullopt, mismatch },
        ConversionCase { { "InfinityWord" }, u"inf", std::nullopt, mismatch },
        ConversionCase { { "TwoSeparators" }, u"1.2.3", std::nullopt, mismatch },
        ConversionCase { { "DoubleSign" }, u"--1", std::nullopt, mismatch },
        ConversionCase { { "FullWidthDigit" }, u"\uFF11", std::nullopt, mismatch },
        ConversionCase { { "ArabicIndicDigits" }, u"\u0662\u0660", std::nullopt, mismatch },
        ConversionCase { { "DigitThenLetter" }, u"12a", std::nullopt, mismatch },
        ConversionCase { { "JustAboveLargest" }, u"32768", std::nullopt, overflow },
        ConversionCase { { "FiveDigits" }, u"99999", std::nullopt, overflow },
        ConversionCase { { "SixDigits" }, u"100000", std::nullopt, overflow },
        ConversionCase { { "JustBelowSmallest" }, u"-32769", std::nullopt, overflow },
        ConversionCase { { "LargestPlusHalfRoundsUp" }, u"32767.5", std::nullopt, overflow },
        ConversionCase { { "BigExponent" }, u"1e9", std::nullopt, overflow },
        ConversionCase { { "EnormousExponent" }, u"1e999999999999", std::nullopt, overflow }),
    caseName);

// Exponents as long as the text itself must still be weighed against every digit.
TEST(IntegerOfText, HugeTextsKeepTheirValue)
{
    const std::u16string zeros(1'000'010, u'0');
    EXPECT_EQ(integerOfText(u"1" + zeros + u"e-1000009"), 10);
    EXPECT_EQ(integerOfText(u"0." + zeros + u"1e1000012"), 10);
}

TEST(TextOfInteger, IsPlainDecimal)
{
    EXPECT_EQ(textOfInteger(7), u"7");
    EXPECT_EQ(textOfInteger(100), u"100");
    EXPECT_EQ(textOfInteger(0), u"0");
    EXPECT_EQ(textOfInteger(-32768), u"-32768");
}

TEST(IsEmpty, OnlyTheEmptyTextIsEmpty)
{
    EXPECT_TRUE(isEmpty(u""));
    EXPECT_FALSE(isEmpty(u" "));
}

} // namespace
