// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress_store.h"

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
constexpr int ownVersion = 1;
const QStringList knownFields = {"format", "version", "days", "mistakes"};

int lineCount() {
    return static_cast<int>(kartavo::gameChart().lines.size());
}

QString handCodes(const kartavo::Hand& hand, std::uint8_t kept) {
    return QString::fromStdString(kartavo::keptCodes(hand, kept));
}

std::optional<kartavo::Hand> parseHand(const QString& text) {
    const QStringList codes = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (codes.size() != 5)
        return std::nullopt;
    kartavo::Hand hand{};
    for (std::size_t p = 0; p < 5; ++p) {
        const auto card = kartavo::parseCardCode(codes[static_cast<int>(p)].toStdString());
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
        const auto card = kartavo::parseCardCode(code.toStdString());
        const auto at = card ? std::find(dealt.begin(), dealt.end(), *card) : dealt.end();
        if (at == dealt.end())
            return std::nullopt;
        kept = static_cast<std::uint8_t>(kept | (1u << (at - dealt.begin())));
    }
    return kept;
}

bool isCount(const QJsonValue& v) {
    return v.isDouble() && v.toDouble() >= 0 && v.toDouble() == std::floor(v.toDouble());
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
                      const QDate& day) {
    std::vector<LineTally>& lines = days_[day];
    lines.resize(static_cast<std::size_t>(lineCount()));
    LineTally& t = lines[static_cast<std::size_t>(line)];
    ++t.hands;
    if (cost > 0) {
        ++t.mistakes;
        t.cost += cost;
        mistakes_.push_back({dealt, kept, line, cost, day});
        while (mistakes_.size() > keptMistakes)
            mistakes_.pop_front();
    }
}

std::vector<LineTally> Progress::tallies(const QDate& first) const {
    std::vector<LineTally> sum(static_cast<std::size_t>(lineCount()));
    for (const auto& [day, lines] : days_)
        if (!first.isValid() || day >= first)
            for (std::size_t i = 0; i < lines.size() && i < sum.size(); ++i)
                sum[i].add(lines[i]);
    return sum;
}

std::map<QDate, LineTally> Progress::dayTotals() const {
    std::map<QDate, LineTally> totals;
    for (const auto& [day, lines] : days_)
        for (const LineTally& t : lines)
            totals[day].add(t);
    return totals;
}

QByteArray Progress::toJson() const {
    QJsonObject root = unknown_;
    root[QStringLiteral("format")] = formatName;
    root[QStringLiteral("version")] = std::max(version_, ownVersion);
    QJsonObject days;
    for (const auto& [day, lines] : days_) {
        QJsonObject perLine;
        for (std::size_t i = 0; i < lines.size(); ++i)
            if (lines[i].hands > 0)
                perLine[QString::number(i + 1)] =
                    QJsonArray{static_cast<double>(lines[i].hands),
                               static_cast<double>(lines[i].mistakes), lines[i].cost};
        days[day.toString(Qt::ISODate)] = perLine;
    }
    root[QStringLiteral("days")] = days;
    QJsonArray mistakes;
    for (const Mistake& m : mistakes_)
        mistakes.append(QJsonObject{
            {"day",    m.day.toString(Qt::ISODate)},
            {"line",   m.line + 1                 },
            {"hand",   handCodes(m.dealt,           31)},
            {"kept",        handCodes(m.dealt,                              m.kept)},
            {"cost", m.cost}
        });
    root[QStringLiteral("mistakes")] = mistakes;
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

std::optional<Progress> Progress::fromJson(const QByteArray& bytes, QString* why) {
    const auto fail = [why](const QString& reason) -> std::optional<Progress> {
        if (why)
            *why = reason;
        return std::nullopt;
    };
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
    const QJsonValue days = root.value(QStringLiteral("days"));
    if (!days.isUndefined() && !days.isObject())
        return fail(QStringLiteral("days"));
    const QJsonObject dayObject = days.toObject();
    for (auto d = dayObject.begin(); d != dayObject.end(); ++d) {
        const QDate day = QDate::fromString(d.key(), Qt::ISODate);
        if (!day.isValid() || !d.value().isObject())
            return fail(QStringLiteral("day %1").arg(d.key()));
        std::vector<LineTally> lines(static_cast<std::size_t>(lineCount()));
        const QJsonObject perLine = d.value().toObject();
        for (auto l = perLine.begin(); l != perLine.end(); ++l) {
            bool number = false;
            const int line = l.key().toInt(&number) - 1;
            // [hands, mistakes, cost]
            const QJsonArray t = l.value().toArray();
            if (!number || line < 0 || t.size() != 3 || !isCount(t[0]) || !isCount(t[1]) ||
                !t[2].isDouble() || t[1].toDouble() > t[0].toDouble())
                return fail(QStringLiteral("day %1 line %2").arg(d.key(), l.key()));
            if (line >= lineCount())
                continue; // a line of a longer chart
            lines[static_cast<std::size_t>(line)] = {static_cast<std::int64_t>(t[0].toDouble()),
                                                     static_cast<std::int64_t>(t[1].toDouble()),
                                                     t[2].toDouble()};
        }
        p.days_[day] = lines;
    }
    const QJsonValue mistakes = root.value(QStringLiteral("mistakes"));
    if (!mistakes.isUndefined() && !mistakes.isArray())
        return fail(QStringLiteral("mistakes"));
    for (const QJsonValue& v : mistakes.toArray()) {
        const QJsonObject m = v.toObject();
        const auto hand = parseHand(m.value("hand").toString());
        const auto kept = hand ? parseKept(*hand, m.value("kept").toString()) : std::nullopt;
        const int line = m.value("line").toInt() - 1;
        const QDate day = QDate::fromString(m.value("day").toString(), Qt::ISODate);
        if (!kept || line < 0 || !day.isValid())
            return fail(QStringLiteral("mistake"));
        if (line < lineCount())
            p.mistakes_.push_back({*hand, *kept, line, m.value("cost").toDouble(), day});
    }
    while (p.mistakes_.size() > keptMistakes)
        p.mistakes_.pop_front();
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
    const QByteArray bytes = in.readAll();
    in.close();
    if (std::optional<Progress> p = Progress::fromJson(bytes, &why)) {
        progress_ = std::move(*p);
        return;
    }
    // Nothing the player had is destroyed: the damaged file stays beside the new one.
    const QString bad = file + QStringLiteral(".bad");
    QFile::remove(bad);
    if (QFile::rename(file, bad))
        emit trouble(tr("A haladás fájlja sérült vagy nem ennek a programnak a fájlja: %1. "
                        "Félretéve %2 néven, a haladás elölről indul.")
                         .arg(file, bad));
    else {
        writable_ = false;
        emit trouble(tr("A haladás fájlja sérült vagy nem ennek a programnak a fájlja: %1. "
                        "Nem tehető félre, ezért a haladás most nem marad meg.")
                         .arg(file));
    }
}

void ProgressStore::record(int line, const kartavo::Hand& dealt, std::uint8_t kept, double cost) {
    load();
    progress_.record(line, dealt, kept, cost, QDate::currentDate());
    dirty_ = true;
    if (!timer_.isActive())
        timer_.start();
    emit changed();
}

void ProgressStore::clear() {
    load();
    progress_ = Progress();
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
    } else {
        QSaveFile out(file);
        if (!out.open(QIODevice::WriteOnly) || out.write(progress_.toJson()) < 0 || !out.commit())
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
