// SPDX-FileCopyrightText: The Quorlin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/random.h"

#include <chrono>
#include <random>

namespace quorlin {

namespace {

    std::uint64_t splitMix(std::uint64_t& x)
    {
        std::uint64_t z = (x += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }

    std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

    std::uint64_t steadyNanoseconds()
    {
        return static_cast<std::uint64_t>(
            std::chrono::steady_clock::now().time_since_epoch().count());
    }

    std::uint64_t secureSeed()
    {
        std::random_device device;
        return (std::uint64_t { device() } << 32) ^ device();
    }

} // namespace

XoshiroRandom::XoshiroRandom()
    : XoshiroRandom(secureSeed(), steadyNanoseconds)
{
}

XoshiroRandom::XoshiroRandom(std::uint64_t seed, Clock clock)
    : m_clock(clock)
{
    seedFrom(seed);
}

void XoshiroRandom::seedFrom(std::uint64_t seed)
{
    for (auto& word : m_state)
        word = splitMix(seed);
}

void XoshiroRandom::reseed()
{
    // The reading is mixed with a count of reseeds, so equal readings still differ, and xored
    // into the state rather than replacing it, so the state keeps what it had.
    std::uint64_t mix = m_clock() ^ (++m_reseeds * 0xd1b54a32d192ed03ULL);
    m_state[0] ^= splitMix(mix);
    m_state[2] ^= splitMix(mix);
    if ((m_state[0] | m_state[1] | m_state[2] | m_state[3]) == 0)
        seedFrom(m_reseeds);
}

std::uint64_t XoshiroRandom::next()
{
    const std::uint64_t result = rotl(m_state[1] * 5, 7) * 9;
    const std::uint64_t t = m_state[1] << 17;
    m_state[2] ^= m_state[0];
    m_state[3] ^= m_state[1];
    m_state[1] ^= m_state[2];
    m_state[0] ^= m_state[3];
    m_state[2] ^= t;
    m_state[3] = rotl(m_state[3], 45);
    return result;
}

std::int32_t drawFace(RandomSource& source, std::int32_t faces)
{
    const auto draw = boundedDraw<std::uint32_t, std::uint64_t>(
        [&] { return static_cast<std::uint32_t>(source.next() >> 32); },
        static_cast<std::uint32_t>(faces));
    return static_cast<std::int32_t>(draw) + 1;
}

} // namespace quorlin
