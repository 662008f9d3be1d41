#!/usr/bin/env bash
# Builds the Debian package from build/ and checks that it runs from where it
# installs: unpacked into a scratch root, its gxa-host finds its own module
# and strings, lists the module, and draws a chooser.
#
# usage: scripts/package.sh   (writes build/gxa-host_VERSION_ARCH.deb)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh package >/dev/null
scripts/build.sh build >/dev/null
(cd build && cpack -G DEB >/dev/null)
deb=$(ls -t build/gxa-host_*.deb | head -n1)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
echo "package: $deb ($(du -k "$deb" | cut -f1) KiB), depends: $(dpkg-deb -f "$deb" Depends)"
for f in usr/bin/gxa-host usr/lib/gxa-host/libcolorchooser.so usr/lib/gxa-host/res/strings/en-US.str \
    usr/share/applications/gxa-host.desktop usr/share/icons/hicolor/scalable/apps/gxa-host.svg \
    usr/share/icons/hicolor/48x48/apps/gxa-host.png usr/share/icons/hicolor/256x256/apps/gxa-host.png \
    usr/share/man/man1/gxa-host.1; do
  [ -s "$root/$f" ] || { echo "package: $f is missing" >&2; exit 1; }
done
home=$(mktemp -d "$root/home.XXXX")
info=$("$root/usr/bin/gxa-host" info --home "$home")
grep -q "^module $root/usr/lib/gxa-host/libcolorchooser.so" <<<"$info" \
  || { echo "package: the installed gxa-host did not load its own module:" >&2; head -n3 <<<"$info" >&2; exit 1; }
grep -q "started" <<<"$info" || { echo "package: the module did not start" >&2; exit 1; }
"$root/usr/bin/gxa-host" render --home "$home" --out "$root/chooser.png"
[ -s "$root/chooser.png" ] || { echo "package: render wrote nothing" >&2; exit 1; }
if command -v desktop-file-validate >/dev/null; then desktop-file-validate "$root/usr/share/applications/gxa-host.desktop"; fi
echo "package: installs and runs"
