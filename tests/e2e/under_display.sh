# Runs a test program under its own virtual display.
set -u
source "$(dirname "$0")/lib.sh"
e2e_under_xvfb "$@"
exec "$@"
