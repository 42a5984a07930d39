// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The fuzz targets: each hands one input to a reader of what comes from outside the program (a
// file, a text), through the same functions the program calls, and checks what the program
// relies on in the result. They run under libFuzzer (fuzz_main.cpp, "./test --fuzz"), and the
// ordinary tests replay the kept inputs through them (fuzz_replay_test.cpp).
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace fuzz {

struct Target {
    const char* name;
    // Once per process, with the application object made: folders of its own, warm-up.
    void (*prepare)();
    void (*run)(QByteArrayView input);
};

extern const Target progressTarget;
extern const Target settingsTarget;
extern const Target paytableTarget;
extern const Target handsTarget;
extern const Target mediaTarget;

// A promise broken: says which on stderr and aborts, so that the fuzzer keeps the input.
[[noreturn]] void broken(const char* what, const char* file, int line);

// A folder of the process's own, removed at its end.
QString workFolder();
// Writes the bytes as the file at path, creating its folder.
void writeFile(const QString& path, QByteArrayView bytes);

} // namespace fuzz

#define FUZZ_CHECK(condition) ((condition) ? void() : fuzz::broken(#condition, __FILE__, __LINE__))
