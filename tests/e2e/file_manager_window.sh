#!/usr/bin/env bash
# End to end with a real file manager: Thunar under Xvfb with openbox, on a private session
# bus whose only service is Thunar's org.freedesktop.FileManager1. A real exFAT card image is
# mounted through FUSE while the real mirvale binary runs with a rule that places the window.
# The window must open on the newest folder at the rule's bounds and in front; a second
# insertion must raise that window instead of opening another; pulling the card must close
# it and nothing else. A second run without a display must say what it did not do and still
# open the folder.
#
#   file_manager_window.sh MIRVALE_BINARY
# Exits 77 (skipped) where cards cannot be mounted, except under CI=true, where that fails.
# MIRVALE_WINDOW_BENCH_ROUNDS=N also times N placements with Thunar already running.
set -uo pipefail

MIRVALE="$1"
LABEL="${MIRVALE_E2E_LABEL:-EOS_DIGITAL}" # exFAT: at most 11 characters
BOUNDS_LEFT=120 BOUNDS_TOP=80 BOUNDS_WIDTH=700 BOUNDS_HEIGHT=500

E2E_NAME=window
. "$(dirname "$0")/lib.sh"

need_card_rights
need_tools mkfs.exfat mount.exfat-fuse losetup dbus-run-session dbus-send Xvfb openbox thunar xprop xwininfo
THUNAR="$(command -v thunar)"

MOUNTPOINT="/media/root/$LABEL"
e2e_cleanup() {
  while mountpoint -q "$MOUNTPOINT"; do umount "$MOUNTPOINT" || break; done
  for dir in /media/root/MVBENCH_*; do mountpoint -q "$dir" && umount "$dir"; rmdir "$dir" 2>/dev/null; done
  rmdir "$MOUNTPOINT" 2>/dev/null
}

# The display: Xvfb on a free display number, openbox managing it.
start_xvfb 1280x1024
start_openbox

# The private bus: its only service is Thunar's file manager interface.
write_bus_config "$WORK/bus.conf"
cat > "$WORK/services/org.freedesktop.FileManager1.service" <<SERVICE
[D-BUS Service]
Name=org.freedesktop.FileManager1
Exec=$THUNAR --gapplication-service
SERVICE

# The card: DCIM with two camera folders, the newer one by name.
fill_card() {
  mkdir -p "$1/DCIM/100CANON" "$1/DCIM/101CANON"
  for n in 0001 0002; do echo "raw $n" > "$1/DCIM/100CANON/IMG_$n.CR3"; done
  for n in 0003 0004; do echo "raw $n" > "$1/DCIM/101CANON/IMG_$n.CR3"; done
}
make_card_image "$LABEL" fill_card

# X helpers. Windows are decimal ids.
clients() { xprop -root _NET_CLIENT_LIST | grep -o '0x[0-9a-f]*' | while read -r w; do echo $((w)); done; }
active_window() { echo $(( $(xprop -root _NET_ACTIVE_WINDOW | grep -o '0x[0-9a-f]*' | head -n1) )); }
window_pid() { xprop -id "$1" _NET_WM_PID 2>/dev/null | grep -o '[0-9]*$'; }
window_title() { xprop -id "$1" _NET_WM_NAME 2>/dev/null | sed -n 's/.*= "\(.*\)"$/\1/p'; }
thunar_windows() { for w in $(clients); do [ "$(window_pid "$w")" = "$THUNAR_PID" ] && echo "$w"; done; }
frame_of() { # prints "left top right bottom" of the window's outer frame
  local x y w h l r t b
  x=$(xwininfo -id "$1" | awk '/Absolute upper-left X/ {print $4}')
  y=$(xwininfo -id "$1" | awk '/Absolute upper-left Y/ {print $4}')
  w=$(xwininfo -id "$1" | awk '/Width:/ {print $2}')
  h=$(xwininfo -id "$1" | awk '/Height:/ {print $2}')
  read -r l r t b < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
  echo "$((x - l)) $((y - t)) $((x + w + r)) $((y + h + b)) $((l > r ? (l > t ? (l > b ? l : b) : (t > b ? t : b)) : (r > t ? (r > b ? r : b) : (t > b ? t : b))))"
}
bus() { DBUS_SESSION_BUS_ADDRESS="$(cat "$HOME_DIR/bus")" dbus-send --session --print-reply "$@"; }

