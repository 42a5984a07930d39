// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "hand_text.h"

#include <algorithm>
#include <string>

namespace kartavo {

namespace {

constexpr const char* context = "kartavo-analyze";
// The blanks between codes: those of the C locale.
constexpr std::string_view blanks = " \t\n\v\f\r";

std::string inQuotes(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

HandTextError error(const char* what, std::vector<std::string> parts = {}) {
    return {what, std::move(parts)};
}

} // namespace

std::string HandTextError::message(const Translate& translate) const {
    const std::string pattern = translated(translate, context, what);
    return fillIn(pattern, {parts.size() > 0 ? std::string_view(parts[0]) : std::string_view(),
                            parts.size() > 1 ? std::string_view(parts[1]) : std::string_view()});
}

HandRead readHand(std::string_view text, int deckSize) {
    if (text.size() > longestHandText)
        return error(QT_TRANSLATE_NOOP("kartavo-analyze", "túl hosszú leosztás: több mint %1 bájt"),
                     {std::to_string(longestHandText)});
    std::vector<std::string_view> codes;
    for (std::size_t at = text.find_first_not_of(blanks); at != std::string_view::npos;) {
        const std::size_t end = std::min(text.find_first_of(blanks, at), text.size());
        codes.push_back(text.substr(at, end - at));
        at = text.find_first_not_of(blanks, end);
    }
    if (codes.size() != 5)
        return error(QT_TRANSLATE_NOOP("kartavo-analyze", "pontosan öt lap kell, %1 érkezett: %2"),
                     {std::to_string(codes.size()), inQuotes(text)});
    Hand hand{};
    for (std::size_t i = 0; i < 5; ++i) {
        const std::optional<CardId> card = parseCardCode(codes[i], deckSize);
        if (!card && codes[i] == "Jk")
            return error(QT_TRANSLATE_NOOP("kartavo-analyze", "ebben a játékban nincs dzsóker: %1"),
                         {inQuotes(codes[i])});
        if (!card)
            return error(
                QT_TRANSLATE_NOOP(
                    "kartavo-analyze",
                    "ismeretlen lapkód: %1 (rang: 2-9, 0 a tízes, J, Q, K, A; szín: c, d, h, s)"),
                {inQuotes(codes[i])});
        for (std::size_t j = 0; j < i; ++j)
            if (hand[j] == *card)
                return error(
                    QT_TRANSLATE_NOOP("kartavo-analyze", "kétszer szerepel ugyanaz a lap: %1"),
                    {inQuotes(codes[i])});
        hand[i] = *card;
    }
    return hand;
}

std::optional<HandTextError> readHandLines(std::istream& in, int deckSize,
                                           const std::function<void(const Hand&)>& each) {
    std::streambuf* source = in.rdbuf();
    if (!source)
        return std::nullopt;
    std::string line;
    for (bool more = true; more;) {
        line.clear();
        // One line, up to its end or one byte past the limit.
        for (;;) {
            const int c = source->sbumpc();
            if (c == std::char_traits<char>::eof()) {
                more = false;
                break;
            }
            if (c == '\n')
                break;
            line.push_back(static_cast<char>(c));
            if (line.size() > longestHandText)
                break;
        }
        if (line.size() <= longestHandText && line.find_first_not_of(" \t\r") == std::string::npos)
            continue;
        const HandRead read = readHand(line, deckSize);
        if (const auto* wrong = std::get_if<HandTextError>(&read))
            return *wrong;
        each(std::get<Hand>(read));
    }
    return std::nullopt;
}

} // namespace kartavo
