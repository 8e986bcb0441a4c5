#!/usr/bin/env bash
# Builds the Debian package from debian/ the way the README describes
# (dpkg-buildpackage -us -uc -b in the checkout) and checks it with lintian:
# no errors, and no warnings except those listed in the README section
# "Bekannte Warnungen von lintian". dpkg-buildpackage writes the package and
# its companions (.buildinfo, .changes, -dbgsym) into the folder above the
# checkout; they are removed afterwards unless --behalten is given.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
behalten=0
[ "${1:-}" = "--behalten" ] && behalten=1

scripts/setup.sh

# One version for the program and the package.
version=$(dpkg-parsechangelog -S Version)
cmake_version=$(sed -n 's/^project(Paarlix VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
if [ "$version" != "$cmake_version" ]; then
    echo "paket-bauen.sh: Version in debian/changelog ($version) passt nicht zu CMakeLists.txt ($cmake_version)." >&2
    exit 1
fi

eltern=$(dirname "$PWD")
arch=$(dpkg-architecture -qDEB_HOST_ARCH)
changes="$eltern/paarlix_${version}_${arch}.changes"
deb="$eltern/paarlix_${version}_${arch}.deb"
aufraeumen() {
    if [ -f "$changes" ]; then
        # The .changes file lists everything the build wrote next to it.
        sed -n '/^Files:/,/^[^ ]/s/^ [0-9a-f]\{32\} [0-9]* [^ ]* [^ ]* //p' "$changes" |
            while read -r datei; do rm -f -- "$eltern/$datei"; done
        rm -f -- "$changes"
    fi
    debian/rules clean >/dev/null 2>&1 || true
}
[ $behalten = 1 ] || trap aufraeumen EXIT

start=$SECONDS
export DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS:-parallel=$(nproc)}"
dpkg-buildpackage -us -uc -b
echo "Paket gebaut in $((SECONDS - start)) s: $deb"

# Warnings the README accepts: lines "- `tag`: reason" in its section.
erlaubt=$(sed -n '/^### Bekannte Warnungen von lintian/,/^#/s/^- `\([a-z0-9+.-]*\)`.*/\1/p' README.md)
bericht=$(lintian --display-info --fail-on none "$deb" 2>&1)
echo "lintian $deb:"
echo "${bericht:-(keine Meldungen)}"
fehler=0
while read -r art paket tag rest; do
    case "$art" in
    E:) fehler=1 ;;
    W:) grep -qxF -- "$tag" <<< "$erlaubt" || fehler=1 ;;
    esac
done <<< "$bericht"
if [ $fehler = 1 ]; then
    echo "paket-bauen.sh: lintian meldet Fehler oder Warnungen, die nicht in README.md stehen." >&2
    exit 1
fi
echo "lintian: keine Fehler, keine unerwarteten Warnungen."