run_session() { # run_session NAME [no-display]
  HOME_DIR="$WORK/$1"
  mkdir -p "$HOME_DIR/.config/Mirvale"
  cat > "$HOME_DIR/.config/Mirvale/rules.json" <<RULES
[{"name": "Placed", "match": {"kind": "anyCard"}, "subfolder": {"kind": "smart"},
  "openNewestFolder": true, "bringToFront": true,
  "placement": {"left": $BOUNDS_LEFT, "top": $BOUNDS_TOP, "width": $BOUNDS_WIDTH, "height": $BOUNDS_HEIGHT}}]
RULES
  local platform=xcb unset_display=""
  if [ "${2:-}" = "no-display" ]; then platform=offscreen; unset_display="-u DISPLAY"; fi
  HOME="$HOME_DIR" XDG_CONFIG_HOME="$HOME_DIR/.config" XDG_STATE_HOME="$HOME_DIR/.local/state" \
  XDG_CACHE_HOME="$HOME_DIR/.cache" XDG_DATA_HOME="$HOME_DIR/.local/share" XDG_RUNTIME_DIR="$HOME_DIR/run" \
  MIRVALE="$MIRVALE" PLATFORM="$platform" UNSET_DISPLAY="$unset_display" \
  dbus-run-session --config-file="$WORK/bus.conf" -- bash -c '
    mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
    echo "$DBUS_SESSION_BUS_ADDRESS" > "$HOME/bus"
    env $UNSET_DISPLAY QT_QPA_PLATFORM="$PLATFORM" "$MIRVALE" & app=$!
    echo "$app" > "$HOME/mirvale.pid"
    wait "$app"; exit $?
  ' > "$HOME_DIR/stdout" 2>&1 &
  SESSION_PID=$!
  PIDS+=($SESSION_PID)
  LOGFILE="$HOME_DIR/.local/state/Logs/Mirvale/dovetta.log"
  wait_for "$LOGFILE" "Coordinator started" 20 || exit 1
}

stop_session() {
  [ -n "${MIRVALE_E2E_VERBOSE:-}" ] && grep -E "FileManagerWindows|FileManager\[|FileManager: |ScriptRunner|opened" "$LOGFILE"
  [ -n "${THUNAR_PID:-}" ] && kill "$THUNAR_PID" 2>/dev/null
  kill -TERM "$(cat "$HOME_DIR/mirvale.pid")"
  wait "$SESSION_PID"; local status=$?
  [ "$status" -eq 0 ] || { cat "$HOME_DIR/stdout" >&2; fail "mirvale exited with $status after SIGTERM"; }
  THUNAR_PID=""
}

thunar_pid() {
  bus --dest=org.freedesktop.DBus / org.freedesktop.DBus.GetConnectionUnixProcessID \
    string:org.freedesktop.FileManager1 2>/dev/null | awk '/uint32/ {print $2}'
}

# Run 1: a display, a window manager and Thunar.
run_session placed
mkdir -p "$MOUNTPOINT"
mount.exfat-fuse "$LOOP" "$MOUNTPOINT" >/dev/null 2>&1 || fail "mount"
FIRST_MOUNT=$(date +%s)
wait_for "$LOGFILE" "$LABEL: opened DCIM/101CANON" 30 || exit 1
wait_for "$LOGFILE" "FileManagerWindows: brought window" 10 || exit 1
THUNAR_PID="$(thunar_pid)"
[ -n "$THUNAR_PID" ] || fail "Thunar does not own org.freedesktop.FileManager1"
PIDS+=("$THUNAR_PID")
mapfile -t WINDOWS < <(thunar_windows)
[ "${#WINDOWS[@]}" -eq 1 ] || fail "expected one Thunar window, found ${#WINDOWS[@]}"
WINDOW="${WINDOWS[0]}"
grep -q -F "FileManagerWindows: placed window $(printf '0x%x' "$WINDOW") at {$BOUNDS_LEFT, $BOUNDS_TOP, $((BOUNDS_LEFT + BOUNDS_WIDTH)), $((BOUNDS_TOP + BOUNDS_HEIGHT))}" "$LOGFILE" \
  || { cat "$LOGFILE" >&2; fail "the placement was not logged for the window"; }
read -r left top right bottom slack < <(frame_of "$WINDOW")
echo "Thunar window $(printf '0x%x' "$WINDOW") \"$(window_title "$WINDOW")\": frame {$left, $top, $right, $bottom}"
for pair in "$left $BOUNDS_LEFT" "$top $BOUNDS_TOP" "$right $((BOUNDS_LEFT + BOUNDS_WIDTH))" "$bottom $((BOUNDS_TOP + BOUNDS_HEIGHT))"; do
  set -- $pair
  diff=$(( $1 > $2 ? $1 - $2 : $2 - $1 ))
  [ "$diff" -le "$slack" ] || fail "frame {$left, $top, $right, $bottom} is not at the rule's bounds"
done
window_title "$WINDOW" | grep -q "101CANON" || fail "the window does not show 101CANON: $(window_title "$WINDOW")"
[ "$(active_window)" = "$WINDOW" ] || fail "the Thunar window is not in front"
echo "PASS: Thunar opened on DCIM/101CANON at the rule's bounds, in front"

# A window of the user's own (not Mirvale's) takes the front.
bus --dest=org.freedesktop.FileManager1 /org/freedesktop/FileManager1 org.freedesktop.FileManager1.ShowFolders \
  array:string:"file://$WORK" string:"" >/dev/null || fail "could not open the user's own window"
