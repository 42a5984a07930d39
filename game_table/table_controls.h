// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The game table's controls, typed, for the table's own helpers (its commands and what it tells a
// screen reader); nothing outside the table gets them.
#pragma once

#include <QWidget>
#include <array>

class QPushButton;
namespace controls {
class FlexGrid;
class PictureBox;
} // namespace controls

struct TableControls {
    QWidget* board = nullptr;
    QPushButton* Command1 = nullptr; // "Keverés"
    QPushButton* Command2 = nullptr; // "Kilépés"
    QPushButton* Command4 = nullptr; // "Csere"
    QPushButton* Command6 = nullptr; // "Beállítások"
    std::array<controls::PictureBox*, 5> Picture1{};
    std::array<QPushButton*, 4> command3{};
    controls::FlexGrid* MSFlexGrid1 = nullptr;
};
