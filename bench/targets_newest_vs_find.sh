#!/bin/sh
# Times NewestFile.find / NewestFolder.find (one process each, start-up included) against
# `find DIR -maxdepth 1 -printf '%B@ %f\n'` on the same 10,000-entry directories.
#   bench/targets_newest_vs_find.sh [path/to/targets_newest_bench]
set -eu
bench=${1:-build/bench/targets_newest_bench}
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
"$bench" --make-tree "$tree"
hyperfine -N --warmup 5 --runs 40 --export-json "$tree/result.json" \
    -n NewestFile.find "$bench --newest-file $tree/files" \
    -n find-files "find $tree/files -maxdepth 1 -printf '%B@ %f\n'" \
    -n NewestFolder.find "$bench --newest-folder $tree/folders" \
    -n find-folders "find $tree/folders -maxdepth 1 -printf '%B@ %f\n'"
python3 - "$tree/result.json" <<'PY'
import json, sys
r = {x["command"]: x for x in json.load(open(sys.argv[1]))["results"]}
for ours, theirs in (("NewestFile.find", "find-files"), ("NewestFolder.find", "find-folders")):
    a, b = r[ours], r[theirs]
    cpu = lambda x: (x["user"] + x["system"]) * 1e3
    print(f"{ours:18} wall {a['mean']*1e3:7.2f} ms vs find {b['mean']*1e3:7.2f} ms: ratio {a['mean']/b['mean']:.2f}; "
          f"cpu {cpu(a):6.2f} ms vs {cpu(b):6.2f} ms: ratio {cpu(a)/cpu(b):.2f}")
PY
