// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice_window.h"

#include "accessible.h"
#include "analysis_window.h"
#include "card_back.h"
#include "cards.h"
#include "control_table.h"
#include "key_commands.h"
#include "language.h"
#include "picture_box.h"
#include "pictures.h"
#include "program_folder.h"
#include "progress_store.h"
#include "question_keys.h"
#include "strategy_chart.h"
#include "strategy_service.h"
#include "trainer_words.h"
#include "twips.h"
#include "window_role.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>

namespace trainer {

namespace {

using controls::Kind;

// clang-format off
constexpr controls::ControlRow windowControls[] = {
    {"Label5",     Kind::Label,      nullptr,  QT_TRANSLATE_NOOP("trainer::PracticeWindow", "&Játék:"),    120,  150, 1080,  270, {}, -1},
    {"Command3",   Kind::Button,     nullptr,  QT_TRANSLATE_NOOP("trainer::PracticeWindow", "&Táblázat…"), 6480, 83, 1800, 375, {}, 1},
    {"Label1",     Kind::Label,      nullptr,  QT_TRANSLATE_NOOP("trainer::PracticeWindow", "Mit oszt:"), 120,  630, 1080,  270, {}, -1},
    {"Label3",     Kind::Label,      nullptr,  QT_TRANSLATE_NOOP("trainer::PracticeWindow", "Sor:"),      3960, 630,  480,  270, {}, -1},
    {"Frame1",     Kind::Frame,      nullptr,  QT_TRANSLATE_NOOP("trainer::PracticeWindow", "Gyakorló leosztás"), 60, 1020, 8280, 2040, {}, -1},
    {"Picture1_0", Kind::PictureBox, "Frame1", nullptr,                                             240,  360, 1130, 1500, {}, 2},
    {"Picture1_1", Kind::PictureBox, "Frame1", nullptr,                                             1840, 360, 1130, 1500, {}, 3},
    {"Picture1_2", Kind::PictureBox, "Frame1", nullptr,                                             3440, 360, 1130, 1500, {}, 4},
    {"Picture1_3", Kind::PictureBox, "Frame1", nullptr,                                             5040, 360, 1130, 1500, {}, 5},
    {"Picture1_4", Kind::PictureBox, "Frame1", nullptr,                                             6640, 360, 1130, 1500, {}, 6},
    {"Command1",   Kind::Button,     nullptr,  QT_TRANSLATE_NOOP("trainer::PracticeWindow", "Ellenőrzés"), 2280, 3180, 1800, 375, {}, 7},
    {"Command2",   Kind::Button,     nullptr,  QT_TRANSLATE_NOOP("trainer::PracticeWindow", "Következő"),  4320, 3180, 1800, 375, {}, 8},
    {"Label2",     Kind::Label,      nullptr,  nullptr,                                             120, 3720, 8160, 2880, {}, 9},
    {"Label4",     Kind::Label,      nullptr,  nullptr,                                             120, 6720, 8160,  540, {}, -1},
};
// clang-format on
constexpr int combo3Rect[] = {1200, 90, 5040, 360};
constexpr int combo1Rect[] = {1200, 570, 2640, 360};
constexpr int combo2Rect[] = {4440, 570, 3840, 360};
constexpr int progressRect[] = {240, 840, 7800, 360}; // in Frame1, while a chart is derived
constexpr int windowWidth = 8400, windowHeight = 7380;

const char* const kindNames[] = {
    QT_TRANSLATE_NOOP("trainer::PracticeWindow", "Vegyes"),
    QT_TRANSLATE_NOOP("trainer::PracticeWindow", "Egy sor"),
    QT_TRANSLATE_NOOP("trainer::PracticeWindow", "A gyengéim"),
    QT_TRANSLATE_NOOP("trainer::PracticeWindow", "Hibáim"),
};

// "A gyengéim" weighs the lines once the player has made this many mistakes.
constexpr std::int64_t mistakesToWeigh = 3;

QString cardText(const kartavo::Hand& hand, int p) {
    return Words::spokenCard(hand[static_cast<std::size_t>(p)]);
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
    chartButton_ = c.get<QPushButton>("Command3");
    verdictLabel_ = c.get<QLabel>("Label2");
    verdictLabel_->setWordWrap(true);
    verdictLabel_->setFocusPolicy(Qt::TabFocus);
    tally_ = c.get<QLabel>("Label4");
    tally_->setWordWrap(true);

    const auto combo = [this](const char* name, const int(&r)[4]) {
        auto* box = new QComboBox(this);
        box->setObjectName(QString::fromLatin1(name));
        box->setGeometry(controls::pxRect(r[0], r[1], r[2], r[3]));
        return box;
    };
    games_ = combo("Combo3", combo3Rect);
    c.get<QLabel>("Label5")->setBuddy(games_); // Alt+J
    kinds_ = combo("Combo1", combo1Rect);
    for (int i = 0; i < static_cast<int>(std::size(kindNames)); ++i)
        kinds_->addItem(QString());
    lines_ = combo("Combo2", combo2Rect);
    lines_->setEnabled(false);
    controls::tellChoice(kinds_);
    controls::tellChoice(lines_, &Words::spoken);
    preparation_ = new QProgressBar(c["Frame1"]);
    preparation_->setObjectName(QStringLiteral("Progress1"));
    preparation_->setGeometry(
        controls::pxRect(progressRect[0], progressRect[1], progressRect[2], progressRect[3]));
    preparation_->setRange(0, 100);
    preparation_->hide();
    setTabOrder(games_, chartButton_);
    setTabOrder(chartButton_, kinds_);
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
    // mark a card, Enter checks and then deals the next hand. Key presses, so that a screen
    // reader hears them first (see controls::KeyCommands).
    auto* keys = new controls::KeyCommands(this);
    for (int i = 0; i < 5; ++i)
        keys->add({QKeySequence(Qt::Key_1 + i)}, [this, i] {
            if (checked_ || preparing())
                return;
            // Marked first, then focused: a screen reader reads it once, with its mark, also
            // when it had the focus already.
            Picture1_Click(i);
            controls::focusAndTell(cards_[static_cast<std::size_t>(i)]);
        });
    keys->add({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)},
              [this] { checked_ ? Command2_Click() : Command1_Click(); });
    keys->addMnemonic(chartButton_);
    connect(check_, &QPushButton::clicked, this, &PracticeWindow::Command1_Click);
    connect(next_, &QPushButton::clicked, this, &PracticeWindow::Command2_Click);
    connect(chartButton_, &QPushButton::clicked, this, &PracticeWindow::Command3_Click);
    connect(kinds_, &QComboBox::currentIndexChanged, this, [this](int kind) {
        lines_->setEnabled(kind == static_cast<int>(DealKind::OneLine) && !preparing());
        mistakeCursor_ = 0;
        deal();
    });
    connect(lines_, &QComboBox::currentIndexChanged, this, [this] { deal(); });
    // Chosen by the player (not when the list is filled again).
    connect(games_, &QComboBox::activated, this, &PracticeWindow::chooseGame);

