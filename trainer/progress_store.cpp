// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress_store.h"

#include "game_choice.h"
#include "paytable_file.h"
#include "strategy.h"
#include "strategy_chart.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>
#include <cmath>

namespace trainer {

namespace {

const QString fileName = QStringLiteral("progress.json");
const QString formatName = QStringLiteral("Kartavo progress");
constexpr int ownVersion = 2;
const QStringList knownFields = {"format", "version", "days", "mistakes", "games"};
const QStringList knownGameFields = {"name", "days", "mistakes"};

// This game's chart: its progress has no line past it.
int thisGameLines() {
    return static_cast<int>(kartavo::gameChart().lines.size());
}

QString handCodes(const kartavo::Hand& hand, std::uint8_t kept) {
    return QString::fromStdString(kartavo::keptCodes(hand, kept));
}

// The cards of the game's deck: 53 with the joker. A game that this version cannot name keeps
// what the largest deck has.
int deckOfGame(const QString& key) {
    const std::optional<ChosenGame> game = gameOfKey(key, {});
    return game ? game->setup.paytable.deckSize : 53;
}

std::optional<kartavo::Hand> parseHand(const QString& text, int deckSize) {
    const QStringList codes = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (codes.size() != 5)
        return std::nullopt;
    kartavo::Hand hand{};
    for (std::size_t p = 0; p < 5; ++p) {
        const auto card =
            kartavo::parseCardCode(codes[static_cast<int>(p)].toStdString(), deckSize);
        if (!card)
            return std::nullopt;
        for (std::size_t q = 0; q < p; ++q)
            if (hand[q] == *card)
                return std::nullopt;
        hand[p] = *card;
    }
    return hand;
}

// The positions of the dealt hand whose cards the text names ("-" for none).
std::optional<std::uint8_t> parseKept(const kartavo::Hand& dealt, const QString& text) {
    std::uint8_t kept = 0;
    if (text == QLatin1String("-"))
        return kept;
    for (const QString& code : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const auto card = kartavo::parseCardCode(code.toStdString(), 53);
        const auto at = card ? std::find(dealt.begin(), dealt.end(), *card) : dealt.end();
        if (at == dealt.end())
            return std::nullopt;
        kept = static_cast<std::uint8_t>(kept | (1u << (at - dealt.begin())));
    }
    return kept;
}

bool isCount(const QJsonValue& v) {
    const double d = v.toDouble(-1);
    return d >= 0 && d <= Progress::mostHands && d == std::floor(d);
}

// What mistakes can have given away: each at most the largest pay.
bool isCost(const QJsonValue& v, double mistakes) {
    const double d = v.toDouble(-1);
    return d >= 0 && d <= mistakes * static_cast<double>(kartavo::largestPay);
}

// A line of a chart as the file numbers them, from 1: counted from 0; none before the first.
std::optional<int> lineNumber(int number) {
    return number >= 1 ? std::optional(number - 1) : std::nullopt;
}

} // namespace

void LineTally::add(const LineTally& other) {
    hands += other.hands;
    mistakes += other.mistakes;
    cost += other.cost;
}

double LineTally::rightShare() const {
    return hands ? static_cast<double>(hands - mistakes) / static_cast<double>(hands) : 0;
}

double LineTally::costPer100() const {
    return hands ? cost * 100 / static_cast<double>(hands) : 0;
}

void Progress::record(int line, const kartavo::Hand& dealt, std::uint8_t kept, double cost,
                      const QDate& day, const QString& game) {
    if (line < 0 || line >= mostLines)
        return;
    Game& g = games_[game];
    std::vector<LineTally>& lines = g.days[day];
    lines.resize(std::max(lines.size(), static_cast<std::size_t>(line) + 1));
    LineTally& t = lines[static_cast<std::size_t>(line)];
    ++t.hands;
    if (cost > 0) {
        ++t.mistakes;
        t.cost += cost;
        g.mistakes.push_back({dealt, kept, line, cost, day});
        while (g.mistakes.size() > keptMistakes)
            g.mistakes.pop_front();
    }
}

std::vector<LineTally> Progress::tallies(const QDate& first, const QString& game, int lines) const {
    std::vector<LineTally> sum(
        static_cast<std::size_t>(std::max(lines, game == thisGame ? thisGameLines() : 0)));
    const auto g = games_.find(game);
    if (g == games_.end())
        return sum;
    for (const auto& [day, perLine] : g->second.days)
        if (!first.isValid() || day >= first) {
            if (perLine.size() > sum.size())
                sum.resize(perLine.size());
            for (std::size_t i = 0; i < perLine.size(); ++i)
                sum[i].add(perLine[i]);
        }
    return sum;
}

std::map<QDate, LineTally> Progress::dayTotals(const QString& game) const {
    std::map<QDate, LineTally> totals;
    if (const auto g = games_.find(game); g != games_.end())
        for (const auto& [day, lines] : g->second.days)
            for (const LineTally& t : lines)
                totals[day].add(t);
    return totals;
}

const std::deque<Mistake>& Progress::mistakes(const QString& game) const {
    static const std::deque<Mistake> none;
    const auto g = games_.find(game);
    return g == games_.end() ? none : g->second.mistakes;
}

bool Progress::empty() const {
    return std::all_of(games_.begin(), games_.end(),
                       [](const auto& g) { return g.second.empty(); });
}

std::vector<std::pair<QString, QString>> Progress::games() const {
    std::vector<std::pair<QString, QString>> list;
    if (const auto g = games_.find(thisGame); g != games_.end() && !g->second.empty())
        list.emplace_back(thisGame, g->second.name);
    for (const auto& [key, g] : games_)
        if (key != thisGame && !g.empty())
            list.emplace_back(key, g.name);
    return list;
}

void Progress::forget(const QString& game) {
    games_.erase(game);
}

void Progress::setName(const QString& game, const QString& name) {
    if (!name.isEmpty())
        games_[game].name = name;
}

QJsonObject Progress::Game::toJson() const {
    QJsonObject root = unknown;
    if (!name.isEmpty())
        root[QStringLiteral("name")] = name;
    QJsonObject dayObject;
    for (const auto& [day, lines] : days) {
        QJsonObject perLine;
        for (std::size_t i = 0; i < lines.size(); ++i)
            if (lines[i].hands > 0)
                perLine[QString::number(i + 1)] =
                    QJsonArray{static_cast<double>(lines[i].hands),
                               static_cast<double>(lines[i].mistakes), lines[i].cost};
        dayObject[day.toString(Qt::ISODate)] = perLine;
    }
    root[QStringLiteral("days")] = dayObject;
    QJsonArray list;
    for (const Mistake& m : mistakes)
        list.append(QJsonObject{
            {"day",    m.day.toString(Qt::ISODate)},
            {"line",   m.line + 1                 },
            {"hand",   handCodes(m.dealt,           31)},
            {"kept",        handCodes(m.dealt,                              m.kept)},
            {"cost", m.cost}
        });
    root[QStringLiteral("mistakes")] = list;
    return root;
}

QByteArray Progress::toJson() const {
    QJsonObject root = unknown_;
    root[QStringLiteral("format")] = formatName;
    root[QStringLiteral("version")] = std::max(version_, ownVersion);
    const auto own = games_.find(thisGame);
    const QJsonObject ownObject = own == games_.end() ? Game{}.toJson() : own->second.toJson();
    for (auto it = ownObject.begin(); it != ownObject.end(); ++it)
        root[it.key()] = it.value();
    QJsonObject others;
    for (const auto& [key, g] : games_)
        if (key != thisGame && !g.empty())
            others[key] = g.toJson();
    if (!others.isEmpty())
        root[QStringLiteral("games")] = others;
    else
        root.remove(QStringLiteral("games"));
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

QString Progress::Game::read(const QJsonObject& object, int lines, int deckSize) {
    const QJsonValue nameValue = object.value(QStringLiteral("name"));
    if (!nameValue.isUndefined() && !nameValue.isString())
        return QStringLiteral("name");
    name = nameValue.toString();
    const QJsonValue dayValue = object.value(QStringLiteral("days"));
    if (!dayValue.isUndefined() && !dayValue.isObject())
        return QStringLiteral("days");
    const QJsonObject dayObject = dayValue.toObject();
    for (auto d = dayObject.begin(); d != dayObject.end(); ++d) {
        const QDate day = QDate::fromString(d.key(), Qt::ISODate);
        if (!day.isValid() || !d.value().isObject())
            return QStringLiteral("day %1").arg(d.key());
        std::vector<LineTally> perDay;
        const QJsonObject perLine = d.value().toObject();
        for (auto l = perLine.begin(); l != perLine.end(); ++l) {
            bool number = false;
            const std::optional<int> line = lineNumber(l.key().toInt(&number));
            // [hands, mistakes, cost]
            const QJsonArray t = l.value().toArray();
            if (!number || !line || t.size() != 3 || !isCount(t[0]) || !isCount(t[1]) ||
                t[1].toDouble() > t[0].toDouble() || !isCost(t[2], t[1].toDouble()))
                return QStringLiteral("day %1 line %2").arg(d.key(), l.key());
            if (*line >= lines)
                continue; // a line of a longer chart
            perDay.resize(std::max(perDay.size(), static_cast<std::size_t>(*line) + 1));
            perDay[static_cast<std::size_t>(*line)] = {static_cast<std::int64_t>(t[0].toDouble()),
                                                       static_cast<std::int64_t>(t[1].toDouble()),
                                                       t[2].toDouble()};
        }
        days[day] = perDay;
    }
    const QJsonValue list = object.value(QStringLiteral("mistakes"));
    if (!list.isUndefined() && !list.isArray())
        return QStringLiteral("mistakes");
    for (const QJsonValue& v : list.toArray()) {
        const QJsonObject m = v.toObject();
        const auto hand = parseHand(m.value("hand").toString(), deckSize);
        const auto kept = hand ? parseKept(*hand, m.value("kept").toString()) : std::nullopt;
        const std::optional<int> line = lineNumber(m.value("line").toInt());
        const QDate day = QDate::fromString(m.value("day").toString(), Qt::ISODate);
        const QJsonValue cost = m.value("cost");
        if (!kept || !line || !day.isValid() || !(cost.isUndefined() || isCost(cost, 1)))
            return QStringLiteral("mistake");
        if (*line < lines)
            mistakes.push_back({*hand, *kept, *line, m.value("cost").toDouble(), day});
    }
    while (mistakes.size() > keptMistakes)
        mistakes.pop_front();
    return {};
}

std::optional<Progress> Progress::fromJson(const QByteArray& bytes, QString* why) {
    const auto fail = [why](const QString& reason) -> std::optional<Progress> {
        if (why)
            *why = reason;
        return std::nullopt;
    };
    if (bytes.size() > largestFile)
        return fail(QStringLiteral("larger than %1 bytes").arg(largestFile));
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    if (bytes.trimmed().isEmpty())
        return fail(QStringLiteral("empty"));
    if (doc.isNull())
        return fail(error.errorString());
    const QJsonObject root = doc.object();
    if (!doc.isObject() || root.value(QStringLiteral("format")).toString() != formatName)
        return fail(QStringLiteral("not a progress file"));
    Progress p;
    p.version_ = root.value(QStringLiteral("version")).toInt(ownVersion);
    for (auto it = root.begin(); it != root.end(); ++it)
        if (!knownFields.contains(it.key()))
            p.unknown_.insert(it.key(), it.value());
    // This game at the top.
    if (const QString wrong = p.games_[thisGame].read(root, thisGameLines(), deckOfGame(thisGame));
        !wrong.isEmpty())
        return fail(wrong);
    const QJsonValue others = root.value(QStringLiteral("games"));
    if (!others.isUndefined() && !others.isObject())
        return fail(QStringLiteral("games"));
    const QJsonObject otherObject = others.toObject();
    for (auto g = otherObject.begin(); g != otherObject.end(); ++g) {
        if (g.key() == thisGame || g.key().isEmpty() || !g.value().isObject())
            return fail(QStringLiteral("game %1").arg(g.key()));
        Game& game = p.games_[g.key()];
        const QJsonObject object = g.value().toObject();
        for (auto it = object.begin(); it != object.end(); ++it)
            if (!knownGameFields.contains(it.key()))
                game.unknown.insert(it.key(), it.value());
        if (const QString wrong = game.read(object, mostLines, deckOfGame(g.key()));
            !wrong.isEmpty())
            return fail(QStringLiteral("game %1: %2").arg(g.key(), wrong));
    }
    return p;
}

ProgressStore& ProgressStore::instance() {
    static ProgressStore* store = new ProgressStore; // lives to the end, written at exit
    return *store;
}

ProgressStore::ProgressStore() {
    timer_.setSingleShot(true);
    timer_.setInterval(writeDelayMs);
    connect(&timer_, &QTimer::timeout, this, &ProgressStore::flush);
    if (QCoreApplication::instance())
        connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this,
                &ProgressStore::flush);
}

QString ProgressStore::path() const {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    // Without a home folder there is no data folder, and a relative name would mean the
    // working directory.
    if (folder.isEmpty())
        return {};
    return QDir::toNativeSeparators(QDir(folder).filePath(fileName));
}

void ProgressStore::load() {
    if (loaded_)
        return;
    loaded_ = true;
    const QString file = path();
    QFile in(file);
    if (file.isEmpty() || !in.exists())
        return;
    QString why;
    if (!in.open(QIODevice::ReadOnly)) {
        writable_ = false; // never write over what could not be read
        emit trouble(tr("A haladás fájlja nem olvasható: %1 (%2). A haladás most nem marad meg.")
                         .arg(file, in.errorString()));
        return;
    }
    // No more than the limit is read: a larger file is refused as it is.
    QByteArray bytes;
    if (in.isSequential() || in.size() <= Progress::largestFile)
        bytes = in.read(Progress::largestFile + 1);
    const bool tooLarge = bytes.size() > Progress::largestFile ||
                          (!in.isSequential() && in.size() > Progress::largestFile);
    in.close();
    if (std::optional<Progress> p = tooLarge ? std::nullopt : Progress::fromJson(bytes, &why)) {
        progress_ = std::move(*p);
        return;
    }
    // Nothing the player had is destroyed: the damaged file stays beside the new one.
    const QString bad = file + QStringLiteral(".bad");
    QFile::remove(bad);
    const bool setAside = QFile::rename(file, bad);
    if (!setAside)
        writable_ = false;
    const int megabytes = static_cast<int>(Progress::largestFile / (1024 * 1024));
    if (tooLarge)
        emit trouble(setAside ? tr("A haladás fájlja túl nagy, több mint %1 MB: %2. Félretéve %3 "
                                   "néven, a haladás elölről indul.")
                                    .arg(megabytes)
                                    .arg(file, bad)
                              : tr("A haladás fájlja túl nagy, több mint %1 MB: %2. Nem tehető "
                                   "félre, ezért a haladás most nem marad meg.")
                                    .arg(megabytes)
                                    .arg(file));
    else
        emit trouble(setAside ? tr("A haladás fájlja sérült vagy nem ennek a programnak a "
                                   "fájlja: %1. Félretéve %2 néven, a haladás elölről indul.")
                                    .arg(file, bad)
                              : tr("A haladás fájlja sérült vagy nem ennek a programnak a "
                                   "fájlja: %1. Nem tehető félre, ezért a haladás most nem "
                                   "marad meg.")
                                    .arg(file));
}

void ProgressStore::record(int line, const kartavo::Hand& dealt, std::uint8_t kept, double cost,
                           const QString& game, const QString& name) {
    load();
    progress_.setName(game, name);
    progress_.record(line, dealt, kept, cost, QDate::currentDate(), game);
    dirty_ = true;
    if (!timer_.isActive())
        timer_.start();
    emit changed();
}

void ProgressStore::clear(const QString& game) {
    load();
    progress_.forget(game);
    dirty_ = true;
    flush();
    emit changed();
}

void ProgressStore::flush() {
    timer_.stop();
    if (dirty_ && writable_)
        write();
    dirty_ = false;
}

void ProgressStore::write() {
    QElapsedTimer clock;
    clock.start();
    const QString file = path();
    QString problem;
    if (file.isEmpty()) {
        problem = tr("a játékos adatmappája nem ismert");
    } else if (const QString folder = QFileInfo(file).absolutePath(); !QDir().mkpath(folder)) {
        problem = tr("a mappa nem hozható létre: %1").arg(folder);
    } else if (const QByteArray bytes = progress_.toJson(); bytes.size() > Progress::largestFile) {
        // Not written where it could not be read back: the file keeps what it had.
        problem = tr("több mint %1 MB lenne").arg(Progress::largestFile / (1024 * 1024));
    } else {
        QSaveFile out(file);
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) < 0 || !out.commit())
            problem = out.errorString();
    }
    lastWriteMs_ = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    if (problem.isEmpty())
        return;
    // Told once, and not tried again: practice goes on without keeping it.
    writable_ = false;
    emit trouble(tr("A haladás nem marad meg, mert a fájlja nem írható: %1 (%2).")
                     .arg(file.isEmpty() ? fileName : file, problem));
}

void ProgressStore::unload() {
    timer_.stop();
    progress_ = Progress();
    loaded_ = false;
    dirty_ = false;
    writable_ = true;
    emit changed();
}

} // namespace trainer
