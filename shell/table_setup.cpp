// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "table_setup.h"

#include "board.h"
#include "indit.h"
#include "language.h"
#include "pictures.h"
#include "trainer.h"
#include "ujra.h"

#include <QApplication>
#include <QPointer>

namespace shell {

namespace {

// What the shell keeps of one table: its restart dialog while it is open.
class TableLinks : public QObject {
    Q_OBJECT
  public:
    explicit TableLinks(board* table) : QObject(table) {}
    QPointer<ujra> restart;
};

} // namespace

board* openTable(std::unique_ptr<kartavo::RandomSource> random) {
    auto* table = new board(std::move(random));
    auto* links = new TableLinks(table);
    // At the deal's last step, at once: the question disables the table until it is answered.
    QObject::connect(table, &board::outOfMoney, links, [table, links] {
        links->restart = new ujra(table);
        links->restart->show();
    });
    // Leaving closes the splash and an open question first, without a sound.
    QObject::connect(table, &board::closingOthers, links, [links] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* splash = qobject_cast<indit*>(w))
                splash->close();
        if (links->restart)
            links->restart->dismiss();
    });

    // The choice of language, named in both of the program's first two languages so that a
    // player who reads neither finds it.
    table->addChoice(
        QStringLiteral("Nyelv / Language"),
        [] {
            QStringList names;
            for (const QString& code : texts::languages())
                names << texts::languageName(code);
            return names;
        },
        [] { return int(texts::languages().indexOf(texts::language())); },
        [](int index) { chooseLanguage(texts::languages().value(index)); });

    auto* coach = new trainer::Trainer(table);
    QObject::connect(table, &board::tipRequested, coach, &trainer::Trainer::giveTip);
    QObject::connect(table, &board::analysisRequested, coach, &trainer::Trainer::openWindow);
    QObject::connect(table, &board::practiceRequested, coach, &trainer::Trainer::openPractice);
    QObject::connect(table, &board::progressRequested, coach, &trainer::Trainer::openProgress);
    return table;
}

bool setLanguage(const QString& code) {
    if (!texts::languages().contains(code))
        return false;
    // The pictures first: the windows redraw theirs when they hear of the new language.
    const QString before = media::pictureLanguage();
    media::setPictureLanguage(code);
    if (texts::setLanguage(code))
        return true;
    media::setPictureLanguage(before);
    return false;
}

bool chooseLanguage(const QString& code) {
    if (!setLanguage(code))
        return false;
    texts::saveLanguage(code);
    return true;
}

ujra* restartDialogOf(const board* table) {
    const auto* links = table->findChild<TableLinks*>(QString(), Qt::FindDirectChildrenOnly);
    return links ? links->restart.data() : nullptr;
}

trainer::Trainer* trainerOf(const board* table) {
    return table->findChild<trainer::Trainer*>(QString(), Qt::FindDirectChildrenOnly);
}

} // namespace shell

#include "table_setup.moc"
