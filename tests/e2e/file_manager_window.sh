#!/usr/bin/env bash
# End to end with a real file manager under Xvfb with openbox, the only owner of
# org.freedesktop.FileManager1 on a closed session bus, and real exFAT cards through FUSE.
# FM21_CARD's rule places the window and brings it to front; FM21_BACK's places it and
# leaves the focus where it is. Checked: the window shows the right folder (its title), its
# frame is the rule's (decoration included), it is active exactly when the rule asks; after
# the user takes that window elsewhere, opening the card again shows the card's folder;
# pulling the card closes Mirvale's window and spares the user's own and the repurposed one.
# For Thunar, a second run without a display must say what it did not do.
#
#   file_manager_window.sh MIRVALE_BINARY FILE_MANAGER
#   FILE_MANAGER: thunar, nemo, nautilus, dolphin, caja or pcmanfm-qt
# Exits 77 (skipped) where cards cannot be mounted, except under CI=true, where that fails.
# MIRVALE_WINDOW_BENCH_ROUNDS=N also times N placements with the file manager running;
# MIRVALE_E2E_DISPLAY=:N uses display numbers N to N+5 (one a file manager) instead of free ones.
set -uo pipefail

MIRVALE="$1" FM="$2"
E2E_NAME="window-$FM"
. "$(dirname "$0")/lib.sh"
fail() {
  [ -n "${LOGFILE:-}" ] && grep -F "FileManagerWindows" "$LOGFILE" >&2
  [ -n "${MIRVALE_E2E_SHOT:-}" ] && xwd -root -silent > "$MIRVALE_E2E_SHOT"
  for w in $(clients 2>/dev/null); do echo "window $(hex "$w"): \"$(window_title "$w")\"" >&2; done
  tail -n3 "$WORK/xvfb.log" "$WORK/openbox.log" >&2 2>/dev/null
  echo "FAIL: $*" >&2
  exit 1
}
wait_until() { # wait_until SECONDS COMMAND...: evaluates COMMAND until it succeeds
  local deadline=$(( $(date +%s) + $1 )); shift
  until eval "$*"; do [ "$(date +%s)" -lt "$deadline" ] || return 1; sleep 0.1; done
}

FRONT=FM21_CARD BACK=FM21_BACK
FRONT_BOUNDS=(120 80 700 500) BACK_BOUNDS=(400 300 640 420) # left top width height
# How each file manager is started: activated by the bus, or running before Mirvale starts.
case "$FM" in
  thunar) ACTIVATE="thunar --gapplication-service" ;;
  nautilus) ACTIVATE="nautilus --gapplication-service" ;;
  nemo) ACTIVATE="nemo --no-default-window" ;;
  # Caja quits at once on a bare bus unless it keeps the desktop, as it does in a MATE session.
  caja) ACTIVATE="caja --no-default-window --force-desktop" ;;
  dolphin) DAEMON="dolphin --daemon" ;;
  pcmanfm-qt) DAEMON="pcmanfm-qt --daemon-mode" ;; # no activation file
  *) fail "unknown file manager $FM" ;;
esac

need_card_rights
need_tools mkfs.exfat mount.exfat-fuse losetup dbus-run-session dbus-send gdbus Xvfb openbox xprop xwininfo xdotool xmessage "$FM"

BACK_LOOP=""
e2e_cleanup() {
  local dir
  for dir in "/media/root/$FRONT" "/media/root/$BACK" /media/root/FM21_BENCH_*; do
    release_mount "$dir"
    rmdir "$dir" 2>/dev/null
  done
  [ -n "$BACK_LOOP" ] && losetup -d "$BACK_LOOP" 2>/dev/null
}

