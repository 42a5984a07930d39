// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// One fuzz target under libFuzzer: KARTAVO_FUZZ_TARGET names it (progressTarget, ...).
#include "fuzz_targets.h"

#include <QGuiApplication>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // No display: pictures and cursors are made offscreen. Qt takes none of libFuzzer's options.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "kartavo-fuzz";
    static char* argv[] = {name, nullptr};
    // Lives to the end of the process, as the program's own application object does.
    new QGuiApplication(argc, argv);
    fuzz::KARTAVO_FUZZ_TARGET.prepare();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::KARTAVO_FUZZ_TARGET.run(
        QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    return 0;
}
