#!/usr/bin/env bash
# sway 1.7 headless without XWayland (no X server at all), waybar's tray as the host, Thunar on
# Wayland. sway refuses root: the session runs as nobody, and reads the cards root mounted.
set -uo pipefail
SESSION=sway
. "$(dirname "$0")/lib.sh" "$@"
need_tools sway waybar swaymsg grim Thunar setpriv python3
need_accessibility
[ -e /usr/lib/x86_64-linux-gnu/qt6/plugins/platforms/libqwayland-generic.so ] || skip "qt6-wayland is not installed"

SESSION_USER=nobody UNPRIVILEGED_USER=yes RUN_AS=(setpriv --reuid=65534 --regid=65534 --clear-groups)
export XDG_CURRENT_DESKTOP=sway XDG_SESSION_TYPE=wayland WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman
mkdir -p "$XDG_CONFIG_HOME/waybar" "$XDG_CONFIG_HOME/sway"
cat >"$XDG_CONFIG_HOME/waybar/config" <<'CONF'
{ "position": "top", "height": 30, "modules-left": ["sway/workspaces"], "modules-right": ["tray", "clock"], "tray": { "spacing": 4 } }
CONF
cat >"$XDG_CONFIG_HOME/sway/config" <<CONF
output HEADLESS-1 resolution ${SCREEN_W}x${SCREEN_H}
xwayland disable
bar {
  swaybar_command waybar
}
CONF
chown -R 65534:65534 "$HOME_DIR" "$XDG_RUNTIME_DIR"
start_bus
start_accessibility
spawn sway sway -c "$XDG_CONFIG_HOME/sway/config"
poll 60 eval 'ls "$XDG_RUNTIME_DIR"/wayland-? >/dev/null 2>&1 && ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock >/dev/null 2>&1' \
  || { cat "$WORK/sway.log" >&2; fail "sway did not start"; }
WAYLAND_DISPLAY="$(basename "$(ls "$XDG_RUNTIME_DIR"/wayland-? | head -n1)")" SWAYSOCK="$(ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock | head -n1)"
export WAYLAND_DISPLAY SWAYSOCK
poll 60 pgrep -u 65534 -x waybar >/dev/null || fail "waybar did not start"
tree() { "${RUN_AS[@]}" swaymsg -t get_tree -r 2>/dev/null; }
# Windows as sway has them: "PID X Y W H TITLE", one a line.
windows() {
  tree | python3 -c '
import json, sys
def walk(n):
    if n.get("pid"):
        r = n["rect"]; print(n["pid"], r["x"], r["y"], r["width"], r["height"], n.get("name") or "")
    for c in n.get("nodes", []) + n.get("floating_nodes", []): walk(c)
walk(json.load(sys.stdin))'
}
window_titles() { windows | cut -d" " -f6-; }
session_screenshot() { "${RUN_AS[@]}" grim "$1"; }
spawn thunar Thunar --daemon
login
# Where panels cannot be placed, the report goes through the desktop's notifications, and the
# log says so; where a panel shows, it is at the top right below the bar.
check_panel() {
  local geometry x y w h
  sleep 1
  geometry="$(windows | awk -v pid="$APP_PID" '$1 == pid && $4 == 330 {print $2, $3, $4, $5; exit}')"
  if [ -z "$geometry" ]; then
    grep -qiE "notification" "$LOGFILE" || failed "no panel and no notification for the report"
    return
  fi
  screenshot panel
  read -r x y w h <<<"$geometry"
  [ $((SCREEN_W - x - w)) -eq 12 ] && [ "$y" -ge 42 ] && [ "$y" -le 80 ] \
    || failed "the report panel is at $x,$y (${w}x$h), not at the top right below the bar"
}
grep -q "Display platform: wayland" "$LOGFILE" || failed "Mirvale does not run natively on Wayland ($(grep "Display platform" "$LOGFILE"))"

check_session "no X server; item in waybar, menu current with exact names, folder shown, newest file selected, report, unmount, pull"
