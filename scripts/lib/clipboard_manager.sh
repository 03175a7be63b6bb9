# shellcheck shell=bash
# Sourced after scripts/lib/xvfb.sh. clipboard_manager_start runs a desktop clipboard manager
# on the Xvfb display: the clipboard plugin of mate-settings-daemon, which takes the clipboard
# over from a program only when that program hands it over as it exits (the SAVE_TARGETS
# request), so whatever it still serves after the program is gone proves the hand-over. The
# daemon gets a session bus of its own (so nothing of the desktop it runs on is touched) and
# its settings from a key file in the private $XDG_CONFIG_HOME, with every other plugin off.
# Returns non-zero when the manager did not take its selection. The bus and the daemon are
# ended with Xvfb.

clipboard_manager_start() {
  local schemas=/usr/share/glib-2.0/schemas settings="$XDG_CONFIG_HOME/glib-2.0/settings"
  mkdir -p "$settings"
  local schema name
  for schema in "$schemas"/org.mate.SettingsDaemon.plugins.*.gschema.xml; do
    name=${schema#"$schemas"/org.mate.SettingsDaemon.plugins.}
    name=${name%.gschema.xml}
    [ "$name" = clipboard ] && continue
    printf '[org/mate/settings-daemon/plugins/%s]\nactive=false\n\n' "$name"
  done >"$settings/keyfile"

  dbus-daemon --session --nofork --print-address=3 3>"$work/bus-address" >/dev/null 2>&1 &
  helper_pids+=($!)
  local _
  for _ in $(seq 50); do [ -s "$work/bus-address" ] && break; sleep 0.1; done
  [ -s "$work/bus-address" ] || return 1
  DBUS_SESSION_BUS_ADDRESS=$(head -1 "$work/bus-address") GSETTINGS_BACKEND=keyfile \
    mate-settings-daemon >"$work/clipboard-manager.log" 2>&1 &
  helper_pids+=($!)
  for _ in $(seq 100); do
    python3 "$(dirname "${BASH_SOURCE[0]}")/selection_owner.py" CLIPBOARD_MANAGER && return 0
    sleep 0.1
  done
  return 1
}
