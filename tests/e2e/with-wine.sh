#!/usr/bin/env bash
# Runs a command (normally ctest over the Windows build) inside a prepared Wine session:
# fresh prefix under build/, fonts installed, a virtual X display, a keep-alive GUI process.
set -uo pipefail
source "$(dirname "$0")/wine-env.sh"
export TOLSY_VIRTUAL_DISPLAY=${TOLSY_VIRTUAL_DISPLAY:-1}
trap wine_env_stop EXIT
trap 'exit 130' INT TERM
wine_env_start "$ROOT/build/wine-test"
export TOLSY_SCREENSHOTS=${TOLSY_SCREENSHOTS:-$ROOT/build/screenshots}
mkdir -p "$TOLSY_SCREENSHOTS"
"$@"
