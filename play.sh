#!/usr/bin/env bash
# Installs what is missing, builds, and starts the game.
set -euo pipefail
cd "$(dirname "$0")"
source .ci/setup.sh
mw_install_missing
mw_build
exec build/game/marblewend "$@"
