// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice_window.h"

#include "accessible.h"
#include "analysis_window.h"
#include "card_back.h"
#include "cards.h"
#include "control_table.h"
#include "language.h"
#include "picture_box.h"
#include "pictures.h"
#include "program_folder.h"
#include "progress_store.h"
#include "question_keys.h"
#include "strategy_chart.h"
#include "strategy_service.h"
#include "twips.h"
#include "window_role.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

namespace trainer {

namespace {

using controls::Kind;

// clang-format off
constexpr controls::ControlRow windowControls[] = {
    {"Label1",     Kind::Label,      nullptr,  QT_TRANSLATE_NOOP("trainer::PracticeWindow", "Mit oszt:"), 120,  150, 1080,  270, {}, -1},
    {"Label3",     Kind::Label,      nullptr,  QT_TRANSLATE_NOOP("trainer::PracticeWindow", "Sor:"),      3960, 150,  480,  270, {}, -1},
    {"Frame1",     Kind::Frame,      nullptr,  QT_TRANSLATE_NOOP("trainer::PracticeWindow", "Gyakorló leosztás"), 60, 540, 8280, 2040, {}, -1},
    {"Picture1_0", Kind::PictureBox, "Frame1", nullptr,                                             240,  360, 1130, 1500, {}, 2},
    {"Picture1_1", Kind::PictureBox, "Frame1", nullptr,                                             1840, 360, 1130, 1500, {}, 3},
    {"Picture1_2", Kind::PictureBox, "Frame1", nullptr,                                             3440, 360, 1130, 1500, {}, 4},
    {"Picture1_3", Kind::PictureBox, "Frame1", nullptr,                                             5040, 360, 1130, 1500, {}, 5},
    {"Picture1_4", Kind::PictureBox, "Frame1", nullptr,                                             6640, 360, 1130, 1500, {}, 6},
    {"Command1",   Kind::Button,     nullptr,  QT_TRANSLATE_NOOP("trainer::PracticeWindow", "Ellenőrzés"), 2280, 2700, 1800, 375, {}, 7},
    {"Command2",   Kind::Button,     nullptr,  QT_TRANSLATE_NOOP("trainer::PracticeWindow", "Következő"),  4320, 2700, 1800, 375, {}, 8},
    {"Label2",     Kind::Label,      nullptr,  nullptr,                                             120, 3240, 8160, 2880, {}, 9},
    {"Label4",     Kind::Label,      nullptr,  nullptr,                                             120, 6240, 8160,  540, {}, -1},
};
// clang-format on
constexpr int combo1Rect[] = {1200, 90, 2640, 360};
constexpr int combo2Rect[] = {4440, 90, 3840, 360};
constexpr int windowWidth = 8400, windowHeight = 6900;

const char* const kindNames[] = {
    QT_TRANSLATE_NOOP("trainer::PracticeWindow", "Vegyes"),
    QT_TRANSLATE_NOOP("trainer::PracticeWindow", "Egy sor"),
    QT_TRANSLATE_NOOP("trainer::PracticeWindow", "A gyengéim"),
    QT_TRANSLATE_NOOP("trainer::PracticeWindow", "Hibáim"),
};

// "A gyengéim" weighs the lines once the player has made this many mistakes.
constexpr std::int64_t mistakesToWeigh = 3;

QString cardText(const kartavo::Hand& hand, int p) {
    return QString::fromStdString(kartavo::spokenCardName(
        kartavo::cardCode(hand[static_cast<std::size_t>(p)]) + ".bmp", texts::keyTranslator()));
}

} // namespace

PracticeWindow::PracticeWindow(std::uint64_t seed) : dealer_(seed) {
    setObjectName(QStringLiteral("gyakorlas"));
    setWindowIcon(QIcon(QStringLiteral(":/design/options_icon.png")));
    controls::makeFixedWindow(this, windowWidth, windowHeight);
    controls::setWindowRole(this, QAccessible::Window);
    c_ = std::make_unique<controls::ControlSet>(this, windowControls);
    const controls::ControlSet& c = *c_;
    check_ = c.get<QPushButton>("Command1");
    next_ = c.get<QPushButton>("Command2");
    verdictLabel_ = c.get<QLabel>("Label2");
    verdictLabel_->setWordWrap(true);
    verdictLabel_->setFocusPolicy(Qt::TabFocus);
    tally_ = c.get<QLabel>("Label4");
    tally_->setWordWrap(true);

    kinds_ = new QComboBox(this);
    kinds_->setObjectName(QStringLiteral("Combo1"));
    kinds_->setGeometry(
        controls::pxRect(combo1Rect[0], combo1Rect[1], combo1Rect[2], combo1Rect[3]));
    for (int i = 0; i < static_cast<int>(std::size(kindNames)); ++i)
        kinds_->addItem(QString());
    lines_ = new QComboBox(this);
    lines_->setObjectName(QStringLiteral("Combo2"));
    lines_->setGeometry(
        controls::pxRect(combo2Rect[0], combo2Rect[1], combo2Rect[2], combo2Rect[3]));
    for (int line = 0; line < static_cast<int>(kartavo::gameChart().lines.size()); ++line)
        lines_->addItem(QString());
    nameFixedTexts();
    lines_->setEnabled(false);
    setTabOrder(kinds_, lines_);
    setTabOrder(lines_, c["Picture1_0"]);

    for (int i = 0; i < 5; ++i) {
        cards_[static_cast<std::size_t>(i)] =
            c.get<controls::PictureBox>(QStringLiteral("Picture1_%1").arg(i));
        cards_[static_cast<std::size_t>(i)]->setFocusPolicy(Qt::StrongFocus);
        // A card marked while it has the focus (a click, Space) is read anew with its mark.
        connect(cards_[static_cast<std::size_t>(i)], &controls::PictureBox::clicked, this,
                [this, i] {
                    Picture1_Click(i);
                    if (cards_[static_cast<std::size_t>(i)]->hasFocus())
                        controls::focusAndTell(cards_[static_cast<std::size_t>(i)]);
                });
    }
    // The table's keys, wherever the focus is in the window (a list takes no digit then): 1 to 5
    // mark a card, Enter checks and then deals the next hand. Only there: docked in the table's
    // window, the table's own keys are the table's.
    const auto key = [this](int k) {
        return new QShortcut(QKeySequence(k), this, nullptr, nullptr,
                             Qt::WidgetWithChildrenShortcut);
    };
    for (int i = 0; i < 5; ++i)
        connect(key(Qt::Key_1 + i), &QShortcut::activated, this, [this, i] {
            if (checked_)
                return;
            // Marked first, then focused: a screen reader reads it once, with its mark,
            // also when it had the focus already.
            Picture1_Click(i);
            controls::focusAndTell(cards_[static_cast<std::size_t>(i)]);
        });
    for (const Qt::Key k : {Qt::Key_Return, Qt::Key_Enter})
        connect(key(k), &QShortcut::activated, this,
                [this] { checked_ ? Command2_Click() : Command1_Click(); });
    connect(check_, &QPushButton::clicked, this, &PracticeWindow::Command1_Click);
    connect(next_, &QPushButton::clicked, this, &PracticeWindow::Command2_Click);
    connect(kinds_, &QComboBox::currentIndexChanged, this, [this](int kind) {
        lines_->setEnabled(kind == static_cast<int>(DealKind::OneLine));
        mistakeCursor_ = 0;
        deal();
    });
    connect(lines_, &QComboBox::currentIndexChanged, this, [this] { deal(); });
    deal();
}

PracticeWindow::~PracticeWindow() = default;

// The texts that follow only the language: the title, the lists' entries and names.
void PracticeWindow::nameFixedTexts() {
    setWindowTitle(tr("Gyakorlás"));
    for (int i = 0; i < kinds_->count(); ++i)
        kinds_->setItemText(i, tr(kindNames[i]));
    kinds_->setAccessibleName(tr("Mit oszt"));
    for (int line = 0; line < lines_->count(); ++line)
        lines_->setItemText(line,
                            tr("%1. %2").arg(line + 1).arg(AnalysisWindow::chartLineName(line)));
    lines_->setAccessibleName(tr("A táblázat sora"));
    verdictLabel_->setAccessibleName(tr("Az ellenőrzés eredménye"));
}

void PracticeWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        c_->retranslate();
        nameFixedTexts();
        for (int i = 0; i < 5; ++i)
            showCard(i);
        showHint();
        if (verdict_)
            showVerdict();
    }
    QWidget::changeEvent(event);
}

