#!/usr/bin/env bash
# MATE 1.26 on Xvfb: marco, mate-panel with its notification area, Caja as the desktop and the
# file manager, its media handling for camera cards as MATE sets it up for a user. The card
# first brings Caja's own dialog; after "Let Mirvale open them" in Mirvale's settings (pressed
# over the accessibility bus) it gives one window and no dialog; "Let the desktop open them"
# puts Caja's settings back exactly.
set -uo pipefail
SESSION=mate
. "$(dirname "$0")/lib.sh" "$@"
need_tools Xvfb marco mate-panel caja gsettings gdbus gio xdotool xwininfo xprop import
[ -x /usr/libexec/gvfs-udisks2-volume-monitor ] || skip "no gvfs-udisks2-volume-monitor: Caja sees no disks"
need_accessibility
export XDG_CURRENT_DESKTOP=MATE
MEDIA=org.mate.media-handling
start_xvfb
start_bus
# MATE's defaults but automount: Caja then mounts none of the machine's disks (other tests'
# loop devices) itself. It still acts on a disk mounted within 3 s of appearing, as the test's
# card is: "You have just inserted a medium with digital photos", titled with the card's name.
gsettings set "$MEDIA" automount false
gsettings list-recursively "$MEDIA" >"$WORK/media-before"
start_accessibility
spawn marco marco --no-composite
poll 60 eval 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' || fail "marco did not start ($(tail -n2 "$WORK/marco.log" | tr "\n" " "))"
spawn panel mate-panel
poll 60 eval '[ "$(top_bar_height)" -gt 0 ]' || fail "mate-panel did not reserve its space"
spawn caja caja --force-desktop --no-default-window
login

check_item
check_menu
check_panel() { check_panel_x11 "$(top_bar_height)"; }
# Caja asks what to do over Mirvale's window, in a dialog titled with the card's name.
desktop_acts() { new_titles | grep -qx "$LABEL"; }
after_desktop_acts() { press_button "$LABEL" Cancel; }
check_media_handling panel
check_pull
finish "item in the notification area, menu current with exact names, folder shown, newest file selected, panel in place; Caja's dialog without Mirvale's change, none after Let Mirvale open them, its settings back exactly after Let the desktop open them; unmount, pull"
