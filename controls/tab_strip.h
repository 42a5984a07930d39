// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// A tab control with several tabs to a row: checkable tab buttons in rows above a panel, each
// tab selecting one page. Tabs are reachable with Tab and selected with Space, and Ctrl+Tab /
// Ctrl+Shift+Tab step through the pages.
#pragma once

#include <QButtonGroup>
#include <QStringList>
#include <QWidget>
#include <vector>

namespace controls {

class TabStrip : public QWidget {
    Q_OBJECT
  public:
    TabStrip(QWidget* parent, const QString& name, const QStringList& captions, int tabsPerRow,
             int tabHeightTwips, QRect geometryPx);
    int count() const { return static_cast<int>(pages_.size()); }
    // The tabs' captions (and what a screen reader reads of them), as after a language change.
    void setCaptions(const QStringList& captions);
    // A page covers the whole control (beneath the tabs): its children use the control's
    // coordinates.
    QWidget* page(int index) const { return pages_.at(index); }
    int currentIndex() const { return current_; }
    // Selects a page without the change event (used by the window's load).
    void setCurrentIndex(int index);
    bool isTab(const QWidget* widget) const;
    // Puts the keyboard focus on the tab of the page shown.
    void focusCurrentTab();

  signals:
    // After the player has selected another page.
    void currentChanged(int index);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void select(int index, bool notify);
    void step(int by); // to the next (1) or previous (-1) page, focus on its tab
    QButtonGroup tabs_;
    std::vector<QWidget*> pages_;
    int current_ = -1;
    int headerHeight_ = 0;
    bool styled_ = false;
};

} // namespace controls
