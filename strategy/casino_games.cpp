// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "casino_games.h"

#include "translatable.h"

#include <algorithm>
#include <array>
#include <bit>

namespace kartavo {

namespace {

constexpr std::uint16_t royalRanks = 0x1F00; // 10, J, Q, K, A
constexpr std::uint16_t aces = 0x1000;
constexpr std::uint16_t twosToFours = 0x0007;

// For every set of ranks (bit r for rank r): whether they all lie in one run of five ranks (the
// ace high or low), and whether they all lie in 10-A.
constexpr std::array<std::uint8_t, 8192> runFit = [] {
    std::array<std::uint8_t, 8192> fit{};
    for (unsigned set = 0; set < 8192; ++set) {
        bool inRun = (set & ~0x100Fu) == 0; // A-2-3-4-5
        for (int low = 0; low + 4 < 13; ++low)
            inRun = inRun || (set & ~(0x1Fu << low)) == 0;
        fit[set] = static_cast<std::uint8_t>((inRun ? 1 : 0) | ((set & ~royalRanks) == 0 ? 2 : 0));
    }
    return fit;
}();

// What five cards make, before a family's rows name it.
enum class Made : std::uint8_t {
    NaturalRoyal,
    FourWild, // four deuces
    FiveOfAKind,
    WildRoyal,
    StraightFlush,
    FourOfAKind,
    FullHouse,
    Flush,
    Straight,
    ThreeOfAKind,
    TwoPairs,
    Pair,
    Nothing,
};
struct Shape {
    Made made;
    int rank;   // four of a kind: its rank; a pair: its rank (with a wild card, the highest card's)
    int kicker; // four of a kind without wild cards: the fifth card's rank
};

template <Wild wild> Shape shapeOf(const Hand& h) {
    unsigned ranks = 0, suits = 0;
    std::uint64_t counts = 0; // four bits a rank
    int wilds = 0;
    for (CardId c : h) {
        if (isWild(c, wild)) {
            ++wilds;
            continue;
        }
        ranks |= 1u << rankOf(c);
        suits |= 1u << suitOf(c);
        counts += 1ull << (4 * rankOf(c));
    }
    const int naturals = 5 - wilds;
    if (wilds == 4 && wild == Wild::Deuces)
        return {Made::FourWild, 0, 0};
    const int distinctRanks = std::popcount(ranks);
    const bool distinct = distinctRanks == naturals;
    const bool suited = std::popcount(suits) <= 1;
    // The largest group of one rank (the higher rank of equal groups), and the fifth card.
    int top = 0, topRank = -1, pairRank = -1;
    for (unsigned rest = ranks; rest != 0; rest &= rest - 1) {
        const int r = std::countr_zero(rest);
        const int n = static_cast<int>((counts >> (4 * r)) & 15);
        if (n >= top) {
            top = n;
            topRank = r;
        }
        if (n == 2)
            pairRank = r;
    }
    const unsigned fit = runFit[ranks];
    if (distinct && suited && (fit & 2))
        return {wilds == 0 ? Made::NaturalRoyal : Made::WildRoyal, 0, 0};
    if (top + wilds == 5)
        return {Made::FiveOfAKind, topRank, 0};
    if (distinct && suited && (fit & 1))
        return {Made::StraightFlush, 0, 0};
    if (top + wilds == 4) {
        const unsigned other = ranks & ~(1u << topRank);
        return {Made::FourOfAKind, topRank, other ? std::countr_zero(other) : -1};
    }
    if (distinctRanks == 2)
        return {Made::FullHouse, topRank, 0};
    if (suited)
        return {Made::Flush, 0, 0};
    if (distinct && (fit & 1))
        return {Made::Straight, 0, 0};
    if (top + wilds == 3)
        return {Made::ThreeOfAKind, topRank, 0};
    if (distinctRanks == 3)
        return {Made::TwoPairs, pairRank, 0};
    if (wilds > 0)
        return {Made::Pair, static_cast<int>(std::bit_width(ranks)) - 1, 0};
    return {pairRank >= 0 ? Made::Pair : Made::Nothing, pairRank, 0};
}

// The rows of each family, best first; the names are the Hungarian keys of "Paytable".
constexpr PayRow royalFlush{"royal-flush", QT_TRANSLATE_NOOP("Paytable", "Royal flös")};
constexpr PayRow straightFlush{"straight-flush", QT_TRANSLATE_NOOP("Paytable", "Flös")};
constexpr PayRow fourOfAKind{"four-of-a-kind", QT_TRANSLATE_NOOP("Paytable", "Póker")};
constexpr PayRow fullHouse{"full-house", QT_TRANSLATE_NOOP("Paytable", "Full")};
constexpr PayRow flush{"flush", QT_TRANSLATE_NOOP("Paytable", "Színflös")};
constexpr PayRow straight{"straight", QT_TRANSLATE_NOOP("Paytable", "Sor")};
constexpr PayRow threeOfAKind{"three-of-a-kind", QT_TRANSLATE_NOOP("Paytable", "Drill")};
constexpr PayRow twoPairs{"two-pair", QT_TRANSLATE_NOOP("Paytable", "Két pár")};
constexpr PayRow jacksOrBetter{"jacks-or-better",
                               QT_TRANSLATE_NOOP("Paytable", "Pár: bubi vagy jobb")};
constexpr PayRow fourAces{"four-aces", QT_TRANSLATE_NOOP("Paytable", "Póker: ászok")};
constexpr PayRow fourLow{"four-2s-4s", QT_TRANSLATE_NOOP("Paytable", "Póker: 2-esek – 4-esek")};
constexpr PayRow fourHigh{"four-5s-ks", QT_TRANSLATE_NOOP("Paytable", "Póker: 5-ösök – királyok")};
constexpr PayRow fourAcesKicked{
    "four-aces-with-2-4", QT_TRANSLATE_NOOP("Paytable", "Póker: ászok 2-es – 4-es kísérővel")};
constexpr PayRow fourLowKicked{
    "four-2s-4s-with-a-4",
    QT_TRANSLATE_NOOP("Paytable", "Póker: 2-esek – 4-esek ász – 4-es kísérővel")};
constexpr PayRow naturalRoyal{"natural-royal-flush",
                              QT_TRANSLATE_NOOP("Paytable", "Természetes royal flös")};
constexpr PayRow fourDeuces{"four-deuces", QT_TRANSLATE_NOOP("Paytable", "Négy 2-es")};
constexpr PayRow deucesRoyal{"wild-royal-flush",
                             QT_TRANSLATE_NOOP("Paytable", "Royal flös 2-essel")};
constexpr PayRow jokerRoyal{"wild-royal-flush",
                            QT_TRANSLATE_NOOP("Paytable", "Royal flös dzsókerrel")};
constexpr PayRow fiveOfAKind{"five-of-a-kind", QT_TRANSLATE_NOOP("Paytable", "Öt egyforma")};
constexpr PayRow kingsOrBetter{"kings-or-better",
                               QT_TRANSLATE_NOOP("Paytable", "Pár: király vagy ász")};

constexpr std::array jacksOrBetterRows = {royalFlush,   straightFlush, fourOfAKind,
                                          fullHouse,    flush,         straight,
                                          threeOfAKind, twoPairs,      jacksOrBetter};
constexpr std::array bonusRows = {royalFlush,   straightFlush, fourAces,     fourLow,
                                  fourHigh,     fullHouse,     flush,        straight,
                                  threeOfAKind, twoPairs,      jacksOrBetter};
constexpr std::array doubleDoubleRows = {
    royalFlush, straightFlush, fourAcesKicked, fourLowKicked, fourAces, fourLow,      fourHigh,
    fullHouse,  flush,         straight,       threeOfAKind,  twoPairs, jacksOrBetter};
constexpr std::array deucesRows = {naturalRoyal,  fourDeuces,  deucesRoyal, fiveOfAKind,
                                   straightFlush, fourOfAKind, fullHouse,   flush,
                                   straight,      threeOfAKind};
constexpr std::array jokerRows = {naturalRoyal, fiveOfAKind, jokerRoyal,   straightFlush,
                                  fourOfAKind,  fullHouse,   flush,        straight,
                                  threeOfAKind, twoPairs,    kingsOrBetter};

constexpr std::uint16_t jacksUp = 0x1E00, kingsUp = 0x1800;
const ChartRules jacksRules{true, jacksUp};
const ChartRules bonusRules{
    true, jacksUp, Wild::None, {aces, twosToFours}
};
const ChartRules kickerRules{
    true, jacksUp, Wild::None, {aces,        twosToFours       },
       {twosToFours, aces | twosToFours}
};
const ChartRules deucesRules{true, 0, Wild::Deuces};
const ChartRules jokerRules{true, kingsUp, Wild::Joker};

const std::array<FamilyRules, 7> allFamilies = {
    {
     {Family::JacksOrBetter, "jacks-or-better", "Jacks or Better", 52, Wild::None,
         jacksOrBetterRows, jacksRules},
     {Family::BonusPoker, "bonus-poker", "Bonus Poker", 52, Wild::None, bonusRows, bonusRules},
     {Family::BonusPokerDeluxe, "bonus-poker-deluxe", "Bonus Poker Deluxe", 52, Wild::None,
         jacksOrBetterRows, jacksRules},
     {Family::DoubleBonus, "double-bonus", "Double Bonus", 52, Wild::None, bonusRows,
         bonusRules},
     {Family::DoubleDoubleBonus, "double-double-bonus", "Double Double Bonus", 52, Wild::None,
         doubleDoubleRows, kickerRules},
     {Family::DeucesWild, "deuces-wild", "Deuces Wild", 52, Wild::Deuces, deucesRows,
         deucesRules},
     {Family::JokerPoker, "joker-poker", "Joker Poker", 53, Wild::Joker, jokerRows, jokerRules},
     }
};
constexpr std::array<Family, 7> familyOrder = {
    Family::JacksOrBetter,     Family::BonusPoker, Family::BonusPokerDeluxe, Family::DoubleBonus,
    Family::DoubleDoubleBonus, Family::DeucesWild, Family::JokerPoker};

// How each family names what a hand makes: the row of each Made (-1: it pays nothing), the lowest
// pair that pays, and whether fours of a kind pay by their rank (aces, 2s-4s, 5s-Ks: the rows
// from the one of Made::FourOfAKind on) and with kickers (Double Double Bonus: aces with a 2-4,
// 2s-4s with an A-4 first, then the three of rank alone).
struct RowMap {
    std::array<std::int8_t, 13> byMade;
    int pairFrom = 13;
    bool quadsByRank = false;
    bool kickers = false;
};
// clang-format off
//                                       NatRoy 4Wild  5Kind  WildR  StrFl  Four   Full   Flush  Str    Three  2Pair  Pair   None
constexpr RowMap jacksMap{{{               0,    -1,    -1,    -1,     1,     2,     3,     4,     5,     6,     7,     8,    -1}}, 9};
constexpr RowMap bonusMap{{{               0,    -1,    -1,    -1,     1,     2,     5,     6,     7,     8,     9,    10,    -1}}, 9, true};
constexpr RowMap doubleDoubleMap{{{        0,    -1,    -1,    -1,     1,     2,     7,     8,     9,    10,    11,    12,    -1}}, 9, true, true};
constexpr RowMap deucesMap{{{              0,     1,     3,     2,     4,     5,     6,     7,     8,     9,    -1,    -1,    -1}}};
constexpr RowMap jokerMap{{{               0,    -1,     1,     2,     3,     4,     5,     6,     7,     8,     9,    10,    -1}}, 11};
// clang-format on

int rowOfShape(const Shape& s, const RowMap& map, int rows) {
    int row = map.byMade[static_cast<std::size_t>(s.made)];
    if (s.made == Made::FourOfAKind && map.quadsByRank) {
        const bool aceFour = s.rank == 12, lowFour = s.rank <= 2;
        const bool kicked = aceFour ? s.kicker >= 0 && s.kicker <= 2
                                    : lowFour && s.kicker >= 0 && (s.kicker <= 2 || s.kicker == 12);
        if (map.kickers && kicked)
            return row + (aceFour ? 0 : 1);
        row += (map.kickers ? 2 : 0) + (aceFour ? 0 : lowFour ? 1 : 2);
    }
    if (s.made == Made::Pair && s.rank < map.pairFrom)
        return rows;
    return row < 0 ? rows : row;
}

template <Wild wild, const RowMap& map, std::size_t rows> int rowOf(const Hand& h) {
    return rowOfShape(shapeOf<wild>(h), map, static_cast<int>(rows));
}

using RowOf = int (*)(const Hand&);
RowOf rowFunction(Family family) {
    switch (family) {
    case Family::JacksOrBetter:
    case Family::BonusPokerDeluxe:
        return rowOf<Wild::None, jacksMap, jacksOrBetterRows.size()>;
    case Family::BonusPoker:
    case Family::DoubleBonus:
        return rowOf<Wild::None, bonusMap, bonusRows.size()>;
    case Family::DoubleDoubleBonus:
        return rowOf<Wild::None, doubleDoubleMap, doubleDoubleRows.size()>;
    case Family::DeucesWild:
        return rowOf<Wild::Deuces, deucesMap, deucesRows.size()>;
    case Family::JokerPoker:
        return rowOf<Wild::Joker, jokerMap, jokerRows.size()>;
    }
    return rowOf<Wild::None, jacksMap, jacksOrBetterRows.size()>;
}

struct Known {
    const char* id;
    const char* name;
    Family family;
    std::vector<std::int32_t> pays;
    const StrategyChart& (*chart)();
    const char* perfectReturn;
};
const std::vector<Known>& knownGames() {
    // clang-format off
    static const std::vector<Known> games = {
        {"job96",  "Jacks or Better 9/6",          Family::JacksOrBetter,     {800, 50, 25, 9, 6, 4, 3, 2, 1},                   jacksOrBetterChart,     "99.5439"},
        {"bp85",   "Bonus Poker 8/5",              Family::BonusPoker,        {800, 50, 80, 40, 25, 8, 5, 4, 3, 2, 1},           bonusPokerChart,        "99.1660"},
        {"bpd96",  "Bonus Poker Deluxe 9/6",       Family::BonusPokerDeluxe,  {800, 50, 80, 9, 6, 4, 3, 1, 1},                   bonusPokerDeluxeChart,  "99.6417"},
        {"db107",  "Double Bonus 10/7",            Family::DoubleBonus,       {800, 50, 160, 80, 50, 10, 7, 5, 3, 1, 1},         doubleBonusChart,       "100.1725"},
        {"ddb96",  "Double Double Bonus 9/6",      Family::DoubleDoubleBonus, {800, 50, 400, 160, 160, 80, 50, 9, 6, 4, 3, 1, 1}, doubleDoubleBonusChart, "98.9808"},
        {"dw",     "Deuces Wild",                  Family::DeucesWild,        {800, 200, 25, 15, 9, 5, 3, 2, 2, 1},              deucesWildChart,        "100.7620"},
        {"jokerk", "Joker Poker, Kings or Better", Family::JokerPoker,        {800, 200, 100, 50, 20, 7, 5, 3, 2, 1, 1},         jokerPokerChart,        "100.6463"},
    };
    // clang-format on
    return games;
}

} // namespace

const FamilyRules& familyRules(Family family) {
    return allFamilies[static_cast<std::size_t>(family)];
}

std::span<const Family> families() {
    return familyOrder;
}

std::optional<Family> familyOfKey(std::string_view key) {
    for (const FamilyRules& f : allFamilies)
        if (key == f.key)
            return f.family;
    return std::nullopt;
}

int familyRow(Family family, const Hand& hand) {
    return rowFunction(family)(hand);
}

Paytable paytableOf(const CasinoGame& game) {
    // The pays with a last row of none, so that every hand's credit is one look-up.
    std::vector<std::int32_t> pays = game.pays;
    pays.push_back(0);
    const RowOf row = rowFunction(game.family);
    return {game.name, "kredit", 1,
            [pays = std::move(pays), row](const Hand& h) {
                return pays[static_cast<std::size_t>(row(h))];
            },
            familyRules(game.family).deckSize};
}

Paytable jacksOrBetter96() {
    return paytableOf({knownGames()[0].name, knownGames()[0].family, knownGames()[0].pays});
}

std::span<const BuiltInGame> builtInGames() {
    static const std::vector<BuiltInGame> games = [] {
        std::vector<BuiltInGame> all = {
            {"kartavo", "201.1267"}
        };
        for (const Known& k : knownGames())
            all.push_back({k.id, k.perfectReturn});
        return all;
    }();
    return games;
}

GameSetup casinoGameSetup(const CasinoGame& game, std::string id) {
    GameSetup setup;
    setup.id = std::move(id);
    setup.name = game.name;
    setup.paytable = paytableOf(game);
    setup.rules = familyRules(game.family).chartRules;
    // Within 0.05 percentage points of perfect play, 0.10 with wild cards.
    const Wide shortfall = familyRules(game.family).wild == Wild::None ? 5 : 10;
    setup.goal = {
        {shortfall, 10000},
        {0,         1    },
        40
    };
    for (const Known& k : knownGames())
        if (k.family == game.family && k.pays == game.pays) {
            setup.chart = &k.chart();
            if (k.chart == jacksOrBetterChart)
                setup.goal = jacksOrBetterChartGoal();
        }
    setup.casino = game;
    return setup;
}

std::vector<PaytableLine> paytableLines(const CasinoGame& game, const Translate& translate) {
    std::vector<PaytableLine> lines;
    const std::span<const PayRow> rows = familyRules(game.family).rows;
    for (std::size_t i = 0; i < rows.size() && i < game.pays.size(); ++i)
        lines.push_back({translated(translate, "Paytable", rows[i].name), game.pays[i]});
    return lines;
}

GameEngine::GameEngine(GameSetup setup) : setup_(std::move(setup)) {}

const StrategyTables& GameEngine::tables() {
    std::call_once(tablesBuilt_,
                   [this] { tables_ = std::make_unique<const StrategyTables>(setup_.paytable); });
    return *tables_;
}

const StrategyChart& GameEngine::chart(const Progress& progress) {
    if (setup_.chart)
        return *setup_.chart;
    std::call_once(chartChosen_, [&] {
        derived_ = deriveChart(tables(), setup_.rules, setup_.goal, progress).chart;
    });
    return *derived_;
}

std::optional<GameSetup> builtInGame(std::string_view id, int multiplier) {
    if (id == "kartavo") {
        GameSetup setup;
        setup.id = "kartavo";
        setup.name = "Kartavo";
        setup.paytable = gamePaytable(multiplier);
        setup.rules = gameChartRules();
        setup.chart = &gameChart();
        setup.goal = gameChartGoal();
        return setup;
    }
    for (const Known& k : knownGames())
        if (id == k.id)
            return casinoGameSetup({k.name, k.family, k.pays}, k.id);
    return std::nullopt;
}

} // namespace kartavo
