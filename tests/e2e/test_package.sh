#!/usr/bin/env bash
# The Debian package: built from debian/ by dpkg-buildpackage (source and binary, without the
# unit tests, which this pass runs itself) from a copy of these sources, lintian finds no error
# and no warning in it, it carries the program, its desktop entry, icons, metainfo, copyright,
# changelog and manual page under one application id, and the program it installs starts into
# its main window. debian/tests runs the desktop journey on the installed package.
source "$(dirname "$0")/lib.sh" "$@"
source_dir=$(readlink -f "$E2E_HERE/../..")
app_id=org.tarrowmoor.Velloran

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

for file in usr/bin/velloran usr/share/applications/$app_id.desktop \
            usr/share/metainfo/$app_id.metainfo.xml usr/share/doc/velloran/copyright \
            usr/share/doc/velloran/changelog.gz usr/share/man/man1/velloran.1.gz \
            usr/share/icons/hicolor/scalable/apps/$app_id.svg; do
    [[ -f "$root/$file" ]] || fail "the package lacks $file"
done
for size in 16 24 32 48 64 96 128 256; do
    icon=$root/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png
    [[ -f "$icon" ]] || fail "no ${size}px icon"
    [[ $(identify -format '%wx%h' "$icon") == "${size}x${size}" ]] || fail "the ${size}px icon has the wrong size"
done
desktop=$root/usr/share/applications/$app_id.desktop
grep -qx "Exec=velloran" "$desktop" || fail "the desktop entry does not start velloran"
grep -qx "Icon=$app_id" "$desktop" || fail "the desktop entry names another icon"
appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/$app_id.metainfo.xml" >/dev/null \
    || fail "the metainfo does not validate"
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "the package does not depend on Qt"
[[ $(dpkg-deb -f "$deb" Recommends) == "xdg-utils, qt6-wayland" ]] \
    || fail "the package does not recommend Qt's Wayland platform"
dynamic=$(readelf -d "$root/usr/bin/velloran")
[[ $dynamic != *RPATH* && $dynamic != *RUNPATH* ]] \
    || fail "the program searches folders of its own for libraries"
MANPATH=$root/usr/share/man man velloran 2>&1 | grep -q "QT_QPA_PLATFORM" \
    || fail "man velloran shows no manual page"

e2e_start_x
VELLORAN_BIN=$root/usr/bin/velloran app_start
wait_for_window "Velloran v1.95" >/dev/null || fail "the packaged program did not start"
echo "package: passed"
