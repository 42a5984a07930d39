// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "board.h"

#include "accessible.h"

#include "card_back.h"
#include "cards.h"
#include "evaluation.h"
#include "flex_grid.h"
#include "language.h"
#include "number_text.h"
#include "options.h"
#include "payout_table.h"
#include "picture_box.h"
#include "pictures.h"
#include "program_folder.h"
#include "sound.h"
#include "table_announcer.h"
#include "table_keys.h"
#include "twips.h"
#include "value_label.h"
#include "window_owner.h"
#include "window_place.h"
#include "window_role.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>

using controls::Font;
using controls::Kind;

namespace {

constexpr Font sansBold975{"MS Sans Serif", 9.75, true};
constexpr Font arialBold975{"Arial", 9.75, true};
constexpr Font arialBold825{"Arial", 8.25, true};
constexpr Font sans825{"MS Sans Serif", 8.25};

// The window's controls; twips relative to the container.
constexpr controls::ControlRow boardControls[] = {
    {"Command1",
     Kind::Button,
     nullptr,                QT_TRANSLATE_NOOP("board", "Keverés"),
     5400,                                                                                                                          3360,
     900,375,
     {},
     0},
    {"Frame1",
     Kind::Frame,
     nullptr,            QT_TRANSLATE_NOOP("board",                                           "A Te lapjaid:"),
     240,                     3840,
     6975,2175,
     {},
     1},
    {"Picture1_0",             Kind::PictureBox,               "Frame1",       nullptr,    240, 360,                                         1130,                                                                                                                                                1500,{},2},
    {"Picture1_1",            Kind::PictureBox,              "Frame1",      nullptr,    1560,  360,                                           1130,                                                                                                                                                 1500,{},3                                                                                                                                                               },
    {"Picture1_2",            Kind::PictureBox,              "Frame1",      nullptr,    2880,  360,                                           1130,                                                                                                                                                 1500,{},4},
    {"Picture1_3",            Kind::PictureBox,              "Frame1",      nullptr,    4200,  360,                                           1130,                                                                                                                                                 1500,{},5                                                                                                                                                                                                                                                                                                                               },
    {"Picture1_4",            Kind::PictureBox,              "Frame1",      nullptr,    5520,  360,                                           1130,                                                                                                                                                 1500,{},6},
    {"MSFlexGrid1",            Kind::Grid,              nullptr,     nullptr,         7560,        1320,                                                  2100,                                                                                                                                                   2490,sans825,7                                                                                                                                                                                                                                                                                                                                                                                                                                                                                 },
    {"Command2",
     Kind::Button,
     nullptr,        QT_TRANSLATE_NOOP("board",                                      "Kilépés"),
     5400,                                                                                     1320,
     900,375,
     {},
     8},
    {"command3_0",            Kind::Button,                 nullptr,                    "x 1",                                  7575,                              3840,                                                            515,                                                                                                                                                 255,arialBold825,9},
    {"command3_1", Kind::Button,  nullptr,     "x 2",                   8090,                          3840,                                                                       515,                                                                                                                                                                           255,                                          arialBold825,                                                                                                                                                                                                        10                                                                                                                                                                                                                                                                                                                                                                                    },
    {"command3_2", Kind::Button, nullptr,    "x 5",                  8595,                         3840,                                                                       515,                                                                                                                                                                            255,arialBold825,11},
    {"command3_3", Kind::Button, nullptr,    "x 10",                  9110,                         3840,                                                                       515,                                                                                                                                                                           255,                                         arialBold825,                                                                                                                                                                                                                                                                                                                                                                                                        12                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                   },
    {"Command4",
     Kind::Button,
     nullptr,    QT_TRANSLATE_NOOP("board",                    "Csere"),
     6480,                                                                                                                       3360,
     975,375,
     {},
     13},
    {"Picture2",          Kind::PictureBox,                nullptr,                     nullptr,                                              240,                                                        240,                                                                                    5010,                                                                                                                                                                           3435,{},14},
    {"Frame2",         Kind::Frame,         nullptr,          nullptr,                                   7440,                                               5520,                                                                                 2415,     615,{},15                                                                                                                                                },
    {"Label2",          Kind::Label,          "Frame2",           QT_TRANSLATE_NOOP("board",                                    "Összeg:"),                                                120,                                                                                 225,                                                                                                                                                                         855,                            330,
     arialBold975,16},
    {"Label5",          Kind::ValueLabel,         "Frame2",           "250",                                  1200,                                                     225,                                                                                                   735,                                                                                                                                                                                       255,sansBold975,19                                       },
    {"Label4",          Kind::Label,         "Frame2", "Ft",                        1920,                                           225,375,255,sansBold975,17},
    {"Picture3",          Kind::BorderlessPicture,         nullptr, nullptr,                        7440,                                           240,                                                                                                 2295,                                                                                                                                                                                                                                                                                     735,                                                                                                                                                                                                                                                                                              {},                                                                                                                                                                                                                                                                                                                                                                                                                                                                             18                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                                      },
    {"Command6",
     Kind::Button,
     nullptr,         QT_TRANSLATE_NOOP("board",                                "Beállítások"),
     6480,1320,
     975,375,
     {},
     20},
    {"Frame3",         Kind::Frame,               nullptr,               nullptr,                                                7440,                                                                     4920,                                                                                                                          2415,                                                                                                                                                                                                                                615,{},21},
    {"Label6",         Kind::Label,       "Frame3",       QT_TRANSLATE_NOOP("board",                              "Tét:"),120,230,735,255,
     arialBold975,24},
    {"Label1",          Kind::ValueLabel,         "Frame3",         "2",                               1200,                                                           230,                                                                                                              735,                                                                                                                                                                                                                           255,sansBold975,22                                                                                                                                                                                               },
    {"Label3",         Kind::Label,        "Frame3",        "Ft",1920,230,375,255,sansBold975,23},
};

// What the reward picture shows, for a screen reader: the table's own picture (0), then the
// rewards casino1.jpg .. casino8.jpg.
QString rewardPictureName(int number) {
    static const char* const shows[] = {
        QT_TRANSLATE_NOOP("board", "Sok szerencsét, egy royal flös"),
        QT_TRANSLATE_NOOP("board", "rulettkerék"),
        QT_TRANSLATE_NOOP("board", "zsetonoszlopok"),
        QT_TRANSLATE_NOOP("board", "két dobókocka"),
        QT_TRANSLATE_NOOP("board", "játékgép három hetessel"),
        QT_TRANSLATE_NOOP("board", "royal flös legyezőben"),
        QT_TRANSLATE_NOOP("board", "CASINO neonfelirat"),
        QT_TRANSLATE_NOOP("board", "kártyaasztal lapokkal és zsetonokkal"),
        QT_TRANSLATE_NOOP("board", "jackpot, egy halom érme")};
    return board::tr("Jutalomkép, %1").arg(board::tr(shows[number]));
}

// The etched border along the edges of the client area; light lines use the window colour.
struct BorderLine {
    int x1, y1, x2, y2;
    bool light;
};
constexpr BorderLine borderLines[] = {
    {0,     0,    0,     6350, false},
    {0,     0,    10050, 0,    false},
    {50,    50,   50,    6330, true },
    {50,    50,   10000, 50,   true },
    {10000, 50,   10000, 6350, false},
    {10050, 0,    10050, 6350, true },
    {0,     6350, 10050, 6350, true },
};

constexpr const char* handCaption = QT_TRANSLATE_NOOP("board", "A Te lapjaid:");

QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace

board::board(std::unique_ptr<kartavo::RandomSource> random)
    : c_(this, boardControls), Frame1(c_.get<QGroupBox>("Frame1")),
      Label1(c_.get<QLabel>("Label1")), Label5(c_.get<QLabel>("Label5")),
      Command4(c_.get<QPushButton>("Command4")),
      MSFlexGrid1(c_.get<controls::FlexGrid>("MSFlexGrid1")),
      Picture2(c_.get<controls::PictureBox>("Picture2")),
      random_(random ? std::move(random) : std::make_unique<kartavo::TwisterSource>()) {
    setObjectName(QStringLiteral("board"));
    controls::setWindowRole(this, QAccessible::Window);
    setWindowTitle(QStringLiteral("Kartavo"));
    setWindowIcon(media::designIcon(QStringLiteral("board_icon.png")));
    setAttribute(Qt::WA_DeleteOnClose);
    controls::makeFixedWindow(this, 10065, 6375);
    // The questions that disable the table are its own windows, and stay usable.
    controls::keepOwnedWindowsEnabled(this);

    for (int i = 0; i < 5; ++i) {
        Picture1[i] = c_.get<controls::PictureBox>(QStringLiteral("Picture1_%1").arg(i));
        connect(Picture1[i], &controls::PictureBox::clicked, this,
                [this, i] { Picture1_Click(i); });
        updateCardDescription(i);
    }
    for (int i = 0; i < 4; ++i) {
        command3[i] = c_.get<QPushButton>(QStringLiteral("command3_%1").arg(i));
        connect(command3[i], &QPushButton::clicked, this, [this, i] { command3_Click(i); });
    }
    connect(c_.get<QPushButton>("Command1"), &QPushButton::clicked, this, &board::Command1_Click);
    connect(c_.get<QPushButton>("Command2"), &QPushButton::clicked, this, &board::Command2_Click);
    // However "Csere" is pressed, the guard (if any) may hold the exchange back.
    connect(Command4, &QPushButton::clicked, this, [this] {
        if (!exchangeGuard_ || exchangeGuard_())
            Command4_Click();
    });
    connect(c_.get<QPushButton>("Command6"), &QPushButton::clicked, this, &board::Command6_Click);

    for (QLabel* label : {Label5, Label1, c_.get<QLabel>("Label4"), c_.get<QLabel>("Label3")}) {
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setAutoFillBackground(true);
        label->setBackgroundRole(QPalette::ToolTipBase);
        label->setForegroundRole(QPalette::ToolTipText);
    }
    nameFixedTexts();
    nameHandFrame();
    // The reward picture is a Tab stop that says which picture shows; the logo says nothing
    // a player needs, so Tab passes it by.
    Picture2->setAccessibleName(rewardPictureName(0));
    Picture2->setPicture(media::designPicture(QStringLiteral("board_reward.jpg")));
    c_.get<controls::PictureBox>("Picture3")
        ->setPicture(media::designPicture(QStringLiteral("board_logo.jpg")));
    c_.get<controls::PictureBox>("Picture3")->setAccessibleName(QStringLiteral("Kartavo"));
    c_.get<controls::PictureBox>("Picture3")->setFocusPolicy(Qt::NoFocus);

    controls_.board = this;
    controls_.Command1 = c_.get<QPushButton>("Command1");
    controls_.Command2 = c_.get<QPushButton>("Command2");
    controls_.Command4 = Command4;
    controls_.Command6 = c_.get<QPushButton>("Command6");
    controls_.Picture1 = Picture1;
    controls_.command3 = command3;
    controls_.MSFlexGrid1 = MSFlexGrid1;
    keys_ = new TableKeys(
        controls_, {[this] { return state_.multiplier; }, [this] { emit tipRequested(); },
                    [this] { emit analysisRequested(); }, [this] { emit practiceRequested(); },
                    [this] { emit progressRequested(); }});

    Form_Load();
    announcer_ = new TableAnnouncer(controls_, [this] { return view(); });
    connect(this, &board::dealt, announcer_, &TableAnnouncer::afterDeal);
    connect(this, &board::exchanged, announcer_, &TableAnnouncer::afterExchange);
    connect(this, &board::multiplierChanged, announcer_, &TableAnnouncer::afterMultiplier);
    connect(this, &board::restarted, announcer_, &TableAnnouncer::afterRestart);
}

board::~board() = default;

options* board::optionsWindow() const {
    return optionsWindow_;
}

void board::focusExchange() {
    if (Command4->isEnabled())
        Command4->setFocus(Qt::OtherFocusReason);
}

QRect board::playArea() const {
    return Frame1->geometry() | controls_.Command1->geometry() | Command4->geometry();
}

TableView board::view() const {
    TableView v;
    for (std::size_t p = 0; p < 5; ++p) {
        v.cards[p] = state_.hand[p].card;
        v.marked[p] = state_.hand[p].mark == 'h';
    }
    v.multiplier = state_.multiplier;
    v.balanceAfterDeal = state_.balanceAfterDeal;
    v.balanceText = Label5->text().trimmed();
    v.stakeText = Label1->text().trimmed();
    v.handCaption = Frame1->title();
    v.exchangeOpen = Command4->isEnabled();
    v.multipliersOpen = command3[0]->isEnabled();
    return v;
}

void board::setRandomSource(std::unique_ptr<kartavo::RandomSource> random) {
    random_ = std::move(random);
}

double board::balance() const {
    return kartavo::readNumber(Label5->text().toStdString());
}

void board::setBalance(double value) {
    Label5->setText(qs(kartavo::numberText(kartavo::toMoney(value))));
}

void board::setHandCaption(const char* context, const char* caption, bool bold) {
    caption_ = {context, caption};
    QFont f = Frame1->font();
    f.setBold(bold);
    Frame1->setFont(f);
    Frame1->setTitle(QCoreApplication::translate(context, caption));
    nameHandFrame();
}

// The texts that no handler changes, beyond those of the control table.
void board::nameFixedTexts() {
    c_.get<controls::ValueLabel>("Label5")->setSpokenParts(tr("Összeg"), QStringLiteral("Ft"));
    c_.get<controls::ValueLabel>("Label1")->setSpokenParts(tr("Tét"), QStringLiteral("Ft"));
    MSFlexGrid1->setAccessibleName(tr("Nyereménytábla"));
}

void board::fillPayoutTexts() {
    MSFlexGrid1->setCellText(0, 1, texts::fromKey("Payout", kartavo::payoutHeader));
    for (int row = 1; row <= 9; ++row)
        MSFlexGrid1->setCellText(row, 0, texts::fromKey("Payout", kartavo::payoutLabel(row)));
}

void board::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        c_.retranslate();
        keys_->retranslate();
        nameFixedTexts();
        const auto [context, caption] = caption_;
        Frame1->setTitle(QCoreApplication::translate(context, caption));
        nameHandFrame();
        fillPayoutTexts();
        for (int i = 0; i < 5; ++i)
            updateCardDescription(i);
        Picture2->setAccessibleName(rewardPictureName(shownPicture_));
        if (shownPicture_ == 0)
            Picture2->setPicture(media::designPicture(QStringLiteral("board_reward.jpg")));
        if (announcer_)
            announcer_->retranslate();
    }
    QWidget::changeEvent(event);
}

