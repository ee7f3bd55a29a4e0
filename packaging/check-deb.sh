#!/usr/bin/env bash
# check-deb.sh FILE.deb
# The package holds what a shop installs, every program with its manual
# page, and depends on what the program loads and starts at run time.
set -euo pipefail
deb=$1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

contents=$(dpkg-deb --contents "$deb" | awk '{print $6}')
for path in ./usr/bin/arc8130 ./usr/bin/arc8130-admin ./usr/bin/arc8130-import \
            ./usr/share/applications/arc8130.desktop ./usr/share/metainfo/arc8130.metainfo.xml \
            ./usr/share/icons/hicolor/scalable/apps/arc8130.svg ./usr/share/doc/arc8130/copyright; do
  grep -qxF "$path" <<<"$contents" || fail "$deb lacks $path"
done
for program in $(grep '^\./usr/bin/.' <<<"$contents"); do
  grep -qxF "./usr/share/man/man1/$(basename "$program").1.gz" <<<"$contents" ||
    fail "$deb has no manual page for $(basename "$program")"
done
if grep -q 'arc8130-demo' <<<"$contents"; then fail "$deb holds the developers' demo maker"; fi
outside=$(grep -v -e '^\./$' -e '^\./usr/' <<<"$contents" || true)
[ -z "$outside" ] || fail "$deb installs outside /usr: $outside"

# Shared libraries (computed from the binaries) and what is only loaded or
# started at run time.
depends=$(dpkg-deb -f "$deb" Depends)
for package in libc6 libqt6widgets6 libqt6sql6 libsodium23 libssl3 libpq5 \
               libqt6sql6-sqlite qt6-qpa-plugins fonts-liberation2 mdbtools; do
  grep -qE "(^|, )$package( |,|$)" <<<"$depends" || fail "$deb does not depend on $package: $depends"
done

if [ $failures -gt 0 ]; then
  exit 1
fi
echo "$deb: $(grep -c . <<<"$contents") entries, depends on $depends"
