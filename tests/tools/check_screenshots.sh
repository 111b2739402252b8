#!/usr/bin/env bash
# The picture tool draws every screen, each a non-empty PNG of the screen's size.
set -euo pipefail
source "$(dirname "$0")/../support/needs.sh"
needs file
tool=${1:?path to screenshots}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

"$tool" "$out" >/dev/null
check() {
    local name=$1 size=$2
    [[ -s "$out/$name.png" ]] || fail "$name.png was not drawn"
    file "$out/$name.png" | grep -q "PNG image data, $size," || fail "$name.png: $(file "$out/$name.png")"
}
check main "427 x [0-9]*"
check validation-message "[0-9]* x [0-9]*"
check reading "427 x 342"
check reading-no-debt "427 x 342"
check about "455 x 252"
check farewell "741 x 315"
cmp -s "$out/reading.png" "$out/reading-no-debt.png" && fail "the two readings look the same"
echo "screenshots: all checks passed"
