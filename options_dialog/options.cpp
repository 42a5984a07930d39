// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "options.h"

#include "card_back.h"
#include "focus_mark.h"
#include "how_to_play.h"
#include "language.h"
#include "payout_table.h"
#include "picture_box.h"
#include "pictures.h"
#include "program_folder.h"
#include "sound.h"
#include "tab_strip.h"
#include "twips.h"
#include "window_role.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <tuple>

using controls::Font;
using controls::Kind;

namespace {

enum Page { BackPage, HowToPage, RulesPage, OtherPage, AboutPage };

constexpr const char* pageCaptions[] = {
    QT_TRANSLATE_NOOP("options", "Hátlap választás"), QT_TRANSLATE_NOOP("options", "Irányítás"),
    QT_TRANSLATE_NOOP("options", "Játékszabályok"),
    QT_TRANSLATE_NOOP("options", "Egyéb beállítások"), QT_TRANSLATE_NOOP("options", "Névjegy")};

constexpr Font comboFont{"MS Sans Serif", 9.75, true};
constexpr Font timesBold{"Times New Roman", 9.75, true};
constexpr Font timesCeBold{"Times New Roman CE", 9.75, true};
constexpr Font timesCe825{"Times New Roman CE", 8.25};
constexpr Font sansBold825{"MS Sans Serif", 8.25, true};
constexpr Font sansBoldItalic{"MS Sans Serif", 8.25, true, true};
constexpr Font arialBold825{"Arial", 8.25, true};
constexpr const char* copyright = QT_TRANSLATE_NOOP(
    "options",
    "Ez a program szerzői jogi védelem alatt áll. Engedély nélküli másolása, terjesztése vagy "
    "módosítása tilos, és jogi következményekkel járhat.");

// The rows' texts.
constexpr const char* combinationsCaption = QT_TRANSLATE_NOOP("options", "Lehetséges kombinációk");
constexpr const char* royalFlush = QT_TRANSLATE_NOOP("options", "Royal flös");
constexpr const char* soundCaption = QT_TRANSLATE_NOOP("options", "Hang");
constexpr const char* musicCaption = QT_TRANSLATE_NOOP("options", "Zene");
constexpr const char* effectsCaption = QT_TRANSLATE_NOOP("options", "Effektek");
constexpr const char* rightsReserved = QT_TRANSLATE_NOOP("options", "Minden jog fenntartva.");
constexpr const char* cancelCaption = QT_TRANSLATE_NOOP("options", "Mégsem");

// Twips within the tab control (its pages cover it) or within a frame. The card-back frame is
// 3435 high, ending with the tab control, so that its lower edge and the second row of backs
// stay inside the control.
constexpr controls::ControlRow optionsControls[] = {
    {"Frame1",     Kind::Frame,      "SSTab1_Page0", nullptr,             120,  660,  5535, 3435, {},           -1},
    {"Picture1_0", Kind::PictureBox, "Frame1",       nullptr,             240,  240,  1130, 1500, {},           10},
    {"Picture1_1", Kind::PictureBox, "Frame1",       nullptr,             1560, 240,  1130, 1500, {},           11},
    {"Picture1_2", Kind::PictureBox, "Frame1",       nullptr,             2880, 240,  1130, 1500, {},           12},
    {"Picture1_3", Kind::PictureBox, "Frame1",       nullptr,             4200, 240,  1130, 1500, {},           13},
    {"Picture1_4", Kind::PictureBox, "Frame1",       nullptr,             240,  1920, 1130, 1500, {},           14},
    {"Picture1_5", Kind::PictureBox, "Frame1",       nullptr,             1560, 1920, 1130, 1500, {},           15},
    {"Picture1_6", Kind::PictureBox, "Frame1",       nullptr,             2880, 1920, 1130, 1500, {},           16},
    {"Picture1_7", Kind::PictureBox, "Frame1",       nullptr,             4200, 1920, 1130, 1500, {},           17},
    {"Frame2",     Kind::Frame,      "SSTab1_Page1", nullptr,             240,  720,  5175, 3135, {},           -1},
    {"Label2",     Kind::Label,      "Frame2",       nullptr,             120,  240,  4935, 2775, {},           -1},
    {"Frame3",     Kind::Frame,      "SSTab1_Page2", combinationsCaption, 240,  720,  5175, 3135,
     sansBoldItalic,                                                                                            -1},
    {"Label3",     Kind::Label,      "Frame3",       royalFlush,          120,  360,  1455, 300,  comboFont,    20},
    {"Label7",     Kind::Label,      "Frame3",       nullptr,             120,  660,  1455, 300,  comboFont,    21},
    {"Label8",     Kind::Label,      "Frame3",       nullptr,             120,  960,  1455, 300,  comboFont,    22},
    {"Label9",     Kind::Label,      "Frame3",       nullptr,             120,  1260, 1455, 300,  comboFont,    23},
    {"Label10",    Kind::Label,      "Frame3",       nullptr,             120,  1560, 1455, 300,  comboFont,    24},
    {"Label11",    Kind::Label,      "Frame3",       nullptr,             120,  1860, 1455, 300,  comboFont,    25},
    {"Label12",    Kind::Label,      "Frame3",       nullptr,             120,  2160, 1455, 300,  comboFont,    26},
    {"Label13",    Kind::Label,      "Frame3",       nullptr,             120,  2460, 1455, 300,  comboFont,    27},
    {"Label14",    Kind::Label,      "Frame3",       nullptr,             120,  2760, 1455, 300,  comboFont,    28},
    {"Picture4",   Kind::PictureBox, "Frame3",       nullptr,             1920, 480,  2895, 2360, {},           -1},
    {"Frame5",     Kind::Frame,      "SSTab1_Page3", soundCaption,        240,  960,  2535, 1215, sansBold825,  -1},
    {"Check1",     Kind::CheckBox,   "Frame5",       musicCaption,        240,  360,  1815, 255,  {},           30},
    {"Check2",     Kind::CheckBox,   "Frame5",       effectsCaption,      240,  720,  1815, 255,  {},           31},
    {"Frame4",     Kind::Frame,      "SSTab1_Page4", nullptr,             240,  720,  5175, 3135, {},           -1},
    {"Picture2",   Kind::PictureBox, "Frame4",       nullptr,             120,  240,  1455, 1095, {},           -1},
    {"Picture3",   Kind::PictureBox, "Frame4",       nullptr,             2520, 240,  2415, 855,  {},           -1},
    {"Label5",     Kind::Label,      "Frame4",       "© 2026 Morvane",   120,  1440, 2655, 375,  timesBold,    -1},
    {"Label6",     Kind::Label,      "Frame4",       rightsReserved,      3120, 1440, 1935, 375,  timesCeBold,  -1},
    {"Label4",     Kind::Label,      "Frame4",       copyright,           240,  2160, 4815, 855,  timesCe825,   -1},
    {"Label1",     Kind::Label,      nullptr,        nullptr,             240,  4440, 3255, 255,  arialBold825, -1},
    {"Command1",   Kind::Button,     nullptr,        "OK",                3600, 4320, 1095, 375,  {},           40},
    {"Command2",   Kind::Button,     nullptr,        cancelCaption,       4800, 4320, 1095, 375,  {},           41},
};

// The card-back designs: name shown in the hint line. The names of their own (Moonveil, Starveil,
// Unicum) are the same in every language. The context is their own: "Névjegy" names a design here
// and the about page elsewhere.
constexpr const char* designNames[8] = {QT_TRANSLATE_NOOP("CardBackDesign", "Standard kék"),
                                        QT_TRANSLATE_NOOP("CardBackDesign", "Berakásos"),
                                        "Moonveil",
                                        "Starveil",
                                        "Unicum",
                                        QT_TRANSLATE_NOOP("CardBackDesign", "Kisfiú"),
                                        QT_TRANSLATE_NOOP("CardBackDesign", "Kislány"),
                                        QT_TRANSLATE_NOOP("CardBackDesign", "Névjegy")};

QString designName(int design) {
    return QCoreApplication::translate("CardBackDesign", designNames[design]);
}

// The gallery, top to bottom: label and picture file.
const std::array<std::pair<const char*, const char*>, 9> gallery = {
    {
     {"Label3", "mroyal.jpg"},
     {"Label7", "mflos.jpg"},
     {"Label8", "mpoker.jpg"},
     {"Label9", "mfull.jpg"},
     {"Label10", "mszfloss.jpg"},
     {"Label11", "msor.jpg"},
     {"Label12", "mdrill.jpg"},
     {"Label13", "mketpar.jpg"},
     {"Label14", "mpar.jpg"},
     }
};

// The desktop's colour for the gallery names, yellow for the one clicked.
const QColor desktopColour(0, 78, 152);
const QColor highlightColour(255, 255, 0);

// The control picked last (-1: none) says so to a screen reader, which reads the hint line only
// when asked.
template <class Controls> void tellPicked(const Controls& controls, int picked) {
    for (std::size_t i = 0; i < controls.size(); ++i)
        controls[i]->setAccessibleDescription(
            static_cast<int>(i) == picked ? options::tr("kiválasztva") : QString());
}

} // namespace

