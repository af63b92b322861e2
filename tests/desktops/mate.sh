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
# The titles of the windows that came since $WORK/titles.
new_titles() { window_titles | sort | comm -13 "$WORK/titles" -; }
caja_dialog() { new_titles | grep -qx "$LABEL"; }

# Without Mirvale's change, Caja asks what to do over Mirvale's window.
window_titles | sort >"$WORK/titles"
insert_card
open_card panel
shown_ms=$(now_ms)
poll 20 caja_dialog || failed "no Caja dialog without Mirvale's change (new windows: $(new_titles | tr '\n' ';'))"
note "Caja's dialog: there $(($(now_ms) - shown_ms)) ms after Mirvale's window"
screenshot caja-dialog
press_button "$LABEL" Cancel
check_unmount

# "Let Mirvale open them": camera cards only, and the log says what changed.
cmp -s "$WORK/media-before" <(gsettings list-recursively "$MEDIA") || failed "Caja's settings changed without the click"
press_in_settings "Let Mirvale open them" "Let the desktop open them"
[ "$(gsettings get "$MEDIA" autorun-x-content-ignore)" = "['x-content/image-dcf']" ] \
  || failed "camera cards are not on Caja's ignore list ($(gsettings get "$MEDIA" autorun-x-content-ignore))"
diff <(grep -v autorun-x-content-ignore "$WORK/media-before") <(gsettings list-recursively "$MEDIA" | grep -v autorun-x-content-ignore) >"$WORK/media.diff" \
  || failed "other settings of Caja's changed: $(tr '\n' ';' <"$WORK/media.diff")"
logged "Camera cards: Mirvale opens them: set $MEDIA autorun-x-content-ignore from @as [] to ['x-content/image-dcf']" \
  || failed "the log does not say what changed ($(grep "Camera cards" "$LOGFILE" | tr '\n' ';'))"

# One window, Mirvale's, and no dialog.
window_titles | sort >"$WORK/titles"
insert_card
open_card
sleep 3 # without the change, Caja's dialog is there by the time Mirvale's window is
# (a dialog stays until answered; a window only passing through does not count)
poll 5 eval '[ "$(new_titles)" = 101CANON ]' || failed "not one window on the newest folder (new windows: $(new_titles | tr '\n' ';'))"

# "Let the desktop open them": the settings as they were.
press_in_settings "Let the desktop open them" "Let Mirvale open them"
gsettings list-recursively "$MEDIA" | diff "$WORK/media-before" - >"$WORK/media.diff" \
  || failed "Caja's settings are not back as they were: $(tr '\n' ';' <"$WORK/media.diff")"
logged "Camera cards: the desktop opens them: set $MEDIA autorun-x-content-ignore from ['x-content/image-dcf'] to @as []" \
  || failed "the log does not say what was put back"
check_unmount
check_pull
finish "item in the notification area, menu current with exact names, folder shown, newest file selected, panel in place; Caja's dialog without Mirvale's change, none after Let Mirvale open them, its settings back exactly after Let the desktop open them; unmount, pull"
