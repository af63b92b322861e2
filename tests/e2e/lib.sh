# Shared by the real-binary tests: skips, waits, log timing, a display, a closed session bus and
# a card image. Source it after setting E2E_NAME (the test's name in messages); it makes WORK,
# a folder of the test's own that goes at exit, and stops every process in PIDS at exit,
# newest first. A test with more to undo defines e2e_cleanup, which runs after that and before
# the mounts of mount_card go and the card images are detached.
# shellcheck shell=bash

E2E_LIB_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
PIDS=()
LOOP=""
LOOPS=() MOUNTS=() STOPPED=()

# Exits 77 (skipped), except under CI=true, where a test that cannot run fails.
skip() {
  if [ "${CI:-}" = "true" ]; then
    echo "FAIL: cannot run the $E2E_NAME test in CI: $*" >&2
    exit 1
  fi
  echo "SKIP: $*"
  exit 77
}
fail() { echo "FAIL: $*" >&2; exit 1; }

need_tools() { # need_tools TOOL...: skips when one is missing
  local tool
  for tool in "$@"; do command -v "$tool" >/dev/null || skip "$tool is not installed"; done
}
# Attaching and mounting a card image needs root and FUSE.
need_card_rights() {
  [ "$(id -u)" -eq 0 ] || skip "needs root to attach and mount a card image"
  [ -e /dev/fuse ] || skip "no /dev/fuse"
}

