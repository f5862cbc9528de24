// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <concepts>
#include <cstdint>

namespace quorlin {

/// The program's one source of random numbers.
class RandomSource
{
public:
    virtual ~RandomSource() = default;

    /// Folds fresh entropy (the system timer) into the generator; never weakens its state.
    virtual void reseed() = 0;

    /// The generator's next 64-bit word, every value equally likely.
    virtual std::uint64_t next() = 0;
};

/// xoshiro256** seeded once from the system's secure source; every reseed folds a
/// high-resolution clock reading into the running state instead of replacing it.
class XoshiroRandom final : public RandomSource
{
public:
    using Clock = std::uint64_t (*)();

    /// Seeds from std::random_device and reseeds from the steady clock.
    XoshiroRandom();
    /// A pinned generator for tests and tools: the given seed, and reseeds from the given clock.
    XoshiroRandom(std::uint64_t seed, Clock clock);

    void reseed() override;
    std::uint64_t next() override;

private:
    void seedFrom(std::uint64_t seed);

    std::array<std::uint64_t, 4> m_state {};
    Clock m_clock = nullptr;
    std::uint64_t m_reseeds = 0;
};

/// Lemire's nearly divisionless bounded draw: a value uniform over 0 .. range - 1, exactly, for
/// range >= 1. Word values that would bias the result are rejected and drawn again. Wide must be
/// twice as wide as Word; nextWord() yields uniform Words.
template <std::unsigned_integral Word, std::unsigned_integral Wide, typename NextWord>
requires(sizeof(Wide) == 2 * sizeof(Word)) Word boundedDraw(NextWord&& nextWord, Word range)
{
    constexpr unsigned bits = 8 * sizeof(Word);
    Wide product = Wide { nextWord() } * range;
    auto low = static_cast<Word>(product);
    if (low < range) {
        // 2^bits mod range: the number of low values that would give some results one extra way.
        const auto threshold = static_cast<Word>(static_cast<Word>(-range) % range);
        while (low < threshold) {
            product = Wide { nextWord() } * range;
            low = static_cast<Word>(product);
        }
    }
    return static_cast<Word>(product >> bits);
}

/// A result uniform over 1 .. faces, faces >= 1, drawn from the source's upper 32 bits.
std::int32_t drawFace(RandomSource& source, std::int32_t faces);

} // namespace quorlin
