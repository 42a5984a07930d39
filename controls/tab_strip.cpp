// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tab_strip.h"

#include "accessible.h"
#include "twips.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QStyleOptionFrame>
#include <algorithm>

namespace controls {

namespace {

// A tab: a checkable button that a screen reader reads as a page tab, selected while its page
// shows.
class TabButton : public QPushButton {
    Q_OBJECT
  public:
    using QPushButton::QPushButton;
};

class AccessibleTab : public PressableAccessible<TabButton> {
  public:
    explicit AccessibleTab(TabButton* tab) : PressableAccessible(tab, QAccessible::PageTab) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return control()->text();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.selectable = true;
        s.selected = control()->isChecked();
        return s;
    }
};

QAccessibleInterface* accessibleFactory(const QString&, QObject* object) {
    if (auto* tab = qobject_cast<TabButton*>(object))
        return new AccessibleTab(tab);
    return nullptr;
}

void reportSelection(QAbstractButton* tab) {
    QAccessible::State changed;
    changed.selected = true;
    QAccessibleStateChangeEvent event(tab, changed);
    QAccessible::updateAccessibility(&event);
}

} // namespace

TabStrip::TabStrip(QWidget* parent, const QString& name, const QStringList& captions,
                   int tabsPerRow, int tabHeightTwips, QRect geometryPx)
    : QWidget(parent) {
    installAccessibleFactory<accessibleFactory>();
    setObjectName(name);
    setGeometry(geometryPx);
    const int rows = (static_cast<int>(captions.size()) + tabsPerRow - 1) / tabsPerRow;
    const int tabHeight = px(tabHeightTwips);
    headerHeight_ = rows * tabHeight;
    const int tabWidth = width() / tabsPerRow;
    // Pages first, tab buttons after: the buttons lie above the pages, which cover the whole
    // control so that their children keep the control's coordinates.
    for (int i = 0; i < captions.size(); ++i) {
        auto* page = new QWidget(this);
        page->setObjectName(QStringLiteral("%1_Page%2").arg(name).arg(i));
        page->setGeometry(rect());
        page->hide();
        pages_.push_back(page);
    }
    for (int i = 0; i < captions.size(); ++i) {
        auto* tab = new TabButton(captions[i], this);
        tab->setObjectName(QStringLiteral("%1_Tab%2").arg(name).arg(i));
        tab->setCheckable(true);
        tab->setGeometry((i % tabsPerRow) * tabWidth, (i / tabsPerRow) * tabHeight, tabWidth,
                         tabHeight);
        tabs_.addButton(tab, i);
    }
    setCaptions(captions);
    connect(&tabs_, &QButtonGroup::idClicked, this, [this](int id) { select(id, true); });
    // Ctrl+Tab and Ctrl+Shift+Tab step through the pages wherever the focus is in the window.
    const auto addStep = [this](QKeySequence keys, int by) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, [this, by] { step(by); });
    };
    addStep(QKeySequence(Qt::CTRL | Qt::Key_Tab), 1);
    addStep(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1);
    addStep(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1);
}

void TabStrip::setCaptions(const QStringList& captions) {
    const QList<QAbstractButton*> tabs = tabs_.buttons();
    for (int i = 0; i < captions.size() && i < tabs.size(); ++i) {
        QAbstractButton* tab = tabs_.button(i);
        tab->setText(captions[i]);
        tab->setAccessibleName(captions[i]);
        tab->setAccessibleDescription(
            QCoreApplication::translate("controls", "%1. lap, összesen %2")
                .arg(i + 1)
                .arg(captions.size()));
    }
}

void TabStrip::showEvent(QShowEvent* event) {
    // The tabs take their look when the strip first shows, before it is painted: a style sheet
    // brings in Qt's style-sheet engine, which a strip in a window loaded hidden does not need.
    // Styled one by one: a style sheet on the strip would also reach the pages' controls.
    if (!styled_) {
        styled_ = true;
        const QString look =
            QStringLiteral("QPushButton { border: 1px solid palette(dark); border-bottom: none;"
                           " border-top-left-radius: 4px; border-top-right-radius: 4px;"
                           " background: palette(button); margin: 0 1px; }"
                           "QPushButton:checked { background: palette(window); font-weight: bold; }"
                           "QPushButton:focus { text-decoration: underline; }");
        for (QAbstractButton* tab : tabs_.buttons())
            tab->setStyleSheet(look);
    }
    QWidget::showEvent(event);
}

void TabStrip::setCurrentIndex(int index) {
    select(index, false);
}

void TabStrip::select(int index, bool notify) {
    tabs_.button(index)->setChecked(true);
    if (index == current_)
        return;
    if (current_ >= 0) {
        pages_[current_]->hide();
        reportSelection(tabs_.button(current_));
    }
    current_ = index;
    pages_[current_]->show();
    reportSelection(tabs_.button(current_));
    if (notify)
        emit currentChanged(index);
}

bool TabStrip::isTab(const QWidget* widget) const {
    // One list: buttons() returns a new copy at every call.
    const QList<QAbstractButton*> tabs = tabs_.buttons();
    return std::any_of(tabs.begin(), tabs.end(),
                       [widget](const QAbstractButton* tab) { return tab == widget; });
}

void TabStrip::focusCurrentTab() {
    tabs_.button(current_)->setFocus(Qt::OtherFocusReason);
}

void TabStrip::step(int by) {
    select((current_ + by + count()) % count(), true);
    tabs_.button(current_)->setFocus(Qt::TabFocusReason);
}

void TabStrip::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QStyleOptionFrame panel;
    panel.initFrom(this);
    panel.rect = QRect(0, headerHeight_, width(), height() - headerHeight_);
    panel.lineWidth = 1;
    panel.state |= QStyle::State_Raised;
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &panel, &p, this);
}

} // namespace controls

#include "tab_strip.moc"
