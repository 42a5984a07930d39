// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The game table: the main window. It owns the game state; the balance is the text of Label5 and
// the stake the text of Label1, with no other copy.
#pragma once

#include "control_table.h"
#include "deck.h"
#include "table_controls.h"
#include "table_view.h"

#include <QPointer>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class QAction;
class QGroupBox;
class QMenu;
class QLabel;
class QPushButton;
class options;
class TableAnnouncer;
class TableKeys;

class board : public QWidget {
    Q_OBJECT
  public:
    struct HandPosition {
        std::string card; // the image path of the card held here, empty before the deal
        char mark = 'k';  // 'k' keep (face up), 'h' marked for exchange (card back)
    };
    // Money is 32-bit: a balance past 32767 keeps working.
    struct GameState {
        kartavo::Deck deck;
        std::array<HandPosition, 5> hand;
        std::int32_t multiplier = 1;
        std::int32_t balanceAfterDeal = 250;
        std::int32_t pictureNumber = 1;
        std::int32_t pictureThreshold = 260;
        QString picturePath;
    };

    // Builds the controls and runs Form_Load (the start sound included) before returning.
    explicit board(std::unique_ptr<kartavo::RandomSource> random = nullptr);
    ~board() override;

    const GameState& state() const { return state_; }
    // What the table shows now, for those that follow the game.
    TableView view() const;
    // Puts the focus on "Csere" while it can be pressed.
    void focusExchange();
    // Where the game is played: the five cards with "Keverés" and "Csere", in this window's
    // coordinates. A window opened beside the table keeps clear of it.
    QRect playArea() const;
    void setRandomSource(std::unique_ptr<kartavo::RandomSource> random);
    // The options window while it is loaded, else null.
    options* optionsWindow() const;

    // Event handlers, named after their control and event.
    void Form_Load();
    void Command1_Click();          // "Keverés": the deal
    void Command2_Click();          // "Kilépés"
    void Command4_Click();          // "Csere": the exchange
    void Command6_Click();          // "Beállítások"
    void command3_Click(int index); // "x 1" .. "x 10"
    void Picture1_Click(int index); // a card box

    // Closes the splash, the options window and this window, without a sound: the program ends.
    void closeAll();
    // A fresh start after the money ran out: the stake label empty, the balance "250", the table
    // enabled again, "Csere" disabled; the cards, the multiplier and the pictures stay.
    void startOver();

    // Shows a tip while "Csere" is enabled: clicks the card boxes whose mark differs from the
    // hold (bit p set: the card at place p is kept), so that exactly the cards it exchanges are
    // marked, and tells a screen reader the tip with "Csere", which takes the focus.
    void showTip(unsigned kept);
    // The right-click menu: Tipp, Elemzés…, and the table's buttons, each enabled as its control
    // is and running its handler; then the options added. The caller owns it.
    QMenu* contextMenu();
    // A checkable entry at the end of the right-click menu; its text is asked for at every showing.
    void addOption(std::function<QString()> text, std::function<bool()> isOn,
                   std::function<void(bool)> set);
    // A submenu after the table's commands, before the options: entries of which the current
    // one is checked; choosing one calls choose with its index.
    void addChoice(const QString& title, std::function<QStringList()> names,
                   std::function<int()> current, std::function<void(int)> choose);
    // Asked before every exchange that "Csere" starts, however it is pressed: false holds the
    // exchange back (whoever holds it may run Command4_Click later). None: every press exchanges.
    void setExchangeGuard(std::function<bool()> guard);

  signals:
    // The table tells what happened, each after the last step of its handler.
    // A deal has taken the stake and shows five new cards (the restart dialog may be open).
    void dealt();
    // The exchange has drawn the replacements and the game is settled.
    void exchanged();
    // A multiplier button has set the multiplier, the payout table, the stake and the balance.
    void multiplierChanged();
    // The deal has left no money: its last step, before dealt(). Whoever listens opens the
    // question of a fresh start, at once.
    void outOfMoney();
    // startOver() has given the fresh balance.
    void restarted();
    // The program ends: the windows that go with the table are to close now, before the options
    // window and the table itself.
    void closingOthers();
    // The player asks for "Tipp" (only while "Csere" is enabled) or for "Elemzés…" (only while
    // the table is enabled).
    void tipRequested();
    void analysisRequested();
    // The player asks for "Gyakorlás…" or "Haladás…" (only while the table is enabled).
    void practiceRequested();
    void progressRequested();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // A new language: every text again, the hand's caption and the cards' names included.
    void changeEvent(QEvent* event) override;

  private:
    void nameHandFrame();
    void kiert(); // ranks the final hand and settles the game
    void creditRow(int row);
    void clearPayoutBold();
    void showCard(int index, const std::string& path);
    void updateCardDescription(int index);
    // The caption is a source text of the context (translated when shown, and again when the
    // language changes).
    void setHandCaption(const char* context, const char* caption, bool bold);
    void nameFixedTexts();
    void fillPayoutTexts();
    options& loadOptions(); // loads the options window hidden when it is not loaded
    void closeOtherWindows();
    double balance() const;
    void setBalance(double value);

    controls::ControlSet c_;
    TableControls controls_;
    QGroupBox* Frame1;
    QLabel* Label1;
    QLabel* Label5;
    QPushButton* Command4;
    controls::FlexGrid* MSFlexGrid1;
    controls::PictureBox* Picture2;
    std::array<controls::PictureBox*, 5> Picture1;
    std::array<QPushButton*, 4> command3;

    GameState state_;
    std::unique_ptr<kartavo::RandomSource> random_;
    QPointer<options> optionsWindow_;
    std::function<bool()> exchangeGuard_;
    bool exiting_ = false;
    std::pair<const char*, const char*> caption_{"board", "A Te lapjaid:"};
    int shownPicture_ = 0; // the reward picture shown: 0 the table's own, else casinoN.jpg
    TableKeys* keys_;
    TableAnnouncer* announcer_ = nullptr;
};
