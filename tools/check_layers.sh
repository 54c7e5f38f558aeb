#!/bin/sh
# Fails when a source file includes a header of a higher layer. Layers, low
# to high: platform, controls, editor, then tags, links and generators (side
# by side; links may use tags), shell, app.
set -u
cd "$(dirname "$0")/../src" || exit 2
rank() {
    case "$1" in
    platform) echo 0 ;; controls) echo 1 ;; editor) echo 2 ;;
    tags | links | generators) echo 3 ;; shell) echo 4 ;; app) echo 5 ;;
    *) echo 99 ;;
    esac
}
status=0
for file in */*.h */*.cpp; do
    layer=${file%%/*}
    own=$(rank "$layer")
    for used in $(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([a-z]*\)\/.*"/\1/p' "$file" | sort -u); do
        [ "$used" = "$layer" ] && continue
        [ "$layer" = links ] && [ "$used" = tags ] && continue
        if [ "$(rank "$used")" -ge "$own" ]; then
            echo "$file includes $used/: that layer is not below $layer" >&2
            status=1
        fi
    done
done
[ $status -eq 0 ] && echo "layers: every include points down"
exit $status
