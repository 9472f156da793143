#!/usr/bin/env bash
# Installs the Debian packages that the build (and, with --test, the tests) need,
# but only those that are missing. Runs as root, or through sudo where it exists.
set -euo pipefail

# file and dpkg-dev let cpack build the .deb and find its library dependencies.
packages=(cmake g++ make pkgconf qt6-base-dev qt6-base-dev-tools libgl-dev fonts-dejavu-core
          qt6-qpa-plugins file dpkg-dev)
if [[ "${1:-}" == "--test" ]]; then
    packages+=(xvfb xauth xdotool xclip x11-utils imagemagick dbus at-spi2-core python3-pyatspi
               python3 appstream openbox clang libclang-rt-14-dev libxcb1-dev
               mutter xwayland weston qt6-wayland wmctrl)
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
if ((${#missing[@]} == 0)); then
    exit 0
fi

as_root=()
if [[ $(id -u) -ne 0 ]]; then
    as_root=(sudo)
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq "${missing[@]}"