if [ -n "${MIRVALE_E2E_DISPLAY:-}" ]; then
  # One number a file manager after the given one, so that runs one after another do not
  # meet a server that is still going away.
  FMS=(thunar nemo nautilus dolphin caja pcmanfm-qt)
  for i in "${!FMS[@]}"; do [ "${FMS[$i]}" = "$FM" ] && export DISPLAY=":$(( ${MIRVALE_E2E_DISPLAY#:} + i ))"; done
  wait_until 10 '[ ! -e "/tmp/.X${DISPLAY#:}-lock" ]' || fail "display $DISPLAY is taken"
  Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp 2>"$WORK/xvfb.log" &
  PIDS+=($!)
  wait_until 10 'xprop -root >/dev/null 2>&1' || fail "Xvfb did not start on $DISPLAY"
  # A loaded machine has been seen to refuse openbox its first connection: one more try.
  openbox --sm-disable >"$WORK/openbox.log" 2>&1 &
  PIDS+=($!)
  wait_until 10 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"' || start_openbox
else
  start_xvfb 1280x1024
  start_openbox
fi

write_bus_config "$WORK/bus.conf"
if [ -n "${ACTIVATE:-}" ]; then
  printf '[D-BUS Service]\nName=org.freedesktop.FileManager1\nExec=%s\n' "$(command -v "${ACTIVATE%% *}") ${ACTIVATE#* }" \
    > "$WORK/services/org.freedesktop.FileManager1.service"
fi

fill_card() {
  mkdir -p "$1/DCIM/100CANON" "$1/DCIM/101CANON"
  for n in 0001 0002; do echo "raw $n" > "$1/DCIM/100CANON/IMG_$n.CR3"; done
  for n in 0003 0004; do echo "raw $n" > "$1/DCIM/101CANON/IMG_$n.CR3"; done
}
make_card_image "$FRONT" fill_card
truncate -s 64M "$WORK/back.img"
mkfs.exfat -L "$BACK" "$WORK/back.img" >/dev/null || skip "mkfs.exfat failed"
BACK_LOOP="$(losetup -f --show "$WORK/back.img")" || skip "no free loop device"
mkdir -p "$WORK/elsewhere" "$WORK/mine"

