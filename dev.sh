#!/usr/bin/env bash
# Set up, build and run ARC 8130 on a Debian 12 machine.
#   ./dev.sh run    build and start the program on a demo data folder
#   ./dev.sh test   build and run every test (./dev.sh test -R NAME: the
#                   tests whose names match, with the test server)
#   ./dev.sh sanitize  build with the address and undefined-behaviour
#                      sanitizers under build-asan/ and run every test
#   ./dev.sh package   build arc8130_VERSION_ARCH.deb here and check it with lintian
#   ./dev.sh translations  gather every text a user reads into
#                          translations/arc8130_en.ts (lupdate)
set -euo pipefail
cd "$(dirname "$0")"

# The sanitizers' run-time libraries (libasan8, libubsan1) come with g++.
PACKAGES=(build-essential cmake ninja-build qt6-base-dev libqt6sql6-sqlite
          libgtest-dev libgmock-dev libbenchmark-dev fonts-liberation2
          libgl-dev xvfb xauth poppler-utils pkg-config libsodium-dev mdbtools
          libqt6sql6-psql libssl-dev libpq-dev ccache zlib1g-dev xdg-utils
          qt6-httpserver-dev qt6-websockets-dev qt6-l10n-tools
          libp11-dev p11-kit libqrencode-dev)
# What the test of the installed tree checks it with.
TEST_PACKAGES=(desktop-file-utils appstream libxml2-utils man-db binutils postgresql libnss3-tools chromium
               softhsm2 opensc zbar-tools)
# What makes and checks the .deb; dpkg-shlibdeps (dpkg-dev, file) finds the
# libraries it depends on.
PACKAGE_TOOLS=(dpkg-dev file lintian)

# ensure_packages [EXTRA...]: PACKAGES and the extra ones a command needs.
ensure_packages() {
  local missing=()
  for p in "${PACKAGES[@]}" "$@"; do
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

# A compiler cache outside the checkout, shared by every clone on this
# machine: paths are taken relative to the checkout, and the sloppiness lets
# precompiled headers be cached.
use_ccache() {
  export CCACHE_DIR="${CCACHE_DIR:-$HOME/.cache/arc8130-ccache}"
  export CCACHE_BASEDIR="$PWD"
  export CCACHE_NOHASHDIR=1
  export CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
  CCACHE_LAUNCHER=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
}

# Optimised as a release, without debug information: the package strips it
# anyway, and it is a third of the compile time. The sanitizer build keeps
# it for its reports; BUILD_TYPE=RelWithDebInfo ./dev.sh test builds with it.
build() {
  use_ccache
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-Release}" -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
    "${CCACHE_LAUNCHER[@]}"
  cmake --build build
}

# Any sanitizer report fails the test it comes from. Leaks inside
# third-party libraries are listed in tests/lsan.supp; ours never are.
sanitize() {
  local flags="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
  use_ccache
  cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DARC_BUILD_BENCH=OFF "${CCACHE_LAUNCHER[@]}" \
    -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="$flags" -DCMAKE_SHARED_LINKER_FLAGS="$flags"
  cmake --build build-asan
  cd build-asan
  QT_QPA_PLATFORM=offscreen \
  ASAN_OPTIONS="halt_on_error=1:abort_on_error=0:detect_leaks=1:detect_stack_use_after_return=1" \
  LSAN_OPTIONS="suppressions=$PWD/../tests/lsan.supp:print_suppressions=0" \
  UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1" \
    ctest --output-on-failure -j "$(nproc)"
}

# A private PostgreSQL cluster for the server-side tests: its own folder,
# a Unix socket there and no TCP port, run by an unprivileged user (the
# server refuses to run as root), stopped when this script ends however it
# ends. ARC_TEST_PG tells the tests where it is; a cluster that does not
# start fails the run instead of skipping those tests.
PG_DIR=""
stop_test_server() {
  [ -n "$PG_DIR" ] || return 0
  as_pg_user "$PG_BIN/pg_ctl" -D "$PG_DIR/data" -m immediate -w stop >/dev/null 2>&1 || true
  rm -rf "$PG_DIR"
  PG_DIR=""
}
as_pg_user() {
  if [ "$(id -u)" -eq 0 ]; then runuser -u nobody -- "$@"; else "$@"; fi
}
start_test_server() {
  PG_BIN=$(ls -d /usr/lib/postgresql/*/bin | sort -V | tail -n 1)
  PG_DIR=$(mktemp -d /tmp/arc-pg.XXXXXX)
  trap stop_test_server EXIT
  chmod 755 "$PG_DIR"
  [ "$(id -u)" -eq 0 ] && chown nobody "$PG_DIR"
  as_pg_user "$PG_BIN/initdb" -D "$PG_DIR/data" -U arc -A trust -E UTF8 --locale=C.UTF-8 --no-sync >"$PG_DIR/initdb.log" 2>&1 \
    || { cat "$PG_DIR/initdb.log"; echo "initdb failed" >&2; exit 1; }
  as_pg_user "$PG_BIN/pg_ctl" -D "$PG_DIR/data" -l "$PG_DIR/server.log" -w \
    -o "-k $PG_DIR -c listen_addresses= -c fsync=off -c synchronous_commit=off -c full_page_writes=off" start >/dev/null \
    || { cat "$PG_DIR/server.log"; echo "the test PostgreSQL server did not start" >&2; exit 1; }
  export ARC_TEST_PG="postgresql://arc@/postgres?host=$PG_DIR&port=5432"
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
    shift
    ensure_packages "${TEST_PACKAGES[@]}"
    build
    start_test_server
    (cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(( $(nproc) * 2 ))" "$@")
    ;;
  sanitize)
    ensure_packages "${TEST_PACKAGES[@]}"
    start_test_server
    (sanitize)
    ;;
  bench)
    # The speed figures, both engines side by side: a private server as for
    # the tests; further arguments go to Google Benchmark (--benchmark_filter=...).
    shift
    ensure_packages "${TEST_PACKAGES[@]}"
    build
    start_test_server
    ARC_BENCH_PG="$ARC_TEST_PG" build/bin/arc_bench "$@"
    ;;
  package)
    ensure_packages "${PACKAGE_TOOLS[@]}"
    build
    rm -f build/arc8130_*.deb arc8130_*.deb
    (cd build && cpack -G DEB)
    mv build/arc8130_*.deb .
    deb=$(echo arc8130_*.deb)
    # Errors fail the command; warnings are shown.
    lintian --fail-on error "$deb"
    echo "Made $deb. Install it with: sudo apt install ./$deb"
    ;;
  translations)
    # The texts the program shows, by context, for a shop to translate
    # with Qt Linguist; the form's own printed texts are not among them.
    ensure_packages
    /usr/lib/qt6/bin/lupdate -silent -locations relative -no-obsolete -source-language en -target-language en \
      src -ts translations/arc8130_en.ts
    ;;
  *)
    echo "usage: ./dev.sh run | ./dev.sh test | ./dev.sh bench | ./dev.sh sanitize | ./dev.sh package | ./dev.sh translations" >&2
    exit 2
    ;;
esac
