// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "runtime/random.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace quorlin::testing {

/// Plays back a fixed list of words, from the start again after the last one. Reseeding changes
/// no word; it is only counted, with every word taken without a reseed since the word before.
/// Build the words for wanted die results with wordForDraw().
class ScriptedRandom final : public RandomSource
{
public:
    /// words must not be empty.
    explicit ScriptedRandom(std::vector<std::uint64_t> words);

    void reseed() override;
    std::uint64_t next() override;

    /// How many words have been taken so far.
    std::size_t taken() const { return m_taken; }
    /// How many times the source has been reseeded.
    std::size_t reseeds() const { return m_reseeds; }
    /// How many words were taken with no reseed since the word before (or since the start).
    std::size_t unseededWords() const { return m_unseededWords; }

private:
    std::vector<std::uint64_t> m_words;
    std::size_t m_taken = 0;
    std::size_t m_reseeds = 0;
    std::size_t m_unseededWords = 0;
    bool m_reseeded = false;
};

/// A word that drawFace() turns into the given face on the first try, 1 <= face <= faces.
std::uint64_t wordForDraw(std::int32_t face, std::int32_t faces);

/// A source that makes drawFace() give these results, in order, against a die of faces.
ScriptedRandom scriptedDraws(const std::vector<int>& results, int faces);

} // namespace quorlin::testing