    // The game remembered; a remembered file that is gone or changed is said once, and this
    // game is practised.
    std::variant<ChosenGame, QString> first = choice_.choose(choice_.current());
    if (const auto* fault = std::get_if<QString>(&first)) {
        QMetaObject::invokeMethod(
            this, [this, message = *fault] { tellFault(message); }, Qt::QueuedConnection);
        first = choice_.choose(choice_.current());
    }
    const ChosenGame* chosen = std::get_if<ChosenGame>(&first);
    setGame(chosen ? *chosen : builtInChoice(thisGame));
    nameFixedTexts();
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
                            tr("%1. %2").arg(line + 1).arg(Words::chartLineName(line, chart_)));
    lines_->setAccessibleName(tr("A táblázat sora"));
    fillGames();
    games_->setAccessibleName(tr("Játék"));
    // Read for the list it names, without its colon.
    c_->get<QLabel>("Label5")->setAccessibleName(tr("Játék"));
    preparation_->setAccessibleName(tr("A stratégiai táblázat levezetése"));
    verdictLabel_->setAccessibleName(tr("Az ellenőrzés eredménye"));
    for (QComboBox* box : {games_, kinds_})
        box->setAccessibleDescription(box->currentText());
    lines_->setAccessibleDescription(Words::spoken(lines_->currentText()));
}

