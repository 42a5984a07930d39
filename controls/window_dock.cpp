// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_dock.h"

#include "accessible.h"
#include "twips.h"
#include "window_place.h"

#include <QChildEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QTabBar>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace controls {

namespace {

// Gives the focus to the control of window that had it last, else to its first Tab stop.
void focusInto(QWidget* window) {
    QWidget* target = window->focusWidget();
    if (!target || !target->isVisibleTo(window) || !target->isEnabled()) {
        target = nullptr;
        for (QWidget* w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain())
            if (window->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) &&
                w->isVisibleTo(window) && w->isEnabled()) {
                target = w;
                break;
            }
    }
    (target ? target : window)->setFocus(Qt::OtherFocusReason);
}

// The side panel of a host window, right of the host's own area: a tab bar with one page for
// each docked window (its title, and a close button in place of the title bar's), and the front
// page below it. The host's window is as wide as its own area and the panel together, and as
// high as the higher of the two.
class DockPanel final : public QWidget {
  public:
    explicit DockPanel(QWidget* host) : QWidget(host), host_(host), hostSize_(host->size()) {
        setObjectName(QStringLiteral("dockPanel"));
        tabs_ = new QTabBar(this);
        tabs_->setObjectName(QStringLiteral("dockTabs"));
        tabs_->setTabsClosable(true);
        tabs_->setExpanding(false);
        nameTabs();
        connect(tabs_, &QTabBar::currentChanged, this, [this](int index) { showPage(index); });
        connect(tabs_, &QTabBar::tabCloseRequested, this, [this](int index) {
            QWidget* page = pages_[std::size_t(index)];
            if (page->close())
                undock(page);
        });
        hide();
    }
    ~DockPanel() override {
        // The pages go with the panel: nothing of theirs is to reach it any more.
        for (QWidget* page : pages_) {
            page->removeEventFilter(this);
            page->disconnect(this);
        }
    }

    static DockPanel* of(const QWidget* host) {
        for (QObject* child : host->children())
            if (auto* panel = dynamic_cast<DockPanel*>(child))
                return panel;
        return nullptr;
    }

    bool holds(const QWidget* w) const {
        return std::find(pages_.begin(), pages_.end(), w) != pages_.end();
    }
    bool inFront(const QWidget* w) const {
        const int front = tabs_->currentIndex();
        return front >= 0 && pages_[std::size_t(front)] == w;
    }

    // Docks window, when it is not docked yet, and brings its page to the front.
    void dock(QWidget* window) {
        if (!holds(window)) {
            // A window no more: a page of the panel, in the host's window.
            window->setParent(this);
            forgetAccessible(window);
            window->installEventFilter(this);
            if (window->accessibleName().isEmpty()) {
                named_.push_back(window);
                window->setAccessibleName(window->windowTitle());
            }
            connect(window, &QWidget::windowTitleChanged, this, [this, window](const QString& t) {
                const auto at = std::find(pages_.begin(), pages_.end(), window);
                tabs_->setTabText(int(at - pages_.begin()), t);
                if (std::find(named_.begin(), named_.end(), window) != named_.end())
                    window->setAccessibleName(t);
            });
            pages_.push_back(window);
            tabs_->addTab(window->windowIcon(), window->windowTitle());
        }
        fit();
        show();
        const int index = int(std::find(pages_.begin(), pages_.end(), window) - pages_.begin());
        tabs_->setCurrentIndex(index);
        showPage(index);
        host_->raise();
        host_->activateWindow();
        focusInto(window);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // A page closed or hidden, and not by the panel itself, leaves it. Asked when the close
        // is done: a page that refused it and is still in front stays.
        if ((event->type() == QEvent::Close || event->type() == QEvent::Hide) && !switching_)
            QTimer::singleShot(0, this,
                               [this, page = QPointer<QWidget>(static_cast<QWidget*>(watched))] {
                                   if (page && holds(page) && page->isHidden())
                                       undock(page);
                               });
        return QWidget::eventFilter(watched, event);
    }

