#!/usr/bin/env bash
# GNOME Shell 43 headless on Wayland with the AppIndicator extension, Nautilus as the file
# manager (a Wayland client), Mirvale on XWayland. GNOME_VARIANT=stock: no extension, so no
# tray (the no-tray notice is a desktop notification and takes no focus); GNOME_VARIANT=x11:
# gnome-shell as the X11 window manager of an Xvfb display.
set -uo pipefail
SESSION="${SESSION:-gnome-wayland}"
. "$(dirname "$0")/lib.sh" "$@"
need_tools gnome-shell nautilus gsettings gdbus unshare nsenter xdotool xwininfo xprop
need_accessibility
VARIANT="${GNOME_VARIANT:-appindicator}"
[ "$VARIANT" != stock ] || NO_TRAY=yes
[ "$VARIANT" != x11 ] || need_tools Xvfb import

# gnome-shell dies where /run/systemd/seats exists but logind cannot be reached: the session
# runs in a mount namespace of its own with an empty /run/systemd; the cards are mounted there.
(exec unshare -m --propagation slave sh -c 'mount -t tmpfs tmpfs /run/systemd && exec sleep 100000') &
NS_PID=$!
poll 10 eval '[ "$(readlink /proc/$NS_PID/ns/mnt)" != "$(readlink /proc/$$/ns/mnt)" ] && grep -q " /run/systemd tmpfs" /proc/$NS_PID/mounts' \
  || fail "cannot make the session's mount namespace"