# X helpers. Windows are decimal ids.
hex() { printf '0x%x' "$1"; }
clients() { xprop -root _NET_CLIENT_LIST | grep -o '0x[0-9a-f]*' | while read -r w; do echo $((w)); done; }
active_window() { echo $(( $(xprop -root _NET_ACTIVE_WINDOW | grep -o '0x[0-9a-f]*' | head -n1) )); }
window_title() { xprop -id "$1" _NET_WM_NAME 2>/dev/null | sed -n 's/.*= "\(.*\)"$/\1/p'; }
frame_of() { # "left top right bottom" of the window's visible frame: decoration in, CSD shadow out
  local x y w h l r t b gl=0 gr=0 gt=0 gb=0
  read -r x y w h < <(xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
    /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}')
  read -r l r t b < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g; s/.*found.*/0 0 0 0/')
  xprop -id "$1" _GTK_FRAME_EXTENTS | grep -q = && read -r gl gr gt gb < <(xprop -id "$1" _GTK_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
  echo "$((x - l + gl)) $((y - t + gt)) $((x + w + r - gr)) $((y + h + b - gb))"
}
check_frame() { # check_frame WINDOW LEFT TOP WIDTH HEIGHT
  local want=("$2" "$3" "$(($2 + $4))" "$(($3 + $5))") got i
  read -r -a got < <(frame_of "$1")
  for i in 0 1 2 3; do
    (( ${got[$i]} - ${want[$i]} <= 2 && ${want[$i]} - ${got[$i]} <= 2 )) \
      || fail "$FM: frame {${got[*]}} of $(hex "$1") is not the rule's {${want[*]}}"
  done
}
title_has() { window_title "$1" | grep -q -F -- "$2"; }
window_showing() { for w in $(clients); do title_has "$w" "$1" && echo "$w"; done | tail -n1; }
window_action() { # window_action WINDOW ACTION PARAMETERS: fails where the window exports no actions
  local path name
  path="$(xprop -id "$1" _GTK_WINDOW_OBJECT_PATH 2>/dev/null | sed -n 's/.*= "\(.*\)"$/\1/p')"
  name="$(xprop -id "$1" _GTK_UNIQUE_BUS_NAME 2>/dev/null | sed -n 's/.*= "\(.*\)"$/\1/p')"
  [ -n "$path" ] && [ -n "$name" ] || return 1
  DBUS_SESSION_BUS_ADDRESS="$(cat "$HOME_DIR/bus")" gdbus call --session --dest "$name" --object-path "$path" \
    --method org.gtk.Actions.Activate "$2" "$3" "{}" >/dev/null
}
is_active() { [ "$(active_window)" = "$1" ]; }
# grep reads the whole list: with -q it may stop early, and pipefail then reports the writer's SIGPIPE.
is_gone() { ! clients | grep -x "$1" >/dev/null; }
# The window Mirvale found for its Nth open of FOLDER, from its log.
found_window() { # found_window FOLDER N
  wait_for "$LOGFILE" "shows $1 (" 30 >/dev/null || return 1
  local w
  w="$(grep -F "shows $1 (" "$LOGFILE" | sed -n "$2p" | grep -o 'window 0x[0-9a-f]*' | cut -d' ' -f2)"
  [ -n "$w" ] && echo $((w))
}
bus() { DBUS_SESSION_BUS_ADDRESS="$(cat "$HOME_DIR/bus")" dbus-send --session --print-reply "$@"; }
show_folder() { # as the user would: a window of the file manager's on FOLDER
  bus --dest=org.freedesktop.FileManager1 /org/freedesktop/FileManager1 \
    org.freedesktop.FileManager1.ShowFolders array:string:"file://$1" string:"" >/dev/null
}
# A window of another program that has the focus, clicked as a user would.
focus_holder() { xdotool windowactivate --sync "$HOLDER" mousemove --window "$HOLDER" 5 5 click 1 2>/dev/null; }

run_session() { # run_session NAME [no-display]
  HOME_DIR="$WORK/$1"
  mkdir -p "$HOME_DIR/.config/Mirvale"
  rule() { # rule LABEL FRONT LEFT TOP WIDTH HEIGHT
    echo "{\"name\": \"$1\", \"match\": {\"kind\": \"volumeName\", \"name\": \"$1\"}, \"subfolder\": {\"kind\": \"smart\"},
      \"openNewestFolder\": true, \"bringToFront\": $2,
      \"placement\": {\"left\": $3, \"top\": $4, \"width\": $5, \"height\": $6}}"
  }
  echo "[$(rule "$FRONT" true "${FRONT_BOUNDS[@]}"), $(rule "$BACK" false "${BACK_BOUNDS[@]}")]" \
    > "$HOME_DIR/.config/Mirvale/rules.json"
  # Xvfb has no GPU: through llvmpipe, GTK 4's GL renderer left Nautilus "Loading…" on a loaded machine.
  local platform=xcb unset_display=""
  if [ "${2:-}" = "no-display" ]; then platform=offscreen; unset_display="-u DISPLAY"; fi
  HOME="$HOME_DIR" XDG_CONFIG_HOME="$HOME_DIR/.config" XDG_STATE_HOME="$HOME_DIR/.local/state" \
  XDG_CACHE_HOME="$HOME_DIR/.cache" XDG_DATA_HOME="$HOME_DIR/.local/share" XDG_RUNTIME_DIR="$HOME_DIR/run" \
  GSK_RENDERER=cairo MIRVALE="$MIRVALE" PLATFORM="$platform" UNSET_DISPLAY="$unset_display" DAEMON="${DAEMON:-}" QT_QPA_PLATFORM=xcb \
  dbus-run-session --config-file="$WORK/bus.conf" -- bash -c '
    mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
    echo "$DBUS_SESSION_BUS_ADDRESS" > "$HOME/bus"
    if [ -n "$DAEMON" ]; then $DAEMON >"$HOME/fm.log" 2>&1 & wait_for_bus_name org.freedesktop.FileManager1; fi
    env $UNSET_DISPLAY QT_QPA_PLATFORM="$PLATFORM" "$MIRVALE" & app=$!
    echo "$app" > "$HOME/mirvale.pid"
    wait "$app"; exit $?
  ' > "$HOME_DIR/stdout" 2>&1 &
  SESSION_PID=$!
  PIDS+=($SESSION_PID)
  LOGFILE="$HOME_DIR/.local/state/mirvale/mirvale.log"
  wait_for "$LOGFILE" "Coordinator started" 20 || exit 1
}

stop_session() {
  [ -n "${MIRVALE_E2E_VERBOSE:-}" ] && grep -E "FileManagerWindows|FileManager\[|FileManager: |FileManager1:|opened" "$LOGFILE"
  local fm
  fm="$(bus --dest=org.freedesktop.DBus / org.freedesktop.DBus.GetConnectionUnixProcessID \
    string:org.freedesktop.FileManager1 2>/dev/null | awk '/uint32/ {print $2}')"
  kill -TERM "$(cat "$HOME_DIR/mirvale.pid")"
  wait "$SESSION_PID"; local status=$?
  # Every process of the file manager's program that this session started goes with it.
  for w in $(clients); do
    pid="$(xprop -id "$w" _NET_WM_PID 2>/dev/null | grep -o '[0-9]*$')"
    [ -n "$pid" ] && [ "$pid" != "$HOLDER_PID" ] && kill "$pid" 2>/dev/null
  done
  [ -n "$fm" ] && kill "$fm" 2>/dev/null
  [ "$status" -eq 0 ] || { cat "$HOME_DIR/stdout" >&2; fail "mirvale exited with $status after SIGTERM"; }
}

xmessage -geometry +900+900 "the user's other program" &
HOLDER_PID=$!
PIDS+=($HOLDER_PID)
wait_until 10 'test -n "$(xdotool search --class Xmessage 2>/dev/null)"' || fail "xmessage did not map"
HOLDER="$(clients | tail -n1)"

run_session placed
FRONT_DIR="/media/root/$FRONT" BACK_DIR="/media/root/$BACK"
FOLDER="$FRONT_DIR/DCIM/101CANON"
mkdir -p "$FRONT_DIR" "$BACK_DIR"
focus_holder
mount.exfat-fuse "$LOOP" "$FRONT_DIR" >/dev/null 2>&1 || fail "mount"
wait_for "$LOGFILE" "$FRONT: opened DCIM/101CANON" 30 || exit 1
FIRST="$(found_window "$FOLDER" 1)" || fail "$FM: Mirvale found no window for $FOLDER"
# A cold file manager's window more than 7 s after its answer is placed but kept from the focus.
LATE="window $(hex "$FIRST") shows $FOLDER (.*too late to come to front)"
wait_until 10 'grep -qF "brought window $(hex "$FIRST") to front" "$LOGFILE" || grep -q "$LATE" "$LOGFILE"' \
  || fail "$FM: window $(hex "$FIRST") was neither brought to front nor logged as too late for it"
title_has "$FIRST" 101CANON || fail "$FM: window $(hex "$FIRST") shows \"$(window_title "$FIRST")\""
check_frame "$FIRST" "${FRONT_BOUNDS[@]}"
grep -q "$LATE" "$LOGFILE" || wait_until 3 is_active "$FIRST" || fail "$FM: the window is not in front"
echo "PASS: $FM opened DCIM/101CANON at the rule's frame, in front unless it came too late for that"

# The user's own window on the card, and the user takes Mirvale's window elsewhere.
show_folder "$FRONT_DIR/DCIM/100CANON" || fail "could not open the user's own window"
wait_until 10 'test -n "$(window_showing 100CANON)"' || fail "$FM: no window of the user's own"
MINE="$(window_showing 100CANON)"
wait_until 3 is_active "$MINE" # it takes the focus on its own; keys go to Mirvale's after that
take_elsewhere() { # the location bar's action, asked over the bus where it can be (Nautilus drops keys), else typed
  if ! window_action "$FIRST" open-location "[<'file://$WORK/elsewhere'>]"; then
    xdotool windowactivate --sync "$FIRST" sleep 0.3 key --clearmodifiers ctrl+l sleep 1 type --delay 20 "$WORK/elsewhere"
    xdotool sleep 0.5 key --clearmodifiers Return
  fi
  wait_until 10 title_has "$FIRST" elsewhere
}
take_elsewhere || take_elsewhere || take_elsewhere || fail "$FM: could not take the window elsewhere: \"$(window_title "$FIRST")\""

# Opening the card again shows the card's folder, in front, in whatever window.
focus_holder
bus --dest=io.github.mirvale.Mirvale /io/github/mirvale/Mirvale io.github.mirvale.Mirvale1.OpenCard \
  string:"$FRONT_DIR" >/dev/null || fail "could not ask Mirvale to open the card again"
wait_until 30 'test -n "$(found_window "$FOLDER" 2)"' || fail "$FM: Mirvale found no window on the second open"
AGAIN="$(found_window "$FOLDER" 2)"
title_has "$AGAIN" 101CANON || fail "$FM: the second open shows \"$(window_title "$AGAIN")\""
[ "$AGAIN" = "$FIRST" ] || title_has "$FIRST" elsewhere || fail "$FM: the user's window was taken back"
check_frame "$AGAIN" "${FRONT_BOUNDS[@]}"
wait_until 3 is_active "$AGAIN" || fail "$FM: the window is not in front after the second open"
echo "PASS: $FM showed DCIM/101CANON again after the user took the window elsewhere"

# A card whose rule leaves the file manager behind: placed, and the focus stays.
focus_holder
mount.exfat-fuse "$BACK_LOOP" "$BACK_DIR" >/dev/null 2>&1 || fail "mount $BACK"
wait_for "$LOGFILE" "$BACK: opened" 30 || exit 1
BEHIND="$(found_window "$BACK_DIR" 1)" || fail "$FM: Mirvale found no window for $BACK_DIR"
check_frame "$BEHIND" "${BACK_BOUNDS[@]}"
sleep 0.5
is_active "$BEHIND" && fail "$FM: $BACK's window took the focus for a rule that leaves it"
grep -q "brought window $(hex "$BEHIND")" "$LOGFILE" && fail "$FM: a raise was claimed for $BACK"
echo "PASS: $FM placed $BACK's window and left the focus where it was"

# Unmounting through Mirvale closes its window on the card first, so the file manager lets go.
bus --dest=io.github.mirvale.Mirvale /io/github/mirvale/Mirvale io.github.mirvale.Mirvale1.Eject \
  string:"$BACK_DIR" >/dev/null || fail "$FM: unmounting $BACK failed: $(grep -F "$BACK" "$LOGFILE" | tail -n3)"
grep -q "asked to close window $(hex "$BEHIND")" "$LOGFILE" || fail "$FM: $BACK's window was not closed first"
wait_for "$LOGFILE" "Volume unmounted: $BACK_DIR" 10 || exit 1
echo "PASS: $FM: unmounting through Mirvale closed its window first"

# Pulling the card closes Mirvale's window on it, and only that one. What Mirvale spares is
# read from its log; whether the windows are still there, only where the file manager itself
# leaves them alone: PCManFM-Qt and at times Caja close every window on a folder that goes
# away, and Nemo takes them to the home folder, closes them, or quits.
umount -l "$FRONT_DIR" || fail "umount"
wait_for "$LOGFILE" "Volume unmounted: $FRONT_DIR" 10 || exit 1
wait_until 5 'is_gone "$AGAIN" || { [ "$FM" = nemo ] && title_has "$AGAIN" Home; }' \
  || fail "$FM: the window Mirvale opened still shows \"$(window_title "$AGAIN")\""
wait_until 5 'is_gone "$AGAIN" || grep -q "asked to close window $(hex "$AGAIN")\|left window $(hex "$AGAIN")" "$LOGFILE"' \
  || fail "$FM: Mirvale did not look at its window when the card went"
grep -q "asked to close window $(hex "$MINE")" "$LOGFILE" && fail "$FM: Mirvale asked to close the user's own window"
[ "$AGAIN" = "$FIRST" ] || wait_until 5 'grep -q "left window $(hex "$FIRST") open" "$LOGFILE"' \
  || fail "$FM: Mirvale did not spare the window the user took elsewhere"
case "$FM" in
  pcmanfm-qt | nemo | caja) ;;
  *) ! is_gone "$MINE" && { [ "$AGAIN" = "$FIRST" ] || ! is_gone "$FIRST"; } || fail "$FM: a window not Mirvale's to close went" ;;
