#!/usr/bin/env bash
# check_install.sh CMAKE BUILD_DIR
# Installs the build into a temporary prefix and checks what a shop gets:
# the programs on the path with their manual pages, a valid menu entry
# with its icon, and valid AppStream data.
set -uo pipefail
cmake=$1
build=$2

missing=()
for tool in desktop-file-validate appstreamcli xmllint man readelf; do
  command -v "$tool" >/dev/null || missing+=("$tool")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "SKIPPED: missing ${missing[*]} (./dev.sh test installs them)"
  exit 77
fi

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
"$cmake" --install "$build" --prefix "$prefix" >/dev/null || { echo "cmake --install failed"; exit 1; }

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Every program the build makes for users is installed, the demo maker
# (a developer's tool) and the build's other files are not.
expected=()
for f in "$build"/bin/arc8130*; do
  name=$(basename "$f")
  [ -f "$f" ] && [ -x "$f" ] && [ "$name" != arc8130-demo ] && expected+=("$name")
done
for name in arc8130 arc8130-admin; do
  [[ " ${expected[*]} " == *" $name "* ]] || fail "the build made no $name"
done
for name in "${expected[@]}"; do
  [ -x "$prefix/bin/$name" ] || fail "bin/$name is not installed"
done
for f in "$prefix"/bin/*; do
  name=$(basename "$f")
  [[ " ${expected[*]} " == *" $name "* ]] || fail "bin/$name should not be installed"
done

# Installed programs find their libraries on the system, not in the build.
for f in "$prefix"/bin/*; do
  if readelf -d "$f" | grep -E 'RPATH|RUNPATH' | grep -qF "$build"; then
    fail "$(basename "$f") keeps a library path into the build tree"
  fi
done
usage=$("$prefix/bin/arc8130-admin" 2>&1 >/dev/null)
[[ "$usage" == *"usage: arc8130-admin"* ]] ||
  fail "the installed arc8130-admin does not start and show its usage: $usage"

# `man NAME` finds each program's page, which renders without warnings and
# is about that program.
for name in "${expected[@]}"; do
  page="$prefix/share/man/man1/$name.1.gz"
  [ -f "$page" ] || { fail "no manual page for $name"; continue; }
  warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "the manual page of $name warns: $warnings"
  title=$(MANPATH="$prefix/share/man" MANWIDTH=200 man -P cat "$name" 2>/dev/null | sed -n '/^NAME/{n;p;q}')
  [[ "$title" =~ ^[[:space:]]+$name\ -\  ]] || fail "man $name does not show the page of $name: '$title'"
done

# The menu entry: valid, starting an installed program, with its icon.
desktop="$prefix/share/applications/arc8130.desktop"
if [ -f "$desktop" ]; then
  out=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$out" ] || fail "desktop-file-validate: $out"
  exec_line=$(sed -n 's/^Exec=//p' "$desktop")
  program=${exec_line%% *}
  [ -x "$prefix/bin/$program" ] || fail "the menu entry starts '$program', which is not installed"
  icon=$(sed -n 's/^Icon=//p' "$desktop")
  svg="$prefix/share/icons/hicolor/scalable/apps/$icon.svg"
  if [ -f "$svg" ]; then
    xmllint --noout "$svg" || fail "$icon.svg is not well-formed"
    [ "$(xmllint --xpath 'local-name(/*)' "$svg")" = svg ] || fail "$icon.svg is not an SVG image"
  else
    fail "the menu entry's icon '$icon' is not installed as share/icons/hicolor/scalable/apps/$icon.svg"
  fi
else
  fail "share/applications/arc8130.desktop is not installed"
fi

# The AppStream data: valid, and pointing at the installed menu entry and programs.
metainfo="$prefix/share/metainfo/arc8130.metainfo.xml"
if [ -f "$metainfo" ]; then
  out=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "appstreamcli validate: $out"
  launchable=$(xmllint --xpath 'string(/component/launchable[@type="desktop-id"])' "$metainfo")
  [ -f "$prefix/share/applications/$launchable" ] || fail "the AppStream data launches '$launchable', which is not installed"
  for binary in $(xmllint --xpath '/component/provides/binary' "$metainfo" | sed 's/<[^>]*>/ /g'); do
    [ -x "$prefix/bin/$binary" ] || fail "the AppStream data provides '$binary', which is not installed"
  done
else
  fail "share/metainfo/arc8130.metainfo.xml is not installed"
fi

[ -f "$prefix/share/doc/arc8130/copyright" ] || fail "share/doc/arc8130/copyright is not installed"

if [ $failures -gt 0 ]; then
  echo "$failures check(s) of the installed tree failed"
  exit 1
fi
echo "installed tree in order: ${expected[*]}"