RUN_AS=(nsenter -t "$NS_PID" -m --)
export XDG_CURRENT_DESKTOP=GNOME XDG_SESSION_TYPE=wayland
# Eval and Screenshot need unsafe mode, which only an extension can turn on in GNOME 43.
ext="$XDG_DATA_HOME/gnome-shell/extensions/mirvale-test@mirvale.example"
mkdir -p "$ext"
echo '{"uuid": "mirvale-test@mirvale.example", "name": "Mirvale test", "description": "unsafe mode", "shell-version": ["43"]}' >"$ext/metadata.json"
printf 'function init() {}\nfunction enable() { global.context.unsafe_mode = true; }\nfunction disable() { global.context.unsafe_mode = false; }\n' >"$ext/extension.js"
start_bus
start_accessibility
extensions="'mirvale-test@mirvale.example'"
[ "$VARIANT" = stock ] || extensions+=", 'ubuntu-appindicators@ubuntu.com'"
"${RUN_AS[@]}" gsettings set org.gnome.shell disable-user-extensions false
"${RUN_AS[@]}" gsettings set org.gnome.shell enabled-extensions "[$extensions]"
"${RUN_AS[@]}" gsettings set org.gnome.shell welcome-dialog-last-shown-version "'99'"
# The shell's own media handling stays off other tests' loop devices.
"${RUN_AS[@]}" gsettings set org.gnome.desktop.media-handling automount false
if [ "$VARIANT" = stock ]; then
  # The shell acts on media only in the active session, as gnome-session tells it.
  [ -x /usr/libexec/gvfs-udisks2-volume-monitor ] || skip "no gvfs-udisks2-volume-monitor: the shell sees no disks"
  (exec "${RUN_AS[@]}" /usr/bin/python3 -c '
from gi.repository import Gio, GLib
xml = """<node><interface name="org.gnome.SessionManager"><property name="SessionIsActive" type="b" access="read"/>
<method name="IsInhibited"><arg type="u" direction="in"/><arg type="b" direction="out"/></method></interface></node>"""
def acquired(bus, name):
    bus.register_object("/org/gnome/SessionManager", Gio.DBusNodeInfo.new_for_xml(xml).interfaces[0],
        lambda *a: a[-1].return_value(GLib.Variant("(b)", (False,))), lambda *a: GLib.Variant("b", True), None)
Gio.bus_own_name(Gio.BusType.SESSION, "org.gnome.SessionManager", 0, acquired, None, None)
GLib.MainLoop().run()') >"$WORK/session-manager.log" 2>&1 &
  poll 10 eval 'gdbus call --session -d org.freedesktop.DBus -o / -m org.freedesktop.DBus.NameHasOwner org.gnome.SessionManager | grep -q true' \
    || fail "the session manager did not start: $(cat "$WORK/session-manager.log")"
fi
if [ "$VARIANT" = x11 ]; then
  export XDG_SESSION_TYPE=x11
  start_xvfb
  spawn shell gnome-shell --x11 --replace
else
  export WAYLAND_DISPLAY="mirvale-gnome-$$"
  spawn shell gnome-shell --headless --wayland --virtual-monitor "${SCREEN_W}x${SCREEN_H}" --wayland-display "$WAYLAND_DISPLAY"
fi
shell_eval() { # shell_eval JS: prints the result
  local out
  out="$(gdbus call --session -d org.gnome.Shell -o /org/gnome/Shell -m org.gnome.Shell.Eval "$1" 2>/dev/null)" || return 1
  [[ "$out" == "(true, "* ]] || return 1
  out="${out#(true, \'}"; printf '%s\n' "${out%\')}"
}
poll 90 shell_eval 1 >/dev/null || { tail -n 20 "$WORK/shell.log" >&2; fail "gnome-shell did not start (or its Eval stayed closed)"; }
# Past the overview a login opens with, to the desktop a user works in.
shell_eval 'Main.overview.hide()' >/dev/null
if [ "$VARIANT" != x11 ]; then
  # XWayland, for Mirvale's panels.
  poll 30 eval 'grep -qoE "Using public X11 display :[0-9]+" "$WORK/shell.log" && ls "$XDG_RUNTIME_DIR"/.mutter-Xwaylandauth.* >/dev/null 2>&1' \
    || { tail -n 20 "$WORK/shell.log" >&2; fail "gnome-shell started no XWayland"; }
  DISPLAY="$(grep -oE "Using public X11 display :[0-9]+" "$WORK/shell.log" | head -n1 | grep -oE ":[0-9]+")"
  XAUTHORITY="$(ls "$XDG_RUNTIME_DIR"/.mutter-Xwaylandauth.* | head -n1)"
  export DISPLAY XAUTHORITY
fi
window_titles() { # but Mirvale's own
  shell_eval "global.get_window_actors().map(a => a.meta_window).filter(w => w.get_pid() != $APP_PID).map(w => w.get_title()).join(String.fromCharCode(10))" | sed 's/\\\\n/\n/g; s/\\n/\n/g; s/^"//; s/"$//'
}
session_screenshot() { gdbus call --session -d org.gnome.Shell.Screenshot -o /org/gnome/Shell/Screenshot -m org.gnome.Shell.Screenshot.Screenshot false false "$1"; }
top_bar_height() { shell_eval 'Main.panel.height'; }
# The shell is the session's notification server (else the bus would start another one).
poll 60 eval 'gdbus call --session -d org.freedesktop.DBus -o / -m org.freedesktop.DBus.NameHasOwner org.freedesktop.Notifications | grep -q true' \
  || note "gnome-shell did not take org.freedesktop.Notifications here: the bus starts another server on demand"
GDK_BACKEND= spawn nautilus "${RUN_AS[@]}" nautilus --gapplication-service
login

if [ "$VARIANT" = stock ]; then
  # No tray: after 10 s the notice goes through the desktop's notifications, focus untouched.
  poll 40 logged "No tray: told" || failed "Mirvale did not tell that the session has no tray"
  screenshot no-tray
  focus="$(shell_eval 'global.display.focus_window ? global.display.focus_window.get_title() : ""')"
  [ -z "$focus" ] || [[ "$focus" != *Mirvale* ]] || failed "the no-tray notice took the focus ($focus)"
  shell_eval 'Main.messageTray.getSources().map(s => s.title).join(",")' | grep -qi mirvale \
    || failed "the no-tray notice is not among the shell's notifications"
else
  check_item
  check_menu
fi
check_panel() { check_panel_x11 "$(top_bar_height)"; }
open_card panel
check_unmount
if [ "$VARIANT" = stock ]; then
  # GNOME's own media handling: a camera card mounted just after it appeared brings the shell's
  # notification asking what to do.
  MEDIA=org.gnome.desktop.media-handling
  desktop_acts() { shell_eval 'Main.messageTray.getSources().map(s => s.title).join(",")' | grep -q "$LABEL"; }
  after_desktop_acts() {
    note "the shell asks: $(shell_eval "Main.messageTray.getSources().filter(s => s.title == '$LABEL').map(s => s.constructor.name + ' ' + s.notifications.map(n => n.title)).join()")"
  }
  check_media_handling
fi
check_pull
if [ "$VARIANT" = stock ]; then
  finish "stock: no tray, the notice among the shell's notifications and the focus untouched; folder shown, newest file selected, panel in place, unmount; the shell's media handling asks without Mirvale's change, not after Let Mirvale open them (one window), its settings back exactly after Let the desktop open them; pull"
fi
finish "$VARIANT: item shown by the shell's host, menu current with exact names, folder shown, newest file selected, panel in place, unmount, pull"