options::options(QWidget* owner) : QWidget(owner) {
    setObjectName(QStringLiteral("options"));
    controls::setWindowRole(this, QAccessible::Dialog);
    setWindowIcon(media::designIcon(QStringLiteral("options_icon.png")));
    setAttribute(Qt::WA_DeleteOnClose);
    controls::makeFixedWindow(this, 6075, 4860);

    SSTab1 = new controls::TabStrip(this, QStringLiteral("SSTab1"), captions(), 3, 295,
                                    controls::pxRect(120, 120, 5805, 4095));
    QHash<QString, QWidget*> pages;
    for (int i = 0; i < SSTab1->count(); ++i)
        pages.insert(SSTab1->page(i)->objectName(), SSTab1->page(i));
    c_ = std::make_unique<controls::ControlSet>(this, optionsControls, pages);
    const controls::ControlSet& c = *c_;

    Label1 = c.get<QLabel>("Label1");
    QPalette blue = Label1->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
    Label1->setPalette(blue);
    Check2 = c.get<QCheckBox>("Check2");
    c.get<QCheckBox>("Check1")->setEnabled(false); // "Zene": shown, does nothing
    Picture4 = c.get<controls::PictureBox>("Picture4");
    auto* howTo = c.get<QLabel>("Label2");
    howTo->setWordWrap(true);
    c.get<QLabel>("Label4")->setWordWrap(true);

    // The etched separator of the about page: a light rule above a dark one.
    auto* frame4 = c.get<QGroupBox>("Frame4");
    for (const auto& [name, y, role] : {
             std::tuple{"Line1", 1920, QPalette::Base},
             std::tuple{"Line2", 1970, QPalette::Dark}
    }) {
        auto* line = new QWidget(frame4);
        line->setObjectName(QString::fromLatin1(name));
        line->setGeometry(controls::px(120), controls::px(y), controls::px(5040 - 120), 1);
        line->setAutoFillBackground(true);
        line->setBackgroundRole(role);
    }
    for (int i = 0; i < 8; ++i) {
        Picture1[i] = c.get<controls::PictureBox>(QStringLiteral("Picture1_%1").arg(i));
        connect(Picture1[i], &controls::PictureBox::clicked, this,
                [this, i] { Picture1_Click(i); });
    }
    for (int place = 0; place < 9; ++place) {
        QLabel* label = c.get<QLabel>(QString::fromLatin1(gallery[place].first));
        label->setFocusPolicy(Qt::TabFocus);
        label->installEventFilter(this);
        controls::markFocus(label);
        combinationLabels[place] = label;
    }
    nameTexts();
    connect(SSTab1, &controls::TabStrip::currentChanged, this, &options::SSTab1_Click);
    connect(Check2, &QCheckBox::stateChanged, this, &options::Check2_Click);
    connect(c.get<QPushButton>("Command1"), &QPushButton::clicked, this, &options::Command1_Click);
    connect(c.get<QPushButton>("Command2"), &QPushButton::clicked, this, &options::Command2_Click);

    Form_Load();
}

