#!/usr/bin/env bash
# tst_install.sh CMAKE BUILD_DIR SOURCE_DIR: installs the built program into
# a temporary prefix (with a blank in its name, as a home folder may have)
# and checks what a desktop needs from it: the program in bin/, a desktop
# entry that desktop-file-validate accepts and that starts that program, and
# the About dialog's logo as the icon in the hicolor theme.
set -u
cmake=$1 build=$2 source=$3
id=org.tessaryextractor.TessaryExtractor
prefix=$(mktemp -d "${TMPDIR:-/tmp}/tyx install.XXXXXX")
trap 'rm -rf "$prefix"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

if ! log=$("$cmake" --install "$build" --prefix "$prefix" 2>&1); then
  echo "$log"
  fail "cmake --install failed"
fi

[ -x "$prefix/bin/tessary-extractor" ] || fail "no program at bin/tessary-extractor"

entry="$prefix/share/applications/$id.desktop"
if [ -f "$entry" ]; then
  key() { sed -n "s/^$1=//p" "$entry"; }
  [ "$(key Type)" = Application ] || fail "Type is '$(key Type)'"
  [ "$(key Name)" = "Tessary Extractor" ] || fail "Name is '$(key Name)'"
  [ -n "$(key Comment)" ] || fail "no Comment"
  [ "$(key Exec)" = "\"$prefix/bin/tessary-extractor\"" ] || fail "Exec is '$(key Exec)'"
  [ "$(key Icon)" = "$id" ] || fail "Icon is '$(key Icon)'"
  case ";$(key Categories)" in *";Graphics;"*) ;; *) fail "Categories '$(key Categories)' lack Graphics" ;; esac
  if command -v desktop-file-validate > /dev/null; then
    desktop-file-validate "$entry" || fail "desktop-file-validate refuses the entry"
  else
    fail "desktop-file-validate is missing (desktop-file-utils; scripts/install-deps.sh installs it)"
  fi
else
  fail "no desktop entry at share/applications/$id.desktop"
fi

icon="$prefix/share/icons/hicolor/128x128/apps/$id.png"
if [ -f "$icon" ]; then
  cmp -s "$icon" "$source/resources/halvenorlogo.png" || fail "the icon is not the About dialog's logo"
  # A PNG's width and height stand big-endian at bytes 16 to 23; the
  # theme's folder must name the icon's true size.
  size=$(od -An -tu1 -j16 -N8 "$icon" | awk '{ print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8 }')
  [ "$size" = 128x128 ] || fail "the icon is $size, not 128x128"
else
  fail "no icon at share/icons/hicolor/128x128/apps/$id.png"
fi

[ "$failures" -eq 0 ] && echo "PASS: program, desktop entry and icon installed"
exit "$failures"
