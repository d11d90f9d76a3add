#!/usr/bin/env bash
# twopoint-calc --help and its man page list the same operations, and each
# operation's entry in the man page names every option its own --help lists.
#   man_page_agrees.sh TWOPOINT_CALC MAN_PAGE
set -euo pipefail
calc=$1
page=$2
from_help=$("$calc" --help | awk '/^Operations:/ {list = 1; next} list && /^  [a-z]/ {print $1}' | sort)
# The operations are the ".B name" lines right after ".TP" in the OPERATIONS section.
entries=$(awk '/^\.SH / {section = $2} section == "OPERATIONS" && previous == ".TP" && /^\.B / {print $2}
               {previous = $0}' "$page")
from_page=$(sort <<<"$entries")
if [ "$from_help" != "$from_page" ]; then
  echo "The operations of --help and of the man page differ (< help, > man page):"
  diff <(echo "$from_help") <(echo "$from_page") || true
  exit 1
fi
status=0
# geoid has no options of its own: its --help lists the common ones.
common=$("$calc" geoid --help | sed -n 's/^  --\([a-z-]*\).*/\1/p')
for op in $from_help; do
  entry=$(awk -v op="$op" '/^\.SH / {section = $2}
    section == "OPERATIONS" && previous == ".TP" && /^\.B / {inside = ($2 == op)}
    inside {print} {previous = $0}' "$page")
  for option in $("$calc" "$op" --help | sed -n 's/^  --\([a-z-]*\).*/\1/p'); do
    # The options every operation has are described once, under OPTIONS.
    grep -qx -- "$option" <<<"$common" && continue
    if ! grep -q -- "\\\\-\\\\-$option\\b" <<<"$entry"; then
      echo "The man page's entry for $op does not name --$option"
      status=1
    fi
  done
done
exit $status
