#!/usr/bin/env bash
# Builds Velloran for 64-bit Windows on Debian 12 and packs its setup program:
#   1. installs what is missing (MinGW-w64, Wine, NSIS, the host Qt 6.4.2);
#   2. cross-builds Qt 6.4.2 from Debian's own qt6-base source the first time, and keeps it in
#      ${XDG_CACHE_HOME:-~/.cache}/velloran, keyed by the Qt version and the configure options;
#   3. builds Velloran.exe in build/windows, and with --tests the unit tests beside it;
#   4. packs the 64-bit NSIS setup program build/windows/Velloran-<version>-win64.exe and the
#      portable archive build/windows/Velloran-<version>-win64.zip beside it.
set -euo pipefail
cd "$(dirname "$0")/.."
project=$PWD
jobs=$(nproc)

qt_version=6.4.2
scripts/setup.sh --windows
host_qt=$(dpkg-query -W -f='${Version}' qt6-base-dev)
if [[ $host_qt != "$qt_version"+* ]]; then
    echo "The host Qt must be $qt_version for the cross build's tools, not $host_qt" >&2
    exit 1
fi

# A small Qt: Core, Gui, Widgets and Test; the windows and offscreen platforms, the windowsvista
# style. Debian's source leaves out the Wintab headers, hence no tablet events. Without direct2d
# the windows plugin does not link in 6.4.2, so only its 1.1 part is off.
toolchain=$project/cmake/mingw-w64-x86_64.cmake
qt_options=(-release -opensource -confirm-license -nomake examples -nomake tests
            -no-opengl -no-dbus -no-pkg-config -no-feature-sql -no-feature-network
            -no-feature-xml -no-feature-printsupport -no-feature-concurrent
            -no-feature-tabletevent -no-feature-direct2d1_1
            -qt-zlib -qt-pcre -qt-libpng -qt-libjpeg -qt-freetype -qt-harfbuzz)
key=$( (echo "$qt_version" "${qt_options[@]}"; cat "$toolchain") | sha1sum | cut -c1-12)
cache=${XDG_CACHE_HOME:-$HOME/.cache}/velloran
qt_prefix=$cache/qt-$qt_version-mingw-$key

if [[ ! -e $qt_prefix/velloran-complete ]]; then
    echo "Building Qt $qt_version for Windows into $qt_prefix (about half an hour)"
    work=$cache/qt-work-$key
    rm -rf "$work" "$qt_prefix"
    mkdir -p "$work/apt/lists/partial" "$work/apt/cache/archives/partial" "$work/apt/parts"
    # A private apt configuration with Debian's source archive, so that the system's sources stay
    # as they are.
    echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg]" \
         "http://deb.debian.org/debian bookworm main" >"$work/apt/sources.list"
    apt_private=(-o Dir::Etc::sourcelist="$work/apt/sources.list"
                 -o Dir::Etc::sourceparts="$work/apt/parts"
                 -o Dir::State::Lists="$work/apt/lists" -o Dir::Cache="$work/apt/cache"
                 -o Debug::NoLocking=1)
    apt-get "${apt_private[@]}" update -qq
    (cd "$work" && apt-get "${apt_private[@]}" source -qq "qt6-base=$host_qt")
    source_dir=$(find "$work" -maxdepth 1 -type d -name 'qt6-base-*')
    mkdir -p "$work/build"
    (cd "$work/build" &&
        nice "$source_dir/configure" -prefix "$qt_prefix" "${qt_options[@]}" \
            -qt-host-path /usr -- -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
            -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake &&
        nice cmake --build . --parallel "$jobs" &&
        cmake --install .)
    echo "$host_qt" >"$qt_prefix/velloran-source-version" # for the third-party notices
    touch "$qt_prefix/velloran-complete" # an interrupted build is not taken for a whole one
    rm -rf "$work"
fi

qt_source_version=$(cat "$qt_prefix/velloran-source-version" 2>/dev/null || echo "$host_qt")

# Velloran.exe (with --tests also the unit tests, warnings as errors), the setup program and the
# archive.
tests=OFF
[[ ${1:-} == --tests ]] && tests=ON
build=build/windows
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_FIND_ROOT_PATH="$qt_prefix" -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DVELLORAN_QT_SOURCE_VERSION="$qt_source_version" -DVELLORAN_QT_CONFIGURE="${qt_options[*]}" \
    -DVELLORAN_TESTS=$tests -DVELLORAN_WERROR=$tests >/dev/null
nice cmake --build "$build" --parallel "$jobs"
(cd "$build" && cpack)
