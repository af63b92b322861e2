# Shared by the desktop session tests: each brings one real desktop session up headless, with a
# home, XDG folders and a runtime folder of its own, on a session bus of dbus-run-session, starts
# Mirvale from its autostart entry as a login does, and checks what the session allows.
#
#   SESSION.sh MIRVALE MIRVALECTL TRAY_HOST
# Prints one last line, "PASS: ...", "FAIL: ..." or "SKIP: ..." (exit 0, 1 or 77). Every process
# the session started carries MIRVALE_DESKTOP_TEST=$WORK in its environment and is ended at
# exit, on every way out; the test's cards are unmounted (lazily if still busy) and detached.
# Screenshots go to $MIRVALE_DESKTOP_SHOTS (default: the session's folder, removed at exit).
# shellcheck shell=bash

MIRVALE="$(readlink -f "$1")" MIRVALECTL="$(readlink -f "$2")" TRAY_HOST="$(readlink -f "$3")"
DESKTOPS_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
SCREEN_W=1280 SCREEN_H=800
# The card Mirvale opens (exFAT: at most 11 characters), and two whose names hosts misread.
# Each session's own label, so that sessions run side by side never open each other's card.
LABEL="${MIRVALE_E2E_LABEL:-$(echo "MV_${SESSION//[^a-zA-Z0-9]/}" | tr a-z A-Z | cut -c1-11)}"
NAME_CARDS=(EOS_DIGITAL "R&D_CARD")
STARTED_S=$(date +%s)
FAILURES=() NOTES=()

skip() { echo "SKIP: $SESSION: $*"; exit 77; }
fail() { echo "FAIL: $SESSION: $*"; exit 1; }
# A check that failed: the test goes on with the others and fails at the end.
failed() { FAILURES+=("$*"); echo "  failed: $*" >&2; }
note() { NOTES+=("$*"); echo "  $*" >&2; }
need_tools() { local t; for t in "$@"; do command -v "$t" >/dev/null || skip "$t is not installed"; done; }
[ "$(id -u)" -eq 0 ] || skip "needs root to mount card images and bring up a session"
[ -e /dev/fuse ] || skip "no /dev/fuse"
need_tools dbus-run-session dbus-update-activation-environment mkfs.exfat mount.exfat-fuse losetup

WORK="$(mktemp -d "/tmp/mirvale-desktop-$SESSION-XXXXXX")"
chmod 755 "$WORK"
SHOTS="${MIRVALE_DESKTOP_SHOTS:-$WORK/shots}" && mkdir -p "$SHOTS"
export MIRVALE_DESKTOP_TEST="$WORK"
CARD_ROOT="/media/mirvale-desktop-$$"
LOOPS=() MOUNTS=()
NS_PID="" # a session in a mount namespace of its own (GNOME): cards are mounted there
RUN_AS=() # a session that refuses root (sway) runs as this user

now_ms() { date +%s%3N; }
poll() { # poll SECONDS COMMAND...: until COMMAND succeeds
  local deadline=$(($(now_ms) + $1 * 1000)); shift
  while [ "$(now_ms)" -le "$deadline" ]; do "$@" && return 0; sleep 0.1; done
  return 1
}
logged() { grep -q -F -- "$1" "$LOGFILE" 2>/dev/null; }
# The processes of this session: those with the marker in their environment.
session_pids() {
  grep -lsz -F -x "MIRVALE_DESKTOP_TEST=$WORK" /proc/[0-9]*/environ 2>/dev/null | cut -d/ -f3 | grep -vx -e "$$" -e "${BASHPID:-$$}"
}
in_ns() { if [ -n "$NS_PID" ]; then nsenter -t "$NS_PID" -m -- "$@"; else "$@"; fi; }

desktop_exit() {
  local status=$? pid mount i _
  declare -F session_cleanup >/dev/null && session_cleanup
  for _ in 1 2 3; do
    pid="$(session_pids)"; [ -z "$pid" ] && break
    echo "teardown: ending $(echo $pid | wc -w) processes" >&2
    # shellcheck disable=SC2086
    kill $pid 2>/dev/null; sleep 0.5
  done
  pid="$(session_pids)"; [ -n "$pid" ] && kill -KILL $pid 2>/dev/null
  for ((i = ${#MOUNTS[@]} - 1; i >= 0; i--)); do
    mount="${MOUNTS[$i]}"
    for _ in 1 2 3; do mountpoint -q "$mount" || break; umount "$mount" 2>/dev/null || sleep 0.3; done
    mountpoint -q "$mount" && umount -l "$mount"
  done
  rm -rf "$CARD_ROOT" 2>/dev/null
  # Only the loop devices still backed by this test's images: a number may be another's by now.
  for i in "${LOOPS[@]}"; do
    for _ in 1 2 3 4 5; do # a lazily unmounted card lets go once its FUSE daemon has ended
      losetup -nO BACK-FILE "$i" 2>/dev/null | grep -q "^$WORK/" || break
      losetup -d "$i" 2>/dev/null && break; sleep 0.5
    done
  done
  [ -n "${MIRVALE_DESKTOP_KEEP:-}" ] || rm -rf "$WORK"
  exit "$status"
}
trap desktop_exit EXIT
trap 'exit 1' INT TERM HUP

# The session's user, its home and the XDG folders; Mirvale's settings, a rule for the test's
# card and its autostart entry, as after a user ticked Launch at Login.
HOME_DIR="$WORK/home"
export HOME="$HOME_DIR" XDG_CONFIG_HOME="$HOME_DIR/.config" XDG_STATE_HOME="$HOME_DIR/.local/state"
export XDG_CACHE_HOME="$HOME_DIR/.cache" XDG_DATA_HOME="$HOME_DIR/.local/share"
export XDG_RUNTIME_DIR="$WORK/run" XDG_SESSION_TYPE=x11
unset DISPLAY WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS QT_QPA_PLATFORM GDK_BACKEND XAUTHORITY
mkdir -p "$XDG_CONFIG_HOME/Mirvale" "$XDG_CONFIG_HOME/autostart" "$XDG_STATE_HOME" "$XDG_CACHE_HOME" "$XDG_DATA_HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"
LOGFILE="$XDG_STATE_HOME/mirvale/mirvale.log"
echo '{ "showNotifications" : true }' >"$XDG_CONFIG_HOME/Mirvale/settings.json"
cat >"$XDG_CONFIG_HOME/Mirvale/rules.json" <<RULES
[{"name": "Desktop", "match": {"kind": "volumeName", "name": "$LABEL"}, "subfolder": {"kind": "smart"},
  "openNewestFolder": true, "selectNewestFile": true, "bringToFront": true}]
RULES
printf '[Desktop Entry]\nType=Application\nName=Mirvale\nExec=%s\nX-GNOME-Autostart-enabled=true\n' "$MIRVALE" \
  >"$XDG_CONFIG_HOME/autostart/io.github.mirvale.Mirvale.desktop"

# The session bus: dbus-run-session with the machine's own session configuration, as at a login,
# so the session's file manager is activated from its service file.
start_bus() {
  (exec setsid "${RUN_AS[@]}" dbus-run-session -- sh -c 'echo "$DBUS_SESSION_BUS_ADDRESS" >"$XDG_RUNTIME_DIR/bus-address"; exec sleep 100000') \
    >"$WORK/bus.log" 2>&1 &
  poll 10 test -s "$XDG_RUNTIME_DIR/bus-address" || fail "dbus-run-session did not start"
  DBUS_SESSION_BUS_ADDRESS="$(cat "$XDG_RUNTIME_DIR/bus-address")"
  export DBUS_SESSION_BUS_ADDRESS
}
# Runs COMMAND in the background as a part of the session, its output in $WORK/NAME.log.
spawn() { # spawn NAME COMMAND...
  local name="$1"; shift
  (exec "${RUN_AS[@]}" "$@") >"$WORK/$name.log" 2>&1 &
}
# What a login does once the session's display is up: the activation environment, then the
# autostart entries (here: Mirvale's).
host_registered() {
  "${RUN_AS[@]}" gdbus introspect --session -d org.kde.StatusNotifierWatcher -o /StatusNotifierWatcher 2>/dev/null \
    | grep -q "IsStatusNotifierHostRegistered = true"
}
login() {
  # Autostart runs once the session's panel is up: its tray host registered (NO_TRAY: none).
  [ -n "${NO_TRAY:-}" ] || poll 90 host_registered || failed "the session's tray host did not register with its watcher"
  "${RUN_AS[@]}" dbus-update-activation-environment DISPLAY WAYLAND_DISPLAY XAUTHORITY XDG_RUNTIME_DIR \
    XDG_CURRENT_DESKTOP XDG_SESSION_TYPE XDG_CONFIG_DIRS QT_QPA_PLATFORM GDK_BACKEND MIRVALE_DESKTOP_TEST \
    >"$WORK/activation.log" 2>&1 || fail "dbus-update-activation-environment failed"
  local exec_line
  exec_line="$(sed -n 's/^Exec=//p' "$XDG_CONFIG_HOME/autostart/io.github.mirvale.Mirvale.desktop")"
  # shellcheck disable=SC2086
  (exec "${RUN_AS[@]}" $exec_line) >"$WORK/mirvale.out" 2>&1 &
  poll 60 logged "Coordinator started" || { cat "$WORK/mirvale.out" >&2; fail "Mirvale did not start"; }
  APP_PID="$(pgrep -n -x mirvale -U "$(id -u "${SESSION_USER:-root}")" | while read -r p; do
    grep -qsz -F -x "MIRVALE_DESKTOP_TEST=$WORK" "/proc/$p/environ" && echo "$p"; done | head -n1)"
  [ -n "$APP_PID" ] || fail "cannot find Mirvale's process"
  # MIRVALE_DESKTOP_HOLD=SECONDS keeps the session up for a look (its environment in $WORK/env).
  [ -z "${MIRVALE_DESKTOP_HOLD:-}" ] || { export -p >"$WORK/env"; echo "holding: $WORK/env" >&2; sleep "$MIRVALE_DESKTOP_HOLD"; }
}

# Cards: one that a rule opens (two DCIM folders, the newest file last by time and name), and
# the two whose names hosts misread.
fill_card() {
  local dir n
  for dir in 100CANON 101CANON; do
    mkdir -p "$1/DCIM/$dir"
    for n in 1 2 3; do
      echo "raw $n" >"$1/DCIM/$dir/IMG_${dir:0:3}$n.CR3"
      touch -d "2026-01-0$((${dir:2:1} + 1)) 10:00:0$n" "$1/DCIM/$dir/IMG_${dir:0:3}$n.CR3"
    done
  done
}
make_card() { # make_card LABEL [FILL]: sets CARD_LOOP
  local image="$WORK/card${#LOOPS[@]}.img"
  truncate -s 32M "$image"
  mkfs.exfat -L "$1" "$image" >/dev/null || fail "mkfs.exfat failed"
  CARD_LOOP="$(losetup -f --show "$image")" || skip "no free loop device"
  LOOPS+=("$CARD_LOOP")
  if [ -n "${2:-}" ]; then
    mkdir -p "$WORK/stage" && mount.exfat-fuse "$CARD_LOOP" "$WORK/stage" >/dev/null 2>&1 || fail "exfat-fuse cannot mount here"
    "$2" "$WORK/stage"; umount "$WORK/stage"
  fi
}
mount_card() { # mount_card LOOP MOUNTPOINT: readable by the session's user
  in_ns mkdir -p "$2"; MOUNTS+=("$2")
  in_ns mount.exfat-fuse -o allow_other "$1" "$2" >"$WORK/mount.out" 2>&1 || fail "cannot mount $1 at $2: $(cat "$WORK/mount.out")"
}
make_card "$LABEL" fill_card && CARD="$CARD_LOOP" && CARD_DIR="$CARD_ROOT/$LABEL"
make_card "${NAME_CARDS[0]}" && NAME_LOOPS=("$CARD_LOOP")
make_card "${NAME_CARDS[1]}" && NAME_LOOPS+=("$CARD_LOOP")

screenshot() { # screenshot NAME: the session's own way, where it has one
  declare -F session_screenshot >/dev/null || return 0
  session_screenshot "$SHOTS/$SESSION-$1.png" >/dev/null 2>&1 && echo "  screenshot: $SHOTS/$SESSION-$1.png" >&2
}

# --- The checks. HOST_LABELS=raw where the session's host shows labels as they are sent.

check_item() { # the session's watcher lists Mirvale's item
  registered() { "${RUN_AS[@]}" "$TRAY_HOST" --pid "$APP_PID" items >"$WORK/items.out" 2>&1; }
  poll 60 registered || { failed "Mirvale's item is not registered with the session's watcher ($(cat "$WORK/items.out"))"; return; }
  sleep 1; screenshot tray
}
# After a card change, the menu read as a host first reads it (no AboutToShow) is current;
# AboutToShow then needs no update and sends no LayoutUpdated.
first_read() { # first_read WHAT [!]LINE...: the read has a line starting so (! none), extended patterns
  local what="$1" line disks _; shift
  [ -z "${NO_TRAY:-}" ] || return 0
  # Other tests on the machine attach card images of their own, which Mirvale lists like any
  # card: a read during which a disk came or went updated the menu for that, and is done again.
  for _ in 1 2 3; do
    disks="$(grep -c 'Disk \(appeared\|disappeared\): ' "$LOGFILE")"
    "${RUN_AS[@]}" "$TRAY_HOST" --pid "$APP_PID" --labels "${HOST_LABELS:-dbusmenu}" first-read >"$WORK/menu.out" 2>&1 \
      || { failed "cannot read the menu $what: $(cat "$WORK/menu.out")"; return; }
    grep -qx "layout-updated 0" "$WORK/menu.out" && break
    [ "$(grep -c 'Disk \(appeared\|disappeared\): ' "$LOGFILE")" != "$disks" ] || break
    note "a disk came or went while the menu was read: reading it again"
  done
  for line in "$@"; do
    [ "${line:0:1}" = "!" ] && ! grep -Eq -- "^${line:1}" "$WORK/menu.out" && continue
    [ "${line:0:1}" != "!" ] && grep -Eq -- "^$line" "$WORK/menu.out" && continue
    failed "the menu's first read $what has $([ "${line:0:1}" = "!" ] && echo a || echo no) line \"${line#!}\" (its cards: $(awk '/^---$/ { n++; next } n == 1' "$WORK/menu.out" | tr '\n' ';'))"
  done
  grep -qx "about-to-show false" "$WORK/menu.out" || failed "AboutToShow $what still asks for an update"
  grep -qx "layout-updated 0" "$WORK/menu.out" || failed "AboutToShow $what caused $(grep -o '[0-9]*$' <<<"$(grep layout-updated "$WORK/menu.out")") LayoutUpdated"
}
check_menu() {
  local i name
  for i in 0 1; do mount_card "${NAME_LOOPS[$i]}" "$CARD_ROOT/${NAME_CARDS[$i]}"; done
  for name in "${NAME_CARDS[@]}"; do poll 30 logged "Card ready: $name" || failed "no \"Card ready\" for $name"; done
  first_read "after cards came" "${NAME_CARDS[0]} — [0-9.]+ [kMG]?B free" "${NAME_CARDS[1]} — [0-9.]+ [kMG]?B free"
}
# The rule's card: the file manager shows the newest folder with the newest file selected.
# WINDOW_TITLE prints the titles of the session's windows, one a line, where it can.
open_card() {
  # An eject may have detached the image: the card is inserted again.
  if ! losetup -nO BACK-FILE "$CARD" 2>/dev/null | grep -q "^$WORK/card0.img"; then
    CARD="$(losetup -f --show "$WORK/card0.img")" && LOOPS+=("$CARD") || fail "cannot attach the card again"
  fi
  mount_card "$CARD" "$CARD_DIR"
  poll 60 logged "$LABEL: opened" || { failed "the card was not opened"; return 1; }
  # The session's own check of the report panel, while it shows (the first open only).
  [ "${1:-}" = panel ] && declare -F check_panel >/dev/null && check_panel
  if declare -F window_titles >/dev/null; then
    poll 30 titled 101CANON || failed "no file manager window titled 101CANON (titles: $(window_titles | tr '\n' ';'))"
  fi
  [ "${1:-}" = panel ] && [ -n "${ACCESSIBILITY:-}" ] && check_selected
  return 0
}
# The newest file is the one selected, as a screen reader hears the file manager's window.
# (The tool goes in on standard input: a session's user may not reach this checkout.)
check_selected() {
  "${RUN_AS[@]}" /usr/bin/python3 - selected 101CANON <"$DESKTOPS_DIR/accessibility.py" >"$WORK/selected.out" 2>&1 \
    && [ "$(grep "^IMG_" "$WORK/selected.out")" = IMG_1013.CR3 ] \
    || failed "the newest file is not the one selected (selected: $(tr '\n' ';' <"$WORK/selected.out"))"
}
# The card inserted as into a reader: its disk shows in the desktop's volume monitor (GIO's)
# before a mount.
card_volume() { "${RUN_AS[@]}" gio mount -l 2>/dev/null | grep -q "Volume(.*): $LABEL\$"; }
insert_card() {
  losetup -nO BACK-FILE "$CARD" 2>/dev/null | grep -q "^$WORK/card0.img" && losetup -d "$CARD"
  poll 20 eval '! card_volume' || failed "the card's disk stayed in the volume monitor"
  CARD="$(losetup -f --show "$WORK/card0.img")" && LOOPS+=("$CARD") || fail "cannot attach the card"
  poll 20 card_volume || failed "the card's disk did not show in the volume monitor"
}
# The desktop's own media handling for camera cards (the gsettings schema $MEDIA): it acts on a
# card (desktop_acts: its dialog or notification is there; after_desktop_acts: what follows)
# until "Let Mirvale open them", which puts camera cards, and nothing else, on its ignore list
# and logs it; the card then gives one window, Mirvale's; "Let the desktop open them" puts its
# settings back exactly. FIRST_OPEN: open_card's argument for the first card.
new_titles() { window_titles | sort | comm -13 "$WORK/titles" -; } # since $WORK/titles
check_media_handling() { # check_media_handling [FIRST_OPEN]
  local shown_ms ignore="autorun-x-content-ignore" dcf="['x-content/image-dcf']"
  media() { "${RUN_AS[@]}" gsettings "$@"; }
  [ -s "$WORK/media-before" ] || media list-recursively "$MEDIA" >"$WORK/media-before" # or as the session began
  window_titles | sort >"$WORK/titles"
  insert_card && open_card "${1:-}"
  shown_ms=$(now_ms)
  poll 20 desktop_acts || failed "the desktop's media handling did not act without Mirvale's change (new windows: $(new_titles | tr '\n' ';'))"
  note "the desktop acts $(($(now_ms) - shown_ms)) ms after Mirvale's window"
  screenshot desktop-acts
  ! declare -F after_desktop_acts >/dev/null || after_desktop_acts
  check_unmount
  cmp -s "$WORK/media-before" <(media list-recursively "$MEDIA") || failed "the desktop's settings changed without the click"
  press_in_settings "Let Mirvale open them" "Let the desktop open them"
  [ "$(media get "$MEDIA" $ignore)" = "$dcf" ] || failed "camera cards are not on the ignore list ($(media get "$MEDIA" $ignore))"
  diff <(grep -v $ignore "$WORK/media-before") <(media list-recursively "$MEDIA" | grep -v $ignore) >"$WORK/media.diff" \
    || failed "other settings of the desktop's changed: $(tr '\n' ';' <"$WORK/media.diff")"
  logged "Camera cards: Mirvale opens them: set $MEDIA $ignore from @as [] to $dcf" \
    || failed "the log does not say what changed ($(grep "Camera cards" "$LOGFILE" | tr '\n' ';'))"
  window_titles | sort >"$WORK/titles"
  insert_card && open_card
  sleep 3 # without the change, the desktop acts by the time Mirvale's window is there
  ! desktop_acts || failed "the desktop's media handling still acts after Let Mirvale open them"
  # (a window only passing through does not count)
  poll 5 eval '[ "$(new_titles)" = 101CANON ]' || failed "not one window on the newest folder (new windows: $(new_titles | tr '\n' ';'))"
  press_in_settings "Let the desktop open them" "Let Mirvale open them"
  media list-recursively "$MEDIA" | diff "$WORK/media-before" - >"$WORK/media.diff" \
    || failed "the desktop's settings are not back as they were: $(tr '\n' ';' <"$WORK/media.diff")"
  logged "Camera cards: the desktop opens them: set $MEDIA $ignore from $dcf to @as []" || failed "the log does not say what was put back"
  check_unmount
}
# The report panel at the top right, below the session's top bar (the work area's top), and out
# of task lists. X11 and XWayland: read from the X server.
check_panel_x11() { # check_panel_x11 TOP_BAR_HEIGHT
  local id geometry x y w h state
  poll 30 eval 'id="$(xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null | while read -r i; do
      xwininfo -id "$i" | grep -q "Width: 330" && echo "$i"; done | head -n1)"; [ -n "$id" ]' \
    || { failed "no report panel on the X server"; return; }
  screenshot panel
  geometry="$(xwininfo -id "$id" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
      /Width:/ {w=$NF} /Height:/ {h=$NF} END {print x, y, w, h}')"
  read -r x y w h <<<"$geometry"
  [ $((SCREEN_W - x - w)) -eq 12 ] || failed "the panel's right edge is $((SCREEN_W - x - w)) px from the screen's, not 12"
  [ "$y" -ge $(($1 + 12)) ] && [ "$y" -le $(($1 + 40)) ] || failed "the panel's top is at $y, not 12 px below the top bar ($1 px)"
  state="$(xprop -id "$id" _NET_WM_STATE 2>/dev/null)"
  grep -q _NET_WM_STATE_SKIP_TASKBAR <<<"$state" && grep -q _NET_WM_STATE_SKIP_PAGER <<<"$state" \
    || failed "the panel is not out of taskbars and pagers ($state)"
}
titled() { [ -n "$(window_titles | grep -E "^$1( .*)?\$")" ]; }
# Unmount through Mirvale while the file manager shows the card.
check_unmount() {
  "${RUN_AS[@]}" "$MIRVALECTL" eject "$LABEL" >"$WORK/eject.out" 2>&1 || note "mirvalectl eject: $(cat "$WORK/eject.out")"
  if ! poll 30 eval '! in_ns mountpoint -q "$CARD_DIR"'; then
    # A session user may not unmount what root mounted: then the log must say so.
    if [ -n "${UNPRIVILEGED_USER:-}" ] && grep -qE "Not authorized|must be superuser" "$LOGFILE"; then
      note "unmount: refused to the session's user, as the log says"
    else
      failed "Unmount while the file manager shows the card left it mounted ($(grep -iE "unmount|busy" "$LOGFILE" | tail -n2 | tr '\n' ';'))"
    fi
    in_ns umount "$CARD_DIR" 2>/dev/null || in_ns umount -l "$CARD_DIR"
    return
  fi
  poll 10 logged "Volume unmounted: $CARD_DIR" || failed "the unmount was not logged"
  first_read "after the card went" "!$LABEL — [0-9.]+ [kMG]?B free"
}
# MIRVALE_DESKTOP_SERIES=N: N times the card is inserted, shown and unmounted through Mirvale
# while the file manager shows it; prints the median "Card ready" -> report panel (a measure,
# never a limit) and fails unless every unmount succeeds.
log_ms() { local line; line="$(grep -F -- "$1" "$LOGFILE" | tail -n1)"; date -d "${line:0:23}" +%s%3N; }
series() { # series N
  local i panels failures times=() unmounted=0
  for ((i = 1; i <= $1; i++)); do
    panels="$(grep -c "showing panel \"$LABEL: " "$LOGFILE")"
    open_card || continue
    poll 10 eval '[ "$(grep -c "showing panel \"$LABEL: " "$LOGFILE")" -gt "$panels" ]' || { failed "no report panel for the card"; continue; }
    times+=($(($(log_ms "showing panel \"$LABEL: ") - $(log_ms "Card ready: $LABEL"))))
    failures=${#FAILURES[@]}
    check_unmount
    [ ${#FAILURES[@]} -eq "$failures" ] && unmounted=$((unmounted + 1))
  done
  [ -z "${USER_WINDOW:-}" ] || titled "$USER_WINDOW" || failed "the user's window on $USER_WINDOW did not stay (titles: $(window_titles | tr '\n' ';'))"
  note "measure: \"Card ready\" -> report panel, median of ${#times[@]}: $(printf '%s\n' "${times[@]}" | sort -n \
    | awk '{ t[NR] = $1 } END { print t[int((NR + 1) / 2)] }') ms ($(echo "${times[@]}") ms); unmounted while shown: $unmounted of $1"
}
# A pull: no window Mirvale opened stays, on the card or moved to its parent folder.
check_pull() {
  open_card || return
  sleep 2
  in_ns umount -l "$CARD_DIR"
  poll 10 logged "Volume unmounted: $CARD_DIR" || failed "the pull was not logged"
  first_read "after a pull" "!$LABEL — [0-9.]+ [kMG]?B free"
  if declare -F window_titles >/dev/null; then
    sleep 3
    if titled "(101CANON|100CANON|DCIM|$LABEL|root)"; then
      # Where neither X11 nor the file manager's D-Bus can close a Wayland client's window,
      # the log must say so once.
      if grep -q "could not close the file manager's windows on a card that goes: " "$LOGFILE"; then
        note "pull: the file manager's window stays, as the log says: $(grep -o "could not close the file manager's windows on a card that goes: .*" "$LOGFILE" | head -n1)"
      else
        failed "a window stayed after the pull (titles: $(window_titles | tr '\n' ';'))"
      fi
    fi
  fi
}

# Mirvale's settings window driven over the accessibility bus, as assistive technologies do:
# the bus on before the session's programs start, so that they put their windows on it.
need_accessibility() {
  [ -x /usr/libexec/at-spi-bus-launcher ] && /usr/bin/python3 -c "import pyatspi" 2>/dev/null || skip "no AT-SPI or pyatspi"
}
start_accessibility() {
  "${RUN_AS[@]}" gdbus call --session -d org.a11y.Bus -o /org/a11y/bus -m org.freedesktop.DBus.Properties.Set \
    org.a11y.Status IsEnabled '<true>' >"$WORK/a11y.out" 2>&1 || fail "cannot turn the accessibility bus on: $(cat "$WORK/a11y.out")"
  ACCESSIBILITY=on
}
# Presses the button NAME of the window WINDOW and waits for the button THEN in its place or,
# without THEN, for the window to go.
press_button() { # press_button WINDOW NAME [THEN]
  "${RUN_AS[@]}" /usr/bin/python3 - press "$@" <"$DESKTOPS_DIR/accessibility.py" >"$WORK/press.out" 2>&1 \
    || { failed "$(tail -n1 "$WORK/press.out")"; return 1; }
}
# The same in Mirvale's settings window: `mirvale` started again shows it in the running
# instance, as from the applications menu.
press_in_settings() { # press_in_settings NAME THEN
  "${RUN_AS[@]}" "$MIRVALE" >>"$WORK/mirvale-again.out" 2>&1 || { failed "mirvale started again did not show its settings"; return 1; }
  press_button "Mirvale Settings" "$@"
}

# X11 sessions: an X server of the session's own, the titles of its windows, the top bar's
# height from the work area, and screenshots of the whole screen.
start_xvfb() {
  mkdir -p -m 1777 /tmp/.X11-unix
  (exec Xvfb -displayfd 3 -screen 0 "${SCREEN_W}x${SCREEN_H}x24" -nolisten tcp 3>"$WORK/display") >"$WORK/xvfb.log" 2>&1 &
  poll 20 test -s "$WORK/display" || fail "Xvfb did not start"
  export DISPLAY=":$(head -n1 "$WORK/display")"
}
window_titles() { # but Mirvale's own panels
  local id own
  own=" $(xdotool search --pid "$APP_PID" 2>/dev/null | tr '\n' ' ') "
  for id in $(xdotool search --onlyvisible --name . 2>/dev/null); do
    [[ "$own" == *" $id "* ]] || xdotool getwindowname "$id" 2>/dev/null
  done
}
top_bar_height() { xprop -root _NET_WORKAREA 2>/dev/null | awk -F'[=,]' '{print $3 + 0}'; }
session_screenshot() { import -display "$DISPLAY" -window root "$1"; }

# The last line, and the exit status.
# What every session with a tray checks, in order; the session defines check_panel before.
check_session() {
  check_item
  check_menu
  open_card panel
  check_unmount
  [ -z "${MIRVALE_DESKTOP_SERIES:-}" ] || series "$MIRVALE_DESKTOP_SERIES"
  check_pull
  finish "$1"
}
finish() {
  local took=$(($(date +%s) - STARTED_S))
  if [ ${#FAILURES[@]} -gt 0 ]; then
    echo "---- mirvale log" >&2; tail -n 60 "$LOGFILE" >&2 2>/dev/null
    echo "FAIL: $SESSION: $(printf '%s; ' "${FAILURES[@]}" | sed 's/; $//') (${took} s)"
    exit 1
  fi
  echo "PASS: $SESSION: $* (${took} s)"
  exit 0
}
