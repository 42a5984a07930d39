// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ujra.h"

#include "board.h"
#include "control_table.h"
#include "picture_box.h"
#include "pictures.h"
#include "question_keys.h"
#include "sound.h"
#include "twips.h"
#include "window_role.h"

#include <QCloseEvent>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <utility>

using controls::Kind;

namespace {
constexpr controls::Font sansBold825{"MS Sans Serif", 8.25, true};
constexpr controls::ControlRow ujraControls[] = {
    {"Frame1",   Kind::Frame, nullptr,  nullptr,                  120,               0,                                  3255,    1695, {},          0 },
    {"Label1",   Kind::Label, "Frame1", nullptr,                  120,               240,                                1935,    855,  sansBold825, 1 },
    {"Command1",
     Kind::Button,
     "Frame1",                          QT_TRANSLATE_NOOP("ujra", "Igen"),
     480,                                                                                                                1200,
     975,                                                                                                                               375,
     {},
     2},
    {"Command2",
     Kind::Button,
     "Frame1",                      QT_TRANSLATE_NOOP("ujra",                                                    "Nem"),
     1800, 1200,
     975,                                                                                                                        375,
     {},
     3},
    {"Picture1",          Kind::BorderlessPicture,                     "Frame1",                    nullptr,            2280, 240,         855, 855,  {},  4},
};
ujra::Clock& guardClock() {
    static ujra::Clock c = [] {
        static QElapsedTimer monotonic;
        if (!monotonic.isValid())
            monotonic.start();
        return monotonic.elapsed();
    };
    return c;
}

} // namespace

ujra::Clock ujra::setClock(Clock c) {
    return std::exchange(guardClock(), std::move(c));
}

ujra::ujra(board* table) : QWidget(table), table_(table) {
    setObjectName(QStringLiteral("ujra"));
    controls::setWindowRole(this, QAccessible::Dialog);
    setWindowTitle(QStringLiteral("Kartavo - by Morvane"));
    // Read without the dash, which a screen reader would name.
    setAccessibleName(QStringLiteral("Kartavo, by Morvane"));
    setWindowIcon(media::designIcon(QStringLiteral("ujra_icon.png")));
    setAttribute(Qt::WA_DeleteOnClose);
    controls::makeFixedWindow(this, 3510, 1785);
    move(controls::px(4215), controls::px(3735));
    c_ = std::make_unique<controls::ControlSet>(this, ujraControls);
    const controls::ControlSet& c = *c_;
    Label1 = c.get<QLabel>("Label1");
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Command1 = c.get<QPushButton>("Command1");
    auto* picture = c.get<controls::PictureBox>("Picture1");
    picture->setPicture(media::designPicture(QStringLiteral("ujra_picture.png")));
    picture->setFocusPolicy(Qt::NoFocus);
    Command2 = c.get<QPushButton>("Command2");
    connect(Command1, &QPushButton::clicked, this, &ujra::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &ujra::Command2_Click);
    Command1->installEventFilter(this);
    Command2->installEventFilter(this);

    showQuestion();
    if (table_)
        table_->setEnabled(false);
}

ujra::~ujra() = default;

void ujra::showQuestion() {
    Label1->setText(tr("Elfogyott a pénzed.\n\nAkarod újrakezdeni?"));
    // "Igen" takes the focus when the dialog opens; a screen reader reads the dialog with its
    // question, once, and then the button.
    Label1->setAccessibleName(Label1->text().simplified());
}

void ujra::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        c_->retranslate();
        showQuestion();
    }
    QWidget::changeEvent(event);
}

void ujra::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    shownAt_ = guardClock()();
    Command1->setFocus();
}

bool ujra::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        if (guardClock()() - shownAt_ < clickGuardMilliseconds)
            return true;
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void ujra::Command1_Click() {
    answered_ = true;
    if (table_)
        table_->startOver();
    close();
}

void ujra::Command2_Click() {
    answered_ = true;
    media::playEffect(QStringLiteral("kilepes.wav"));
    if (table_)
        table_->closeAll();
    close();
}

void ujra::dismiss() {
    answered_ = true;
    close();
}

void ujra::closeEvent(QCloseEvent* event) {
    // Closed without an answer: the question ends the game it asked about.
    if (!answered_)
        Command2_Click();
    event->accept();
}

void ujra::keyPressEvent(QKeyEvent* event) {
    if (!controls::questionKey(this, event, [this] { Command2_Click(); }))
        QWidget::keyPressEvent(event);
}