WORK="$(mktemp -d "/tmp/mirvale-$E2E_NAME-XXXXXX")"
# Every process the test starts inherits the mark (bus-activated ones and daemons' children too):
# at exit (or SIGINT, SIGTERM) the test ends its own, never another test's. FUSE daemons go by unmounting.
export MIRVALE_E2E_WORK="$WORK"
own_processes() {
  local dir
  for dir in /proc/[0-9]*; do
    [ "${dir#/proc/}" != "$$" ] && [ "${dir#/proc/}" != "$BASHPID" ] && grep -qxzF "MIRVALE_E2E_WORK=$WORK" "$dir/environ" 2>/dev/null \
      && [[ "$(cat "$dir/comm" 2>/dev/null)" != mount.exfat* ]] && echo "${dir#/proc/}"
  done
}
end_own_processes() { # SIGTERM, and SIGKILL to what is still there 3 s later
  local left _
  for _ in $(seq 30); do left="$(own_processes)"; [ -n "$left" ] || return 0; kill -TERM $left 2>/dev/null; sleep 0.1; done
  kill -KILL $left 2>/dev/null
}
# A card that hung lets go a moment after its reader is gone; one still held then goes lazily.
holders() { # holders DIR: the processes with a file or folder open under DIR
  local link target pid
  for link in /proc/[0-9]*/cwd /proc/[0-9]*/fd/*; do
    target="$(readlink "$link" 2>/dev/null)" && [[ "$target" == "$1" || "$target" == "$1"/* ]] || continue
    pid="${link#/proc/}" && pid="${pid%%/*}" && echo "$pid $(cat "/proc/$pid/comm" 2>/dev/null)"
  done | sort -u | tr '\n' ' '
}
release_mount() { # release_mount DIR
  local try
  for try in 1 2 3 4 5; do
    mountpoint -q "$1" || return 0
    umount "$1" 2>/dev/null && return 0
    [ "$try" = 1 ] && echo "note: $E2E_NAME: $1 busy, held by: $(holders "$1")" >&2
    sleep 1
  done
  mountpoint -q "$1" && echo "note: $E2E_NAME: $1 still busy, unmounting it lazily" >&2 && umount -l "$1"
}

e2e_exit() {
  local i mount
  trap '' INT TERM HUP
  for i in "${STOPPED[@]}"; do kill -CONT "$i" 2>/dev/null; done
  for ((i = ${#PIDS[@]} - 1; i >= 0; i--)); do kill "${PIDS[$i]}" 2>/dev/null; wait "${PIDS[$i]}" 2>/dev/null; done
  end_own_processes
  declare -F e2e_cleanup >/dev/null && e2e_cleanup
  for mount in "${MOUNTS[@]}"; do release_mount "$mount"; rmdir "$mount" 2>/dev/null; done
  release_mount "$WORK/stage"
  # Only the loop devices still backed by this test's images: a number may be another's by now.
  for i in "${LOOPS[@]}" $LOOP; do losetup -nO BACK-FILE "$i" 2>/dev/null | grep -q "^$WORK/" && losetup -d "$i"; done
  # A bus daemon outlives dbus-run-session when the test stopped early; it names its config here.
  pkill -f -- "--config-file[= ]$WORK/" 2>/dev/null
  rm -rf "$WORK"
}
trap e2e_exit EXIT
trap 'exit 130' INT; trap 'exit 143' TERM; trap 'exit 129' HUP # the same clean-up, through the exit

now_ms() { date +%s%3N; }
# Milliseconds since the epoch of the first line of FILE containing TEXT, from its timestamp.
log_time_ms() { # log_time_ms FILE TEXT
  local line
  line="$(grep -m1 -F -- "$2" "$1")" || return 1
  date -d "${line:0:23}" +%s%3N
}
wait_for() { # wait_for FILE TEXT SECONDS
  local deadline=$(( $(date +%s) + $3 ))
  while [ "$(date +%s)" -le "$deadline" ]; do
    grep -q -F -- "$2" "$1" 2>/dev/null && return 0
    sleep 0.05
  done
  echo "FAIL: \"$2\" did not appear in $1 within $3 s" >&2
  echo "---- $1" >&2; cat "$1" >&2 2>/dev/null
  return 1
}
count_lines() { grep -c -F -- "$2" "$1" 2>/dev/null || true; }

# Inside a dbus-run-session: waits until NAME has an owner on the session bus.
wait_for_bus_name() { # wait_for_bus_name NAME
  local _
  for _ in $(seq 100); do
    dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.NameHasOwner \
      string:"$1" 2>/dev/null | grep -q "boolean true" && return 0
    sleep 0.05
  done
  return 1
}
export -f wait_for_bus_name

# One mirvale run on a closed session bus ($WORK/bus.conf) in a home of its own, $WORK/NAME,
# with the recording file manager FAKE_FM on the bus when WITH_FM is yes. Returns once Mirvale
# has started; sets LOGFILE, FM_LOG, APP_PID and SESSION_PID.
start_mirvale() { # start_mirvale NAME QT_PLATFORM WITH_FM
  local name="$1" home="$WORK/$1"
  mkdir -p "$home"
  HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_STATE_HOME="$home/.local/state" \
  QT_QPA_PLATFORM="$2" FM_LOG="$WORK/$name-fm.log" MIRVALE="$MIRVALE" FAKE_FM="${FAKE_FM:-}" WITH_FM="$3" \
  dbus-run-session --config-file="$WORK/bus.conf" -- bash -c '
    fm=""
    if [ "$WITH_FM" = yes ]; then
      "$FAKE_FM" "$FM_LOG" & fm=$!
      wait_for_bus_name org.freedesktop.FileManager1
    fi
    echo "$DBUS_SESSION_BUS_ADDRESS" > "$HOME/bus"
    "$MIRVALE" & app=$!
    echo "$app" > "$HOME/mirvale.pid"
    wait "$app"; status=$?
    [ -n "$fm" ] && kill "$fm" 2>/dev/null
    exit $status
  ' > "$home/stdout" 2>&1 &
  SESSION_PID=$!
  PIDS+=($SESSION_PID)
  LOGFILE="$home/.local/state/mirvale/mirvale.log"
  FM_LOG="$WORK/$name-fm.log"
  wait_for "$LOGFILE" "Coordinator started" 20 || exit 1
  APP_PID="$(cat "$home/mirvale.pid")"
}
# Quits the run NAME with SIGTERM; Mirvale must exit 0.
stop_mirvale() { # stop_mirvale NAME
  kill -TERM "$APP_PID"
  wait "$SESSION_PID"; local status=$?
  [ "$status" -eq 0 ] || { cat "$WORK/$1/stdout" >&2; fail "mirvale exited with $status after SIGTERM"; }
}

# An X server on a free display (Xvfb picks the number), exported as DISPLAY.
start_xvfb() { # start_xvfb WIDTHxHEIGHT
  # MIRVALE_TEST_DISPLAY (":61") pins the number where the machine shares out displays.
  Xvfb ${MIRVALE_TEST_DISPLAY:-} -displayfd 3 -screen 0 "$1x24" -nolisten tcp 3>"$WORK/display" 2>"$WORK/xvfb.log" &
  PIDS+=($!)
  local _
  for _ in $(seq 400); do [ -s "$WORK/display" ] && break; sleep 0.05; done
  [ -s "$WORK/display" ] || { cat "$WORK/xvfb.log" >&2; fail "Xvfb did not start"; }
  export DISPLAY=":$(head -n1 "$WORK/display")"
}
# A window manager that honours placed windows.
start_openbox() {
  openbox --sm-disable >"$WORK/openbox.log" 2>&1 &
  PIDS+=($!)
  local _
  for _ in $(seq 400); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && return 0
    sleep 0.05
  done
  fail "openbox did not start"
}

# A closed session bus configuration: it activates only the services in $WORK/services
# (empty unless the test puts a .service file there), never the machine's.
write_bus_config() { # write_bus_config FILE
  mkdir -p "$WORK/services"
  sed "s|@MIRVALE_TEST_SERVICE_DIR@|$WORK/services|" "$E2E_LIB_DIR/../common/session-bus.conf.in" > "$1"
}

# An exFAT card image labelled LABEL, attached as LOOP; FILL is called with the image mounted
# at its argument to put the card's files there. Each call makes an image of its own.
make_card_image() { # make_card_image LABEL FILL
  local stage="$WORK/stage" image="$WORK/card.img"
  [ ${#LOOPS[@]} -eq 0 ] || image="$WORK/card${#LOOPS[@]}.img"
  truncate -s 64M "$image"
  mkfs.exfat -L "$1" "$image" >/dev/null || skip "mkfs.exfat failed"
  LOOP="$(losetup -f --show "$image")" || skip "no free loop device"
  LOOPS+=("$LOOP")
  mkdir -p "$stage"
  mount.exfat-fuse "$LOOP" "$stage" >/dev/null 2>&1 || skip "exfat-fuse cannot mount here"
  "$2" "$stage"
  umount "$stage"
}

# Mounts the card image attached as LOOP at MOUNTPOINT through FUSE, until the test ends;
# hang_card stops that mount's FUSE daemon until the test ends.
mount_card() { # mount_card LOOP MOUNTPOINT
  mkdir -p "$2"; MOUNTS+=("$2")
  mount.exfat-fuse "$1" "$2" >/dev/null 2>&1 || fail "cannot mount $1 at $2"
}
hang_card() { # hang_card LOOP MOUNTPOINT
  STOPPED+=("$(pgrep -n -f "exfat-fuse $1 $2")") && kill -STOP "${STOPPED[-1]}" || fail "no FUSE daemon for $2"
}
# SIGTERM to the run APP_PID; prints the milliseconds until it has exited (gone, or a zombie
# whose last thread waits in the kernel for a stopped card), or fails after 20 s.
quit_ms() {
  local start; start=$(now_ms); kill -TERM "$APP_PID"
  while kill -0 "$APP_PID" 2>/dev/null && [ "$(awk '/^State:/ {print $2}' "/proc/$APP_PID/status" 2>/dev/null)" != Z ]; do
    [ $(( $(now_ms) - start )) -lt 20000 ] || { kill -KILL "$APP_PID"; return 1; }; sleep 0.01
  done; echo $(( $(now_ms) - start ))
}

# Report panels as the X server at DISPLAY has them: "X Y W H" of each mapped 330-pixel-wide
# window of the Mirvale run APP_PID, one a line. check_corner needs SCREEN_W.
panels() {
  local id
  for id in $(xdotool search --onlyvisible --pid "$APP_PID" 2>/dev/null); do
    xwininfo -id "$id" 2>/dev/null | awk '
      /Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
      /Width:/ {w=$NF} /Height:/ {h=$NF} /Map State: IsViewable/ {v=1}
      END { if (v && w == 330) print x, y, w, h }'
  done
}
wait_for_panel() { # wait_for_panel SECONDS: sets GEOMETRY
  local deadline=$(( $(now_ms) + $1 * 1000 ))
  while [ "$(now_ms)" -le "$deadline" ]; do
    GEOMETRY="$(panels | head -n1)"
    [ -n "$GEOMETRY" ] && return 0
    sleep 0.01
  done
  return 1
}
wait_for_no_panel() { # wait_for_no_panel SECONDS: sets GONE_MS
  local deadline=$(( $(now_ms) + $1 * 1000 ))
  while [ "$(now_ms)" -le "$deadline" ]; do
    if [ -z "$(panels)" ]; then GONE_MS=$(now_ms); return 0; fi
    sleep 0.02
  done
  return 1
}
check_corner() { # check_corner "X Y W H"
  read -r x y w h <<<"$1"
  [ "$w" -eq 330 ] || fail "panel is $w px wide"
  [ "$y" -eq 12 ] || fail "panel top is at $y, not 12 px from the top edge"
  [ $(( SCREEN_W - x - w )) -eq 12 ] || fail "panel right edge is $(( SCREEN_W - x - w )) px from the screen's, not 12"
  [ "$h" -gt 40 ] && [ "$h" -lt 200 ] || fail "panel is $h px high"
}
