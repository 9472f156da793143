#!/usr/bin/env bash
# Builds every package of the committed sources (HEAD) into build/release-artifacts/:
#   velloran_<version>_amd64.deb         the Debian package, built from debian/ by
#                                        dpkg-buildpackage (source and binary checked by lintian)
#   Velloran-<version>-win64.exe         the Windows setup program
#   Velloran-<version>-win64.zip         the portable Windows archive
#   SHA256SUMS                           over all three
# CPack makes the two Windows packages. Each build starts from `git archive HEAD` in a fresh
# folder, so uncommitted changes and old build folders play no part. The time in every package
# is the commit's (SOURCE_DATE_EPOCH), and no path of the build folder reaches the binaries, so
# a build of the same commit gives the same bytes anywhere, at any time. The Windows Qt comes
# from scripts/build-windows.sh's cache.
#
# --check builds the commit a second time in another folder, compares the two sets of sums and,
# for an artifact that differs, writes diffoscope's account of it beside the artifacts.
set -euo pipefail
cd "$(dirname "$0")/.."
project=$PWD
check=false
case ${1:-} in
--check) check=true ;;
"") ;;
*) echo "usage: $0 [--check]" >&2; exit 2 ;;
esac

scripts/setup.sh
scripts/setup.sh --release
if [[ -n $(git status --porcelain --untracked-files=no) ]]; then
    echo "Note: uncommitted changes are not part of the release; it is built from HEAD." >&2
fi
commit=$(git rev-parse HEAD)
export SOURCE_DATE_EPOCH=$(git log -1 --format=%ct "$commit")
# Nothing of the builder's own setting may reach the packages: times in UTC (zip keeps local
# times), the messages and sort order of C, files readable by all as in any Debian package.
export TZ=UTC LC_ALL=C.UTF-8
umask 022

# Builds every artifact of the commit inside the folder given, into its artifacts/.
build_release() {
    local work=$1 source=$1/source artifacts=$1/artifacts
    rm -rf "$work"
    mkdir -p "$source" "$artifacts"
    git archive "$commit" | tar -x -C "$source"
    # The source folder differs from build to build: map it away in everything compiled.
    local prefix_map="-ffile-prefix-map=$source/=" jobs
    jobs=$(nproc)

    echo "=== $work: the Debian package"
    # From debian/, as a distribution builds it; the unit tests ran in CI. dpkg-buildflags maps
    # the source folder away (-ffile-prefix-map) and keeps SOURCE_DATE_EPOCH as set here.
    (cd "$source" && DEB_BUILD_OPTIONS="nocheck parallel=$jobs" nice dpkg-buildpackage -us -uc \
        >"$work/dpkg-buildpackage.log" 2>&1) ||
        { tail -n 30 "$work/dpkg-buildpackage.log" >&2; return 1; }
    cp "$work"/velloran_*_amd64.deb "$artifacts/"

    echo "=== $work: the Windows setup program and archive"
    (cd "$source" && CXXFLAGS=$prefix_map scripts/build-windows.sh)
    cp "$source"/build/windows/Velloran-*-win64.{exe,zip} "$artifacts/"

    (cd "$artifacts" && sha256sum -- * >SHA256SUMS)
}

start=$SECONDS
release_dir=build/release-artifacts
build_release "$project/build/release-work/first"
rm -rf "$release_dir"
cp -r build/release-work/first/artifacts "$release_dir"
lintian_report=$(lintian --allow-root build/release-work/first/velloran_*.changes)
if [[ -n $lintian_report ]]; then
    echo "lintian on the Debian package:" >&2
    echo "$lintian_report" >&2
    exit 1
fi
echo "Release of $commit in $release_dir ($((SECONDS - start)) s):"
cat "$release_dir/SHA256SUMS"
$check || exit 0

# The second build: another folder, a later time.
second=$project/build/release-work/second-build-elsewhere
build_release "$second"
echo "Second build ($((SECONDS - start)) s in all):"
cat "$second/artifacts/SHA256SUMS"
differing=0
while read -r _ name; do
    if ! cmp -s "$release_dir/$name" "$second/artifacts/$name"; then
        differing=$((differing + 1))
        report=$release_dir/$name.diffoscope.txt
        diffoscope --text "$report" "$release_dir/$name" "$second/artifacts/$name" >/dev/null || true
        echo "DIFFERS: $name (diffoscope's account: $report)"
    fi
done <"$release_dir/SHA256SUMS"
if ((differing > 0)); then
    exit 1
fi
echo "Both builds gave the same bytes."
