#!/bin/sh
# Times `mirvalectl validate` (one process, start-up included) on a rules file of COUNT
# copies of the catch-all rule, and reports its peak memory. Every copy repeats the first
# one, the worst case for the check of rules that do the same thing.
#   bench/ctl_validate_identical.sh [path/to/mirvalectl] [COUNT]
# Target: 10,000 copies in under 1 s and under 64 MB.
set -eu
ctl=${1:-build/src/mirvalectl}
count=${2:-10000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 - "$count" "$work/rules.json" <<'PY'
import json, sys
rule = {"id": "6F0E3A52-1C4B-4E43-9C3A-2B1F7D0C9E11", "name": "Any camera card", "enabled": True,
        "match": {"kind": "anyCard"}, "subfolder": {"kind": "smart"},
        "openNewestFolder": True, "selectNewestFile": False, "bringToFront": False, "extras": {}}
json.dump([rule] * int(sys.argv[1]), open(sys.argv[2], "w"), indent=2)
PY
status=0
/usr/bin/time -v "$ctl" validate "$work/rules.json" >"$work/out" 2>"$work/time" || status=$?
echo "exit status $status (1 expected: the copies share one id), $(wc -l <"$work/out") lines, file $(wc -c <"$work/rules.json") bytes"
sed -n -e 's/^\tElapsed (wall clock) time.*: /wall /p' -e 's/^\tMaximum resident set size (kbytes): /peak RSS kB /p' \
    -e 's/^\tUser time (seconds): /user s /p' -e 's/^\tSystem time (seconds): /system s /p' "$work/time"
