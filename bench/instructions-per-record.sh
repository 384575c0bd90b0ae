#!/bin/sh
# Instructions per record of the classic, standard ADIF 3 and ADX forms, as
# callgrind counts them: `-o -` of a generated log, less the same run on an
# empty log (the start-up), divided by the records. Exact and independent of
# the machine's load, unlike a timing.
#
#   bench/instructions-per-record.sh [BUILD_DIR] [RECORDS]
#
# BUILD_DIR defaults to build/default (the optimised build that ships),
# RECORDS to 100000. Needs valgrind.
set -eu

build=${1:-build/default}
records=${2:-100000}
program=$build/src/app/kestrel-to-adif
generator=$build/examples/generate-log

for tool in "$program" "$generator"; do
    if [ ! -x "$tool" ]; then
        echo "$0: $tool not found; build with 'cmake --build --preset default' first" >&2
        exit 2
    fi
done
command -v valgrind >/dev/null || { echo "$0: valgrind is needed" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$generator" "$records" 1 "$work/log.log" >/dev/null
: >"$work/empty.log"

# The instructions one run of the program executes.
instructions() {
    valgrind --tool=callgrind --callgrind-out-file="$work/callgrind.out" \
        --log-file="$work/valgrind.txt" "$program" "$@" -o - >/dev/null 2>/dev/null || true
    sed -n 's/.*Collected : *\([0-9]*\).*/\1/p' "$work/valgrind.txt"
}

printf '%-10s %s\n' form "instructions per record"
for form in classic standard adx; do
    case $form in
    classic) option= ;;
    standard) option=--adif3 ;;
    adx) option=--adx ;;
    esac
    # shellcheck disable=SC2086 # the option is one word or none
    full=$(instructions $option "$work/log.log")
    # shellcheck disable=SC2086
    empty=$(instructions $option "$work/empty.log")
    printf '%-10s %s\n' "$form" "$(( (full - empty + records / 2) / records ))"
done
