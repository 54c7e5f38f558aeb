#!/bin/sh
# Fails when a source file or a test includes a header of a higher layer,
# and when a file of a core library (the CORE names in src/<layer>/
# CMakeLists.txt) includes anything but core files or a Qt Widgets header.
# Layers, low to high: platform, controls, editor, then tags, links and
# generators (side by side; links may use tags), shell, app.
#
#   sh tools/check_layers.sh [Qt Widgets include folders, ;-separated]
set -u
widgets=${1:-}
cd "$(dirname "$0")/.." || exit 2
rank() { # sets r to the layer's rank
    case "$1" in
    platform) r=0 ;; controls) r=1 ;; editor) r=2 ;;
    tags | links | generators) r=3 ;; shell) r=4 ;; app) r=5 ;;
    *) r=99 ;;
    esac
}
# The CORE names of a layer, one a line.
core_names() {
    [ -f "src/$1/CMakeLists.txt" ] || return 0
    tr '()' '  ' <"src/$1/CMakeLists.txt" | awk '
        { for (i = 1; i <= NF; i++) {
              if ($i ~ /^[A-Z_]+$/) { core = ($i == "CORE"); continue }
              if (core) print $i } }'
}
# Every core class as layer/Name, one a line.
core=$(for layer in $(ls src); do core_names "$layer" | sed "s|^|$layer/|"; done)
is_core() { # layer/Name
    case "
$core
" in *"
$1
"*) return 0 ;; esac
    return 1
}
# The quoted includes of a file, as layer/Name.
quoted_includes() {
    sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([a-z]*\/[A-Za-z0-9_]*\)\.h".*/\1/p' "$1" | sort -u
}
status=0
for file in src/*/*.h src/*/*.cpp tests/*/tst_*.cpp; do
    layer=${file#*/}
    layer=${layer%%/*}
    rank "$layer"
    own=$r
    for used in $(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([a-z]*\)\/.*/\1/p' "$file" | sort -u); do
        [ "$used" = "$layer" ] && continue
        [ "$used" = support ] && continue
        [ "$layer" = links ] && [ "$used" = tags ] && continue
        rank "$used"
        if [ "$r" -ge "$own" ]; then
            echo "$file includes $used/: that layer is not below $layer" >&2
            status=1
        fi
    done
done
for class in $core; do
    for file in "src/$class.h" "src/$class.cpp"; do
            [ -f "$file" ] || continue
            for used in $(quoted_includes "$file"); do
                if ! is_core "$used"; then
                    echo "$file is core but includes $used.h, which is not" >&2
                    status=1
                fi
            done
            [ -n "$widgets" ] || continue
            for header in $(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*<\(Q[A-Za-z]*\)>.*/\1/p;s/^[[:space:]]*#[[:space:]]*include[[:space:]]*<QtWidgets\/\([A-Za-z]*\)>.*/\1/p' "$file"); do
                for dir in $(echo "$widgets" | tr ';' ' '); do
                    case "$dir" in */QtWidgets) ;; *) continue ;; esac
                    if [ -f "$dir/$header" ]; then
                        echo "$file is core but includes the widget header <$header>" >&2
                        status=1
                    fi
                done
            done
        done
done
[ $status -eq 0 ] && echo "layers: every include points down; core files include no widgets"
exit $status
