#!/usr/bin/env bash
# Starts Framewright under Wine. On a machine without a display it starts a virtual one, saves
# a screenshot under build/ and says where; either way it stops cleanly when the program is
# closed or the command is interrupted.
set -uo pipefail
source "$(dirname "$0")/wine-env.sh"
trap wine_env_stop EXIT
trap 'echo; echo "run: interrupted, stopping"; exit 130' INT TERM

TOLSY_KEEP_PREFIX=${TOLSY_KEEP_PREFIX:-1} wine_env_start "$ROOT/build/wine-run"
echo "run: starting Framewright (tolsy.exe) on display $DISPLAY"
wine "$WIN_BIN/tolsy.exe" &
program=$!
_wine_env_pids+=("$program")

if [ "${TOLSY_VIRTUAL_DISPLAY_STARTED:-0}" = 1 ]; then
  shot=$ROOT/build/screenshots/run.png
  mkdir -p "$(dirname "$shot")"
  sleep 4
  import -window root "$shot" 2>/dev/null && echo "run: no display here; screenshot saved to $shot"
  echo "run: Framewright is running on the virtual display $DISPLAY; press Ctrl+C to stop it"
fi
wait "$program"
echo "run: Framewright has ended"
