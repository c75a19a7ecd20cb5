#!/usr/bin/env bash
# Installs a built tree into a temporary DESTDIR (prefix /usr, as the Debian package does)
# and checks what a desktop expects to find: every file, the icon sizes, and that the
# desktop entry, AppStream metadata, MIME package and manual page pass their validators.
# Usage: scripts/check-install.sh BUILD_DIR
set -euo pipefail

build=${1:?usage: check-install.sh BUILD_DIR}
id=org.emberlin.Emberlin
mime_type=application/x-emberlin-scenario+json

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null
root=$stage/usr

failures=0
fail() {
  echo "check-install: $*" >&2
  failures=$((failures + 1))
}

sizes=(16 24 32 48 64 128 256)
# The windows library sits in the install's library folder (lib, or lib/<multiarch> under
# /usr as Debian lays it out).
windows_library=$(cd "$root" && find lib -path '*/emberlin/libemberlin_windows.so' 2>/dev/null | head -n 1 || true)
expected=(
  bin/emberlin
  "${windows_library:-lib/emberlin/libemberlin_windows.so}"
  share/applications/$id.desktop
  share/icons/hicolor/scalable/apps/$id.svg
  share/metainfo/$id.metainfo.xml
  share/mime/packages/$id.xml
  share/man/man1/emberlin.1.gz
  share/doc/emberlin/copyright
  share/doc/emberlin/guide.html
)
for size in "${sizes[@]}"; do
  expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png")
done

for file in "${expected[@]}"; do
  [ -s "$root/$file" ] || fail "missing or empty: $file"
done
[ -x "$root/bin/emberlin" ] || fail "bin/emberlin is not executable"
# The installed program finds its windows: with no display named, the windows library's own
# refusal (the program alone would say it cannot load them).
message=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$root/bin/emberlin" 2>&1 || true)
grep -q "EMBERLIN needs a display" <<<"$message" ||
  fail "bin/emberlin did not start its windows: $message"

# Nothing else is installed (no static libraries, headers or test programs).
extra=$(cd "$root" && find . -type f -o -type l | sed 's|^\./||' | sort |
  comm -23 - <(printf '%s\n' "${expected[@]}" | sort))
[ -z "$extra" ] || fail "installed but not expected: $extra"

# Each PNG is square at its size (width and height from the IHDR chunk).
for size in "${sizes[@]}"; do
  png=$root/share/icons/hicolor/${size}x${size}/apps/$id.png
  [ -s "$png" ] || continue
  read -r w3 w2 w1 w0 h3 h2 h1 h0 < <(od -An -tu1 -j16 -N8 "$png")
  width=$(((w3 << 24) | (w2 << 16) | (w1 << 8) | w0))
  height=$(((h3 << 24) | (h2 << 16) | (h1 << 8) | h0))
  [ "$width" = "$size" ] && [ "$height" = "$size" ] ||
    fail "${size}x${size} icon is ${width}x${height}"
done

desktop=$root/share/applications/$id.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate refused $id.desktop"
appstreamcli validate --no-net "$root/share/metainfo/$id.metainfo.xml" >/dev/null ||
  fail "appstreamcli refused $id.metainfo.xml: $(appstreamcli validate --no-net \
    "$root/share/metainfo/$id.metainfo.xml" 2>&1 | tail -n 5)"

# The pieces name one another: the entry's icon and file type, the metadata's launcher.
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry does not name the icon $id"
grep -qx "MimeType=$mime_type;" "$desktop" || fail "the desktop entry does not take $mime_type"
grep -q "%[fFuU]" "$desktop" || fail "the desktop entry's Exec passes no file"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" \
  "$root/share/metainfo/$id.metainfo.xml" || fail "the metadata does not launch $id.desktop"
grep -q "<project_license>MIT</project_license>" "$root/share/metainfo/$id.metainfo.xml" ||
  fail "the metadata does not name the MIT licence"

# The MIME package compiles, and a scenario file name maps to the scenario type.
mime=$stage/mime
mkdir -p "$mime/packages"
cp "$root/share/mime/packages/$id.xml" "$mime/packages/"
if XDG_DATA_HOME=$stage XDG_DATA_DIRS=$stage update-mime-database "$mime" 2>"$stage/mime.log" && [ ! -s "$stage/mime.log" ]; then
  grep -q ":$mime_type:\*\.emberlin\.json" "$mime/globs2" ||
    fail "*.emberlin.json does not map to $mime_type"
else
  fail "update-mime-database: $(cat "$stage/mime.log")"
fi

# The manual page formats without a warning.
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man -l --warnings -E UTF-8 \
  "$root/share/man/man1/emberlin.1.gz" 2>&1 >/dev/null || echo "man failed")
[ -z "$warnings" ] || fail "the manual page: $warnings"

if [ "$failures" -ne 0 ]; then
  echo "check-install: $failures problem(s)" >&2
  exit 1
fi
echo "check-install: ${#expected[@]} files installed and valid"
