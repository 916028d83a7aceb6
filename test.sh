#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the unit tests, the
# display and end-to-end tests (each under its own virtual display), then the
# unit tests again built with the address and undefined-behaviour sanitizers.
# Screenshots of the end-to-end tests land in build/e2e-shots/.
set -euo pipefail
cd "$(dirname "$0")"
source .ci/setup.sh
mw_install_missing $MW_TEST_PACKAGES
mw_comma_locale
mw_build -DBUILD_TESTING=ON
export SDL_AUDIODRIVER=dummy
export MARBLEWEND_NO_BROWSER=1
# A test that hangs fails after ten minutes instead of holding up the run.
(cd build && ctest --output-on-failure --timeout 600 -j"$(nproc)")

# The unit tests once more, everything built with AddressSanitizer and
# UndefinedBehaviorSanitizer: memory faults and overflows fail the run.
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON -DMW_SANITIZE=address,undefined
cmake --build build-sanitize -j"$(nproc)"
(cd build-sanitize && ctest -L unit --output-on-failure --timeout 600 -j"$(nproc)")
