// SPDX-FileCopyrightText: 2026 Morvane
// SPDX-License-Identifier: GPL-3.0-or-later
// The libFuzzer program of one fuzz target (KARTAVO_FUZZ_TARGET): a Qt application as the
// program's own, then each input handed to the target.
//
// An input may take at most 256 MB: what the program holds on the heap at once while it reads
// the input, counted by the allocator's hooks from what it held before. The process as a whole
// is judged more loosely (scripts/fuzz), since over a long run it also holds the fuzzer's corpus
// and the sanitizers' records of every allocation's stack, which grow with the code reached.
#include "fuzz_targets.h"

#include <QGuiApplication>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <sanitizer/allocator_interface.h>
#include <unistd.h>

namespace {

constexpr std::int64_t inputLimit = std::int64_t{256} << 20;
std::atomic<std::int64_t> held{0};
std::atomic<std::int64_t> ceiling{std::numeric_limits<std::int64_t>::max()};

void onMalloc(const volatile void*, std::size_t size) {
    const std::int64_t now =
        held.fetch_add(static_cast<std::int64_t>(size), std::memory_order_relaxed) +
        static_cast<std::int64_t>(size);
    if (now > ceiling.load(std::memory_order_relaxed)) {
        // Once: libFuzzer's report that follows allocates too. No allocation here, in a hook.
        ceiling.store(std::numeric_limits<std::int64_t>::max(), std::memory_order_relaxed);
        static const char message[] = "broken: the input takes more than 256 MB of memory\n";
        [[maybe_unused]] const auto written = write(STDERR_FILENO, message, sizeof message - 1);
        std::abort();
    }
}

void onFree(const volatile void* pointer) {
    held.fetch_sub(
        static_cast<std::int64_t>(__sanitizer_get_allocated_size(const_cast<const void*>(pointer))),
        std::memory_order_relaxed);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    __sanitizer_install_malloc_and_free_hooks(onMalloc, onFree);
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
    ceiling.store(held.load(std::memory_order_relaxed) + inputLimit, std::memory_order_relaxed);
    fuzz::KARTAVO_FUZZ_TARGET.run(
        QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    ceiling.store(std::numeric_limits<std::int64_t>::max(), std::memory_order_relaxed);
    return 0;
}
