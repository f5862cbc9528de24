// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/scriptedrandom.h"

#include <utility>

namespace quorlin::testing {

ScriptedRandom::ScriptedRandom(std::vector<std::uint64_t> words)
    : m_words(std::move(words))
{
}

void ScriptedRandom::reseed()
{
    ++m_reseeds;
    m_reseeded = true;
}

std::uint64_t ScriptedRandom::next()
{
    if (!std::exchange(m_reseeded, false))
        ++m_unseededWords;
    return m_words[m_taken++ % m_words.size()];
}

std::uint64_t wordForDraw(std::int32_t face, std::int32_t faces)
{
    // The middle of the face's share of the 32-bit range: its low product half sits near 2^31,
    // far above any rejection threshold.
    const std::uint64_t index = static_cast<std::uint64_t>(face - 1);
    const std::uint64_t upper = ((2 * index + 1) << 32) / (2 * static_cast<std::uint64_t>(faces));
    return upper << 32;
}

ScriptedRandom scriptedDraws(const std::vector<int>& results, int faces)
{
    std::vector<std::uint64_t> words;
    for (int result : results)
        words.push_back(wordForDraw(result, faces));
    return ScriptedRandom(std::move(words));
}

} // namespace quorlin::testing
