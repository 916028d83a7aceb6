# Without its data the game names the missing file in one line and ends with
# a non-zero code: no abort, no core dump, no hang. Needs no display.
set -u
source "$(dirname "$0")/lib.sh"
e2e_make_dir
cp "$1" "$E2E_DIR/"
game="$E2E_DIR/$(basename "$1")"

(cd / && timeout 60 "$game") >"$E2E_DIR/out.log" 2>&1
status=$?
{ [ $status -eq 0 ] || [ $status -ge 124 ]; } && e2e_fail "exit code $status"
[ "$(wc -l <"$E2E_DIR/out.log")" -eq 1 ] && grep -q "dat/param.txt" "$E2E_DIR/out.log" ||
    e2e_fail "expected one line naming the missing file"
echo "PASS: $(cat "$E2E_DIR/out.log") (exit $status)"
