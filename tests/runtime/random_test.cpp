// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/testsupport.h"

#include "roll/dieroll.h"
#include "roll/rollstate.h"
#include "runtime/numbers.h"
#include "runtime/random.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace quorlin;
using namespace quorlin::testing;

namespace {

std::uint64_t frozenClock() { return 42; }

struct FacesCase : NamedCase
{
    std::uint16_t faces;
};

class BoundedDrawExhaustive : public ::testing::TestWithParam<FacesCase>
{
};

// Every 16-bit word offered once as the first try: each result must be reached by exactly as
// many accepted words as every other, and the rejected words are exactly 2^16 mod faces.
TEST_P(BoundedDrawExhaustive, EveryResultEquallyOften)
{
    const std::uint16_t faces = GetParam().faces;
    std::vector<int> counts(faces, 0);
    int rejected = 0;
    for (std::uint32_t word = 0; word <= 0xFFFF; ++word) {
        int calls = 0;
        const auto result = boundedDraw<std::uint16_t, std::uint32_t>(
            [&]() -> std::uint16_t {
                // A retry gets a word from the middle of result 0's share, which is accepted.
                return ++calls == 1 ? static_cast<std::uint16_t>(word)
                                    : static_cast<std::uint16_t>(0x8000 / faces);
            },
            faces);
        ASSERT_LT(result, faces);
        if (calls == 1)
            ++counts[result];
        else
            ++rejected;
    }
    EXPECT_EQ(rejected, 0x10000 % faces);
    for (int face = 0; face < faces; ++face)
        EXPECT_EQ(counts[face], 0x10000 / faces) << "result " << face;
}

INSTANTIATE_TEST_SUITE_P(Faces, BoundedDrawExhaustive,
    ::testing::Values(FacesCase { { "d4" }, 4 }, FacesCase { { "d6" }, 6 },
        FacesCase { { "d7" }, 7 }, FacesCase { { "d8" }, 8 }, FacesCase { { "d10" }, 10 },
        FacesCase { { "d12" }, 12 }, FacesCase { { "d13" }, 13 }, FacesCase { { "d20" }, 20 },
        FacesCase { { "d100" }, 100 }),
    caseName);

struct ChiSquareCase : NamedCase
{
    int faces;
    int minimum;
    int draws;
    double criticalValue; ///< For alpha = 1e-6 and faces - minimum degrees of freedom.
};

class DieFairness : public ::testing::TestWithParam<ChiSquareCase>
{
};

// The whole roll, reseeds included, with a pinned generator and a frozen clock: the accepted
// results must be uniform over minimum .. faces.
TEST_P(DieFairness, PassesChiSquare)
{
    const auto& c = GetParam();
    XoshiroRandom random(20261207, frozenClock);
    const RollState state = handSetState(textOfInteger(static_cast<std::int16_t>(c.faces)),
        textOfInteger(static_cast<std::int16_t>(c.minimum)), u"");
    std::map<int, int> counts;
    for (int i = 0; i < c.draws; ++i) {
        const std::u16string text = LanzarDado(state, random);
        ++counts[text == u"00" ? 100 : std::stoi(std::string(text.begin(), text.end()))];
    }
    const int sides = c.faces - c.minimum + 1;
    ASSERT_EQ(static_cast<int>(counts.size()), sides) << "some face never came up";
    EXPECT_EQ(counts.begin()->first, c.minimum);
    EXPECT_EQ(counts.rbegin()->first, c.faces);
    const double expected = static_cast<double>(c.draws) / sides;
    double chiSquare = 0;
    for (const auto& [face, count] : counts)
        chiSquare += (count - expected) * (count - expected) / expected;
    EXPECT_LT(chiSquare, c.criticalValue);
}

INSTANTIATE_TEST_SUITE_P(Dice, DieFairness,
    ::testing::Values(ChiSquareCase { { "d6Minimum1" }, 6, 1, 60000, 35.9 },
        ChiSquareCase { { "d20Minimum1" }, 20, 1, 100000, 63.7 },
        ChiSquareCase { { "d100Minimum1" }, 100, 1, 200000, 180.8 },
        ChiSquareCase { { "d20Minimum15" }, 20, 15, 60000, 35.9 }),
    caseName);

TEST(XoshiroRandom, ReseedsWithinOneClockTickNeverRepeat)
{
    XoshiroRandom random(7, frozenClock);
    std::set<std::uint64_t> seen;
    for (int i = 0; i < 10000; ++i) {
        random.reseed();
        seen.insert(random.next());
    }
    EXPECT_EQ(seen.size(), 10000u);
}

TEST(XoshiroRandom, PinnedSeedAndClockRepeatTheirSequence)
{
    XoshiroRandom first(99, frozenClock);
    XoshiroRandom second(99, frozenClock);
    XoshiroRandom other(100, frozenClock);
    bool differs = false;
    for (int i = 0; i < 100; ++i) {
        first.reseed();
        second.reseed();
        other.reseed();
        const auto word = first.next();
        EXPECT_EQ(word, second.next());
        differs = differs || word != other.next();
    }
    EXPECT_TRUE(differs);
}

// The generator's word before its output scrambler, which is invertible: * 5, rotate left 7, * 9.
std::uint64_t unscrambled(std::uint64_t output)
{
    constexpr std::uint64_t inverseOf9 = 0x8e38e38e38e38e39ULL;
    constexpr std::uint64_t inverseOf5 = 0xcccccccccccccccdULL;
    const std::uint64_t rotated = output * inverseOf9;
    return ((rotated >> 7) | (rotated << 57)) * inverseOf5;
}

// A reseed that replaced state words instead of folding the clock into them would, with a
// frozen clock and a reseed before every draw, make the word under the scrambler step by the same
// amount whatever the seed: the seed's other words would no longer count.
TEST(XoshiroRandom, ReseedKeepsWhatTheStateHeld)
{
    XoshiroRandom first(99, frozenClock);
    XoshiroRandom other(100, frozenClock);
    std::uint64_t firstBefore = 0;
    std::uint64_t otherBefore = 0;
    int sameSteps = 0;
    for (int i = 0; i < 8; ++i) {
        first.reseed();
        other.reseed();
        const std::uint64_t firstWord = unscrambled(first.next());
        const std::uint64_t otherWord = unscrambled(other.next());
        if (i > 0 && (firstWord ^ firstBefore) == (otherWord ^ otherBefore))
            ++sameSteps;
        firstBefore = firstWord;
        otherBefore = otherWord;
    }
    EXPECT_EQ(sameSteps, 0);
}

TEST(WordForDraw, GivesEachFaceOnTheFirstTry)
{
    for (int faces : { 1, 2, 6, 20, 100, 32767 }) {
        for (int face = 1; face <= faces; ++face) {
            ScriptedRandom random({ wordForDraw(face, faces) });
            ASSERT_EQ(drawFace(random, faces), face) << "d" << faces;
            ASSERT_EQ(random.taken(), 1u);
        }
    }
}

} // namespace
