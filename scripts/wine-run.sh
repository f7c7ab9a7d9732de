#!/usr/bin/env bash
# Runs one Windows program of the build under Wine: a private prefix made once, one shared Xvfb,
# repeatable fonts, output routed through files (Wine's helper processes keep a pipe open otherwise).
# Usage: wine-run.sh PROGRAM.exe [ARGS...]      wine-run.sh --stop   (ends Xvfb and wineserver)
set -u
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver

if [ "${1:-}" = "--stop" ]; then
  state=${VEXA_WINE_STATE:?VEXA_WINE_STATE must name the state folder for --stop}
else
  exe=$1; shift
  state=${VEXA_WINE_STATE:-$(cd "$(dirname "$exe")/.." && pwd)/wine}
fi
mkdir -p "$state"
state=$(cd "$state" && pwd)
prefix=$state/prefix
export WINEPREFIX=$prefix WINEDEBUG=-all WINEARCH=win64
# winedbg off: a crashing program ends instead of waiting in the debugger.
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe,winedbg.exe="
export FONTCONFIG_FILE=$state/no-fonts.conf

stop_all() {
  if [ -d "$prefix" ]; then "$WINESERVER" -k >/dev/null 2>&1; fi
  if [ -f "$state/xvfb.pid" ]; then
    kill "$(cat "$state/xvfb.pid")" >/dev/null 2>&1
    rm -f "$state/xvfb.pid" "$state/display"
  fi
}
if [ "${1:-}" = "--stop" ] || [ "${exe:-}" = "--stop" ]; then
  exec 9>"$state/lock"; flock 9; stop_all; exit 0
fi

exec 9>"$state/lock"
flock 9
if [ ! -f "$FONTCONFIG_FILE" ]; then
  printf '<?xml version="1.0"?>\n<!DOCTYPE fontconfig SYSTEM "fonts.dtd">\n<fontconfig></fontconfig>\n' >"$FONTCONFIG_FILE"
fi
if [ ! -f "$state/xvfb.pid" ] || ! kill -0 "$(cat "$state/xvfb.pid")" 2>/dev/null; then
  rm -f "$state/display"
  Xvfb -displayfd 8 -screen 0 1280x1024x24 -nolisten tcp 8>"$state/display" >/dev/null 2>&1 &
  echo $! >"$state/xvfb.pid"
  for _ in $(seq 100); do [ -s "$state/display" ] && break; sleep 0.05; done
fi
export DISPLAY=:$(cat "$state/display")
if [ ! -d "$prefix" ]; then
  tmp=$state/prefix.tmp
  rm -rf "$tmp"
  WINEPREFIX=$tmp "$WINE" wineboot -i >/dev/null 2>&1
  WINEPREFIX=$tmp "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
  WINEPREFIX=$tmp "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  WINEPREFIX=$tmp "$WINESERVER" -w
  mkdir -p "$tmp/drive_c/windows/Fonts"
  cp /usr/share/wine/fonts/* "$tmp/drive_c/windows/Fonts/"
  mv "$tmp" "$prefix"
fi
flock -u 9
exec 9>&-

out=$(mktemp "$state/out.XXXXXX"); err=$(mktemp "$state/err.XXXXXX")
"$WINE" "$exe" "$@" >"$out" 2>"$err" </dev/null
rc=$?
cat "$out"; cat "$err" >&2
rm -f "$out" "$err"
exit $rc