// A screen reader reads the frame's caption with the cards in it: without the colon of "A Te
// lapjaid:", which it would name.
void board::nameHandFrame() {
    QString name = Frame1->title();
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    Frame1->setAccessibleName(name);
}

void board::clearPayoutBold() {
    for (int row = 1; row <= 9; ++row)
        MSFlexGrid1->setCellBold(row, 1, false);
}

void board::showCard(int index, const std::string& path) {
    Picture1[index]->setPicture(media::loadPicture(qs(path)));
    updateCardDescription(index);
}

void board::updateCardDescription(int index) {
    const HandPosition& pos = state_.hand[index];
    QString name = qs(kartavo::spokenCardName(pos.card, texts::keyTranslator()));
    if (!Picture1[index]->hasPicture())
        name = tr("üres kártyahely");
    else if (pos.mark == 'h')
        name = tr("%1, cserére jelölve").arg(name);
    Picture1[index]->setAccessibleName(tr("%1. lap, %2").arg(index + 1).arg(name));
}

options& board::loadOptions() {
    if (!optionsWindow_) {
        optionsWindow_ = new options(this);
        // "Mégsem" and the close box unload the dialog: forget it at once, not when Qt gets
        // round to deleting it.
        connect(optionsWindow_, &options::unloaded, this, [this] { optionsWindow_ = nullptr; });
    }
    return *optionsWindow_;
}