void PracticeWindow::showHint() {
    QString note;
    if (note_ == Note::FewMistakes)
        note = tr("Még kevés a hibád ahhoz, hogy látsszon, mi megy nehezen, ezért vegyes "
                  "leosztás jön.");
    else if (note_ == Note::NoMistakes)
        note = tr("Még nincs elrontott leosztásod, ezért vegyes leosztás jön.");
    const QString hint = tr("Jelöld meg a cserélendő lapokat (kattintás vagy 1–5), aztán "
                            "Ellenőrzés (Enter).");
    verdictLabel_->setText(note.isEmpty() ? hint : note + QLatin1Char('\n') + hint);
    verdictLabel_->setAccessibleName(tr("Az ellenőrzés eredménye"));
    check_->setAccessibleDescription((note.isEmpty() ? QString() : note + QLatin1Char(' ')) +
                                     spokenHand());
}

void PracticeWindow::deal() {
    const auto kind = static_cast<DealKind>(kinds_->currentIndex());
    const Progress& progress = ProgressStore::instance().progress();
    note_ = Note::None;
    verdict_.reset();
    weakLine_ = -1;
    hand_ = dealer_.deal();
    if (kind == DealKind::OneLine) {
        hand_ = dealer_.dealOfLine(kartavo::gameChart(), lines_->currentIndex()).value_or(hand_);
    } else if (kind == DealKind::WeakSpots) {
        std::vector<double> costs;
        std::int64_t mistakes = 0;
        for (const LineTally& t : progress.tallies()) {
            costs.push_back(t.cost);
            mistakes += t.mistakes;
        }
        weakLine_ = mistakes >= mistakesToWeigh ? dealer_.weightedIndex(costs) : -1;
        if (weakLine_ >= 0)
            hand_ = dealer_.dealOfLine(kartavo::gameChart(), weakLine_).value_or(hand_);
        else
            note_ = Note::FewMistakes;
    } else if (kind == DealKind::Mistakes) {
        const auto& kept = progress.mistakes();
        if (kept.empty()) {
            note_ = Note::NoMistakes;
        } else {
            // The newest first, and round again.
            const auto at = static_cast<std::size_t>(mistakeCursor_++) % kept.size();
            hand_ = kept[kept.size() - 1 - at].dealt;
        }
    }
    marked_ = 0;
    checked_ = false;
    for (int i = 0; i < 5; ++i) {
        cards_[static_cast<std::size_t>(i)]->setEnabled(true);
        showCard(i);
    }
    check_->setEnabled(true);
    next_->setEnabled(false);
    showHint();
}