void options::Form_Load() {
    howToPlay_ = howto::howToPlayText();
    c_->get<QLabel>("Label2")->setText(howto::displayText(howToPlay_));
    SSTab1->setCurrentIndex(AboutPage);
    SSTab1_Click();
    const QCursor hand = media::loadCursor(media::mediaPath(QStringLiteral("handk.cur")));
    for (QLabel* label : combinationLabels) {
        label->setCursor(hand);
        QPalette pal = label->palette();
        pal.setColor(QPalette::WindowText, desktopColour);
        label->setPalette(pal);
    }
    for (controls::PictureBox* box : Picture1)
        box->setCursor(hand);
    // The box shows the switch as it really is, so that closing the dialog with "Mégsem" never
    // changes the sound setting behind the player's back.
    Check2->setChecked(media::soundOn);
}

QStringList options::captions() {
    QStringList list;
    for (const char* caption : pageCaptions)
        list << tr(caption);
    return list;
}

// The texts that code sets, in the language in force.
void options::nameTexts() {
    const controls::ControlSet& c = *c_;
    setWindowTitle(tr("Beállítások"));
    Picture4->setAccessibleName(tr("A kombináció képe"));
    c.get<controls::PictureBox>("Picture2")->setAccessibleName(tr("Két ász"));
    c.get<controls::PictureBox>("Picture3")->setAccessibleName(tr("Morvane felirat"));
    for (int i = 0; i < 8; ++i)
        Picture1[i]->setAccessibleName(tr("Hátlap, %1").arg(designName(i)));
    // The gallery's names are the payout table's, but for its own spelling of the first.
    for (int place = 1; place < 9; ++place)
        combinationLabels[place]->setText(texts::fromKey("Rules", kartavo::payoutLabel(place + 1)));
}

