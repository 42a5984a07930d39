// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "deck.h"

#include "cards.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace kartavo {

namespace {
std::uint64_t steadyClockTicks() {
    return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}
} // namespace

TwisterSource::TwisterSource() : clock_(steadyClockTicks) {
    std::random_device device;
    std::seed_seq seq{device(), device(), device(), device(),
                      device(), device(), device(), device()};
    engine_.seed(seq);
}

TwisterSource::TwisterSource(std::uint64_t seed, Clock clock)
    : engine_(seed), clock_(std::move(clock)) {}

void TwisterSource::reseedFromClock() {
    // The new state is derived from the old state and the clock, so that re-seeds within one
    // clock tick still give fresh numbers.
    const std::uint64_t a = engine_(), b = engine_(), c = engine_(), t = clock_();
    std::seed_seq seq{std::uint32_t(a),       std::uint32_t(a >> 32), std::uint32_t(b),
                      std::uint32_t(b >> 32), std::uint32_t(c),       std::uint32_t(c >> 32),
                      std::uint32_t(t),       std::uint32_t(t >> 32)};
    engine_.seed(seq);
}

static float uniformFrom24Bits(std::uint64_t bits) {
    return static_cast<float>(bits >> 40) * 0x1.0p-24f;
}

float TwisterSource::uniform() {
    return uniformFrom24Bits(engine_());
}

void Deck::build(const PathOf& pathOf) {
    entries_[0][0].clear();
    for (int s = 1; s <= 4; ++s)
        entries_[0][s] = std::string(1, suitLetter(s));
    for (int r = 1; r <= 13; ++r)
        entries_[r][0] = std::string(1, rankCharacter(r));
    for (int s = 1; s <= 4; ++s)
        for (int r = 1; r <= 13; ++r)
            entries_[r][s] = pathOf(entries_[r][0] + entries_[0][s] + ".bmp");
}

int Deck::dealtCount() const {
    int count = 0;
    for (int r = 1; r <= 13; ++r)
        for (int s = 1; s <= 4; ++s)
            count += entries_[r][s] == dealtMark;
    return count;
}

DrawnCard drawCandidate(RandomSource& random) {
    random.reseedFromClock();
    const float u1 = random.uniform();
    const float u2 = random.uniform();
    // The clamps only guard against a source that breaks its promise of staying below 1.
    const int rank = std::clamp(static_cast<int>(std::floor(13.0 * u1 + 1)), 1, 13);
    const int suit = std::clamp(static_cast<int>(std::floor(4.0 * u2 + 1)), 1, 4);
    return {rank, suit};
}

std::string dealCard(Deck& deck, RandomSource& random) {
    for (;;) {
        const DrawnCard c = drawCandidate(random);
        if (deck.entry(c.rank, c.suit) == dealtMark)
            continue;
        std::string path = deck.entry(c.rank, c.suit);
        deck.setEntry(c.rank, c.suit, dealtMark);
        return path;
    }
}

} // namespace kartavo

namespace kartavo {
std::string drawReplacement(const Deck& deck, const std::array<std::string, 5>& handCards,
                            RandomSource& random) {
    for (;;) {
        const DrawnCard c = drawCandidate(random);
        const std::string& candidate = deck.entry(c.rank, c.suit);
        bool searchFlag = candidate == dealtMark;
        for (int scanIndex = 1; scanIndex <= 5 && !searchFlag; ++scanIndex)
            searchFlag = handCards[scanIndex - 1] == candidate;
        if (!searchFlag)
            return candidate;
    }
}
} // namespace kartavo
