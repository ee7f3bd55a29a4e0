#!/usr/bin/env bash
# Set up, build and run ARC 8130 on a Debian 12 machine.
#   ./dev.sh run    build and start the program on a demo data folder
#   ./dev.sh test   build and run every test
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(build-essential cmake ninja-build qt6-base-dev libqt6sql6-sqlite
          libgtest-dev libgmock-dev libbenchmark-dev fonts-liberation2
          libgl-dev xvfb xauth poppler-utils)

ensure_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -eq 0 ]; then
    apt-get update -q
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
  else
    echo "Missing packages. Install them with:"
    echo "  sudo apt-get install -y ${missing[*]}"
    exit 1
  fi
}

build() {
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}"
  cmake --build build
}

cmd="${1:-}"
case "$cmd" in
  run)
    ensure_packages
    build
    # A demo data folder of its own, so a first look shows working screens.
    build/bin/arc8130-demo build/bin build/demo
    exec build/bin/arc8130
    ;;
  test)
    ensure_packages
    build
    cd build
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure
    ;;
  *)
    echo "usage: ./dev.sh run | ./dev.sh test" >&2
    exit 2
    ;;
esac
