// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The practice window "Gyakorlás": hands dealt with no money, marked as on the table (a click,
// the keys 1 to 5, Space on a card); "Ellenőrzés" (Enter) weighs the hold against the best one
// and the chart, "Következő" (Enter again) deals the next hand. What it deals: as the game deals,
// hands of one chart line, hands of the lines where the player's mistakes cost most, or the
// player's last mistaken hands again. The game practised is chosen at the top: this machine's,
// a casino game, or a paytable file ("Saját kifizetési tábla…"); "Táblázat…" shows its chart.
// It has its own cards and generator: nothing of the game table changes. Every answer goes to
// the player's progress in the game practised.
#pragma once

#include "fast_evaluation.h"
#include "game_choice.h"
#include "practice_deal.h"
#include "strategy.h"
#include "strategy_chart.h"

#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class StrategyService;

namespace controls {
class ControlSet;
class PictureBox;
} // namespace controls

namespace trainer {

class PracticeWindow : public QWidget {
    Q_OBJECT
  public:
    // What the window deals, in the order of its choice.
    enum class DealKind { Mixed, OneLine, WeakSpots, Mistakes };
    explicit PracticeWindow(std::uint64_t seed);
    ~PracticeWindow() override;

    const kartavo::Hand& hand() const { return hand_; }
    // Bit p: the card at position p is marked for exchange.
    std::uint8_t marked() const { return marked_; }
    bool checked() const { return checked_; }
    // The line the last "A gyengéim" hand was drawn for (-1 when the deal was mixed).
    int weakLine() const { return weakLine_; }
    // The game practised, and whether its chart is still being derived (no hand is dealt then).
    const ChosenGame& game() const { return game_; }
    bool preparing() const { return chart_ == nullptr; }

    // Chooses the game of the list's entry (the last entry asks for a file); a fault is said in a
    // message and the game stays.
    void chooseGame(int index);
    // Opens a paytable file as the game practised, as "Saját kifizetési tábla…" does once the
    // player picked it; false, with a message, where the file cannot be used.
    bool openPaytable(const QString& path);

    // The handlers of the window's controls.
    void Picture1_Click(int index);
    void Command1_Click(); // "Ellenőrzés"
    void Command2_Click(); // "Következő"
    void Command3_Click(); // "Táblázat…"

  signals:
    // Another game is practised.
    void gameChanged(const trainer::ChosenGame& game);
    // "Táblázat…": the chart of the game practised is asked for.
    void chartWanted(const trainer::ChosenGame& game);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    // A new language: every text again, the hand's and the verdict's included.
    void changeEvent(QEvent* event) override;

  private:
    // Why a mixed hand came where another was asked for.
    enum class Note { None, FewMistakes, NoMistakes };
    struct Verdict {
        std::uint8_t kept;
        kartavo::HoldValue chosen, best;
        kartavo::ChartHold chart;
        bool right, followed;
    };
    void nameFixedTexts();
    // The games' list as the choice has it now.
    void fillGames();
    void setGame(const ChosenGame& game);
    // The chart is there: its lines listed, a hand dealt.
    void chartArrived();
    // A fault with a paytable file, said in a message box.
    void tellFault(const QString& message);
    void showHint();
    void showVerdict();
    void deal();
    void showCard(int index);
    QString spokenHand() const;

    kartavo::PracticeDealer dealer_;
    GameChoice choice_;
    ChosenGame game_;
    StrategyService* service_ = nullptr;
    QList<QMetaObject::Connection> serviceConnections_;
    const kartavo::StrategyChart* chart_ = nullptr;
    QComboBox* games_;
    QPushButton* chartButton_;
    QProgressBar* preparation_;
    kartavo::Hand hand_{};
    std::uint8_t marked_ = 0;
    bool checked_ = false;
    int weakLine_ = -1;
    int mistakeCursor_ = 0; // "Hibáim": how many of the kept mistakes were dealt again
    int answered_ = 0, right_ = 0;
    QComboBox* kinds_;
    QComboBox* lines_;
    std::array<controls::PictureBox*, 5> cards_{};
    QPushButton* check_;
    QPushButton* next_;
    QLabel* verdictLabel_;
    Note note_ = Note::None;
    std::optional<Verdict> verdict_; // of the hand shown, once checked
    std::unique_ptr<controls::ControlSet> c_;
    QLabel* tally_;
};

} // namespace trainer
