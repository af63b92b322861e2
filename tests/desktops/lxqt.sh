#!/usr/bin/env bash
# LXQt 1.2 on Xvfb: openbox, lxqt-panel with its status notifier, PCManFM-Qt as the file manager.
set -uo pipefail
SESSION=lxqt
. "$(dirname "$0")/lib.sh" "$@"
need_tools Xvfb openbox lxqt-panel pcmanfm-qt xdotool xwininfo xprop import
export XDG_CURRENT_DESKTOP=LXQt XDG_CONFIG_DIRS=/etc/xdg:/usr/share # without it the panel is empty
start_xvfb
start_bus
spawn openbox openbox --sm-disable
poll 60 eval 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' || fail "openbox did not start"
spawn panel lxqt-panel
poll 60 host_registered \
  || fail "lxqt-panel's status notifier did not register as a host"
spawn fm pcmanfm-qt --daemon-mode
login

check_panel() { check_panel_x11 "$(top_bar_height)"; }
check_session "item in the panel, menu current with exact names, folder shown, panel in place, unmount, pull"
