# SPDX-FileCopyrightText: 2026 Morvane
# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by ./play and ./test: install what a fresh Debian 12 machine lacks, then configure and
# build into build/. Sourced, not run; expects $root to be the project folder.

packages=(cmake g++ ninja-build pkg-config qt6-base-dev qt6-base-private-dev qt6-qpa-plugins
          qt6-l10n-tools qt6-tools-dev
          qt6-svg-dev qt6-translations-l10n libsdl2-dev libbenchmark-dev nlohmann-json3-dev
          fonts-liberation fonts-dejavu-core clang-format help2man locales poppler-utils
          desktop-file-utils appstream dpkg-dev util-linux xvfb x11-utils lintian reuse
          weston qt6-wayland xdotool)
# The Windows build (scripts/windows-qt, ./test --windows): MinGW-w64, Wine, NSIS, and what
# building Qt from Debian's source takes (apt-get source unpacks with dpkg-dev).
windows_packages=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
                  mingw-w64-tools wine wine64 nsis cmake ninja-build dpkg-dev perl util-linux
                  qt6-base-dev qt6-l10n-tools xvfb)
# The screen reader test (./test --orca): Orca, speech-dispatcher with espeak-ng, the D-Bus and
# AT-SPI buses, a display with a window manager, keys sent through XTEST (xdotool), and Python's
# AT-SPI binding to read the table.
orca_packages=(orca speech-dispatcher espeak-ng python3-speechd python3-pyatspi gir1.2-atspi-2.0
               python3-gi at-spi2-core dbus xvfb x11-utils openbox xdotool)
# Fuzzing (./test --fuzz): Debian's clang with its libFuzzer and sanitizer runtimes, and the
# symbolizer that names the lines of a report.
fuzz_packages=(clang-14 libclang-rt-14-dev llvm-14)

# Installs the packages given, by default the list above.
install_missing() {
    [ $# -gt 0 ] || set -- "${packages[@]}"
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local apt=(env DEBIAN_FRONTEND=noninteractive apt-get)
    if [ "$(id -u)" -eq 0 ]; then
        "${apt[@]}" update -qq && "${apt[@]}" install -y -qq "${missing[@]}"
    elif command -v sudo >/dev/null 2>&1; then
        sudo "${apt[@]}" update -qq && sudo "${apt[@]}" install -y -qq "${missing[@]}"
    else
        echo "Please run as root:  apt-get install ${missing[*]}" >&2
        return 1
    fi
}

# The build for this machine takes CMake's default generator (Make on Linux, as packaging tools
# do; a build folder made before keeps its own), the Windows and sanitizer builds Ninja: a
# dependency that only one generator sees fails one of them.
configure_and_build() {
    cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null &&
        cmake --build "$root/build" --parallel "$(nproc)"
}

# The Windows build in build-windows/: Qt for Windows from the cache (built there the first time),
# the game and its tests cross-built, the media drawn by the native build's generator, and the
# portable ZIP and the installer made. Needs configure_and_build first.
configure_and_build_windows() {
    install_missing "${windows_packages[@]}" || return 2
    local qt
    qt=$("$root/scripts/windows-qt" | tail -n 1) || return
    cmake -S "$root" -B "$root/build-windows" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" -DCMAKE_PREFIX_PATH="$qt" \
        -DKARTAVO_HOST_MEDIAGEN="$root/build/tools/mediagen" >/dev/null &&
        cmake --build "$root/build-windows" --parallel "$(nproc)" &&
        (cd "$root/build-windows" && cpack >/dev/null) &&
        echo "Windows packages:" "$root"/build-windows/kartavo-*-win64*
}

# The same build with AddressSanitizer and UndefinedBehaviorSanitizer, in its own folder.
configure_and_build_sanitized() {
    cmake -S "$root" -B "$root/build-sanitize" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DKARTAVO_SANITIZE=ON >/dev/null &&
        cmake --build "$root/build-sanitize" --parallel "$(nproc)"
}

# The fuzz targets in build-fuzz/: clang, the targets and the project's libraries instrumented for
# libFuzzer with AddressSanitizer and UBSan (tests/fuzz/CMakeLists.txt); only what they need.
configure_and_build_fuzz() {
    cmake -S "$root" -B "$root/build-fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_COMPILER=clang++-14 -DKARTAVO_FUZZ=ON >/dev/null &&
        cmake --build "$root/build-fuzz" --parallel "$(nproc)" --target fuzz
}
