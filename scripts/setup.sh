#!/usr/bin/env bash
# Installs the Debian packages that are still missing: the build dependencies
# of debian/control (one list for the package and the checkout) and those of
# scripts/debian-packages.txt, which only the tests and checks need. Does
# nothing (and asks for nothing) when all are there.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

if ! command -v dpkg-query >/dev/null || ! command -v apt-get >/dev/null; then
    echo "setup.sh: dpkg-query und apt-get fehlen - dieses Skript ist für Debian 12 gedacht." >&2
    exit 1
fi

# Build-Depends: its lines up to the next field, without versions and
# architectures; of alternatives the first; debhelper-compat is debhelper's.
bauabhaengigkeiten() {
    awk '/^Build-Depends:/ { an = 1; sub(/^Build-Depends:/, ""); print; next }
         an && /^[^ \t#]/ { an = 0 }
         an { print }' debian/control |
        tr ',' '\n' | sed 's/|.*//; s/([^)]*)//g; s/\[[^]]*\]//g; s/<[^>]*>//g' |
        tr -d ' \t' | sed '/^$/d; s/^debhelper-compat$/debhelper/'
}

pakete=()
while read -r paket; do pakete+=("$paket"); done < <(bauabhaengigkeiten)
[ ${#pakete[@]} -gt 0 ] || { echo "setup.sh: keine Build-Depends in debian/control gefunden." >&2; exit 1; }
while read -r zeile; do
    zeile="${zeile%%#*}"
    for paket in $zeile; do pakete+=("$paket"); done
done < scripts/debian-packages.txt

fehlend=()
for paket in "${pakete[@]}"; do
    if [ "$(dpkg-query -W -f='${db:Status-Status}' "$paket" 2>/dev/null)" != "installed" ]; then
        fehlend+=("$paket")
    fi
done
[ ${#fehlend[@]} -eq 0 ] && exit 0

echo "Fehlende Pakete werden installiert: ${fehlend[*]}"
als_root=()
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
        echo "setup.sh: Bitte als root ausführen oder sudo installieren." >&2
        exit 1
    fi
    als_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${als_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
"${als_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -q --no-install-recommends "${fehlend[@]}"