void board::Form_Load() {
    state_.multiplier = 1;
    state_.pictureNumber = 1;
    state_.balanceAfterDeal = kartavo::startBalance;
    state_.pictureThreshold = kartavo::firstPictureThreshold;
    Label5->setText(qs(kartavo::numberText(state_.balanceAfterDeal)));
    Command4->setEnabled(false);
    loadOptions().setEffectsTicked(true);

    MSFlexGrid1->setShape(10, 2);
    MSFlexGrid1->setColumnWidthTwips(0, 1000);
    MSFlexGrid1->setColumnWidthTwips(1, 1000);
    fillPayoutTexts();
    for (int row = 1; row <= 9; ++row)
        MSFlexGrid1->setCellText(row, 1, qs(kartavo::payoutAmountText(row, 1)));
    for (controls::PictureBox* box : Picture1)
        box->setCursor(media::loadCursor(media::mediaPath(QStringLiteral("hand.cur"))));
    media::playEffect(QStringLiteral("start.wav"));
}

void board::Command1_Click() {
    state_.deck.build([](const std::string& fileName) {
        return media::mediaPath(QString::fromStdString(fileName)).toStdString();
    });
    for (HandPosition& pos : state_.hand)
        pos = HandPosition{};
    for (controls::PictureBox* box : Picture1)
        box->setEnabled(true);
    for (QPushButton* button : command3)
        button->setEnabled(true);

    const int stake = kartavo::baseStake * state_.multiplier;
    Label1->setText(qs(kartavo::numberText(stake)));
    setBalance(balance() - stake);
    state_.balanceAfterDeal = kartavo::toMoney(balance());

    setHandCaption("board", handCaption, false);
    for (int cardIndex = 0; cardIndex < 5; ++cardIndex) {
        state_.hand[cardIndex].card = kartavo::dealCard(state_.deck, *random_);
        showCard(cardIndex, state_.hand[cardIndex].card);
    }
    Command4->setEnabled(true);

    media::soundOn = loadOptions().effectsTicked();
    media::playEffect(QStringLiteral("keveres.wav"));
    clearPayoutBold();

    // The question of a fresh start is modeless: it disables this window until it is answered.
    if (balance() <= 0)
        emit outOfMoney();
    emit dealt();
}

