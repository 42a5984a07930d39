// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "paytable_file.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <fstream>
#include <set>

namespace kartavo {

namespace {

using Json = nlohmann::json;

// Where a position of the text is: its line and column, both from 1.
std::pair<int, int> lineAndColumn(std::string_view text, std::size_t position) {
    position = std::min(position, text.size());
    int line = 1, column = 1;
    for (std::size_t i = 0; i < position; ++i) {
        if (text[i] == '\n') {
            ++line;
            column = 1;
        } else if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            ++column; // a UTF-8 character counts once
        }
    }
    return {line, column};
}

// The line of a member of the root object (parent empty) or of one of its objects, in text
// that is valid JSON; 0 when it is not written plainly (escapes in its name).
int lineOfMember(std::string_view text, std::string_view parent, std::string_view member) {
    int depth = 0, line = 1;
    std::string_view lastKey; // the last member name at depth 1
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\n')
            ++line;
        else if (c == '{' || c == '[')
            ++depth;
        else if (c == '}' || c == ']')
            --depth;
        else if (c == '"') {
            std::size_t end = i + 1;
            while (end < text.size() && text[end] != '"')
                end += text[end] == '\\' ? 2 : 1;
            const std::string_view word = text.substr(i + 1, end - i - 1);
            std::size_t next = end + 1;
            while (next < text.size() &&
                   std::string_view(" \t\r\n").find(text[next]) != std::string_view::npos)
                ++next;
            const bool isKey = next < text.size() && text[next] == ':';
            if (isKey && depth == 1)
                lastKey = word;
            if (isKey && word == member &&
                ((parent.empty() && depth == 1) || (depth == 2 && lastKey == parent)))
                return line;
            i = end;
        }
    }
    return 0;
}

// A word of the file as a message shows it: its first 40 characters, so that the message stays
// one line that can be read.
std::string shortened(std::string_view text) {
    constexpr std::size_t most = 40;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && ++characters > most)
            return std::string(text.substr(0, i)) + "…";
    return std::string(text);
}

// A value as a message shows it: a number or a text as written, an array or an object by its
// brackets alone (writing out a deeply nested value would take as deep a recursion).
std::string shown(const Json& value) {
    if (value.is_array())
        return "[…]";
    if (value.is_object())
        return "{…}";
    return shortened(value.dump());
}

class Reader {
  public:
    Reader(std::string_view text, std::string_view file) : text_(text), file_(file) {}

    PaytableError error(const char* what, std::vector<std::string> parts, int line = 0) const {
        return {std::string(file_), line, what, std::move(parts)};
    }
    PaytableError memberError(const char* what, std::string_view parent, std::string_view member,
                              std::vector<std::string> parts) const {
        return error(what, std::move(parts), lineOfMember(text_, parent, member));
    }
    static std::string path(std::string_view parent, std::string_view member) {
        return parent.empty() ? std::string(member)
                              : std::string(parent) + "." + std::string(member);
    }

