#!/bin/sh
# Times snapshot mode from process start to exit, minus its fixed 0.8 s settle, in a home of
# its own with a few rules and no display.
#   bench/snapshot_mode_bench.sh [path/to/mirvale] [runs]
set -eu
mirvale=${1:-build/src/mirvale}
runs=${2:-15}
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/.config/Mirvale" "$home/run"
chmod 700 "$home/run"
cat > "$home/.config/Mirvale/rules.json" <<'JSON'
[
  {"name": "Any camera card", "match": {"kind": "anyCard"}, "subfolder": {"kind": "smart"}},
  {"name": "Canon", "match": {"kind": "volumeName", "name": "EOS_DIGITAL"}, "subfolder": {"kind": "preset", "preset": "photos"}},
  {"name": "Sony", "match": {"kind": "volumeName", "name": "SONY"}, "subfolder": {"kind": "preset", "preset": "xavc"}}
]
JSON
python3 - "$mirvale" "$home" "$runs" <<'PY'
import os, statistics, subprocess, sys, time
mirvale, home, runs = sys.argv[1], sys.argv[2], int(sys.argv[3])
env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
env.update(HOME=home, XDG_CONFIG_HOME=home + "/.config", XDG_STATE_HOME=home + "/state", XDG_RUNTIME_DIR=home + "/run")
times = []
for i in range(runs):
    args = [mirvale, "--snapshot-settings", f"{home}/out.png"] + (["light"] if i % 2 else [])
    start = time.perf_counter()
    code = subprocess.run(args, env=env, stderr=subprocess.DEVNULL).returncode
    times.append(time.perf_counter() - start - 0.8)
    assert code == 0, f"exit {code}"
times.sort()
print(f"snapshot mode minus settle: median {statistics.median(times)*1e3:.0f} ms, "
      f"min {times[0]*1e3:.0f} ms, max {times[-1]*1e3:.0f} ms over {runs} runs")
PY