esac
echo "PASS: $FM: pulling the card left no Mirvale window on it and spared the user's own and the repurposed one"

if [ -n "${MIRVALE_WINDOW_BENCH_ROUNDS:-}" ]; then
  times=()
  for round in $(seq "$MIRVALE_WINDOW_BENCH_ROUNDS"); do
    dir="/media/root/FM21_BENCH_$round"
    mkdir -p "$dir"
    before=$(count_lines "$LOGFILE" "FileManagerWindows: placed window")
    mount.exfat-fuse "$LOOP" "$dir" >/dev/null 2>&1 || fail "bench mount"
    wait_until 15 '[ "$(count_lines "$LOGFILE" "FileManagerWindows: placed window")" -gt "$before" ]'
    ms=$(grep -F "FileManagerWindows: placed window" "$LOGFILE" | tail -n1 | sed -n 's/.*(\([0-9]*\) ms after the file manager answered).*/\1/p')
    [ -n "$ms" ] && times+=("$ms")
    umount -l "$dir"; wait_for "$LOGFILE" "Volume unmounted: $dir" 10 >/dev/null; rmdir "$dir"
  done
  sorted=($(printf '%s\n' "${times[@]}" | sort -n))
  echo "measure: $FM answered -> window placed, ${#sorted[@]} rounds: median ${sorted[$(( ${#sorted[@]} / 2 ))]} ms (min ${sorted[0]}, max ${sorted[-1]})"
