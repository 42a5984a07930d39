// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "control_table.h"

#include "accessible.h"

#include "flex_grid.h"
#include "picture_box.h"
#include "twips.h"
#include "value_label.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <vector>

namespace controls {

namespace {
// The families the windows are designed in are Windows fonts. Where they are missing, Qt is
// pointed at metric-compatible free fonts before fontconfig's general fallback, so that texts
// keep their designed widths.
void installSubstitutes() {
    static const bool done = [] {
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                                   {QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
        QFont::insertSubstitutions(
            QStringLiteral("Times New Roman CE"),
            {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")});
        return true;
    }();
    (void)done;
}
} // namespace

QFont makeFont(const Font& font, const QFont& base) {
    installSubstitutes();
    QFont f = base;
    if (font.family) {
        f.setFamily(QString::fromUtf8(font.family));
        f.setPointSizeF(font.points);
    }
    f.setBold(font.bold);
    f.setItalic(font.italic);
    return f;
}

namespace {
void setText(QWidget* w, const QString& text) {
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        button->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(w))
        label->setText(text);
    else if (auto* frame = qobject_cast<QGroupBox*>(w))
        frame->setTitle(text);
}

QWidget* create(const ControlRow& row, const QString& text, QWidget* parent) {
    switch (row.kind) {
    case Kind::Button:
        return new QPushButton(text, parent);
    case Kind::Label: {
        auto* label = new QLabel(text, parent);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    case Kind::ValueLabel: {
        auto* label = new ValueLabel(text, parent);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    case Kind::Frame:
        return new QGroupBox(text, parent);
    case Kind::PictureBox:
        return new PictureBox(parent, true);
    case Kind::BorderlessPicture:
        return new PictureBox(parent, false);
    case Kind::Grid:
        return new FlexGrid(parent);
    case Kind::CheckBox:
        return new QCheckBox(text, parent);
    }
    return nullptr;
}
} // namespace

ControlSet::ControlSet(QWidget* window, std::span<const ControlRow> rows,
                       const QHash<QString, QWidget*>& containers)
    : widgets_(containers), context_(window->metaObject()->className()) {
    std::vector<std::pair<int, QWidget*>> tabOrder;
    for (const ControlRow& row : rows) {
        QWidget* parent = row.parent ? widgets_.value(QString::fromUtf8(row.parent)) : window;
        Q_ASSERT(parent);
        const QString text = row.text ? QCoreApplication::translate(context_, row.text) : QString();
        QWidget* w = create(row, text, parent);
        if (row.text && *row.text)
            texts_.push_back({w, row.text});
        const QString name = QString::fromUtf8(row.name);
        w->setObjectName(name);
        w->setGeometry(pxRect(row.left, row.top, row.width, row.height));
        if (row.font.family || row.font.bold || row.font.italic)
            w->setFont(makeFont(row.font, window->font()));
        widgets_.insert(name, w);
        if (row.tabIndex >= 0)
            tabOrder.emplace_back(row.tabIndex, w);
    }
    std::sort(tabOrder.begin(), tabOrder.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
}

void ControlSet::retranslate() {
    for (const Text& t : texts_)
        setText(t.widget, QCoreApplication::translate(context_, t.source));
}

QWidget* ControlSet::operator[](const QString& name) const {
    QWidget* w = widgets_.value(name);
    Q_ASSERT_X(w, "ControlSet", qPrintable(name));
    return w;
}

void makeFixedWindow(QWidget* window, int widthTwips, int heightTwips) {
    // X11 marks only a dialog transient for its parent. The system menu keeps a dialog's title
    // bar as a window's on Windows, with its icon.
    window->setWindowFlags((window->parentWidget() ? Qt::Dialog : Qt::Window) |
                           Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    // Made as a control of its owner, it is a window now.
    forgetAccessible(window);
    window->setFixedSize(px(widthTwips), px(heightTwips));
    // The windows' default font.
    window->setFont(makeFont({"MS Sans Serif", 8.25}, window->font()));
}

} // namespace controls
