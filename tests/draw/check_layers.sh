# Layers point one way: games -> shell -> engine -> platform. Fails naming
# each file that issues GL calls under shell/, sees SDL above platform/, or
# includes a layer above its own.
# Usage: check_layers.sh <source root>
set -u
root="${1:-.}"
cd "$root" || exit 1
status=0

report() {
    echo "FAIL: $1"
    echo "$2" | sed 's/^/    /'
    status=1
}

sources() { find "$@" -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.c' \) 2>/dev/null; }

found=$(sources shell | xargs -r grep -HnE '\bglu?[A-Z][A-Za-z0-9]*\s*\(|\bGL_[A-Z]|#include\s*[<"](GL|OpenGL)/')
[ -n "$found" ] && report "shell/ issues GL calls (draw through engine/CDraw2D.h and CMatrixStack.h)" "$found"

found=$(sources engine shell games | xargs -r grep -HnE '#include\s*[<"]SDL|\bSDL_[A-Za-z]')
[ -n "$found" ] && report "SDL seen above platform/" "$found"

found=$(sources platform | xargs -r grep -HnE '#include\s*"(engine|shell|games)/')
[ -n "$found" ] && report "platform/ includes a layer above it" "$found"

found=$(sources engine | xargs -r grep -HnE '#include\s*"(shell|games)/')
[ -n "$found" ] && report "engine/ includes a layer above it" "$found"

# The program's entry assembles every layer, so it alone may name the kinds.
found=$(sources shell | grep -v '^shell/main\.cpp$' | xargs -r grep -HnE '#include\s*"games/')
[ -n "$found" ] && report "shell/ includes a game kind" "$found"

[ $status -eq 0 ] && echo "PASS: every layer includes only those below it; shell/ issues no GL"
exit $status