void options::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        c_->retranslate();
        SSTab1->setCaptions(captions());
        nameTexts();
        howToPlay_ = howto::howToPlayText();
        c_->get<QLabel>("Label2")->setText(howto::displayText(howToPlay_));
        if (hintDesign_ >= 0)
            setHint(designName(hintDesign_));
        else
            SSTab1_Click();
        tellPicked(Picture1, pickedDesign_);
        tellPicked(combinationLabels, pickedCombination_);
    }
    QWidget::changeEvent(event);
}

void options::showPictures() {
    const controls::ControlSet& c = *c_;
    c.get<controls::PictureBox>("Picture2")
        ->setPicture(media::designPicture(QStringLiteral("about_photo.jpg")));
    c.get<controls::PictureBox>("Picture3")
        ->setPicture(media::designPicture(QStringLiteral("about_title.jpg")));
    // The thumbnails are stored with the dialog: a design file matters only when OK copies it.
    for (int i = 0; i < 8; ++i)
        Picture1[i]->setPicture(media::designPicture(QStringLiteral("options_back%1.bmp").arg(i)));
}

void options::setHint(const QString& text) {
    Label1->setText(text);
}

void options::SSTab1_Click() {
    hintDesign_ = -1;
    switch (SSTab1->currentIndex()) {
    case BackPage:
        setHint(tr("Kattints valamelyik hátlapra!"));
        break;
    case RulesPage:
        setHint(tr("Kattints valamelyik kombinációra!"));
        break;
    case AboutPage:
        setHint(tr("Kapcsolat: %1").arg(howto::contactAddress));
        break;
    default:
        setHint(QString());
        break;
    }
}

