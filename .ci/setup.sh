# Shared by play.sh and test.sh: installs what is missing on a Debian 12
# machine and builds everything into build/.

MW_PACKAGES="g++ make cmake pkg-config libsdl2-dev libmikmod-dev libjpeg-dev libglu1-mesa-dev
libgl1-mesa-dev libgl1-mesa-dri libfreetype-dev fonts-dejavu-core"

# Only the tests and benchmarks need these: the test libraries, a virtual
# display with input and picture tools, and a locale that writes a decimal comma.
MW_TEST_PACKAGES="googletest libgtest-dev libbenchmark-dev xvfb xauth xdotool imagemagick x11-utils locales"

# Installs MW_PACKAGES and the packages given as arguments that are missing.
mw_install_missing() {
    local missing=""
    local pkg
    for pkg in $MW_PACKAGES "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
            missing="$missing $pkg"
        fi
    done
    [ -z "$missing" ] && return 0
    echo "Installing:$missing"
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1; then
            sudo="sudo"
        else
            echo "These packages are missing and this is not root:$missing" >&2
            return 1
        fi
    fi
    $sudo apt-get update
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends $missing
}

# Builds into build/; arguments go to cmake (test.sh adds -DBUILD_TESTING=ON).
mw_build() {
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    cmake --build build -j"$(nproc)"
}

# The settings files must keep the decimal point whatever the player's
# locale: a test checks that under a locale that writes a comma, and skips
# without one. Makes that locale when it is missing and this is root.
mw_comma_locale() {
    grep -qix 'de_DE.utf8' <<<"$(locale -a 2>/dev/null)" && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "No de_DE.UTF-8 locale and not root: the locale test will be skipped"
        return 0
    fi
    localedef -i de_DE -c -f UTF-8 de_DE.UTF-8 >/dev/null 2>&1 || true
    grep -qix 'de_DE.utf8' <<<"$(locale -a 2>/dev/null)" ||
        echo "The de_DE.UTF-8 locale could not be made: the locale test will be skipped"
}
