// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The deck, the deal and the exchange's draw.
#include "cards.h"
#include "deck.h"
#include "scripted_random.h"

#include <QTest>
#include <set>

namespace {
std::string pathOf(const std::string& fileName) {
    return "/p/" + fileName;
}

kartavo::Deck freshDeck() {
    kartavo::Deck deck;
    deck.build(pathOf);
    return deck;
}
} // namespace

class RulesDeckTest : public QObject {
    Q_OBJECT
  private slots:
    void buildHoldsAll52CardsAndTheCodes() {
        kartavo::Deck deck = freshDeck();
        std::set<std::string> paths;
        for (int r = 1; r <= 13; ++r)
            for (int s = 1; s <= 4; ++s)
                paths.insert(deck.entry(r, s));
        QCOMPARE(paths.size(), std::size_t(52));
        QCOMPARE(deck.entry(1, 3), std::string("/p/0h.bmp"));
        QCOMPARE(deck.entry(13, 4), std::string("/p/As.bmp"));
        QCOMPARE(deck.entry(0, 2), std::string("d"));
        QCOMPARE(deck.entry(10, 0), std::string("J"));
        QCOMPARE(deck.entry(0, 0), std::string());
        // A rebuild forgets what the previous deal took.
        deck.setEntry(5, 2, kartavo::dealtMark);
        deck.build(pathOf);
        QCOMPARE(deck.dealtCount(), 0);
    }

    void drawMapsUniformNumbersOntoCards_data() {
        QTest::addColumn<float>("u1");
        QTest::addColumn<float>("u2");
        QTest::addColumn<int>("rank");
        QTest::addColumn<int>("suit");
        QTest::newRow("lowest") << 0.0f << 0.0f << 1 << 1;
        QTest::newRow("just below 1") << 0.99999994f << 0.99999994f << 13 << 4;
        QTest::newRow("boundary of the second rank") << 1.0f / 13.0f << 0.25f << 2 << 2;
    }
    void drawMapsUniformNumbersOntoCards() {
        QFETCH(float, u1);
        QFETCH(float, u2);
        QFETCH(int, rank);
        QFETCH(int, suit);
        struct Fixed : kartavo::RandomSource {
            float a, b;
            int n = 0;
            void reseedFromClock() override {}
            float uniform() override { return n++ % 2 ? b : a; }
        } fixed;
        fixed.a = u1;
        fixed.b = u2;
        const kartavo::DrawnCard c = kartavo::drawCandidate(fixed);
        QCOMPARE(c.rank, rank);
        QCOMPARE(c.suit, suit);
    }

    void dealSkipsCardsAlreadyDealtAndReseedsEveryAttempt() {
        kartavo::Deck deck = freshDeck();
        ScriptedRandom script({"As", "As", "As", "Kd"});
        QCOMPARE(kartavo::dealCard(deck, script), std::string("/p/As.bmp"));
        QCOMPARE(kartavo::dealCard(deck, script), std::string("/p/Kd.bmp"));
        QCOMPARE(script.reseeds, 4);
        QCOMPARE(deck.dealtCount(), 2);
        QCOMPARE(deck.entry(13, 4), std::string(kartavo::dealtMark));
    }

    void replacementIsNeitherDealtNorHeld() {
        kartavo::Deck deck = freshDeck();
        ScriptedRandom deal({"2c", "3c", "4c", "5c", "6c"});
        std::array<std::string, 5> hand;
        for (auto& card : hand)
            card = kartavo::dealCard(deck, deal);
        // Position 0 was already replaced by the 7c earlier in this exchange.
        hand[0] = "/p/7c.bmp";
        ScriptedRandom draws({"4c", "7c", "2c", "8c"});
        QCOMPARE(kartavo::drawReplacement(deck, hand, draws), std::string("/p/8c.bmp"));
        QCOMPARE(deck.dealtCount(), 5); // replacements are not marked in the deck
    }

    void seededTwisterIsReproducibleAndClockDependent() {
        auto dealFive = [](std::uint64_t seed, std::uint64_t clock) {
            kartavo::TwisterSource source(seed, [clock] { return clock; });
            kartavo::Deck deck = freshDeck();
            std::vector<std::string> hand;
            for (int i = 0; i < 5; ++i)
                hand.push_back(kartavo::dealCard(deck, source));
            return hand;
        };
        const auto a = dealFive(7, 100), b = dealFive(7, 100), c = dealFive(7, 101);
        QCOMPARE(a, b);
        QVERIFY(a != c);
        QCOMPARE(std::set<std::string>(a.begin(), a.end()).size(), std::size_t(5));
    }

    // Re-seeds within one clock tick still move on: the clock is mixed in, not used as the seed.
    void reseedWithinOneTickGivesFreshNumbers() {
        kartavo::TwisterSource source(1, [] { return std::uint64_t(42); });
        std::set<float> seen;
        for (int i = 0; i < 50; ++i) {
            source.reseedFromClock();
            const float u = source.uniform();
            QVERIFY(u >= 0.0f && u < 1.0f);
            seen.insert(u);
        }
        QVERIFY(seen.size() > 45);
    }

    void drawsAreSpreadOverAllCards() {
        kartavo::TwisterSource source(3, [] { return std::uint64_t(9); });
        std::array<int, 53> counts{};
        for (int i = 0; i < 52000; ++i) {
            const kartavo::DrawnCard c = kartavo::drawCandidate(source);
            ++counts[(c.rank - 1) * 4 + c.suit];
        }
        for (int i = 1; i <= 52; ++i)
            QVERIFY2(counts[i] > 800 && counts[i] < 1200, qPrintable(QString::number(counts[i])));
    }
};

QTEST_APPLESS_MAIN(RulesDeckTest)
#include "rules_deck_test.moc"