fi
stop_session
[ "$FM" = thunar ] || exit 0

# Mirvale without a display (Thunar still has one): it opens the folder and says what it did not do.
run_session blind no-display
mount.exfat-fuse "$LOOP" "$FRONT_DIR" >/dev/null 2>&1 || fail "mount"
wait_for "$LOGFILE" "$FRONT: opened DCIM/101CANON" 30 || exit 1
wait_for "$LOGFILE" "[WARN] FileManagerWindows: could not place the file manager's window: no X11 display (DISPLAY is not set)" 5 || exit 1
wait_for "$LOGFILE" "[WARN] FileManagerWindows: could not bring the file manager's window to front: no X11 display (DISPLAY is not set)" 5 || exit 1
grep -q "brought window\|placed window\|brought the file manager to front" "$LOGFILE" && fail "a raise or a placement was claimed without a display"
wait_until 10 'test -n "$(window_showing 101CANON)"' || fail "Thunar did not show 101CANON"
umount -l "$FRONT_DIR"
wait_for "$LOGFILE" "Volume unmounted: $FRONT_DIR" 10 || exit 1
stop_session
echo "PASS: without a display the folder opened and the log says what was not done"
grep -rniE "Finder|AppleScript|DiskArbitration|diskutil|System Settings|Privacy & Security" "$WORK"/*/.local/state/mirvale \
  && fail "another platform's words in the log (above)"
exit 0
