#!/usr/bin/env bash
# Installs a build into a temporary prefix, checks and validates the installed files, then
# starts the installed game headless on a saved game over an older per-user registration.
# usage: install-test.sh BUILD_DIR VERSION LIBDIR
set -euo pipefail
build=$1
version=$2
libdir=$3
here=$(cd "$(dirname "$0")/.." && pwd)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
id=org.velmora.Velmora2003
share=$prefix/share
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

for tool in desktop-file-validate appstreamcli xmllint update-mime-database; do
  if ! command -v "$tool" > /dev/null; then
    echo "FAIL: $tool is missing (scripts/install-deps.sh installs it)" >&2
    exit 1
  fi
done

cmake --install "$build" --prefix "$prefix" > "$work/install.log" 2>&1 ||
  { cat "$work/install.log" >&2; exit 1; }

# Every installed file, present and not empty.
files=(
  bin/velmora2003 bin/velmora2003-cli
  "$libdir/velmora2003/libvelmora_sound.so"
  share/velmora2003/help.html share/velmora2003/icons/$id.svg
  share/applications/$id.desktop
  share/mime/packages/$id.xml
  share/metainfo/$id.metainfo.xml
)
for sound in Move Multi Right Undo Loose Win; do
  files+=("share/velmora2003/$sound.wav")
done
icons=(apps/$id mimetypes/application-vnd.velmora2003.incomplete
  mimetypes/application-vnd.velmora2003.finished)
for icon in "${icons[@]}"; do
  files+=("share/icons/hicolor/scalable/$icon.svg")
done
for file in "${files[@]}"; do
  [ -s "$prefix/$file" ] || fail "not installed: $file"
done
for program in velmora2003 velmora2003-cli; do
  [ -x "$prefix/bin/$program" ] || fail "not executable: bin/$program"
done

# PNG icons of the size their folder names.
png_size() {
  od -An -tu1 -j16 -N8 "$1" | awk '{ print $3 * 256 + $4 "x" $7 * 256 + $8 }'
}
for size in 48 64 128 256; do
  for icon in "${icons[@]}"; do
    png=$share/icons/hicolor/${size}x${size}/$icon.png
    if [ ! -s "$png" ]; then
      fail "not installed: ${png#$prefix/}"
    elif [ "$(png_size "$png")" != "${size}x${size}" ]; then
      fail "${png#$prefix/} is $(png_size "$png") pixels"
    fi
  done
done

# The desktop entry.
entry=$share/applications/$id.desktop
desktop-file-validate "$entry" || fail "desktop-file-validate: $entry"
for line in 'Exec=velmora2003 %f' "Icon=$id" 'Categories=Game;CardGame;' \
  'MimeType=application/vnd.velmora2003.incomplete;application/vnd.velmora2003.finished;' \
  'StartupWMClass=velmora2003'; do
  grep -qxF "$line" "$entry" || fail "desktop entry lacks: $line"
done

# The AppStream metainfo: valid, about this program, and its newest release is this version.
metainfo=$share/metainfo/$id.metainfo.xml
appstreamcli validate --no-net "$metainfo" > "$work/appstream.log" ||
  { cat "$work/appstream.log" >&2; fail "appstreamcli validate: $metainfo"; }
grep -qF "<id>$id</id>" "$metainfo" || fail "metainfo id is not $id"
grep -qF "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
  fail "metainfo does not launch $id.desktop"
newest=$(grep -o '<release version="[^"]*"' "$metainfo" | head -n 1 | cut -d'"' -f2)
[ "$newest" = "$version" ] || fail "newest release in the metainfo is '$newest', not $version"

# The MIME package: well formed, in the package format, and understood by the MIME tools.
package=$share/mime/packages/$id.xml
xmllint --noout --relaxng "$here/tests/app/mime-package.rng" "$package" 2> "$work/xmllint.log" ||
  { cat "$work/xmllint.log" >&2; fail "xmllint: $package"; }
update-mime-database "$share/mime" > "$work/mime.log" 2>&1 ||
  { cat "$work/mime.log" >&2; fail "update-mime-database"; }
for kind in incomplete:vlg finished:v2k; do
  type=application/vnd.velmora2003.${kind%%:*}
  [ -s "$share/mime/$type.xml" ] || fail "the MIME database has no $type"
  grep -qF "$type:*.${kind##*:}" "$share/mime/globs2" || fail "*.${kind##*:} is not $type"
done

# The installed game, started headless on a saved game by a user with an older registration.
source "$here/scripts/temp-home.sh"
temp_home "$work/home"
export QT_QPA_PLATFORM=offscreen
mkdir -p "$XDG_DATA_HOME/applications" "$XDG_DATA_HOME/mime/packages"
old_entry=$XDG_DATA_HOME/applications/velmora2003.desktop
old_package=$XDG_DATA_HOME/mime/packages/velmora2003.xml
printf '[Desktop Entry]\nType=Application\nName=Velmora 2003\nExec=velmora2003 %%f\n' > "$old_entry"
printf '<?xml version="1.0"?>\n<mime-info xmlns="http://www.freedesktop.org/standards/shared-mime-info"/>\n' > "$old_package"

"$prefix/bin/velmora2003-cli" play 1 dA --save "$work/game.vlg" > /dev/null
# The loader's log tells which sound module the game loaded.
LD_DEBUG=files LD_DEBUG_OUTPUT=$work/loader VELMORA_SCREENSHOT=$work/window.png timeout 60 \
  "$prefix/bin/velmora2003" "$work/game.vlg" ||
  fail "the installed game failed on a saved game (status $?)"
[ -s "$work/window.png" ] || fail "the installed game showed no window"
module=$prefix/$libdir/velmora2003/libvelmora_sound.so
grep -qF "file=$module [0];  dynamically loaded by" "$work"/loader.* ||
  fail "the installed game did not load its sound module $module"

user_entry=$XDG_DATA_HOME/applications/$id.desktop
if [ -s "$user_entry" ]; then
  desktop-file-validate "$user_entry" || fail "desktop-file-validate: the per-user entry"
  grep -qxF "Exec=\"$prefix/bin/velmora2003\" %f" "$user_entry" ||
    fail "the per-user entry does not start the installed binary: $(grep '^Exec=' "$user_entry")"
else
  fail "the first run wrote no per-user desktop entry"
fi
[ -s "$XDG_DATA_HOME/mime/packages/$id.xml" ] || fail "the first run wrote no per-user MIME package"
[ -e "$old_entry" ] && fail "the older per-user desktop entry is still there"
[ -e "$old_package" ] && fail "the older per-user MIME package is still there"
tr -d '\r' < "$XDG_CONFIG_HOME/Velmora 2003/Velmora 2003.ini" |
  grep -qxF "InstallFolder=$share/velmora2003" ||
  fail "the installed game did not find its data folder $share/velmora2003"

if [ "$failures" -ne 0 ]; then
  echo "install test: $failures failure(s)" >&2
  exit 1
fi
echo "install test: installed, validated and started from $prefix"
