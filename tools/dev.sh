#!/bin/sh
# Sets up a Debian 12 machine for Quillon, builds it, and then either
# starts the editor or runs the whole test suite.
#
#   sh tools/dev.sh run [page files ...]   optimised build in build/
#   sh tools/dev.sh test                   checking build in build-check/
#
# Run as root: missing Debian packages are installed with apt-get.
set -eu
cd "$(dirname "$0")/.."

action=${1:-run}
[ $# -gt 0 ] && shift

PACKAGES="g++ cmake make qt6-base-dev qt6-base-dev-tools libgl-dev
libqscintilla2-qt6-dev libqt6sql6-sqlite adwaita-icon-theme xvfb xauth"

missing=""
for package in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $package"
    fi
done
if [ -n "$missing" ]; then
    echo "Installing:$missing"
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y $missing
fi

jobs=$(nproc 2>/dev/null || echo 2)

case "$action" in
run)
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build build -j"$jobs"
    # Without a display, the editor runs on a virtual one.
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
        exec xvfb-run -a ./build/quillon "$@"
    fi
    exec ./build/quillon "$@"
    ;;
test)
    # The tests run in a checking build of their own, under AddressSanitizer
    # and UndefinedBehaviorSanitizer; the editor that "run" starts stays the
    # optimised build in build/.
    cmake -S . -B build-check -DCMAKE_BUILD_TYPE=Debug -DQUILLON_SANITIZE=ON -DQUILLON_BENCHMARKS=OFF
    cmake --build build-check -j"$jobs"
    exec ctest --test-dir build-check --output-on-failure -j"$jobs"
    ;;
*)
    echo "usage: sh tools/dev.sh run|test" >&2
    exit 2
    ;;
esac
