#!/usr/bin/env bash
# Every library sees src/ as its include root, so only this check keeps a lower layer from
# including a higher one's header. Layers, lowest first; the Linux implementations are
# included only by themselves and by the executables (src/main).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../src"

layer_of() { # the layer of a path under src/, as a number; the Linux code and main apart
  case "$1" in
    support/*) echo 0 ;;
    platform/linux/gui/*) echo linux_gui ;;
    platform/linux/*) echo linux ;;
    platform/*) echo 1 ;;
    rules/*) echo 2 ;;
    detection/*) echo 3 ;;
    targets/*) echo 4 ;;
    filemanager/*) echo 5 ;;
    app/*) echo 6 ;;
    ui/model/*) echo 7 ;;
    ui/*) echo 8 ;;
    main/*) echo main ;;
    *) echo unknown ;;
  esac
}

status=0
while IFS= read -r -d '' file; do
  from=$(layer_of "$file")
  while IFS= read -r included; do
    to=$(layer_of "$included")
    allowed=yes
    case "$from:$to" in
      main:*) ;;
      *:unknown) allowed=no ;;
      linux_gui:linux_gui | linux_gui:linux) ;;
      linux:linux) ;;
      *:linux | *:linux_gui) allowed=no ;;
      linux:* | linux_gui:*) [ "$to" -le 5 ] || allowed=no ;;
      *) [ "$to" -le "$from" ] || allowed=no ;;
    esac
    if [ "$allowed" = no ]; then
      echo "$file includes $included, a higher layer's header" >&2
      status=1
    fi
  done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
done < <(find . -name '*.h' -o -name '*.cpp' | sed 's|^\./||' | tr '\n' '\0')
[ "$status" -eq 0 ] && echo "Layers: no file includes a higher layer's header."
exit "$status"
