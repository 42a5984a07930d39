// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game_choice.h"

#include "language.h"
#include "paytable_file.h"
#include "settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace trainer {

namespace {

const QString choiceKey = QStringLiteral("practice/game");
const QString filesKey = QStringLiteral("practice/paytableFiles");

QString fromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

ChosenGame chosenOf(const kartavo::GameSetup& setup, const QString& file = {}) {
    return {
        {fromUtf8(setup.id), fromUtf8(setup.name), file},
        setup
    };
}

} // namespace

std::vector<GameEntry> builtInEntries() {
    std::vector<GameEntry> entries;
    for (const kartavo::BuiltInGame& game : kartavo::builtInGames())
        entries.push_back(chosenOf(*kartavo::builtInGame(game.id)).entry);
    return entries;
}

ChosenGame builtInChoice(const QString& key) {
    const auto setup = kartavo::builtInGame(key.toStdString());
    return chosenOf(setup ? *setup : *kartavo::builtInGame("kartavo"));
}

QString gameKey(const kartavo::CasinoGame& game) {
    for (const kartavo::BuiltInGame& known : kartavo::builtInGames()) {
        const auto setup = kartavo::builtInGame(known.id);
        if (setup && setup->casino && setup->casino->family == game.family &&
            setup->casino->pays == game.pays)
            return QString::fromLatin1(known.id);
    }
    QStringList pays;
    for (const std::int32_t pay : game.pays)
        pays << QString::number(pay);
    return QStringLiteral("custom:%1:%2")
        .arg(QString::fromLatin1(kartavo::familyRules(game.family).key), pays.join(','));
}

std::optional<ChosenGame> gameOfKey(const QString& key, const QString& name) {
    if (kartavo::builtInGame(key.toStdString()))
        return builtInChoice(key);
    const QStringList parts = key.split(':');
    if (parts.size() != 3 || parts[0] != QLatin1String("custom"))
        return std::nullopt;
    const auto family = kartavo::familyOfKey(parts[1].toStdString());
    if (!family)
        return std::nullopt;
    kartavo::CasinoGame game{name.toStdString(), *family, {}};
    for (const QString& pay : parts[2].split(',')) {
        bool number = false;
        const int value = pay.toInt(&number);
        if (!number || value < 0 || value > kartavo::largestPay)
            return std::nullopt;
        game.pays.push_back(value);
    }
    if (game.pays.size() != kartavo::familyRules(*family).rows.size())
        return std::nullopt;
    return chosenOf(kartavo::casinoGameSetup(game, key.toStdString()));
}

std::variant<ChosenGame, QString> openPaytableFile(const QString& path) {
    const QString shown = QDir::toNativeSeparators(path);
    const auto said = [](const kartavo::PaytableError& error) {
        return fromUtf8(error.message(texts::keyTranslator()));
    };
    // Read here rather than by the engine's reader of paths, which names a file in the system's
    // narrow encoding: every path a player can choose is read, and no more than the limit. Only
    // a file: a path remembered in the settings may have become a device or a pipe since, whose
    // read would never end.
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return said(
            {shown.toStdString(), 0, QT_TRANSLATE_NOOP("Paytable file", "nem olvasható"), {}});
    const QByteArray bytes = file.read(static_cast<qint64>(kartavo::paytableFileLimit) + 1);
    const kartavo::PaytableRead read = kartavo::readPaytable(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
        shown.toStdString());
    if (const auto* error = std::get_if<kartavo::PaytableError>(&read))
        return said(*error);
    const auto& game = std::get<kartavo::CasinoGame>(read);
    return chosenOf(kartavo::casinoGameSetup(game, gameKey(game).toStdString()),
                    QFileInfo(path).absoluteFilePath());
}

GameChoice::GameChoice() {
    // Read as it is: a damaged file can make Qt reserve the length it claims, and a copy of the
    // list (a loop over it as a temporary detaches it) would take that again.
    const QVariantList remembered = texts::setting(filesKey).toList();
    for (const QVariant& v : remembered) {
        const QStringList f = v.toStringList(); // path, key, name
        if (f.size() == 3 && !f[0].isEmpty() && int(files_.size()) < rememberedFiles)
            files_.push_back({f[1], f[2], f[0]});
    }
    const QString chosen = texts::setting(choiceKey).toString();
    const std::vector<GameEntry> all = entries();
    for (std::size_t i = 0; i < all.size(); ++i)
        if ((all[i].file.isEmpty() ? all[i].key : QStringLiteral("file:") + all[i].file) == chosen)
            current_ = static_cast<int>(i);
}

std::vector<GameEntry> GameChoice::entries() const {
    std::vector<GameEntry> all = builtInEntries();
    all.insert(all.end(), files_.begin(), files_.end());
    return all;
}

GameEntry GameChoice::currentEntry() const {
    return entries()[static_cast<std::size_t>(current_)];
}

void GameChoice::save() const {
    QVariantList files;
    for (const GameEntry& f : files_)
        files << QVariant(QStringList{f.file, f.key, f.name});
    texts::saveSetting(filesKey, files);
    const GameEntry e = currentEntry();
    texts::saveSetting(choiceKey, e.file.isEmpty() ? e.key : QStringLiteral("file:") + e.file);
}

std::variant<ChosenGame, QString> GameChoice::choose(int index) {
    const std::vector<GameEntry> all = entries();
    if (index < 0 || index >= int(all.size()))
        return QCoreApplication::translate("trainer::GameChoice", "Nincs ilyen játék.");
    const GameEntry entry = all[static_cast<std::size_t>(index)];
    std::variant<ChosenGame, QString> result;
    if (entry.file.isEmpty()) {
        result = builtInChoice(entry.key);
    } else {
        result = openPaytableFile(entry.file);
        const auto* read = std::get_if<ChosenGame>(&result);
        if (read && read->entry.key != entry.key)
            result = QCoreApplication::translate(
                         "trainer::GameChoice",
                         "%1: a fájl kifizetési táblája megváltozott, ezért kikerül a listából. "
                         "Nyisd meg újra, ha így játszanád.")
                         .arg(QDir::toNativeSeparators(entry.file));
        if (!read || read->entry.key != entry.key) {
            // Gone, spoilt or changed: said once, and it leaves the list.
            const GameEntry current = all[static_cast<std::size_t>(current_)];
            std::erase(files_, entry);
            const std::vector<GameEntry> left = entries();
            const auto at = std::find(left.begin(), left.end(), current);
            current_ = at == left.end() ? 0 : static_cast<int>(at - left.begin());
            save();
            return result;
        }
    }
    current_ = index;
    save();
    return result;
}

std::variant<ChosenGame, QString> GameChoice::open(const QString& path) {
    std::variant<ChosenGame, QString> result = openPaytableFile(path);
    if (const auto* read = std::get_if<ChosenGame>(&result)) {
        std::erase_if(files_, [&](const GameEntry& f) { return f.file == read->entry.file; });
        files_.insert(files_.begin(), read->entry);
        if (int(files_.size()) > rememberedFiles)
            files_.resize(rememberedFiles);
        current_ = static_cast<int>(builtInEntries().size());
        save();
    }
    return result;
}

} // namespace trainer
