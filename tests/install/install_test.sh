#!/usr/bin/env bash
# Installs the build tree into a temporary prefix and runs the installed
# programs the way a desktop user meets them: from a program folder they
# cannot write, with a fresh configuration folder.
# Usage: install_test.sh BUILD_DIR
set -euo pipefail
build="$(cd "$1" && pwd)"
work="$(mktemp -d)"
chmod 755 "$work"
cleanup() { chmod -R u+w "$work" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }
prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >"$work/install.log" || { cat "$work/install.log"; fail "install"; }

cli="$prefix/bin/skyledger-cli"
shipped="$prefix/share/skyledger/default_settings.txt"
[ -x "$cli" ] || fail "no $cli"
[ -f "$shipped" ] || fail "no $shipped"

# The installed programs must not be able to write their own folder: as root,
# they run as the unprivileged user "nobody"; otherwise the folder is made
# read-only.
if [ "$(id -u)" -eq 0 ]; then
  as_user() { setpriv --reuid=nobody --regid=nogroup --clear-groups -- "$@"; }
  owner=nobody
else
  as_user() { "$@"; }
  owner="$(id -un)"
  chmod a-w "$prefix/bin"
fi
mkdir -p "$work/config" "$work/home"
chown "$owner" "$work/config" "$work/home"
run() { as_user env -u XDG_CONFIG_HOME HOME="$work/home" XDG_CONFIG_HOME="$work/config" "$@"; }

user_file="$work/config/Skyledger/Skyledger Settings.txt"

# --help names the file and creates nothing.
run "$cli" --help >"$work/help.txt"
grep -qxF "Settings file: $user_file" "$work/help.txt" || { cat "$work/help.txt"; fail "--help path"; }
[ ! -e "$work/config/Skyledger" ] || fail "--help created the settings folder"

# First use: the folder is created and seeded with the shipped places.
run "$cli" locations >"$work/places.txt" || fail "locations on first use"
cmp -s "$user_file" "$shipped" || fail "the user file is not the shipped places"
[ "$(($(grep -c . "$work/places.txt") - 1))" -eq "$(sed -n 's/^locations [0-9]* \([0-9]*\).*/\1/p' "$shipped")" ] \
  || fail "not every shipped place is listed"
[ ! -e "$prefix/bin/Skyledger Settings.txt" ] || fail "a settings file appeared in the program folder"

# An edit (a new place, made current) is read back and survives later runs.
awk 'BEGIN { RS = "\r\n"; ORS = "\r\n" }
     /^locations / { print "locations 0 " $3 + 1; print "  \"Quiet Harbour\" 10.00 20.00 0.0 1.0"; next }
     { print }' "$user_file" >"$work/edited"
cp "$work/edited" "$user_file"
run "$cli" locations >"$work/places2.txt"
grep -q '^\* *Quiet Harbour' "$work/places2.txt" || { cat "$work/places2.txt"; fail "the edit is not read back"; }
run "$cli" day 2026-06-21 >"$work/day.txt" || fail "day at the edited place"
grep -q 'Quiet Harbour' "$work/day.txt" || { cat "$work/day.txt"; fail "day is not for the current place"; }
cmp -s "$user_file" "$work/edited" || fail "the user file changed"

# Without XDG_CONFIG_HOME the folder is ~/.config/Skyledger.
as_user env -u XDG_CONFIG_HOME HOME="$work/home" "$cli" locations >/dev/null
[ -f "$work/home/.config/Skyledger/Skyledger Settings.txt" ] || fail "no ~/.config/Skyledger file"

# --settings still overrides, and the override is what --help reports.
cp "$shipped" "$work/other.txt"
run "$cli" --settings "$work/other.txt" --help >"$work/help2.txt"
grep -qxF "Settings file: $work/other.txt" "$work/help2.txt" || fail "--help with --settings"

# A portable copy (the programs in a writable folder of their own) keeps its
# settings file beside the program.
mkdir -p "$work/portable"
cp "$cli" "$work/portable/"
cp "$shipped" "$work/portable/Skyledger Settings.txt"
env HOME="$work/home" XDG_CONFIG_HOME="$work/config2" "$work/portable/skyledger-cli" --help \
  >"$work/help3.txt"
grep -qxF "Settings file: $work/portable/Skyledger Settings.txt" "$work/help3.txt" \
  || fail "portable copy"
env HOME="$work/home" XDG_CONFIG_HOME="$work/config2" "$work/portable/skyledger-cli" locations >/dev/null
[ ! -e "$work/config2" ] || fail "a portable copy wrote to the configuration folder"

# The desktop program, its menu entry and its icons, when it was built.
gui="$prefix/bin/skyledger"
if [ -x "$gui" ]; then
  desktop="$prefix/share/applications/skyledger.desktop"
  # Valid, and without a hint either (desktop-file-validate exits 0 on hints).
  hints="$(desktop-file-validate "$desktop" 2>&1)" || fail "desktop-file-validate: $hints"
  [ -z "$hints" ] || fail "desktop-file-validate: $hints"
  for size in 16 32 48 64 128 256; do
    png="$prefix/share/icons/hicolor/${size}x${size}/apps/skyledger.png"
    [ -f "$png" ] || fail "no $png"
    # Width and height are the big-endian words at bytes 16 and 20 of a PNG.
    dims="$(od -An -tu1 -j16 -N8 "$png" | awk '{ print $3 * 256 + $4 "x" $7 * 256 + $8 }')"
    [ "$dims" = "${size}x${size}" ] || fail "$png is $dims"
  done
  [ -f "$prefix/share/icons/hicolor/scalable/apps/skyledger.svg" ] || fail "no scalable icon"

  # A fresh user starts the window once: it takes the same settings file.
  rm -rf "$work/config/Skyledger"
  as_user mkdir -m 700 "$work/home/runtime"
  run env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work/home/runtime" \
    "$gui" --screenshot "$work/home/window.png" 2>"$work/gui.err" || fail "skyledger --screenshot"
  # A scripted offscreen run prints nothing, not even Qt's window-manager warnings.
  [ ! -s "$work/gui.err" ] || { cat "$work/gui.err"; fail "skyledger --screenshot printed messages"; }
  [ -s "$work/home/window.png" ] || fail "no screenshot"
  [ -f "$user_file" ] || fail "the desktop program did not use the user settings folder"
  [ ! -e "$prefix/bin/Skyledger Settings.txt" ] || fail "the desktop program wrote its folder"
fi
echo "install layout: ok"