    bool event(QEvent* event) override {
        // A page destroyed (or taken elsewhere) is no page any more; it is not touched.
        if (event->type() == QEvent::ChildRemoved) {
            QObject* child = static_cast<QChildEvent*>(event)->child();
            const auto at = std::find(pages_.begin(), pages_.end(), child);
            if (at != pages_.end())
                remove(int(at - pages_.begin()));
        } else if (event->type() == QEvent::LanguageChange) {
            nameTabs();
        }
        return QWidget::event(event);
    }

    // The table's own menu is not for the pages.
    void contextMenuEvent(QContextMenuEvent* event) override { event->accept(); }

  private:
    void nameTabs() {
        tabs_->setAccessibleName(QCoreApplication::translate("controls", "Nyitott ablakok"));
    }

    // Shows the page at index (none for -1) and hides the others.
    void showPage(int index) {
        switching_ = true;
        for (std::size_t i = 0; i < pages_.size(); ++i)
            if (int(i) != index)
                pages_[i]->hide();
        switching_ = false;
        if (index >= 0)
            pages_[std::size_t(index)]->show();
    }

    void undock(QWidget* page) {
        page->removeEventFilter(this);
        page->disconnect(this);
        if (std::find(named_.begin(), named_.end(), page) != named_.end())
            page->setAccessibleName({});
        const auto at = std::find(pages_.begin(), pages_.end(), page);
        if (at != pages_.end())
            remove(int(at - pages_.begin()));
    }

    // Forgets the page at index, without touching it. The sizes follow when the event loop comes
    // round again: the host may be on its way out now.
    void remove(int index) {
        QWidget* page = pages_[std::size_t(index)];
        named_.erase(std::remove(named_.begin(), named_.end(), page), named_.end());
        pages_.erase(pages_.begin() + index);
        tabs_->removeTab(index);
        QTimer::singleShot(0, this, [this] { fit(); });
    }

    void fit() {
        if (pages_.empty()) {
            hide();
            host_->setFixedSize(hostSize_);
            return;
        }
        QSize largest;
        for (const QWidget* page : pages_)
            largest = largest.expandedTo(page->size());
        const int margin = px(120), tabsHeight = tabs_->sizeHint().height();
        tabs_->setGeometry(margin, margin, largest.width(), tabsHeight);
        for (QWidget* page : pages_)
            page->move(margin, margin + tabsHeight);
        setGeometry(hostSize_.width(), 0, largest.width() + 2 * margin,
                    tabsHeight + largest.height() + 2 * margin);
        host_->setFixedSize(hostSize_.width() + width(), std::max(hostSize_.height(), height()));
    }

    QWidget* host_;
    QSize hostSize_; // the host's own area
    QTabBar* tabs_;
    std::vector<QWidget*> pages_; // in the tabs' order
    std::vector<QWidget*> named_; // pages that bear their title as their accessible name
    bool switching_ = false;      // the panel itself hides the pages behind the front one
};

} // namespace

bool windowsPlaceThemselves() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void showBeside(QWidget* window, QWidget* host, const QRect& keepClear) {
    if (!windowsPlaceThemselves() || dockedWindowOf(window) == window) {
        DockPanel* panel = DockPanel::of(host);
        if (!panel)
            panel = new DockPanel(host);
        panel->dock(window);
        return;
    }
    // Where the player has moved it since, it comes back there.
    if (!window->testAttribute(Qt::WA_Moved))
        placeBeside(window, host, keepClear);
    window->show();
    window->raise();
    window->activateWindow();
}

QWidget* dockedWindowOf(const QWidget* w) {
    for (; w && !w->isWindow(); w = w->parentWidget())
        if (const auto* panel = dynamic_cast<const DockPanel*>(w->parentWidget());
            panel && panel->holds(w))
            return const_cast<QWidget*>(w);
    return nullptr;
}

bool isOpen(const QWidget* window) {
    if (window->isVisible())
        return true;
    const auto* panel =
        window->isWindow() ? nullptr : dynamic_cast<const DockPanel*>(window->parentWidget());
    return panel && panel->holds(window) && !panel->inFront(window);
}

} // namespace controls
