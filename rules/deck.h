// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The deck and the draw. Each deal rebuilds the whole 52-card deck; a dealt card's entry becomes
// "*". Random numbers come from an injected source so that tests can deal known cards.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <random>
#include <string>

namespace kartavo {

// Uniform numbers in [0, 1), re-seeded from the clock before every draw attempt.
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    // Mixes a clock reading into the current state; never replaces the state.
    virtual void reseedFromClock() = 0;
    // Single precision, as the draw uses it; always below 1.
    virtual float uniform() = 0;
};

// The program's generator: a 64-bit Mersenne Twister seeded from std::random_device.
class TwisterSource final : public RandomSource {
  public:
    using Clock = std::function<std::uint64_t()>;
    TwisterSource();
    // A fixed seed and clock make the numbers reproducible.
    TwisterSource(std::uint64_t seed, Clock clock);
    void reseedFromClock() override;
    float uniform() override;

  private:
    std::mt19937_64 engine_;
    Clock clock_;
};

inline constexpr const char* dealtMark = "*";

// Rank index 0..13 by suit index 0..4. Entry (0, s) holds the suit letter, entry (r, 0) the rank
// character, entry (r, s) the card's image path or "*" once dealt.
class Deck {
  public:
    using PathOf = std::function<std::string(const std::string& fileName)>;
    // Every entry afresh: all 52 cards are in the deck again.
    void build(const PathOf& pathOf);
    const std::string& entry(int rank, int suit) const { return entries_.at(rank).at(suit); }
    void setEntry(int rank, int suit, std::string text) {
        entries_.at(rank).at(suit) = std::move(text);
    }
    int dealtCount() const;

  private:
    std::array<std::array<std::string, 5>, 14> entries_;
};

struct DrawnCard {
    int rank; // 1..13
    int suit; // 1..4
};

// One draw attempt: re-seed, then rank := floor(13 u1 + 1), suit := floor(4 u2 + 1).
DrawnCard drawCandidate(RandomSource& random);

// Draws until the entry is not "*", marks it "*" and returns the card's path.
std::string dealCard(Deck& deck, RandomSource& random);

} // namespace kartavo

namespace kartavo {
// The exchange's draw: a card that is neither "*" (dealt in this deal) nor held at any position
// of the hand (a replacement drawn earlier in the same exchange).
std::string drawReplacement(const Deck& deck, const std::array<std::string, 5>& handCards,
                            RandomSource& random);
} // namespace kartavo
