#!/usr/bin/env bash
# Fails when the widget-free library uses a symbol that only a GUI library
# or the screens' own library defines. The compiler alone would not notice:
# Qt's headers all sit below one include folder, and a static library is
# never linked by itself.
#   check-widget-free.sh CORE_LIBRARY FORBIDDEN_LIBRARY...
set -euo pipefail
core=$1
shift

# Symbols that a library really provides: weak ones (inline functions and
# templates, emitted wherever they are used) belong to nobody. Shared
# libraries name their symbols with a version ("@@Qt_6"), objects do not.
provided() {
  case $1 in
  *.a) nm --defined-only "$1" 2>/dev/null ;;
  *) nm -D --defined-only "$1" ;;
  esac | awk 'NF >= 3 && $(NF-1) ~ /^[TDBRGS]$/ { sub(/@.*/, "", $NF); print $NF }'
}

forbidden=$(mktemp)
trap 'rm -f "$forbidden"' EXIT
for library in "$@"; do provided "$library"; done | sort -u >"$forbidden"

# "member.o: U symbol" for every symbol the core's objects need from elsewhere.
used=$(nm -A -u "$core" | awk '{ sub(/:$/, "", $1); sub(/^.*\.a:/, "", $1); print $1, $NF }' | sort -k2,2)
offending=$(join -1 2 -2 1 <(echo "$used") "$forbidden" | awk '{ print $2 ": " $1 }')

if [ -n "$offending" ]; then
  echo "The widget-free library $(basename "$core") uses GUI symbols:" >&2
  echo "$offending" | c++filt >&2
  exit 1
fi
echo "$(basename "$core") uses no symbol of: $*"