void board::Picture1_Click(int index) {
    HandPosition& pos = state_.hand[index];
    if (Picture1[index]->hasPicture()) {
        if (pos.mark == 'k') {
            // Loaded afresh at every mark, so a newly chosen back shows from the next mark on.
            pos.mark = 'h';
            Picture1[index]->setPicture(media::loadCardBack(media::cardBackPath()));
            updateCardDescription(index);
        } else {
            pos.mark = 'k';
            showCard(index, pos.card);
        }
    }
    for (QPushButton* button : command3)
        button->setEnabled(false);
}

void board::Command4_Click() {
    Label1->setText(QString());
    for (int cardIndex = 0; cardIndex < 5; ++cardIndex) {
        if (state_.hand[cardIndex].mark != 'h')
            continue;
        std::array<std::string, 5> held;
        for (int p = 0; p < 5; ++p)
            held[p] = state_.hand[p].card;
        const std::string candidate = kartavo::drawReplacement(state_.deck, held, *random_);
        state_.hand[cardIndex].card = candidate;
        state_.hand[cardIndex].mark = 'k';
        showCard(cardIndex, candidate);
    }
    kiert();
    Command4->setEnabled(false);
    // A multiplier press after the settlement would recompute the balance from the deal and
    // wipe out the win, so the buttons stay locked until the next deal.
    for (QPushButton* button : command3)
        button->setEnabled(false);
    emit exchanged();
}

