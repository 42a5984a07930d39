// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt-free libraries speak Hungarian through keys: each text they make is its Hungarian words,
// marked where it is written with QT_TRANSLATE_NOOP(context, text), which is the text itself
// here and which Qt's lupdate reads into the translation files. The layers above translate a key
// where they show it; a text put together from parts ("3 lap színhez, nyitott") is made from a
// pattern and parts that are each translated by the caller's function.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

// The same definition as Qt's own, so that a file that also includes Qt compiles either way.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace kartavo {

// The text to show for a key of a context. Empty: the key itself, that is Hungarian.
using Translate = std::function<std::string(const char* context, const char* key)>;

// The key translated by translate, or the key itself when translate is empty.
std::string translated(const Translate& translate, const char* context, const char* key);

// The pattern with %1 .. %9 replaced by the parts, in any order the pattern has them.
std::string fillIn(std::string_view pattern, std::initializer_list<std::string_view> parts);

} // namespace kartavo