QString PracticeWindow::spokenHand() const {
    QStringList cards;
    for (int i = 0; i < 5; ++i)
        cards << cardText(hand_, i);
    return tr("Új leosztás, %1.").arg(cards.join(QStringLiteral(", ")));
}

void PracticeWindow::showCard(int index) {
    const bool marked = marked_ & (1u << index);
    const QString path = marked ? media::cardBackPath()
                                : media::mediaPath(QString::fromStdString(
                                      kartavo::cardCode(hand_[std::size_t(index)]) + ".bmp"));
    controls::PictureBox* box = cards_[static_cast<std::size_t>(index)];
    box->setPicture(media::loadPicture(path));
    box->setAccessibleName(
        marked ? tr("%1. lap, %2, cserére jelölve").arg(index + 1).arg(cardText(hand_, index))
               : tr("%1. lap, %2").arg(index + 1).arg(cardText(hand_, index)));
}

void PracticeWindow::Picture1_Click(int index) {
    if (checked_)
        return;
    marked_ = static_cast<std::uint8_t>(marked_ ^ (1u << index));
    showCard(index);
}

void PracticeWindow::Command1_Click() {
    if (checked_)
        return;
    checked_ = true;
    const std::uint8_t kept = static_cast<std::uint8_t>(~marked_ & 31);
    const kartavo::HoldRanking ranking = StrategyService::instance().analyse(hand_);
    const kartavo::HoldValue& best = ranking[0];
    kartavo::HoldValue chosen = best;
    for (const kartavo::HoldValue& v : ranking)
        if (v.kept == kept)
            chosen = v;
    const bool right = chosen.valueUnits() == best.valueUnits();
    const double cost = static_cast<double>(best.valueUnits() - chosen.valueUnits()) /
                        static_cast<double>(kartavo::drawsMultiple);
    const kartavo::ChartHold chart = kartavo::chartHold(kartavo::gameChart(), hand_);
    const bool followed = chart.kept == kept;
    ProgressStore::instance().record(chart.line, hand_, kept, cost);
    ++answered_;
    right_ += right ? 1 : 0;

    verdict_ = Verdict{kept, chosen, best, chart, right, followed};
    showVerdict();

    for (controls::PictureBox* box : cards_)
        box->setEnabled(false);
    check_->setEnabled(false);
    next_->setEnabled(true);
    // The verdict is read with "Következő", which takes the focus.
    controls::focusAndTell(next_);
}

