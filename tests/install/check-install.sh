#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR and checks the tree a package would hold: programs,
# language packs, help pages, desktop entry, icons and AppStream metainfo, the desktop files valid, and
# the installed program finding its packs from there.
set -euo pipefail
build_dir=$1 source_dir=$2 version=$3
root=$(mktemp -d "${TMPDIR:-/tmp}/kitbench-install.XXXXXX")
trap 'rm -rf "$root"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

DESTDIR="$root" cmake --install "$build_dir" --prefix /usr >/dev/null
usr=$root/usr
id=org.orvello.Kitbench
expected=(
  bin/kitbench bin/orvello-devserver
  share/orvello-kitbench/lang/KitbenchRes45en.qm share/orvello-kitbench/lang/KitbenchRes45de.qm
  share/orvello-kitbench/help/index.html share/orvello-kitbench/help/1010.html share/orvello-kitbench/help/1220.html
  share/applications/$id.desktop share/metainfo/$id.metainfo.xml share/icons/hicolor/scalable/apps/$id.svg
)
for size in 16 24 32 48 64 128 256; do expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png"); done
for path in "${expected[@]}"; do [ -s "$usr/$path" ] || fail "missing $path"; done
for size in 16 48 256; do
  file "$usr/share/icons/hicolor/${size}x${size}/apps/$id.png" | grep -q "PNG image data, $size x $size" ||
    fail "icon ${size}x${size} is not a PNG of that size"
done
# Packs made for the tests stay out of the install.
extra=$(find "$usr/share/orvello-kitbench/lang" -name '*.qm' ! -name 'KitbenchRes45en.qm' ! -name 'KitbenchRes45de.qm')
[ -z "$extra" ] || fail "unexpected packs installed: $extra"

desktop-file-validate "$usr/share/applications/$id.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net --pedantic "$usr/share/metainfo/$id.metainfo.xml" || fail "appstreamcli validate"
grep -q "<release version=\"$version\"" "$usr/share/metainfo/$id.metainfo.xml" ||
  fail "the metainfo has no release $version"
grep -qx "Name=Orvello Kitbench" "$usr/share/applications/$id.desktop" || fail "desktop entry name"

# The installed program answers, and reads the German pack from ../share/orvello-kitbench/lang.
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY "$usr/bin/kitbench" --version)" = "Orvello Kitbench $version" ] ||
  fail "kitbench --version"
home=$root/home
mkdir -p "$home/config/Harlowe"
printf '[4.5]\nClientTools\\Language=de\n' >"$home/config/Harlowe/Orvello.conf"
status=0
err=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$home" XDG_CONFIG_HOME="$home/config" \
  "$usr/bin/kitbench" /UNATTENDED "$root/no-such.answers" 2>&1 >/dev/null) || status=$?
[ "$status" = 1 ] && grep -q "Die Antwortdatei kann nicht gelesen werden" <<<"$err" ||
  fail "installed kitbench did not speak German from its installed pack (status $status): $err"

[ "$failures" = 0 ] && echo "install tree complete"
exit "$failures"
