# shellcheck shell=bash
# Sourced by the scripts that run the Windows build under Wine. wine_prefix_start FOLDER makes a
# fresh Wine prefix there (64-bit only), maps the Japanese faces that the program asks for to the
# IPA fonts, lets Wine draw its own window frames (Xvfb has no window manager), and starts a
# persistent wineserver. wine_prefix_stop ends that server (only the one of this prefix).

export WINEDEBUG=-all WINEARCH=win64
# No Mono or Gecko installers: the program needs neither, and they would ask over the network.
export WINEDLLOVERRIDES="mscoree=;mshtml="

wine_prefix_start() {
  export WINEPREFIX=$1
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1 || return 1
  wineserver -w
  # Registry files are UTF-16 with a byte order mark, so that the Japanese names survive.
  local reg="$WINEPREFIX/velmora.reg"
  printf '%s\r\n' \
    'Windows Registry Editor Version 5.00' '' \
    '[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes]' \
    '"ＭＳ ゴシック"="IPAGothic"' \
    '"ＭＳ Ｐゴシック"="IPAPGothic"' \
    '"MS Gothic"="IPAGothic"' \
    '"MS PGothic"="IPAPGothic"' \
    '"MS UI Gothic"="IPAPGothic"' '' \
    '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]' \
    '"Decorated"="N"' \
    '"Managed"="N"' '' |
    iconv -f UTF-8 -t UTF-16 >"$reg"
  wine regedit /S "$reg" >/dev/null 2>&1 || return 1
  wineserver -w
  # A server that stays up for the whole run, and Wine's own services started now: started
  # later by a test, they would inherit ctest's pipes and keep it waiting after the test ends.
  wineserver -p
  wine cmd /c exit >/dev/null 2>&1
}

wine_prefix_stop() {
  [ -n "${WINEPREFIX:-}" ] && wineserver -k 2>/dev/null
  return 0
}