void PracticeWindow::showVerdict() {
    const auto& [kept, chosen, best, chart, right, followed] = *verdict_;
    const QString line = AnalysisWindow::chartLineName(chart.line);
    QString text = right ? tr("Helyes, ez a legjobb csere.") : tr("Nem ez a legjobb csere.");
    QString spoken = text;
    text += QLatin1Char('\n') + tr("A te cseréd: %1, várható nyeremény %2.")
                                    .arg(AnalysisWindow::keptText(hand_, kept),
                                         AnalysisWindow::forints(chosen.expected()));
    spoken += QLatin1Char(' ') + tr("A te cseréd, %1, várható nyeremény %2.")
                                     .arg(AnalysisWindow::spokenKept(hand_, kept),
                                          AnalysisWindow::spokenForints(chosen.expected()));
    if (!right) {
        text += QLatin1Char('\n') + tr("A legjobb csere: %1, várható nyeremény %2.")
                                        .arg(AnalysisWindow::keptText(hand_, best.kept),
                                             AnalysisWindow::forints(best.expected()));
        spoken += QLatin1Char(' ') + tr("A legjobb csere, %1, várható nyeremény %2.")
                                         .arg(AnalysisWindow::spokenKept(hand_, best.kept),
                                              AnalysisWindow::spokenForints(best.expected()));
    }
    text += QLatin1Char('\n') + tr("A táblázat %1. sora illik rá (%2): %3.")
                                    .arg(chart.line + 1)
                                    .arg(line, AnalysisWindow::keptText(hand_, chart.kept));
    spoken += QLatin1Char(' ') + tr("A táblázat %1. sora illik rá, %2, %3.")
                                     .arg(chart.line + 1)
                                     .arg(controls::withoutBrackets(line),
                                          AnalysisWindow::spokenKept(hand_, chart.kept));
    const QString follow =
        followed ? tr("A táblázatot követted.") : tr("Nem a táblázat szerint cseréltél.");
    text += QLatin1Char('\n') + follow;
    spoken += QLatin1Char(' ') + follow;
    verdictLabel_->setText(text);
    verdictLabel_->setAccessibleName(spoken);
    tally_->setText(
        tr("Ebben a gyakorlásban %n leosztás, ebből %1 helyes.", nullptr, answered_).arg(right_));
    next_->setAccessibleDescription(spoken);
}

void PracticeWindow::Command2_Click() {
    if (!checked_)
        return;
    deal();
    controls::focusAndTell(check_);
}

void PracticeWindow::keyPressEvent(QKeyEvent* event) {
    if (!controls::closeOnEscape(this, event))
        QWidget::keyPressEvent(event);
}

} // namespace trainer
