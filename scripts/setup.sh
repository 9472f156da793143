#!/usr/bin/env bash
# Installs the Debian packages that the build (and, with --test, the tests; with
# --windows, the Windows build) need, but only those that are missing. Runs as root,
# or through sudo where it exists.
set -euo pipefail

# file and dpkg-dev let cpack build the .deb and find its library dependencies.
packages=(cmake g++ make pkgconf qt6-base-dev qt6-base-dev-tools libgl-dev fonts-dejavu-core
          qt6-qpa-plugins file dpkg-dev)
bare_packages=()
if [[ "${1:-}" == "--test" ]]; then
    packages+=(xvfb xauth xdotool xclip x11-utils imagemagick dbus at-spi2-core python3-pyatspi
               python3 appstream openbox x11-xserver-utils clang clang-format libclang-rt-14-dev libxcb1-dev
               mutter xwayland weston qt6-wayland wmctrl)
    # Orca alone: its recommends would bring speech synthesis and a desktop's worth more.
    bare_packages+=(orca)
fi
if [[ "${1:-}" == "--windows" ]]; then
    # The cross build (scripts/build-windows.sh): MinGW-w64, the tools that fetch and build Qt,
    # Wine to run what was built, NSIS and icoutils for the setup program and its icon; Python's
    # Xlib for random use there, which asks the program's windows whether it still answers.
    bare_packages+=(ninja-build dpkg-dev g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
                    wine64 wine fonts-wine nsis icoutils python3-xlib)
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
