#!/usr/bin/env bash
# Installs the Debian packages that the build (and, with --test, the tests; with --windows, the
# Windows build; with --art, rendering the artwork, measuring it and making the README's
# pictures; with --release, the release check; with --debian, building the Debian package and
# checking it with lintian, autopkgtest and reprotest; with --debian13, making the Debian 13
# root; with --uia, reading the Windows build through UI Automation there) need, but only those
# that are missing. The names are the same on Debian 12 and 13. Runs as root, or through sudo
# where it exists.
set -euo pipefail

packages=(cmake g++ make pkgconf qt6-base-dev qt6-base-dev-tools libgl-dev fonts-dejavu-core
          qt6-qpa-plugins)
bare_packages=()
if [[ "${1:-}" == "--test" ]]; then
    packages+=(xvfb xauth xdotool xclip x11-utils imagemagick dbus at-spi2-core python3-pyatspi
               python3 appstream openbox x11-xserver-utils clang clang-format libclang-rt-dev libxcb1-dev
               mutter xwayland weston qt6-wayland wmctrl man-db valgrind locales
               desktop-file-utils file)
    # Orca alone: its recommends would bring speech synthesis and a desktop's worth more.
    # debhelper builds the Debian package in the main pass, lintian checks it.
    bare_packages+=(orca build-essential debhelper lintian)
fi
if [[ "${1:-}" == "--art" ]]; then
    # Rendering the artwork (scripts/render-artwork.sh) and measuring how sharp it is drawn
    # (bench/sharpness): the SVG renderer and ImageMagick; optipng shrinks the README's pictures
    # (scripts/screenshots.sh).
    packages+=(librsvg2-bin imagemagick xvfb xauth openbox optipng)
fi
if [[ "${1:-}" == "--windows" ]]; then
    # The cross build (scripts/build-windows.sh): MinGW-w64, the tools that fetch and build Qt,
    # Wine to run what was built, NSIS and icoutils for the setup program and its icon, unzip
    # for the test of the portable archive; Python's Xlib for random use there, which asks the
    # program's windows whether it still answers.
    bare_packages+=(ninja-build dpkg-dev g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
                    wine64 wine fonts-wine nsis icoutils unzip python3-xlib)
fi

if [[ "${1:-}" == "--uia" ]]; then
    # The Windows screen-reader journey of the Debian 13 pass: Wine 10, whose UI Automation
    # answers a client, and MinGW-w64 12, whose headers declare the client's interfaces.
    bare_packages+=(wine64 wine g++-mingw-w64-x86-64-posix)
fi

if [[ "${1:-}" == "--debian13" ]]; then
    # The Debian 13 and testing passes (scripts/test-debian-root.sh) make their roots with
    # mmdebstrap.
    bare_packages+=(mmdebstrap)
fi

if [[ "${1:-}" == "--release" ]]; then
    # scripts/release.sh: debhelper builds the .deb, lintian checks it, diffoscope shows where
    # two builds differ (its recommends are a hundred tools for formats we do not ship).
    bare_packages+=(build-essential debhelper lintian diffoscope)
fi

if [[ "${1:-}" == "--debian" ]]; then
    # The Debian package's own checks (docs/installing.md). reprotest's variations need
    # disorderfs (file order), faketime (the build's time) and locales-all (the locale).
    bare_packages+=(build-essential debhelper lintian autopkgtest reprotest disorderfs faketime
                    locales-all)
fi

missing_of() {
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            echo "$package"
        fi
    done
}
mapfile -t missing < <(missing_of "${packages[@]}")
mapfile -t missing_bare < <(missing_of "${bare_packages[@]}")
if ((${#missing[@]} + ${#missing_bare[@]} == 0)); then
    exit 0
fi

as_root=()
if [[ $(id -u) -ne 0 ]]; then
    as_root=(sudo)
fi
echo "Installing: ${missing[*]} ${missing_bare[*]}"
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
if ((${#missing[@]} > 0)); then
    "${as_root[@]}" apt-get install -y -qq "${missing[@]}"
fi
if ((${#missing_bare[@]} > 0)); then
    "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing_bare[@]}"
fi