void board::kiert() {
    std::array<std::string, 5> cards;
    for (int p = 0; p < 5; ++p)
        cards[p] = state_.hand[p].card;
    // The caption last shown names the hand; "Semmi" sounds as no win.
    bool nothing = false;
    for (kartavo::Category category : kartavo::evaluateHand(cards)) {
        setHandCaption("Rules", kartavo::resultText(category).data(), true);
        nothing = category == kartavo::Category::Nothing;
        if (nothing)
            clearPayoutBold();
        else
            creditRow(kartavo::payoutRow(category));
    }
    media::playEffect(nothing ? QStringLiteral("semmi.wav") : QStringLiteral("nyert.wav"));
    for (controls::PictureBox* box : Picture1)
        box->setEnabled(false);

    const double now = balance();
    if (now > state_.pictureThreshold) {
        ++state_.pictureNumber;
        state_.picturePath =
            media::mediaPath(QStringLiteral("casino%1.jpg").arg(state_.pictureNumber));
        Picture2->setPicture(media::loadPicture(state_.picturePath));
        shownPicture_ = state_.pictureNumber;
        Picture2->setAccessibleName(rewardPictureName(shownPicture_));
        if (state_.pictureNumber == 8)
            state_.pictureNumber = 0;
        state_.pictureThreshold = kartavo::toMoney(now + 20.0 * state_.multiplier);
    }
}

