// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// Hand evaluation: a fixed sequence of independent category tests. Every test that holds is
// applied, in order; the caption the player sees is the result text of the last one applied.
#pragma once

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

namespace kartavo {

enum class Category {
    OnePair,       // "Egy pár", payout row 9
    TwoPairs,      // "Két pár", row 8
    Drill,         // three of a kind, row 7
    Straight,      // "Sor", row 6
    Flush,         // "Színflöss", row 5
    FullHouse,     // "Full", row 4
    Poker,         // four of a kind, row 3
    StraightFlush, // "Flöss", row 2
    RoyalFlush,    // "Royal flöss", row 1
    Nothing,       // "Semmi", no row
};

// The categories that hold, in the order they are tested; never empty.
class CategoryList {
  public:
    void push(Category c) { items_[size_++] = c; }
    int size() const { return size_; }
    Category operator[](int i) const { return items_[i]; }
    const Category* begin() const { return items_.data(); }
    const Category* end() const { return items_.data() + size_; }
    Category last() const { return items_[size_ - 1]; }
    bool operator==(const CategoryList& other) const {
        return std::equal(begin(), end(), other.begin(), other.end());
    }

  private:
    std::array<Category, 4> items_{}; // at most four apply: straight, flush, straight flush, royal
    int size_ = 0;
};

// Ranks are rank characters ("0" the ten, "2".."9", "J", "Q", "K", "A"), suits "c", "d", "h", "s".
CategoryList evaluateCodes(const std::array<char, 5>& ranks, const std::array<char, 5>& suits);
// The five card paths of the final hand, read by their sixth- and fifth-last characters.
CategoryList evaluateHand(const std::array<std::string, 5>& cardPaths);

std::string_view resultText(Category c);
// Payout table row 1..9; 0 for Nothing.
int payoutRow(Category c);

} // namespace kartavo
