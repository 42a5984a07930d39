// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The options dialog: card back, how to play, combinations, sound switch and about page. It is
// modeless; OK hides it with its state, "Mégsem" and the close box unload it.
#pragma once

#include "control_table.h"

#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>
#include <memory>

class QCheckBox;
class QLabel;
namespace controls {
class PictureBox;
class TabStrip;
} // namespace controls

class options : public QWidget {
    Q_OBJECT
  public:
    // Loads the dialog hidden: builds the controls and runs Form_Load. It belongs to the window
    // given, if any (it stays above it, and goes with it), and is modeless all the same.
    explicit options(QWidget* owner = nullptr);

    bool effectsTicked() const;
    // Sets the "Effektek" box by code; a change runs the box's click handling.
    void setEffectsTicked(bool ticked);
    const QString& chosenBackFile() const { return chosenBackFile_; }
    // The full how-to-play text, exactly as built (the label shows it without the CRs).
    const QString& howToPlay() const { return howToPlay_; }

    void Form_Load();
    void SSTab1_Click();
    void Check2_Click();
    void Command1_Click(); // OK
    void Command2_Click(); // "Mégsem"
    void Picture1_Click(int index);
    void combinationClick(int place); // Label3_Click, Label7_Click .. Label14_Click

  signals:
    // The dialog has been closed ("Mégsem", the close box, the end of the program).
    void unloaded();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Escape is "Mégsem", Enter is OK (or the focused button).
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // Shows every text again in the language now in force.
    void changeEvent(QEvent* event) override;

  private:
    static QStringList captions(); // the page tabs'
    void nameTexts();
    void showPictures(); // the about page's pictures and the card-back thumbnails
    void setHint(const QString& text);

    controls::TabStrip* SSTab1;
    QLabel* Label1;
    QCheckBox* Check2;
    controls::PictureBox* Picture4;
    std::array<controls::PictureBox*, 8> Picture1{};
    std::array<QLabel*, 9> combinationLabels{};
    QString chosenBackFile_;
    QString howToPlay_;
    int hintDesign_ = -1;        // the design the hint line names; -1: it shows the page's hint
    int pickedDesign_ = -1;      // the card back picked last; -1: none
    int pickedCombination_ = -1; // the gallery's combination picked last; -1: none
    bool picturesShown_ = false;
    std::unique_ptr<controls::ControlSet> c_;
};
