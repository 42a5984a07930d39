// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The strategy card: a game's paytable and chart on one printed page, written as a PDF with real,
// searchable text. It knows nothing of games: the caller hands it every text already in the
// language of the card, and it lays them out and writes the file.
//
// The page is A4 or Letter; everything is laid out inside the area that both hold (A4's width,
// Letter's height), centred on the page, so a card prints whole on either paper whichever it was
// made for. The text takes the largest size at which all of it fits on the one page, the chart
// in two columns where that lets it be larger; a chart of 40 long lines still fits. (A card too
// long even at 4 points is cut at the page's foot.) The text is written in reading order: the
// paytable row by row, the chart line by line, column after column.
//
// Needs a QGuiApplication (the fonts); a program without a display may run it on the offscreen
// platform.
#pragma once

#include <QLocale>
#include <QPageSize>
#include <QString>
#include <QStringList>
#include <vector>

namespace printing {

// A row of the paytable as the card shows it: the hand and what it pays.
struct PayRow {
    QString hand;
    QString pays;
};

// What the card says, from top to bottom.
struct StrategyCard {
    QString title;           // the game's name; also the PDF's title
    QString paytableHeading; // over the paytable
    std::vector<PayRow> paytable;
    QStringList returns;    // beside the paytable, a line each: the chart's return, perfect play's
    QString chartHeading;   // over the chart
    QStringList chartLines; // in the chart's order; the card numbers them 1, 2, ...
    QString program;        // the program's name and version, at the foot and as the PDF's creator
    QString version;
};

// The paper of a locale: Letter where it measures in the US system, A4 elsewhere.
QPageSize paperFor(const QLocale& locale = QLocale::system());

// Why a card was not written, for a message in the language in force.
enum class Failure {
    None,
    NoFolder, // the folder to write in is not there
    NoRights, // the folder, or the file already there, may not be written
    NotAFile, // the name is that of a folder
    Writing,  // the writing itself failed: a full disk, a device gone
};

// The outcome of writing a card. A card that could not be written leaves no file of its own
// behind, and a file that was at the path before is kept as it was.
struct WriteResult {
    Failure failure = Failure::None;
    QString detail; // the system's own words for the failure, as Qt gives them; empty when written
    bool written() const { return failure == Failure::None; }
};

// Writes the card as a one-page PDF to fileName, replacing the file there only once the whole
// card is written.
WriteResult writeStrategyCard(const StrategyCard& card, const QString& fileName,
                              const QPageSize& paper = paperFor());

} // namespace printing
