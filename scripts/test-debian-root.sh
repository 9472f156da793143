#!/usr/bin/env bash
# The test passes on other Debian releases: the main pass's build (warnings as errors) and its
# whole suite of unit, widget and end-to-end tests, run inside a root of that release.
#   scripts/test-debian-root.sh 13        Debian 13 ("trixie"): Qt 6.8, GCC 14, mutter 48, Orca 48
#   scripts/test-debian-root.sh testing   Debian testing ("forky", the next stable): Qt 6.11,
#                                         GCC 16, mutter 50, Orca 51
#   1. The root is made with mmdebstrap from Debian's archive, then scripts/setup.sh --test runs
#      in it, as a user's first run would. It is kept as a tarball in
#      ${XDG_CACHE_HOME:-~/.cache}/velloran, keyed by the release and the setup script that names
#      its packages, and made again only when that changes. Testing's Release file may be past
#      its Valid-Until date between two of the archive's runs, so its date is not checked.
#   2. Each run unpacks it into a fresh folder, mounts /proc, /sys and /dev there, copies the
#      source in (without builds), and runs scripts/setup.sh, the build and CTest as root.
#   3. Debian 13's suite also reads the Windows build's setup program through Wine 10's UI
#      Automation (tests/e2e/windows_screen_reader.sh); testing has had no Wine package
#      this December of 2026, so that journey is Debian 13's alone. It is built here first, on Debian 12,
#      whose Qt 6.4.2 the cross build takes its tools from (scripts/build-windows.sh: no more
#      than packing it again where the Windows pass built it).
#   With "portraits" after the release, it builds only tst_portraits there and writes the window
#   pictures that release's Qt draws otherwise than Qt 6.4 into tests/data/portraits/qtX.Y
#   (scripts/portraits.sh --all).
# Needs root (chroot and mounts), about 6 GB of disk while it runs.
set -euo pipefail
cd "$(dirname "$0")/.."
project=$PWD
mirror=http://deb.debian.org/debian
apt_options=()
uia=--uia
case ${1:-} in
13)
    suite=trixie name=debian13 ;;
testing)
    suite=testing name=testing uia=
    apt_options=(--aptopt='Acquire::Check-Valid-Until "false"') ;;
*)
    echo "usage: scripts/test-debian-root.sh 13|testing [portraits]" >&2
    exit 2 ;;
esac
portraits=
if [[ ${2:-} == portraits ]]; then
    portraits=yes
fi

scripts/setup.sh --debian13 # mmdebstrap, for every release's root
cache=${XDG_CACHE_HOME:-$HOME/.cache}/velloran
key=$( (echo "$suite $mirror"; cat scripts/setup.sh) | sha1sum | cut -c1-12)
root_tar=$cache/$name-root-$key.tar
mkdir -p "$cache"

if [[ ! -e $root_tar ]]; then
    echo "Making the $suite root into $root_tar (about ten minutes)"
    rm -f "$cache/$name"-root-*.tar "$cache/$name"-root-*.tar.part
    nice mmdebstrap --variant=apt --format=tar --include=ca-certificates --skip=check/empty \
        "${apt_options[@]}" \
        --customize-hook='mkdir -p "$1/root/velloran-setup"' \
        --customize-hook="copy-in $project/scripts/setup.sh /root/velloran-setup" \
        --customize-hook='chroot "$1" env DEBIAN_FRONTEND=noninteractive bash /root/velloran-setup/setup.sh --test' \
        ${uia:+--customize-hook='chroot "$1" env DEBIAN_FRONTEND=noninteractive bash /root/velloran-setup/setup.sh --uia'} \
        --customize-hook='rm -rf "$1/root/velloran-setup"' \
        "$suite" "$root_tar.part" "$mirror"
    mv "$root_tar.part" "$root_tar" # an interrupted run is not taken for a whole root
fi

windows_setup=
if [[ -n $portraits ]]; then
    :
elif [[ -n $uia && $(. /etc/os-release && echo "${VERSION_CODENAME:-}") == bookworm ]]; then
    scripts/build-windows.sh --tests
    windows_setup=$(find build/windows -maxdepth 1 -name 'Velloran-*-win64.exe' | head -n 1)
elif [[ -n $uia ]]; then
    echo "The Windows build needs Debian 12: no Windows screen-reader journey in this run" >&2
fi

work=$(mktemp -d "${TMPDIR:-/var/tmp}/velloran-$name.XXXXXX")
root=$work/root
mounts=()
cleanup() {
    local i
    for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
        umount -R "${mounts[i]}" 2>/dev/null || umount -lR "${mounts[i]}" 2>/dev/null || true
    done
    rm -rf --one-file-system "$work"
}
trap cleanup EXIT
mkdir -p "$root"
tar -xf "$root_tar" -C "$root"
mount_in() { # type-or-bind source target
    if [[ $1 == bind ]]; then
        mount --rbind "$2" "$root/$3"
        mount --make-rslave "$root/$3"
    else
        mount -t "$1" "$2" "$root/$3"
    fi
    mounts+=("$root/$3")
}
mount_in proc proc proc
mount_in bind /sys sys
mount_in bind /dev dev
mount_in tmpfs tmpfs tmp
mount_in tmpfs tmpfs run
cp /etc/resolv.conf "$root/etc/resolv.conf"
mkdir -p "$root/src/velloran"
# The work tree as it is, uncommitted changes included, without the host's builds.
tar -C "$project" --exclude=./build -cf - . | tar -C "$root/src/velloran" -xf -
cmake_options=()
if [[ -n $windows_setup ]]; then
    mkdir -p "$root/src/windows"
    cp "$windows_setup" "$root/src/windows/"
    cmake_options=(-DVELLORAN_WINDOWS_SETUP="/src/windows/${windows_setup##*/}")
fi

if [[ -n $portraits ]]; then
    chroot "$root" env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        LANG=C.UTF-8 TERM="${TERM:-dumb}" \
        bash -c 'set -e; cd /src/velloran; scripts/setup.sh --test
                 cmake --preset main >/dev/null
                 cmake --build --preset main --target tst_portraits --parallel "$(nproc)"
                 mkdir -p /src/portraits; cd build/test/tests
                 VELLORAN_WRITE_PORTRAITS=/src/portraits QT_QPA_PLATFORM=offscreen QT_ACCESSIBILITY=1 ./tst_portraits'
    for own in "$root"/src/portraits/qt*; do
        rm -rf "tests/data/portraits/${own##*/}"
        if compgen -G "$own/*.png" >/dev/null; then
            cp -r "$own" tests/data/portraits/
        fi
    done
    exit 0
fi

chroot "$root" env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    LANG=C.UTF-8 TERM="${TERM:-dumb}" CI="${CI:-}" UIA="$uia" \
    ${VELLORAN_RANDOM_SEED:+VELLORAN_RANDOM_SEED=$VELLORAN_RANDOM_SEED} \
    ${VELLORAN_RANDOM_SECONDS:+VELLORAN_RANDOM_SECONDS=$VELLORAN_RANDOM_SECONDS} \
    bash -c 'set -e; cd /src/velloran; scripts/setup.sh --test; [[ -z $UIA ]] || scripts/setup.sh --uia
             echo "Debian $(cat /etc/debian_version), Qt $(dpkg-query -W -f="\${Version}" qt6-base-dev)"
             cmake --preset main "$@" >/dev/null
             cmake --build --preset main --parallel "$(nproc)"
             ctest --preset main' velloran "${cmake_options[@]}"
