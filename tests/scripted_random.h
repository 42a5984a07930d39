// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// A random source that deals a script of cards: each card is turned into the two uniform
// numbers that the draw maps onto it. Re-seeding changes nothing.
#pragma once

#include "deck.h"

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

class ScriptedRandom final : public kartavo::RandomSource {
  public:
    // Cards as codes such as "As", "0h"; a script that runs out throws.
    explicit ScriptedRandom(std::vector<std::string> cards) {
        for (const std::string& card : cards) {
            const int rank = static_cast<int>(std::string_view("023456789JQKA").find(card[0])) + 1;
            const int suit = static_cast<int>(std::string_view("cdhs").find(card[1])) + 1;
            numbers_.push_back((static_cast<float>(rank) - 0.5f) / 13.0f);
            numbers_.push_back((static_cast<float>(suit) - 0.5f) / 4.0f);
        }
    }
    void reseedFromClock() override { ++reseeds; }
    float uniform() override {
        if (next_ >= numbers_.size())
            throw std::runtime_error("script ran out");
        return numbers_[next_++];
    }
    int reseeds = 0;

  private:
    std::vector<float> numbers_;
    std::size_t next_ = 0;
};
