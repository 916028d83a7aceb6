#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the unit tests and
# the end-to-end tests, each of those under its own virtual display.
# Screenshots of the end-to-end tests land in build/e2e-shots/.
set -euo pipefail
cd "$(dirname "$0")"
source .ci/setup.sh
mw_install_missing $MW_TEST_PACKAGES
mw_comma_locale
mw_build -DBUILD_TESTING=ON
cd build
export SDL_AUDIODRIVER=dummy
export MARBLEWEND_NO_BROWSER=1
# A test that hangs fails after ten minutes instead of holding up the run.
ctest --output-on-failure --timeout 600 -j"$(nproc)"
