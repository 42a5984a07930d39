// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
#include "translatable.h"

#include <vector>

namespace kartavo {

std::string translated(const Translate& translate, const char* context, const char* key) {
    return translate ? translate(context, key) : std::string(key);
}

std::string fillIn(std::string_view pattern, std::initializer_list<std::string_view> parts) {
    const std::vector<std::string_view> list(parts);
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' &&
            pattern[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (n < list.size()) {
                text += list[n];
                ++i;
                continue;
            }
        }
        text += pattern[i];
    }
    return text;
}

} // namespace kartavo
