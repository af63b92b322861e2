#!/usr/bin/env bash
# The real mirvale under Xvfb on a closed session bus: with a rule edited in the settings
# window and not saved, SIGTERM ends it within a second, without the unsaved-changes question;
# the log says the edits were discarded and rules.json is as it was.
#
#   settings_quit.sh MIRVALE_BINARY
# Exits 77 (skipped) without Xvfb, xdotool or dbus-daemon, except under CI=true.
set -uo pipefail

MIRVALE="$1"
E2E_NAME=settings-quit
. "$(dirname "$0")/lib.sh"

need_tools Xvfb xdotool dbus-daemon dbus-run-session
start_xvfb 1280x800
write_bus_config "$WORK/bus.conf"
HOME_DIR="$WORK/run"
# The once-only hint would stand over the window.
mkdir -p "$HOME_DIR/.config/Mirvale"
echo '{"firstRunHintShown": true}' >"$HOME_DIR/.config/Mirvale/settings.json"
start_mirvale run xcb no
RULES="$HOME_DIR/.config/Mirvale/rules.json"
RULES_BEFORE="$(sha256sum <"$RULES")"

# A second start on the same bus opens the settings of the running one.
HOME="$HOME_DIR" XDG_CONFIG_HOME="$HOME_DIR/.config" XDG_STATE_HOME="$HOME_DIR/.local/state" \
  DBUS_SESSION_BUS_ADDRESS="$(cat "$HOME_DIR/bus")" QT_QPA_PLATFORM=xcb "$MIRVALE" >/dev/null 2>&1 \
  || fail "the second start failed"
for _ in $(seq 200); do WINDOW="$(xdotool search --name "^Mirvale Settings$" | head -n1)"; [ -n "$WINDOW" ] && break; sleep 0.05; done
[ -n "$WINDOW" ] || fail "no settings window"
sleep 0.5
# The check box of the first row (window margin, list frame, row inset): an unsaved edit.
xdotool mousemove --window "$WINDOW" 41 48 click 1
sleep 0.3

START=$(now_ms)
kill -TERM "$APP_PID"
for _ in $(seq 40); do kill -0 "$APP_PID" 2>/dev/null || break; sleep 0.025; done
ELAPSED=$(( $(now_ms) - START ))
kill -0 "$APP_PID" 2>/dev/null && fail "still running $ELAPSED ms after SIGTERM"
wait "$SESSION_PID" || fail "mirvale exited with $? after SIGTERM"
grep -q "Quitting with unsaved rule changes: discarded them" "$LOGFILE" || fail "no line for the discarded edits"
[ "$(sha256sum <"$RULES")" = "$RULES_BEFORE" ] || fail "rules.json changed"
echo "PASS: quit $ELAPSED ms after SIGTERM; the unsaved edits discarded, rules.json untouched"
