// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/testsupport.h"

#include "roll/dieroll.h"
#include "runtime/numbers.h"

#include <gtest/gtest.h>

using namespace quorlin;
using namespace quorlin::testing;

namespace {

struct DieTextCase : NamedCase
{
    std::int16_t result;
    std::u16string text;
};

class DieText : public ::testing::TestWithParam<DieTextCase>
{
};

TEST_P(DieText, HasTwoDigitsAtLeastAndZeroZeroForHundred)
{
    EXPECT_EQ(dieText(GetParam().result), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Results, DieText,
    ::testing::Values(DieTextCase { { "One" }, 1, u"01" }, DieTextCase { { "Seven" }, 7, u"07" },
        DieTextCase { { "Nine" }, 9, u"09" }, DieTextCase { { "Ten" }, 10, u"10" },
        DieTextCase { { "NinetyNine" }, 99, u"99" }, DieTextCase { { "Hundred" }, 100, u"00" },
        DieTextCase { { "HundredAndOne" }, 101, u"101" },
        DieTextCase { { "Largest" }, 32767, u"32767" }),
    caseName);

struct RollCase : NamedCase
{
    std::u16string faces;
    std::u16string minimum;
    std::vector<int> draws;
    std::u16string dieText;
    std::size_t drawsTaken;
};

class LanzarDadoRoll : public ::testing::TestWithParam<RollCase>
{
};

TEST_P(LanzarDadoRoll, ReseedsBeforeEachDrawAndThrowsAgainBelowTheMinimum)
{
    const auto& c = GetParam();
    const RollState state = handSetState(c.faces, c.minimum, u"");
    ScriptedRandom random = scriptedDraws(c.draws, integerOfText(c.faces));
    EXPECT_EQ(LanzarDado(state, random), c.dieText);
    EXPECT_EQ(random.taken(), c.drawsTaken);
    // Every draw, each one thrown again included, comes right after a reseed of its own.
    EXPECT_EQ(random.reseeds(), c.drawsTaken);
    EXPECT_EQ(random.unseededWords(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Draws, LanzarDadoRoll,
    ::testing::Values(RollCase { { "D10Seven" }, u"10", u"", { 7 }, u"07", 1 },
        RollCase { { "D10Ten" }, u"10", u"", { 10 }, u"10", 1 },
        RollCase { { "D100Hundred" }, u"100", u"", { 100 }, u"00", 1 },
        RollCase { { "D120Hundred" }, u"120", u"", { 100 }, u"00", 1 },
        RollCase { { "D120HundredAndOne" }, u"120", u"", { 101 }, u"101", 1 },
        RollCase { { "D1AlwaysOne" }, u"1", u"", { 1 }, u"01", 1 },
        RollCase { { "BelowMinimumIsThrownAgainNotRaised" }, u"6", u"4", { 2, 3, 5 }, u"05", 3 },
        RollCase { { "MinimumEqualsFaces" }, u"20", u"20", { 1, 19, 7, 20 }, u"20", 4 },
        RollCase { { "MinimumBelowOneCountsAsOne" }, u"6", u"0", { 1 }, u"01", 1 },
        RollCase { { "NegativeMinimumCountsAsOne" }, u"6", u"-3", { 2 }, u"02", 1 }),
    caseName);

struct RollErrorCase : NamedCase
{
    std::u16string faces;
    std::u16string minimum;
    ErrorKind error;
};

class LanzarDadoError : public ::testing::TestWithParam<RollErrorCase>
{
};

TEST_P(LanzarDadoError, RaisesBeforeAnyDraw)
{
    const auto& c = GetParam();
    const RollState state = handSetState(c.faces, c.minimum, u"");
    ScriptedRandom random({ wordForDraw(1, 6) });
    EXPECT_EQ(errorKindOf([&] { LanzarDado(state, random); }), c.error);
    EXPECT_EQ(random.taken(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Settings, LanzarDadoError,
    ::testing::Values(RollErrorCase { { "EmptyFaces" }, u"", u"", ErrorKind::TypeMismatch },
        RollErrorCase { { "LetterFaces" }, u"x", u"", ErrorKind::TypeMismatch },
        RollErrorCase { { "FacesBeyondSixteenBits" }, u"40000", u"", ErrorKind::Overflow },
        RollErrorCase { { "LetterMinimum" }, u"6", u"abc", ErrorKind::TypeMismatch },
        RollErrorCase { { "ZeroFaces" }, u"0", u"", ErrorKind::NoFaces },
        RollErrorCase { { "NegativeFaces" }, u"-5", u"", ErrorKind::NoFaces },
        RollErrorCase { { "ZeroFacesWithAMinimum" }, u"0", u"3", ErrorKind::NoFaces },
        RollErrorCase { { "MinimumAboveFaces" }, u"6", u"7", ErrorKind::UnreachableMinimum }),
    caseName);

} // namespace
