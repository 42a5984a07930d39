// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange_warning.h"

#include "board.h"
#include "pictures.h"
#include "question_keys.h"
#include "window_place.h"
#include "window_role.h"

#include <QCloseEvent>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace trainer {

namespace {

using controls::Kind;

constexpr controls::Font sansBold825{"MS Sans Serif", 8.25, true};
// clang-format off
constexpr controls::ControlRow warningControls[] = {
    {"Frame1",   Kind::Frame,  nullptr,  nullptr,  120,    0, 4935, 1935, {},          0},
    {"Label1",   Kind::Label,  "Frame1", nullptr,  120,  240, 4695, 1095, sansBold825, 1},
    {"Command1", Kind::Button, "Frame1", QT_TRANSLATE_NOOP("trainer::ExchangeWarning", "Csere így is"),
                                                   840, 1440, 1455,  375, {},          2},
    {"Command2", Kind::Button, "Frame1", QT_TRANSLATE_NOOP("trainer::ExchangeWarning", "Vissza"),
                                                  2640, 1440, 1455,  375, {},          3},
};
// clang-format on

} // namespace

ExchangeWarning::ExchangeWarning(board* table, const QString& text, const QString& spoken)
    : ExchangeWarning(table, [text, spoken] {
          return WarningTexts{text, spoken};
      }) {}

ExchangeWarning::ExchangeWarning(board* table, std::function<WarningTexts()> texts)
    : QWidget(table), texts_(std::move(texts)), table_(table) {
    setObjectName(QStringLiteral("exchangeWarning"));
    controls::setWindowRole(this, QAccessible::Dialog);
    setWindowTitle(QStringLiteral("Kartavo"));
    setWindowIcon(media::designIcon(QStringLiteral("ujra_icon.png")));
    setAttribute(Qt::WA_DeleteOnClose);
    controls::makeFixedWindow(this, 5175, 2025);
    c_ = std::make_unique<controls::ControlSet>(this, warningControls);
    Label1 = c_->get<QLabel>("Label1");
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    auto* go = c_->get<QPushButton>("Command1");
    auto* back = c_->get<QPushButton>("Command2");
    connect(go, &QPushButton::clicked, this, &ExchangeWarning::Command1_Click);
    connect(back, &QPushButton::clicked, this, &ExchangeWarning::Command2_Click);
    showTexts();
    if (table_) {
        table_->setEnabled(false);
        controls::placeBeside(this, table_, table_->playArea());
    }
    // "Vissza" takes the focus (given once the table is disabled, which takes it from the windows
    // it owns); a screen reader reads the dialog with its question, once, in words, and then the
    // button.
    back->setFocus();
}

void ExchangeWarning::showTexts() {
    const WarningTexts t = texts_();
    Label1->setText(t.text);
    Label1->setAccessibleName(t.spoken.isEmpty() ? t.text.simplified() : t.spoken);
}

void ExchangeWarning::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        c_->retranslate();
        showTexts();
    }
    QWidget::changeEvent(event);
}

void ExchangeWarning::Command1_Click() {
    answered_ = true;
    close();
    if (table_) {
        table_->setEnabled(true);
        table_->Command4_Click();
    }
}

void ExchangeWarning::Command2_Click() {
    answered_ = true;
    close();
    if (table_) {
        table_->setEnabled(true);
        // Back to marking, where the question came from: on "Csere", not on "Keverés", where
        // Space would deal again and cost the stake.
        table_->focusExchange();
    }
}

void ExchangeWarning::closeEvent(QCloseEvent* event) {
    if (!answered_)
        Command2_Click();
    event->accept();
}

void ExchangeWarning::keyPressEvent(QKeyEvent* event) {
    if (!controls::questionKey(this, event, [this] { Command2_Click(); }))
        QWidget::keyPressEvent(event);
}

} // namespace trainer
