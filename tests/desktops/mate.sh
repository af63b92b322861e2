#!/usr/bin/env bash
# MATE 1.26 on Xvfb: marco, mate-panel with its notification area, Caja as the desktop and the
# file manager.
set -uo pipefail
SESSION=mate
. "$(dirname "$0")/lib.sh" "$@"
need_tools Xvfb marco mate-panel caja gsettings xdotool xwininfo xprop import
export XDG_CURRENT_DESKTOP=MATE
start_xvfb
start_bus
# Caja's media handling would act on every card of the machine (other tests' too).
for key in automount automount-open autorun-never; do
  gsettings set org.mate.media-handling "$key" "$([ "$key" = autorun-never ] && echo true || echo false)"
done
spawn marco marco --no-composite
poll 60 eval 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' || fail "marco did not start"
spawn panel mate-panel
poll 60 eval '[ "$(top_bar_height)" -gt 0 ]' || fail "mate-panel did not reserve its space"
spawn caja caja --force-desktop --no-default-window
login

check_item
check_menu
check_panel() { check_panel_x11 "$(top_bar_height)"; }
open_card panel
# Caja's "You have just inserted a medium with digital photos" never shows over Mirvale's.
! titled "(Photos|Digital photos|$LABEL)" || titled 101CANON || failed "Caja's own media dialog showed ($(window_titles | tr '\n' ';'))"
check_unmount
check_pull
finish "item in the notification area, menu current with exact names, folder shown, panel in place, no Caja dialog, unmount, pull"
