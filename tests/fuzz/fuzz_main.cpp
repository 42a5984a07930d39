// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The libFuzzer program of one fuzz target (KARTAVO_FUZZ_TARGET): a Qt application as the
// program's own, then each input handed to the target.
//
// An input may take at most 256 MB: the peak of the process's resident memory while it reads the
// input, above what was resident when it began (Linux's high-water mark, reset for each input).
// Memory only reserved is not taken: Qt 6.4 reserves the length that a damaged settings value
// claims and drops the value when the data runs out, touching little of it, as a system without
// the sanitizers does. The process as a whole is judged more loosely (scripts/fuzz), since over a
// long run it also holds the fuzzer's corpus and the sanitizers' own records, which grow with the
// code reached.
#include "fuzz_targets.h"

#include <QGuiApplication>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr long inputLimitKb = 256 * 1024;

// A line of /proc/self/status ("VmRSS:", "VmHWM:") in kB; 0 where there is none.
long statusKb(const char* name) {
    char text[4096];
    const int fd = open("/proc/self/status", O_RDONLY);
    if (fd < 0)
        return 0;
    const ssize_t length = read(fd, text, sizeof text - 1);
    close(fd);
    text[length > 0 ? length : 0] = '\0';
    const char* line = std::strstr(text, name);
    return line ? std::strtol(line + std::strlen(name), nullptr, 10) : 0;
}

void resetPeak() {
    const int fd = open("/proc/self/clear_refs", O_WRONLY);
    if (fd < 0)
        return;
    [[maybe_unused]] const ssize_t written = write(fd, "5", 1);
    close(fd);
}

} // namespace

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
    resetPeak();
    const long before = statusKb("VmRSS:");
    fuzz::KARTAVO_FUZZ_TARGET.run(
        QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    const long taken = statusKb("VmHWM:") - before;
    if (before > 0 && taken > inputLimitKb) {
        std::fprintf(stderr, "broken: the input takes %ld MB of memory, more than 256 MB\n",
                     taken / 1024);
        std::abort();
    }
    return 0;
}
