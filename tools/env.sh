# Shared by the tools: the Wine environment, the virtual display and the prefix.
# Source it; it defines functions and exports, and runs nothing by itself.

ZOVRA_ROOT=${ZOVRA_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
ZOVRA_BUILD_DIR=${ZOVRA_BUILD_DIR:-$ZOVRA_ROOT/build}
export ZOVRA_BUILD_DIR
export WINEPREFIX=${WINEPREFIX:-$ZOVRA_BUILD_DIR/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml="}
export LANG=zh_CN.UTF-8
export LC_ALL=zh_CN.UTF-8
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver

# Starts a private Xvfb and exports DISPLAY; it is stopped when the shell exits.
start_virtual_display() {
  local fd_file
  fd_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fd_file" >/dev/null 2>&1 &
  ZOVRA_XVFB_PID=$!
  for _ in $(seq 100); do
    [[ -s $fd_file ]] && break
    sleep 0.1
  done
  export DISPLAY=":$(head -n1 "$fd_file")"
  rm -f "$fd_file"
  trap 'stop_wine_and_display' EXIT
}

stop_wine_and_display() {
  "$WINESERVER" -k >/dev/null 2>&1 || true
  [[ -n ${ZOVRA_XVFB_PID:-} ]] && kill "$ZOVRA_XVFB_PID" 2>/dev/null || true
}

# Makes the prefix once: first start, and the Chinese font names mapped to the CJK font.
init_wine_prefix() {
  local stamp=$WINEPREFIX/.zovra-ready
  [[ -f $stamp ]] && return 0
  mkdir -p "$WINEPREFIX"
  echo "env: making the Wine prefix $WINEPREFIX (about 10 s)"
  "$WINE" wineboot -i >/dev/null 2>&1 || true
  local face
  for face in 宋体 SimSun 新宋体 NSimSun 微软雅黑 "Microsoft YaHei"; do
    "$WINE" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" \
      /d "WenQuanYi Zen Hei" /f >/dev/null 2>&1
  done
  "$WINESERVER" -w 2>/dev/null || true
  touch "$stamp"
}
