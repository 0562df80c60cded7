#!/usr/bin/env bash
# The Debian package as a user's system gets it: built by scripts/package, unpacked into a
# temporary root, its files where they belong and valid for the desktop, its program the
# right version, and lintian without errors (its warnings are printed).
set -euo pipefail
cd "$(dirname "$0")/../.."
deb=$(bash scripts/package | tail -n1)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
fail() { echo "FAIL [package]: $*" >&2 && exit 1; }
id=io.github.cartwise.Cartwise
for file in bin/cartwise share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
    share/icons/hicolor/scalable/apps/$id.svg share/man/man1/cartwise.1.gz \
    share/doc/cartwise/copyright share/cartwise/translations/cartwise_de.qm; do
    [ -s "$root/usr/$file" ] || fail "missing /usr/$file"
done
for size in 16 22 24 32 48 64 128 256; do # a PNG's width and height follow its signature
    png=$root/usr/share/icons/hicolor/${size}x$size/apps/$id.png
    [ "$(od -An -tu1 -j16 -N8 "$png" | awk '{print $3 * 256 + $4 "x" $7 * 256 + $8}')" = \
        "${size}x$size" ] || fail "no ${size}x$size icon"
done
desktop-file-validate "$root/usr/share/applications/$id.desktop" || fail "desktop entry"
appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/$id.metainfo.xml" >&2 ||
    fail "metainfo"
[ "$("$root/usr/bin/cartwise" --version)" = "cartwise 6.0.0" ] || fail "version"
lintian --tag-display-limit 0 "$deb" 2>/dev/null >"$root/lintian" || true
if grep '^E:' "$root/lintian"; then fail "lintian errors"; fi
sed 's/^/lintian: /' "$root/lintian"
echo "PASS [package]: $(basename "$deb")"