for _ in $(seq 100); do [ "$(thunar_windows | wc -l)" -eq 2 ] && break; sleep 0.05; done
USER_WINDOW="$(thunar_windows | grep -v -x "$WINDOW" | head -n1)"
[ -n "$USER_WINDOW" ] || fail "the user's window did not open"
for _ in $(seq 100); do [ "$(active_window)" = "$USER_WINDOW" ] && break; sleep 0.05; done

# Opening the card again (the user picks it in the tray menu): the same window comes forward.
# (A mount stacked on the card's own mount point is ignored, so the menu is the way back.)
bus --dest=io.github.mirvale.Mirvale /io/github/mirvale/Mirvale io.github.mirvale.Mirvale1.OpenCard \
  string:"$MOUNTPOINT" >/dev/null || fail "could not ask Mirvale to open the card again"
wait_for "$LOGFILE" "FileManagerWindows: reusing window $(printf '0x%x' "$WINDOW")" 30 || exit 1
wait_for "$LOGFILE" "FileManagerWindows: brought window $(printf '0x%x' "$WINDOW") to front" 10 || exit 1
[ "$(thunar_windows | wc -l)" -eq 2 ] || fail "another window was opened: $(thunar_windows | wc -l) Thunar windows"
for _ in $(seq 100); do [ "$(active_window)" = "$WINDOW" ] && break; sleep 0.05; done
[ "$(active_window)" = "$WINDOW" ] || fail "the window Mirvale opened was not raised"
echo "PASS: opening the card again raised the same window"

# Pulling the card closes Mirvale's window and leaves the user's.
# Lazily, as a card pulled from its reader: the file manager may still be reading the folder.
umount -l "$MOUNTPOINT" || fail "umount"
wait_for "$LOGFILE" "FileManagerWindows: asked to close window $(printf '0x%x' "$WINDOW")" 15 || exit 1
for _ in $(seq 100); do clients | grep -q -x "$WINDOW" || break; sleep 0.05; done
clients | grep -q -x "$WINDOW" && fail "the window Mirvale opened is still open"
clients | grep -q -x "$USER_WINDOW" || fail "the user's own window was closed"
echo "PASS: pulling the card closed the window Mirvale opened, and only that one"

if [ -n "${MIRVALE_WINDOW_BENCH_ROUNDS:-}" ]; then
  times=()
  for round in $(seq "$MIRVALE_WINDOW_BENCH_ROUNDS"); do
    dir="/media/root/MVBENCH_$round"
    mkdir -p "$dir"
    before=$(count_lines "$LOGFILE" "FileManagerWindows: placed window")
    mount.exfat-fuse "$LOOP" "$dir" >/dev/null 2>&1 || fail "bench mount"
    for _ in $(seq 400); do [ "$(count_lines "$LOGFILE" "FileManagerWindows: placed window")" -gt "$before" ] && break; sleep 0.05; done
    ms=$(grep -F "FileManagerWindows: placed window" "$LOGFILE" | tail -n1 | sed -n 's/.*(\([0-9]*\) ms after the file manager answered).*/\1/p')
    [ -n "$ms" ] && times+=("$ms")
    umount -l "$dir"; wait_for "$LOGFILE" "Volume unmounted: $dir" 10 >/dev/null; rmdir "$dir"
  done
  sorted=($(printf '%s\n' "${times[@]}" | sort -n))
  echo "measure: file manager answered -> window placed, ${#sorted[@]} rounds with Thunar running: median ${sorted[$(( ${#sorted[@]} / 2 ))]} ms (min ${sorted[0]}, max ${sorted[-1]})"
fi
stop_session

# Run 2: Mirvale without a display (Thunar still has one): it opens the folder and says what it did not do.
run_session blind no-display
mount.exfat-fuse "$LOOP" "$MOUNTPOINT" >/dev/null 2>&1 || fail "mount"
wait_for "$LOGFILE" "$LABEL: opened DCIM/101CANON" 30 || exit 1
wait_for "$LOGFILE" "[WARN] FileManagerWindows: could not place the file manager's window: no X11 display (DISPLAY is not set)" 5 || exit 1
wait_for "$LOGFILE" "[WARN] FileManagerWindows: could not bring the file manager's window to front: no X11 display (DISPLAY is not set)" 5 || exit 1
grep -q "brought window\|placed window\|brought the file manager to front" "$LOGFILE" && fail "a raise or a placement was claimed without a display"
THUNAR_PID="$(thunar_pid)"
PIDS+=("$THUNAR_PID")
for _ in $(seq 100); do [ -n "$(thunar_windows)" ] && break; sleep 0.05; done
thunar_windows | while read -r w; do window_title "$w"; done | grep -q "101CANON" || fail "Thunar did not show 101CANON"
umount -l "$MOUNTPOINT"
wait_for "$LOGFILE" "Volume unmounted: $MOUNTPOINT" 10 || exit 1
stop_session
echo "PASS: without a display the folder opened and the log says what was not done"
grep -rnE "Finder|AppleScript|DiskArbitration|diskutil|System Settings|Privacy & Security" "$WORK"/*/.local/state/Logs \
  && fail "another platform's words in the log (above)"
exit 0
