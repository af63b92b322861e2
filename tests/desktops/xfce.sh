#!/usr/bin/env bash
# Xfce 4.18 on Xvfb: xfwm4, the panel with its status-notifier host, Thunar as the file manager.
# Its host reads labels through libdbusmenu as the other hosts do: `__` shows as `_`.
set -uo pipefail
SESSION=xfce
. "$(dirname "$0")/lib.sh" "$@"
need_tools Xvfb xfwm4 xfce4-panel xfsettingsd Thunar xdotool xwininfo xprop import
need_accessibility

export XDG_CURRENT_DESKTOP=XFCE
mkdir -p "$XDG_CONFIG_HOME/xfce4/xfconf/xfce-perchannel-xml"
# Without a panel configuration the panel asks which one to use.
cp /etc/xdg/xfce4/panel/default.xml "$XDG_CONFIG_HOME/xfce4/xfconf/xfce-perchannel-xml/xfce4-panel.xml"
start_xvfb
start_bus
start_accessibility
spawn xfsettingsd xfsettingsd --no-daemon
spawn xfwm4 xfwm4 --compositor=off
poll 60 eval 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' || fail "xfwm4 did not start"
spawn panel xfce4-panel
poll 60 eval '[ "$(top_bar_height)" -gt 0 ]' || fail "the panel did not reserve its space"
spawn thunar Thunar --daemon
login

check_panel() { check_panel_x11 "$(top_bar_height)"; }
check_session "item in the panel's tray, menu current with exact names, folder shown, newest file selected, panel in place, unmount, pull"
