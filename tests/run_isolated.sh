#!/bin/sh
# Runs one test program with the offscreen platform and throw-away program,
# configuration, data, cache and runtime folders.
set -u
scratch=$(mktemp -d "${TMPDIR:-/tmp}/quillon-test.XXXXXX") || exit 1
trap 'rm -rf "$scratch"' EXIT INT TERM
mkdir -p "$scratch/home" "$scratch/config" "$scratch/data" "$scratch/cache" "$scratch/runtime"
chmod 700 "$scratch/runtime"
export QT_QPA_PLATFORM=offscreen
export QUILLON_HOME="$scratch/home"
export HOME="$scratch/home"
export XDG_CONFIG_HOME="$scratch/config"
export XDG_DATA_HOME="$scratch/data"
export XDG_CACHE_HOME="$scratch/cache"
export XDG_RUNTIME_DIR="$scratch/runtime"
"$@"