void PracticeWindow::fillGames() {
    const QSignalBlocker quiet(games_);
    games_->clear();
    for (const GameEntry& entry : choice_.entries())
        games_->addItem(entry.file.isEmpty()
                            ? entry.name
                            : tr("%1 (%2)").arg(entry.name, QFileInfo(entry.file).fileName()));
    games_->addItem(tr("Saját kifizetési tábla…"));
    games_->setCurrentIndex(choice_.current());
    games_->setAccessibleDescription(games_->currentText());
}

void PracticeWindow::tellFault(const QString& message) {
    auto* box =
        new QMessageBox(QMessageBox::Warning, tr("Gyakorlás"), message, QMessageBox::Ok, this);
    box->setObjectName(QStringLiteral("tablaHiba"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

void PracticeWindow::chooseGame(int index) {
    if (index == games_->count() - 1) {
        // The file's name is what counts; the dialog starts where the last one was.
        const QString path =
            QFileDialog::getOpenFileName(this, tr("Kifizetési tábla megnyitása"), game_.entry.file,
                                         tr("Kifizetési táblák (*.json);;Minden fájl (*)"));
        if (path.isEmpty())
            fillGames();
        else
            openPaytable(path);
        return;
    }
    const std::variant<ChosenGame, QString> chosen = choice_.choose(index);
    fillGames();
    if (const auto* fault = std::get_if<QString>(&chosen)) {
        tellFault(*fault);
        return;
    }
    setGame(std::get<ChosenGame>(chosen));
    // The game chosen by an arrow key is read out.
    if (games_->hasFocus())
        controls::focusAndTell(games_);
}

bool PracticeWindow::openPaytable(const QString& path) {
    const std::variant<ChosenGame, QString> opened = choice_.open(path);
    fillGames();
    if (const auto* fault = std::get_if<QString>(&opened)) {
        tellFault(*fault);
        return false;
    }
    setGame(std::get<ChosenGame>(opened));
    return true;
}

void PracticeWindow::setGame(const ChosenGame& game) {
    for (const QMetaObject::Connection& c : serviceConnections_)
        disconnect(c);
    serviceConnections_.clear();
    game_ = game;
    service_ = &StrategyService::of(game.setup);
    service_->start();
    dealer_.setDeckSize(game.setup.paytable.deckSize);
    mistakeCursor_ = 0;
    chart_ = service_->chart();
    if (!chart_) {
        serviceConnections_ << connect(
            service_, &StrategyService::chartProgressed, this,
            [this](double done) { preparation_->setValue(static_cast<int>(done * 100)); });
        serviceConnections_ << connect(service_, &StrategyService::chartReady, this,
                                       &PracticeWindow::chartArrived);
    }
    emit gameChanged(game_);
    chartArrived();
}

void PracticeWindow::chartArrived() {
    chart_ = service_->chart();
    {
        const QSignalBlocker quiet(lines_);
        lines_->clear();
        for (std::size_t line = 0; chart_ && line < chart_->lines.size(); ++line)
            lines_->addItem(QString());
    }
    nameFixedTexts();
    lines_->setEnabled(chart_ && kinds_->currentIndex() == static_cast<int>(DealKind::OneLine));
    deal();
}

void PracticeWindow::Command3_Click() {
    emit chartWanted(game_);
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
    const QString key = game_.entry.key;
    note_ = Note::None;
    verdict_.reset();
    weakLine_ = -1;
    marked_ = 0;
    checked_ = false;
    next_->setEnabled(false);
    if (!chart_) {
        // Nothing to practise until the chart is there: said, with how far it is.
        preparation_->setValue(static_cast<int>(service_->chartProgress() * 100));
        preparation_->show();
        for (controls::PictureBox* box : cards_)
            box->hide();
        check_->setEnabled(false);
        verdictLabel_->setText(tr("A(z) %1 stratégiai táblázatát most vezeti le a program; "
                                  "néhány másodperc, és jöhet az első leosztás.")
                                   .arg(game_.entry.name));
        verdictLabel_->setAccessibleName(verdictLabel_->text());
        check_->setAccessibleDescription(verdictLabel_->text());
        return;
    }
    preparation_->hide();
    hand_ = dealer_.deal();
    if (kind == DealKind::OneLine) {
        hand_ = dealer_.dealOfLine(*chart_, lines_->currentIndex()).value_or(hand_);
    } else if (kind == DealKind::WeakSpots) {
        std::vector<double> costs;
        std::int64_t mistakes = 0;
        for (const LineTally& t : progress.tallies({}, key, int(chart_->lines.size()))) {
            costs.push_back(t.cost);
            mistakes += t.mistakes;
        }
        costs.resize(chart_->lines.size());
        weakLine_ = mistakes >= mistakesToWeigh ? dealer_.weightedIndex(costs) : -1;
        if (weakLine_ >= 0)
            hand_ = dealer_.dealOfLine(*chart_, weakLine_).value_or(hand_);
        else
            note_ = Note::FewMistakes;
    } else if (kind == DealKind::Mistakes) {
        const auto& kept = progress.mistakes(key);
        if (kept.empty()) {
            note_ = Note::NoMistakes;
        } else {
            // The newest first, and round again.
            const auto at = static_cast<std::size_t>(mistakeCursor_++) % kept.size();
            hand_ = kept[kept.size() - 1 - at].dealt;
        }
    }
    for (int i = 0; i < 5; ++i) {
        cards_[static_cast<std::size_t>(i)]->setEnabled(true);
        cards_[static_cast<std::size_t>(i)]->show();
        showCard(i);
    }
    check_->setEnabled(true);
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
    if (checked_ || !chart_)
        return;
    marked_ = static_cast<std::uint8_t>(marked_ ^ (1u << index));
    showCard(index);
}

void PracticeWindow::Command1_Click() {
    if (checked_ || !chart_)
        return;
    checked_ = true;
    const std::uint8_t kept = static_cast<std::uint8_t>(~marked_ & 31);
    const kartavo::HoldRanking ranking = service_->analyse(hand_);
    const kartavo::HoldValue& best = ranking[0];
    kartavo::HoldValue chosen = best;
    for (const kartavo::HoldValue& v : ranking)
        if (v.kept == kept)
            chosen = v;
    const bool right = chosen.valueUnits() == best.valueUnits();
    const double cost = static_cast<double>(best.valueUnits() - chosen.valueUnits()) /
                        static_cast<double>(kartavo::drawsMultiple);
    const kartavo::ChartHold chart = kartavo::chartHold(*chart_, hand_);
    const bool followed = chart.kept == kept;
    ProgressStore::instance().record(chart.line, hand_, kept, cost, game_.entry.key,
                                     game_.entry.name);
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
    const QString line = Words::chartLineName(chart.line, chart_);
    const auto money = [this](double v) { return Words::money(game_.setup, v); };
    const auto spokenMoney = [this](double v) { return Words::spokenMoney(game_.setup, v); };
    QString text = right ? tr("Helyes, ez a legjobb csere.") : tr("Nem ez a legjobb csere.");
    QString spoken = text;
    text += QLatin1Char('\n') + tr("A te cseréd: %1, várható nyeremény %2.")
                                    .arg(Words::keptText(hand_, kept), money(chosen.expected()));
    spoken +=
        QLatin1Char(' ') + tr("A te cseréd, %1, várható nyeremény %2.")
                               .arg(Words::spokenKept(hand_, kept), spokenMoney(chosen.expected()));
    if (!right) {
        text +=
            QLatin1Char('\n') + tr("A legjobb csere: %1, várható nyeremény %2.")
                                    .arg(Words::keptText(hand_, best.kept), money(best.expected()));
        spoken += QLatin1Char(' ') +
                  tr("A legjobb csere, %1, várható nyeremény %2.")
                      .arg(Words::spokenKept(hand_, best.kept), spokenMoney(best.expected()));
    }
    text += QLatin1Char('\n') + tr("A táblázat %1. sora illik rá (%2): %3.")
                                    .arg(chart.line + 1)
                                    .arg(line, Words::keptText(hand_, chart.kept));
    spoken +=
        QLatin1Char(' ') + tr("A táblázat %1. sora illik rá, %2, %3.")
                               .arg(chart.line + 1)
                               .arg(Words::spoken(line), Words::spokenKept(hand_, chart.kept));
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
