# Layers point one way: games -> shell -> engine -> platform, and inside the
# engine frame -> widgets -> gfx, sound -> files. Fails naming each file that
# issues GL calls under shell/, sees SDL above platform/, includes a layer or
# engine area above its own, or includes another game kind.
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

found=$(sources shell | xargs -r grep -HnE '#include\s*"games/')
[ -n "$found" ] && report "shell/ includes a game kind" "$found"

# Each engine area may include only the areas listed after it.
area_check() {
    local area=$1 allowed=$2
    found=$(sources "engine/$area" | xargs -r grep -HnE '#include\s*"engine/' | grep -vE "#include\s*\"engine/($allowed)/")
    [ -n "$found" ] && report "engine/$area includes an area above it" "$found"
}
area_check files 'files'
area_check gfx 'gfx|files'
area_check sound 'sound'
area_check widgets 'widgets|gfx|files'
area_check frame 'frame|widgets|gfx|sound|files'
found=$(find engine -maxdepth 1 -type f \( -name '*.cpp' -o -name '*.h' \))
[ -n "$found" ] && report "engine/ holds a source file outside its areas" "$found"

# A kind meets the others only through the shell: it includes no other kind.
for kind in games/*/; do
    kind=${kind%/}
    name=${kind#games/}
    found=$(sources "$kind" | xargs -r grep -HnE '#include\s*"games/' | grep -v "\"games/$name/")
    [ -n "$found" ] && report "$kind includes another kind" "$found"
done

# Only the kinds' folders, the table of kinds and the assets name a kind: the
# shell, the engine and the build files read every name from the table. The
# settings keys that every kind shares carry the first kind's name.
names=$(grep -oE 'Kind\("[a-z0-9]+"' games/GameKinds.cpp | sed -E 's/Kind\("([a-z0-9]+)"/\1/' | sort -u | paste -sd'|')
if [ -z "$names" ]; then
    report "games/GameKinds.cpp lists no kind" ""
else
    found=$( { sources shell engine; find . -name CMakeLists.txt -not -path './games/*' -not -path './build*' -not -path './tests/*' -not -path './bench/*'; find cmake -type f 2>/dev/null; } \
        | xargs -r grep -HniwE "$names" | grep -vE '"remover_last_(difficult|size)"')
    [ -n "$found" ] && report "a kind is named outside games/, the table of kinds and the assets" "$found"
fi

[ $status -eq 0 ] && echo "PASS: every layer and engine area includes only those below it; shell/ issues no GL; no kind named outside games/"
exit $status
