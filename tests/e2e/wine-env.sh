# Sourced by with-wine.sh and run-program.sh: a Wine prefix under build/ with our fonts, an X
# display (a virtual one when none is given or when asked for), and a keep-alive GUI process.
# Every process started here is remembered by pid and stopped by wine_env_stop.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
WIN_BIN=${WIN_BIN:-$ROOT/build/win/bin}
HOST_BUILD=${HOST_BUILD:-$ROOT/build/host}
PYTHON=${PYTHON:-/usr/bin/python3}

export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

_wine_env_pids=()

wine_env_log() { echo "wine-env: $*" >&2; }

# The Tolsy font to install: the one we build, or a stand-in renamed from a Wine font.
wine_env_font() {
  local built=$HOST_BUILD/font/Tolsy.ttf
  if [ -f "$built" ]; then echo "$built"; return; fi
  local stand_in=$ROOT/build/e2e/Tolsy-standin.ttf
  if [ ! -f "$stand_in" ]; then
    mkdir -p "$(dirname "$stand_in")"
    "$PYTHON" "$ROOT/tests/e2e/make_standin_font.py" /usr/share/wine/fonts/tahoma.ttf "$stand_in"
  fi
  echo "$stand_in"
}

wine_env_prefix() { # $1 = prefix folder; made fresh unless TOLSY_KEEP_PREFIX=1 and it exists
  export WINEPREFIX=$1
  local fonts=$WINEPREFIX/drive_c/windows/Fonts
  if [ "${TOLSY_KEEP_PREFIX:-0}" != 1 ] || [ ! -f "$WINEPREFIX/system.reg" ]; then
    if [ -d "$WINEPREFIX" ]; then wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"; fi
    mkdir -p "$WINEPREFIX"
    wine_env_log "creating Wine prefix $WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    wineserver -p 2>/dev/null
    mkdir -p "$fonts"
    cp /usr/share/wine/fonts/*.ttf "$fonts/" 2>/dev/null || true
    # No window manager on a virtual display: our windows draw their own frames.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1
    wineserver -w 2>/dev/null || true
  fi
  # The font is installed afresh each time: it may have been rebuilt since.
  cp "$(wine_env_font)" "$fonts/Tolsy.ttf"
  wineserver -p 2>/dev/null
}

wine_env_display() { # uses $DISPLAY unless TOLSY_VIRTUAL_DISPLAY=1 or there is none
  if [ -n "${DISPLAY:-}" ] && [ "${TOLSY_VIRTUAL_DISPLAY:-0}" != 1 ]; then return; fi
  local n
  for n in $(seq 91 140); do
    if [ ! -e /tmp/.X$n-lock ] && [ ! -e /tmp/.X11-unix/X$n ]; then break; fi
  done
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  _wine_env_pids+=($!)
  export DISPLAY=":$n"
  local i
  for i in $(seq 1 100); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.1
  done
  wine_env_log "virtual display $DISPLAY (Xvfb pid ${_wine_env_pids[-1]})"
  export TOLSY_VIRTUAL_DISPLAY_STARTED=1
}

wine_env_keepalive() { # a small GUI process keeps the session (and the clipboard) alive
  if [ -f "$WIN_BIN/tolsy_keepalive.exe" ]; then
    wine "$WIN_BIN/tolsy_keepalive.exe" >/dev/null 2>&1 &
    _wine_env_pids+=($!)
    wine_env_wait_desktop
  fi
}

# The desktop process (explorer.exe /desktop) lives until the session ends and keeps the
# output of whichever program started it: it must be the keep-alive's, not a test's, or
# ctest waits for that output to close until the test times out.
wine_env_wait_desktop() {
  local i pid
  # Up to a minute: on a loaded machine the first desktop can take well over 15 s.
  for i in $(seq 1 600); do
    for pid in $(pgrep -f 'explorer.exe /desktop' 2>/dev/null); do
      if tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX"; then
        return 0
      fi
    done
    sleep 0.1
  done
  wine_env_log "the Wine desktop did not start within 60 s"
}

wine_env_start() { # $1 = prefix folder
  wine_env_display
  wine_env_prefix "$1"
  wine_env_keepalive
}

wine_env_stop() {
  local pid
  for pid in "${_wine_env_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${_wine_env_pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  _wine_env_pids=()
  [ -n "${WINEPREFIX:-}" ] && wineserver -k 2>/dev/null || true
}
