#!/usr/bin/env bash
# Fails when a source folder includes a folder above it. The layers point one way:
#   entry -> signin -> service -> store -> platform, and controls -> platform.
# Prints each offending include line as file:line: text, and exits 1 if there is any.
set -euo pipefail
src=${1:-$(cd "$(dirname "$0")/.." && pwd)/src}

rank() {
    case "$1" in
    entry) echo 5 ;;
    signin) echo 4 ;;
    service) echo 3 ;;
    store | controls) echo 2 ;;
    platform) echo 1 ;;
    *) echo 0 ;;
    esac
}

# may_include FROM TO: whether folder FROM may include folder TO.
may_include() {
    local from=$1 to=$2
    [ "$from" = "$to" ] && return 0
    # Controls stand beside the sign-in stack: they reach only the platform.
    [ "$from" = controls ] && { [ "$to" = platform ]; return; }
    [ "$to" = controls ] && [ "$from" = store ] && return 1
    [ "$(rank "$to")" -lt "$(rank "$from")" ]
}

found=0
while IFS= read -r hit; do
    file=${hit%%:*}
    rest=${hit#*:}
    text=${rest#*:}
    from=${file#"$src"/}
    from=${from%%/*}
    to=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^/"]+)\/.*/\1/' <<<"$text")
    [ "$(rank "$from")" -eq 0 ] || [ "$(rank "$to")" -eq 0 ] && continue
    if ! may_include "$from" "$to"; then
        echo "$hit"
        found=1
    fi
done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[a-z]+/' "$src" \
    --include='*.cpp' --include='*.h' | sort -t: -k1,1 -k2,2n)

if [ "$found" -ne 0 ]; then
    echo "Includes above run up the layers (entry -> signin -> service -> store -> platform;" \
        "controls -> platform)." >&2
fi
exit "$found"