void board::creditRow(int row) {
    clearPayoutBold();
    MSFlexGrid1->setCellBold(row, 1, true);
    MSFlexGrid1->setCurrentCell(row, 1);
    setBalance(balance() + kartavo::readNumber(MSFlexGrid1->cellText(row, 1).toStdString()));
}

void board::command3_Click(int index) {
    state_.multiplier = kartavo::multiplierOfButton(index);
    for (int row = 1; row <= 9; ++row)
        MSFlexGrid1->setCellText(row, 1, qs(kartavo::payoutAmountText(row, state_.multiplier)));
    const int stake = kartavo::baseStake * state_.multiplier;
    Label1->setText(qs(kartavo::numberText(stake)));
    setBalance(static_cast<double>(state_.balanceAfterDeal) - stake);
    media::playEffect(QStringLiteral("szorzo.wav"));
    emit multiplierChanged();
}

void board::Command6_Click() {
    media::playEffect(QStringLiteral("options.wav"));
    options& dialog = loadOptions();
    // A freshly loaded dialog opens over the table; one only hidden comes back where it was.
    if (!dialog.testAttribute(Qt::WA_Moved))
        controls::centreOver(&dialog, this);
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
}

void board::closeOtherWindows() {
    emit closingOthers();
    if (optionsWindow_)
        optionsWindow_->close();
}

void board::Command2_Click() {
    media::playEffect(QStringLiteral("kilepes.wav"));
    closeAll();
}

void board::closeAll() {
    exiting_ = true;
    closeOtherWindows();
    close();
}

void board::closeEvent(QCloseEvent* event) {
    // The title bar's close box ends the program as "Kilépés" does.
    if (!exiting_) {
        exiting_ = true;
        media::playEffect(QStringLiteral("kilepes.wav"));
        closeOtherWindows();
    }
    event->accept();
}

void board::paintEvent(QPaintEvent*) {
    QPainter p(this);
    for (const BorderLine& l : borderLines) {
        p.setPen(l.light ? palette().color(QPalette::Base) : palette().color(QPalette::Dark));
        p.drawLine(controls::pxLine(l.x1, l.y1, l.x2, l.y2));
    }
}

void board::startOver() {
    Label1->setText(QString());
    Label5->setText(QStringLiteral("250"));
    setEnabled(true);
    Command4->setEnabled(false);
    // A multiplier press before the next deal charges from the fresh 250.
    state_.balanceAfterDeal = kartavo::startBalance;
    emit restarted();
}

void board::showTip(unsigned kept) {
    if (!Command4->isEnabled())
        return;
    QStringList keptNames;
    for (int p = 0; p < 5; ++p) {
        const HandPosition& pos = state_.hand[static_cast<std::size_t>(p)];
        const bool exchange = !(kept & (1u << p));
        if (exchange != (pos.mark == 'h'))
            Picture1_Click(p);
        if (!exchange)
            keptNames << qs(kartavo::spokenCardName(pos.card, texts::keyTranslator()));
    }
    // A screen reader hears the tip with "Csere", which takes the focus.
    Command4->setAccessibleDescription(
        keptNames.isEmpty() ? tr("Tipp. Mind az öt lapot cseréld.")
                            : tr("Tipp. Tartsd meg ezeket, %1. A többi cserére jelölve.")
                                  .arg(keptNames.join(QStringLiteral(", "))));
    controls::focusAndTell(Command4);
}

void board::setExchangeGuard(std::function<bool()> guard) {
    exchangeGuard_ = std::move(guard);
}

void board::addOption(std::function<QString()> text, std::function<bool()> isOn,
                      std::function<void(bool)> set) {
    keys_->addOption(std::move(text), std::move(isOn), std::move(set));
}

void board::addChoice(const QString& title, std::function<QStringList()> names,
                      std::function<int()> current, std::function<void(int)> choose) {
    keys_->addChoice(title, std::move(names), std::move(current), std::move(choose));
}

QMenu* board::contextMenu() {
    return keys_->menu(this);
}

void board::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = contextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}
