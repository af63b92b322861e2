#!/usr/bin/env bash
# Plasma 5.27 headless on Wayland: kwin_wayland with XWayland, kded5, plasmashell with its
# system tray, Dolphin as a Wayland client; Mirvale on XWayland. PLASMA_VARIANT=x11: kwin_x11
# on an Xvfb display, everything on X11.
set -uo pipefail
SESSION="${SESSION:-plasma-wayland}"
. "$(dirname "$0")/lib.sh" "$@"
need_tools kwin_wayland kwin_x11 kded5 plasmashell dolphin xdotool xwininfo xprop
need_accessibility
VARIANT="${PLASMA_VARIANT:-wayland}"
export XDG_CURRENT_DESKTOP=KDE KDE_FULL_SESSION=true KDE_SESSION_VERSION=5 QT_LOGGING_RULES="kwin_scripting=true"
# This machine has five file managers that each offer org.freedesktop.FileManager1; a Plasma
# user's bus starts Dolphin for it, also after Dolphin has quit.
mkdir -p "$XDG_DATA_HOME/dbus-1/services"
printf '[D-BUS Service]\nName=org.freedesktop.FileManager1\nExec=/usr/bin/dolphin --daemon\n' \
  >"$XDG_DATA_HOME/dbus-1/services/org.freedesktop.FileManager1.service"
start_bus
# Qt 5 programs on X11 here come on the accessibility bus only some of the time: the selection
# is read on Wayland.
[ "$VARIANT" = x11 ] || start_accessibility
if [ "$VARIANT" = x11 ]; then
  need_tools Xvfb import
  export QT_QPA_PLATFORM=xcb
  start_xvfb
  spawn kwin kwin_x11
  poll 60 eval 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' || fail "kwin_x11 did not start"
else
  export XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY="mirvale-plasma-$$"
  # The installed kwin_wayland has a file capability that fails here ("Operation not
  # permitted"); a copy has none.
  cp /usr/bin/kwin_wayland "$WORK/kwin_wayland"
  spawn kwin "$WORK/kwin_wayland" --virtual --xwayland --width "$SCREEN_W" --height "$SCREEN_H" \
    --socket "$WAYLAND_DISPLAY" --no-lockscreen --exit-with-session "sh -c 'env >$WORK/kwin.env; exec sleep 100000'"
  poll 90 grep -q "^DISPLAY=" "$WORK/kwin.env" || { tail -n 20 "$WORK/kwin.log" >&2; fail "kwin_wayland did not start XWayland"; }
  DISPLAY="$(sed -n 's/^DISPLAY=//p' "$WORK/kwin.env")" XAUTHORITY="$(sed -n 's/^XAUTHORITY=//p' "$WORK/kwin.env")"
  export DISPLAY XAUTHORITY
fi
spawn kded kded5
QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-wayland}" spawn plasmashell plasmashell --no-respawn
poll 90 host_registered \
  || { tail -n 20 "$WORK/plasmashell.log" >&2; fail "plasmashell's system tray did not register as a host"; }
QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-wayland}" spawn dolphin dolphin --daemon
poll 60 eval 'gdbus call --session -d org.freedesktop.DBus -o / -m org.freedesktop.DBus.NameHasOwner org.freedesktop.FileManager1 | grep -q true' \
  || fail "Dolphin did not take org.freedesktop.FileManager1"
# Window titles through a KWin script: on Wayland the compositor alone knows them.
[ "$VARIANT" = x11 ] || window_titles() { # but Mirvale's own
  local tag="t$RANDOM$RANDOM"
  echo "workspace.clientList().forEach(function (c) { print(\"$tag \" + c.pid + \" \" + c.caption); });" >"$WORK/$tag.js"
  gdbus call --session -d org.kde.KWin -o /Scripting -m org.kde.kwin.Scripting.loadScript "$WORK/$tag.js" "$tag" >/dev/null &&
    gdbus call --session -d org.kde.KWin -o /Scripting -m org.kde.kwin.Scripting.start >/dev/null
  sleep 0.5
  grep -ao "$tag .*" "$WORK/kwin.log" | awk -v own="$APP_PID" '$2 != own' | cut -d" " -f3-
  gdbus call --session -d org.kde.KWin -o /Scripting -m org.kde.kwin.Scripting.unloadScript "$tag" >/dev/null 2>&1
}
session_screenshot() { spectacle -b -n -f -o "$1"; }
login

check_panel() { check_panel_x11 "$(top_bar_height)"; }
# Five cards in a row, each unmounted through Mirvale while Dolphin shows it, and the time from
# "Card ready" to the report (printed, never a limit), with Dolphin running: the user has a
# window of it open on their home folder, which stays.
if [ "$VARIANT" != x11 ]; then
  : "${MIRVALE_DESKTOP_SERIES:=5}"
  gdbus call --session -d org.freedesktop.FileManager1 -o /org/freedesktop/FileManager1 \
    -m org.freedesktop.FileManager1.ShowFolders "['file://$HOME_DIR']" "" >/dev/null || fail "Dolphin did not show the home folder"
  USER_WINDOW=Home # as Dolphin titles the home folder
fi
check_session "$VARIANT: item in Plasma's system tray, menu current with exact names, folder shown, ${ACCESSIBILITY:+newest file selected, }panel in place, unmount, pull"
