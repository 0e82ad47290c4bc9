#!/usr/bin/env bash
# Prepares the project's Wine prefix (once) and starts a persistent wineserver, so that each
# Windows test program starts in a fraction of a second.
set -euo pipefail
export WINEPREFIX="${TALLOWEN_WINEPREFIX:-$HOME/.cache/tallowen-wine}"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
WINE=/usr/lib/wine/wine64
if [ ! -f "$WINEPREFIX/.tallowen-ready" ]; then
  mkdir -p "$WINEPREFIX"
  "$WINE" wineboot -i >/dev/null 2>&1 || true
  # Wine ships none of the Windows faces: put its own fonts and the metric-compatible
  # Liberation faces in, mapped to the names the programs ask for.
  fonts="$WINEPREFIX/drive_c/windows/Fonts"
  mkdir -p "$fonts"
  cp -f /usr/share/wine/fonts/*.ttf "$fonts/" 2>/dev/null || true
  cp -f /usr/share/fonts/truetype/liberation/*.ttf "$fonts/" 2>/dev/null || true
  cp -f /usr/share/fonts/opentype/ipafont-gothic/*.ttf /usr/share/fonts/truetype/fonts-japanese-gothic.ttf "$fonts/" 2>/dev/null || true
  reg=$(mktemp --suffix=.reg)
  printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n"Times New Roman"="Liberation Serif"\r\n"Arial"="Liberation Sans"\r\n"Courier New"="Liberation Mono"\r\n"MS UI Gothic"="IPAPGothic"\r\n"MS Gothic"="IPAGothic"\r\n"MS PGothic"="IPAPGothic"\r\n' > "$reg"
  "$WINE" regedit /S "$reg" >/dev/null 2>&1 || true
  # As on Windows, the interface faces fall back to a Japanese face for the characters they
  # lack (there, MS UI Gothic; here, IPA Gothic).
  link="hex(7):69,00,70,00,61,00,67,00,2e,00,74,00,74,00,66,00,2c,00,49,00,50,00,41,00,47,00,6f,00,74,00,68,00,69,00,63,00,00,00,00,00"
  printf 'Windows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontLink\\SystemLink]\r\n"Tahoma"=%s\r\n"MS Shell Dlg"=%s\r\n"Arial"=%s\r\n"Times New Roman"=%s\r\n' "$link" "$link" "$link" "$link" > "$reg"
  "$WINE" regedit /S "$reg" >/dev/null 2>&1 || true
  rm -f "$reg"
  /usr/lib/wine/wineserver -w || true
  touch "$WINEPREFIX/.tallowen-ready"
fi
# Without a window manager (Xvfb) Wine must draw the window frames itself: a window left to
# a manager shows no caption, and hiding or destroying it waits 2 s for a manager that never
# answers. Applied to older prefixes too.
if [ ! -f "$WINEPREFIX/.tallowen-unmanaged" ]; then
  reg=$(mktemp --suffix=.reg)
  printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n"Managed"="N"\r\n' > "$reg"
  "$WINE" regedit /S "$reg" >/dev/null 2>&1 || true
  rm -f "$reg"
  touch "$WINEPREFIX/.tallowen-unmanaged"
fi
/usr/lib/wine/wineserver -p 2>/dev/null || true
# Bring Wine's own services up now, detached from any pipe: a service started by a test
# program would inherit its output pipe and keep ctest (or a pipeline) waiting for ever.
"$WINE" cmd /c exit </dev/null >/dev/null 2>&1 || true
