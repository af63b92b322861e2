#!/usr/bin/env bash
# Every command and option that mirvalectl's help lists has its own entry in the manual page.
# usage: man_page_covers_help.sh MIRVALECTL MAN_PAGE
set -euo pipefail
ctl="$1"
# The entries' headings (the line after each .TP), with roff's escaped hyphens and font
# changes taken out.
headings="$(sed -e 's/\\-/-/g' -e 's/\\f[BIRP]//g' "$2" | awk 'tagged { print; tagged = 0 } /^\.TP/ { tagged = 1 }')"
help="$("$ctl" --help)"
# Command lines are indented by two spaces; "pause | resume" names two.
commands="$(awk '/^  [a-z]/ { print $1; for (i = 2; i < NF; i++) if ($i == "|") print $(i + 1) }' <<<"$help")"
[ -n "$commands" ] || { echo "no commands found in mirvalectl --help" >&2; exit 1; }
missing=0
for command in $commands; do
  help+=$'\n'"$("$ctl" "$command" --help)"
  grep -Eq "^\.[BIR]+ \"?$command( |\"|$)" <<<"$headings" || { echo "no entry for the command $command" >&2; missing=1; }
done
for option in $(grep -Eo -- '(^|[^a-z-])--?[a-z][a-z-]*' <<<"$help" | grep -Eo -- '--?[a-z-]+' | sort -u); do
  grep -Eq -- "(^\.[BIR]+ | )\"?$option( |\"|,|$)" <<<"$headings" || { echo "no entry for the option $option" >&2; missing=1; }
done
exit "$missing"
