#!/usr/bin/env bash
# Times quitting Mirvale (SIGTERM) while its call to the file manager hangs: a real exFAT
# card image is mounted through FUSE under /media, a stand-in file manager on a private
# session bus records the call and never answers it, and the time from SIGTERM to the
# process's exit is measured. Needs root, FUSE, exfatprogs and exfat-fuse.
#
#   bench/quit_during_hung_call.sh [MIRVALE [FAKE_FILE_MANAGER [RUNS]]]
set -uo pipefail

MIRVALE="$(realpath "${1:-build/src/mirvale}")"
FAKE_FM="$(realpath "${2:-build/tests/mirvale_fake_file_manager}")"
RUNS="${3:-5}"
LABEL=QUIT_BENCH
HERE="$(cd "$(dirname "$0")" && pwd)"

[ "$(id -u)" -eq 0 ] || { echo "needs root to attach and mount a card image" >&2; exit 2; }
WORK="$(mktemp -d /tmp/mirvale-quit-XXXXXX)"
MOUNTPOINT="/media/root/$LABEL"
LOOP=""
SESSION=""
cleanup() {
  [ -n "$SESSION" ] && kill "$SESSION" 2>/dev/null && wait "$SESSION" 2>/dev/null
  mountpoint -q "$MOUNTPOINT" && umount "$MOUNTPOINT"
  [ -n "$LOOP" ] && losetup -d "$LOOP" 2>/dev/null
  rmdir "$MOUNTPOINT" 2>/dev/null
  rm -rf "$WORK"
}
trap cleanup EXIT

wait_for() { # wait_for FILE TEXT SECONDS
  local deadline=$(( $(date +%s) + $3 ))
  while [ "$(date +%s)" -le "$deadline" ]; do
    grep -q -F -- "$2" "$1" 2>/dev/null && return 0
    sleep 0.02
  done
  echo "\"$2\" did not appear in $1 within $3 s" >&2
  return 1
}

mkdir -p "$WORK/services"
sed "s|@MIRVALE_TEST_SERVICE_DIR@|$WORK/services|" "$HERE/../tests/common/session-bus.conf.in" > "$WORK/bus.conf"
truncate -s 32M "$WORK/card.img"
mkfs.exfat -L "$LABEL" "$WORK/card.img" >/dev/null
LOOP="$(losetup -f --show "$WORK/card.img")"
mkdir -p "$MOUNTPOINT"
mount.exfat-fuse "$LOOP" "$MOUNTPOINT" >/dev/null 2>&1
mkdir -p "$MOUNTPOINT/DCIM/100CANON"
umount "$MOUNTPOINT"

figures=()
for run in $(seq "$RUNS"); do
  home="$WORK/run$run"
  mkdir -p "$home"
  HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_STATE_HOME="$home/.local/state" \
  QT_QPA_PLATFORM=offscreen FM_LOG="$home/fm.log" MIRVALE="$MIRVALE" FAKE_FM="$FAKE_FM" \
  dbus-run-session --config-file="$WORK/bus.conf" -- bash -c '
    "$FAKE_FM" --silent "$FM_LOG" > "$HOME/fm.out" & fm=$!
    for _ in $(seq 200); do grep -q ready "$HOME/fm.out" && break; sleep 0.02; done
    "$MIRVALE" & app=$!
    echo "$app" > "$HOME/mirvale.pid"
    wait "$app"
    kill "$fm" 2>/dev/null
  ' > "$home/stdout" 2>&1 &
  SESSION=$!
  log="$home/.local/state/mirvale/mirvale.log"
  wait_for "$log" "Coordinator started" 20 || exit 1
  mount.exfat-fuse "$LOOP" "$MOUNTPOINT" >/dev/null 2>&1
  wait_for "$home/fm.log" "ShowFolders" 20 || exit 1
  sleep 0.5 # the call is well under way and will never be answered
  pid="$(cat "$home/mirvale.pid")"
  start=$(date +%s%N)
  kill -TERM "$pid"
  while kill -0 "$pid" 2>/dev/null; do sleep 0.005; done
  end=$(date +%s%N)
  wait "$SESSION"; SESSION=""
  umount "$MOUNTPOINT"
  ms=$(( (end - start) / 1000000 ))
  figures+=("$ms")
  grep -q "Mirvale quit" "$log" || { echo "run $run: no \"Mirvale quit\" in the log" >&2; exit 1; }
  echo "run $run: SIGTERM -> exit during a hung file-manager call: $ms ms"
done
sorted=($(printf '%s\n' "${figures[@]}" | sort -n))
echo "measure: quit during a hung file-manager call: median ${sorted[$(( ${#sorted[@]} / 2 ))]} ms, max ${sorted[-1]} ms over $RUNS runs"
