#!/usr/bin/env bash
# The Debian package: built from debian/ by dpkg-buildpackage (source and binary, without the
# unit tests, which this pass runs itself) from a copy of these sources, lintian finds no error
# and no warning in it, it carries the program, its desktop entry, icons, metainfo, copyright,
# changelog and manual page under one application id, each valid (debian/tests/installed-files,
# which the autopkgtest runs on the installed package too), and the program it installs starts
# into its main window. debian/tests also runs the desktop journey on the installed package.
source "$(dirname "$0")/lib.sh" "$@"
source_dir=$(readlink -f "$E2E_HERE/../..")

# The sources as they are, uncommitted changes included, without build folders or history.
mkdir "$E2E_DIR/velloran"
tar -C "$source_dir" --exclude=./.git --exclude=./build --exclude='./build-*' --exclude=__pycache__ \
    -c . | tar -x -C "$E2E_DIR/velloran"
(cd "$E2E_DIR/velloran" &&
    DEB_BUILD_OPTIONS="nocheck parallel=$(nproc)" dpkg-buildpackage -us -uc >"$E2E_DIR/build.txt" 2>&1) \
    || fail "dpkg-buildpackage failed: $(tail -n 20 "$E2E_DIR/build.txt")"
deb=$(ls "$E2E_DIR"/velloran_*_*.deb) || fail "no package was built"
lintian_report=$(lintian --allow-root "$E2E_DIR"/velloran_*.changes 2>&1) || fail "lintian failed: $lintian_report"
[[ -z $lintian_report ]] || fail "lintian: $lintian_report"
root=$E2E_DIR/root
dpkg-deb -x "$deb" "$root"

"$source_dir/debian/tests/installed-files" "$root"
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "the package does not depend on Qt"
[[ $(dpkg-deb -f "$deb" Recommends) == "xdg-utils, qt6-wayland" ]] \
    || fail "the package does not recommend Qt's Wayland platform"
dynamic=$(readelf -d "$root/usr/bin/velloran")
[[ $dynamic != *RPATH* && $dynamic != *RUNPATH* ]] \
    || fail "the program searches folders of its own for libraries"

e2e_start_x
VELLORAN_BIN=$root/usr/bin/velloran app_start
wait_for_window "Velloran v1.95" >/dev/null || fail "the packaged program did not start"
echo "package: passed"