    PaytableRead read() {
        if (text_.size() > paytableFileLimit)
            return error(QT_TRANSLATE_NOOP("Paytable file", "nagyobb 64 KB-nál"), {});
        Json root;
        std::optional<PaytableError> duplicate;
        try {
            // Members that come twice are refused: the parser would keep the last one.
            std::vector<std::set<std::string>> seen;
            std::vector<std::string> keys;
            root = Json::parse(
                text_.begin(), text_.end(), [&](int, Json::parse_event_t event, Json& parsed) {
                    if (event == Json::parse_event_t::object_start) {
                        seen.emplace_back();
                        keys.push_back(lastKey_);
                    } else if (event == Json::parse_event_t::object_end) {
                        seen.pop_back();
                        keys.pop_back();
                    } else if (event == Json::parse_event_t::key && !seen.empty()) {
                        lastKey_ = parsed.get<std::string>();
                        if (!seen.back().insert(lastKey_).second && !duplicate) {
                            const std::string parent = seen.size() == 2 ? keys.back() : "";
                            duplicate =
                                error(QT_TRANSLATE_NOOP("Paytable file", "kétszer szerepel: %1"),
                                      {shortened(path(parent, lastKey_))});
                        }
                    }
                    return true;
                });
        } catch (const Json::parse_error& e) {
            const auto [line, column] = lineAndColumn(text_, e.byte == 0 ? 0 : e.byte - 1);
            return error(QT_TRANSLATE_NOOP("Paytable file", "%1. oszlop: hibás JSON"),
                         {std::to_string(column)}, line);
        } catch (const Json::out_of_range& e) {
            // A number past what a double holds (1e400). The parser names it in quotes but gives
            // no place: its line is where the text first has it.
            const std::string_view said = e.what();
            const std::size_t open = said.find('\''), close = said.rfind('\'');
            const std::string number =
                open < close ? std::string(said.substr(open + 1, close - open - 1)) : "";
            const std::size_t at = number.empty() ? std::string_view::npos : text_.find(number);
            return error(QT_TRANSLATE_NOOP("Paytable file", "túl nagy szám: %1"), {number},
                         at == std::string_view::npos ? 0 : lineAndColumn(text_, at).first);
        }
        if (duplicate)
            return *duplicate;
        if (!root.is_object())
            return error(QT_TRANSLATE_NOOP("Paytable file", "nem JSON objektum"), {});
        for (const auto& [key, value] : root.items())
            if (key != "format" && key != "version" && key != "name" && key != "family" &&
                key != "pays")
                return memberError(QT_TRANSLATE_NOOP("Paytable file", "ismeretlen tag: %1"), "",
                                   key, {shortened(key)});
        for (const char* key : {"format", "version", "name", "family", "pays"})
            if (!root.contains(key))
                return error(QT_TRANSLATE_NOOP("Paytable file", "hiányzik: %1"), {key});

        const Json& format = root["format"];
        if (!format.is_string() || format.get<std::string>() != paytableFormat)
            return memberError(
                QT_TRANSLATE_NOOP("Paytable file", "nem nyereménytábla: a format nem \"%1\""), "",
                "format", {paytableFormat});
        const Json& version = root["version"];
        if (!version.is_number_integer() || version.get<std::int64_t>() != paytableVersion)
            return memberError(
                QT_TRANSLATE_NOOP("Paytable file",
                                  "version: csak az 1. változatot ismeri ez a program, nem %1"),
                "", "version", {shown(version)});

        const Json& nameValue = root["name"];
        if (!nameValue.is_string())
            return memberError(QT_TRANSLATE_NOOP("Paytable file", "%1: szöveg kell"), "", "name",
                               {"name"});
        const std::string name = nameValue.get<std::string>();
        std::size_t characters = 0;
        bool control = false;
        for (unsigned char c : name) {
            characters += (c & 0xC0) != 0x80;
            control = control || c < 0x20 || c == 0x7F;
        }
        if (characters == 0 || characters > 100 || control)
            return memberError(
                QT_TRANSLATE_NOOP("Paytable file", "name: 1-100 karakter kell, vezérlőjel nélkül"),
                "", "name", {});

        const Json& familyValue = root["family"];
        const std::optional<Family> family =
            familyValue.is_string() ? familyOfKey(familyValue.get<std::string>()) : std::nullopt;
        if (!family) {
            std::string known;
            for (Family f : families())
                known += (known.empty() ? "" : ", ") + std::string(familyRules(f).key);
            return memberError(QT_TRANSLATE_NOOP("Paytable file",
                                                 "family: ismeretlen játékcsalád: %1 (ismert: %2)"),
                               "", "family", {shown(familyValue), known});
        }

        const Json& pays = root["pays"];
        if (!pays.is_object())
            return memberError(QT_TRANSLATE_NOOP("Paytable file", "%1: JSON objektum kell"), "",
                               "pays", {"pays"});
        const std::span<const PayRow> rows = familyRules(*family).rows;
        for (const auto& [key, value] : pays.items())
            if (std::none_of(rows.begin(), rows.end(),
                             [&member = key](const PayRow& row) { return member == row.key; }))
                return memberError(
                    QT_TRANSLATE_NOOP("Paytable file", "ismeretlen sor: %1 (a %2 sorai: %3)"),
                    "pays", key,
                    {shortened(path("pays", key)), familyRules(*family).key, rowKeys(rows)});
        CasinoGame game{name, *family, {}};
        for (const PayRow& row : rows) {
            if (!pays.contains(row.key))
                return error(QT_TRANSLATE_NOOP("Paytable file", "hiányzik: %1"),
                             {path("pays", row.key)});
            const Json& pay = pays[row.key];
            const bool inRange =
                pay.is_number_unsigned()
                    ? pay.get<std::uint64_t>() <= static_cast<std::uint64_t>(largestPay)
                    : pay.is_number_integer() && pay.get<std::int64_t>() >= 0 &&
                          pay.get<std::int64_t>() <= largestPay;
            if (!inRange)
                return memberError(QT_TRANSLATE_NOOP("Paytable file",
                                                     "%1: egész szám kell 0 és 1000000 között, "
                                                     "nem %2"),
                                   "pays", row.key, {path("pays", row.key), shown(pay)});
            game.pays.push_back(static_cast<std::int32_t>(pay.get<std::int64_t>()));
        }
        return game;
    }

  private:
    static std::string rowKeys(std::span<const PayRow> rows) {
        std::string text;
        for (const PayRow& row : rows)
            text += (text.empty() ? "" : ", ") + std::string(row.key);
        return text;
    }

    std::string_view text_, file_;
    std::string lastKey_;
};

} // namespace

std::string PaytableError::message(const Translate& translate) const {
    std::string text = file;
    if (line > 0)
        text += ":" + std::to_string(line);
    // %1 .. %9 replaced in one pass, so that a part that holds "%2" stays as it is.
    const std::string pattern = translated(translate, "Paytable file", what);
    std::string said;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const bool marker = pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' &&
                            pattern[i + 1] <= '9';
        const auto part = marker ? static_cast<std::size_t>(pattern[i + 1] - '1') : 0;
        if (marker && part < parts.size()) {
            said += parts[part];
            ++i;
        } else {
            said += pattern[i];
        }
    }
    return text + ": " + said;
}

PaytableRead readPaytable(std::string_view bytes, std::string_view fileName) {
    return Reader(bytes, fileName).read();
}

PaytableRead readPaytableFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string bytes(paytableFileLimit + 1, '\0');
    if (in)
        in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!in && !in.eof())
        return PaytableError{path, 0, QT_TRANSLATE_NOOP("Paytable file", "nem olvasható"), {}};
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return readPaytable(bytes, path);
}

} // namespace kartavo