bool options::effectsTicked() const {
    return Check2->isChecked();
}

void options::setEffectsTicked(bool ticked) {
    Check2->setChecked(ticked);
}

void options::Check2_Click() {
    media::soundOn = Check2->isChecked();
}

void options::Picture1_Click(int index) {
    chosenBackFile_ = media::mediaPath(QStringLiteral("hat%1.bmp").arg(index));
    hintDesign_ = index;
    pickedDesign_ = index;
    setHint(designName(index));
    tellPicked(Picture1, index);
}

void options::combinationClick(int place) {
    for (QLabel* label : combinationLabels) {
        QPalette pal = label->palette();
        pal.setColor(QPalette::WindowText, desktopColour);
        label->setPalette(pal);
    }
    QPalette pal = combinationLabels[place]->palette();
    pal.setColor(QPalette::WindowText, highlightColour);
    combinationLabels[place]->setPalette(pal);
    Picture4->setPicture(
        media::loadPicture(media::mediaPath(QString::fromLatin1(gallery[place].second))));
    pickedCombination_ = place;
    tellPicked(combinationLabels, place);
}

void options::Command1_Click() {
    if (!chosenBackFile_.isEmpty()) {
        QString target;
        QString why;
        // Only a whole card-sized picture may become the back the table shows.
        const QImage design = media::readPicture(chosenBackFile_, &why);
        const bool whole = !design.isNull() && design.size() == QSize(71, 96);
        if (!design.isNull() && !whole)
            why = tr("a kép mérete %1 × %2 képpont, nem 71 × 96")
                      .arg(design.width())
                      .arg(design.height());
        if (!whole)
            target = media::cardBackPath();
        if (!whole || !media::saveCardBack(chosenBackFile_, &target, &why)) {
            // The old back stays in force and the game goes on; the dialog stays open so that
            // the player can pick another design or cancel.
            auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Kartavo"),
                                        tr("A hátlapot nem sikerült menteni.\n%1 → %2\n%3")
                                            .arg(chosenBackFile_, target, why),
                                        QMessageBox::Ok, this);
            box->setObjectName(QStringLiteral("copyFailure"));
            box->setAttribute(Qt::WA_DeleteOnClose);
            box->open();
            return;
        }
    }
    hide();
    media::playEffect(QStringLiteral("ok.wav"));
}

void options::Command2_Click() {
    close();
}

void options::closeEvent(QCloseEvent* event) {
    emit unloaded();
    event->accept();
}

bool options::eventFilter(QObject* watched, QEvent* event) {
    const auto it = std::find(combinationLabels.begin(), combinationLabels.end(), watched);
    if (it != combinationLabels.end()) {
        const bool click = event->type() == QEvent::MouseButtonRelease;
        // Space picks the focused name; Enter is the dialog's OK.
        const bool key = event->type() == QEvent::KeyPress &&
                         static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space;
        if (click || key) {
            combinationClick(static_cast<int>(it - combinationLabels.begin()));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void options::showEvent(QShowEvent* event) {
    // The pictures are decoded when the dialog first shows, not at the table's load, which loads
    // the dialog hidden: until then nobody sees them.
    if (!picturesShown_) {
        picturesShown_ = true;
        showPictures();
    }
    QWidget::showEvent(event);
    // The dialog opens with the focus on the tab of the page it shows, not on the first tab.
    if (!focusWidget() || SSTab1->isTab(focusWidget()))
        SSTab1->focusCurrentTab();
}

void options::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
        c_->get<QPushButton>("Command2")->click();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Enter presses the focused button (a page tab, "Mégsem"), and OK from anywhere else.
        if (auto* focused = qobject_cast<QPushButton*>(focusWidget()))
            focused->click();
        else
            c_->get<QPushButton>("Command1")->click();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}
