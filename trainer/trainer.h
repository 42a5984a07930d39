// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The trainer of the game table: it listens to what the table tells (a deal, a multiplier press,
// an exchange), keeps the session, answers Tipp with the best hold, and feeds the analysis
// window. It reads the table through its view and never writes its controls.
#pragma once

#include "analysis_window.h"
#include "chart_window.h"
#include "practice_window.h"
#include "progress_window.h"
#include "session.h"

#include <QObject>
#include <QPointer>
#include <optional>

class board;

namespace trainer {

class Trainer : public QObject {
    Q_OBJECT
  public:
    explicit Trainer(board* table);
    ~Trainer() override;

    // The best hold of the dealt hand while it waits for the exchange; empty otherwise.
    std::optional<kartavo::HoldValue> bestHold();
    // Has the table mark exactly the cards that the best hold exchanges.
    void giveTip();

    // "Figyelmeztetés rossz cserénél": before an exchange that is not the best, ask first. Off
    // at start; kept as long as the program runs, for every table.
    static bool warnsOfCostlyExchange();
    static void setWarnsOfCostlyExchange(bool on);
    // Opens the analysis window beside the table (docked in it where windows cannot place
    // themselves), or brings it to the front.
    void openWindow();
    AnalysisWindow* window() const { return window_; }
    // Opens the practice window "Gyakorlás" or the progress window "Haladás" as the analysis
    // window opens.
    void openPractice();
    void openProgress();
    PracticeWindow* practiceWindow() const { return practice_; }
    ProgressWindow* progressWindow() const { return progress_; }
    // Opens the chart window "Stratégia" of the game practised beside the table, or brings it
    // forward.
    void openChart(const ChosenGame& game);
    ChartWindow* chartWindow() const { return chart_; }
    // The seed of the next practice window's deals (tests); random without one.
    static void setPracticeSeed(std::optional<std::uint64_t> seed);
    const Session& session() const { return session_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The first use of the trainer starts the engine's tables; until then it costs nothing.
    void use();
    // The table's exchange guard: false (and the question shown) when the warning is on and the
    // marked cards are not worth the best hold.
    bool allowExchange();
    void onDealt();
    void onMultiplierChanged();
    void onExchanged();
    const kartavo::HoldRanking& ranking(); // of the deal on the table, computed once
    kartavo::Hand handOnTable() const;
    // Shows the session in the window; a closed window is left alone unless forced.
    void refresh(bool force = false);

    board* table_;
    Session session_;
    std::optional<kartavo::HoldRanking> ranking_;
    std::optional<std::uint8_t> chosen_;
    QPointer<AnalysisWindow> window_;
    QPointer<PracticeWindow> practice_;
    QPointer<ProgressWindow> progress_;
    QPointer<ChartWindow> chart_;
};

} // namespace trainer
