# Without its data the game names the missing file in one line and ends with
# a non-zero code: no abort, no core dump, no hang. Needs no display.
set -u
source "$(dirname "$0")/lib.sh"
E2E_DIR=$(mktemp -d /tmp/mw_e2e_XXXXXX)
trap 'rm -rf "$E2E_DIR"' EXIT
cp "$1" "$E2E_DIR/"
game="$E2E_DIR/$(basename "$1")"

(cd / && timeout 60 "$game") >"$E2E_DIR/out.log" 2>&1
status=$?
if [ $status -eq 0 ] || [ $status -ge 124 ]; then
    echo "FAIL: exit code $status"
    cat "$E2E_DIR/out.log"
    exit 1
fi
lines=$(wc -l < "$E2E_DIR/out.log")
if [ "$lines" -ne 1 ] || ! grep -q "dat/param.txt" "$E2E_DIR/out.log"; then
    echo "FAIL: expected one line naming the missing file, got:"
    cat "$E2E_DIR/out.log"
    exit 1
fi
echo "PASS: $(cat "$E2E_DIR/out.log") (exit $status)"
