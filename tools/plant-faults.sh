#!/usr/bin/env bash
# Plants the faults of tools/faults.txt one at a time in a scratch copy of the
# work tree (uncommitted files included) with a build folder of its own, and
# builds and tests each: caught when some test fails. The work tree stays as is.
# Usage: tools/plant-faults.sh [--check] [--exclude REGEX] [--label REGEX]
#                              [--timeout SECONDS] [--tree DIR] [ROW...]
#   --check    only check that each row's original text occurs once in its file
#   --exclude  the tests left out (ctest -E); by default the package checks
#   --label    only the tests of these labels (ctest -L)
#   --timeout  the seconds a test may run (ctest --timeout), 120 by default
#   --tree     the scratch copy, kept for the next run (else a temporary one)
#   ROW        the rows to plant, numbered from 1 (else all)
set -uo pipefail
source=$(cd "$(dirname "$0")/.." && pwd)
exclude='_valid$|versions_agree|debian' label='' timeout=120 tree='' temporary='' check=''
planted='' rows=()
while (($#)); do
    case $1 in
    --check) check=1 ;;
    --exclude | --label | --timeout | --tree) declare "${1#--}=$2" && shift ;;
    *) [[ $1 =~ ^[1-9][0-9]*$ ]] && rows+=("$1") || { sed -n '5,12s/^# //p' "$0" >&2 && exit 2; } ;;
    esac && shift
done
mapfile -t table < <(grep -v -e '^#' -e '^[[:space:]]*$' "$source/tools/faults.txt")
((${#rows[@]})) || mapfile -t rows < <(seq ${#table[@]})
row() { # row DIR N: row N's fields; false, the reason in $problem, if it is refused
    IFS='|' read -r file original replacement what extra <<<"${table[$2 - 1]:-}"
    problem="no such row, or not FILE|ORIGINAL|REPLACEMENT|WHAT with two different texts"
    [[ -n $original && -n $what && -z $extra && $original != "$replacement" ]] || return 1
    problem="no file $file" && [[ -f $1/$file ]] || return 1
    local n && n=$(grep -oF -- "$original" "$1/$file" | wc -l)
    problem="original text found $n times in $file" && ((n == 1))
}
[[ -z $check ]] || { status=0 && for n in "${rows[@]}"; do
    if row "$source" "$n"; then echo "$n ok: $file"; else echo "$n: $problem" && status=1; fi
done; exit $status; }
[[ -n $tree ]] || tree=$(mktemp -d) temporary=$tree
mkdir -p "$tree/src" && tree=$(cd "$tree" && pwd) && exec 9>"$tree/lock"
flock -n 9 || { echo "$tree is in use" >&2 && exit 1; }
# cp, not cp -p: a restored file must be newer than the objects built with its fault.
restore() { [[ -z $planted ]] || cp "$tree/backup" "$tree/src/$planted"; planted=''; }
trap 'restore; [[ -z $temporary ]] || rm -rf "$temporary"' EXIT
trap 'exit 130' INT TERM
# Only the files that differ are copied, so that the build stays incremental.
(cd "$source" && git ls-files -z -co --exclude-standard | while IFS= read -rd '' f; do
    [[ ! -f $f ]] || cmp -s "$f" "$tree/src/$f" || cp --parents --preserve=mode "$f" "$tree/src"
done)
cmake -S "$tree/src" -B "$tree/build" -G Ninja -DCMAKE_BUILD_TYPE=Release >"$tree/log" 2>&1 ||
    { cat "$tree/log" && exit 1; }
log=$tree/unplanted.log # then row-N.log, kept with --tree
run() { # builds and runs the tests; $result says how it went
    local failed=$tree/build/Testing/Temporary/LastTestsFailed.log start=$SECONDS status
    cmake --build "$tree/build" >"$log" 2>&1 || { result="does not build" && return; }
    local built=$((SECONDS - start)) && rm -f "$failed"
    ctest --test-dir "$tree/build" -j2 --timeout "$timeout" --output-on-failure --no-tests=error \
        ${exclude:+-E "$exclude"} ${label:+-L "$label"} >>"$log" 2>&1
    status=$? result=MISSED
    [[ -f $failed ]] && result="caught by $(cut -d: -f2- "$failed" | paste -sd' ')"
    ((status == 0)) || [[ -f $failed ]] || result="no tests ran (ctest status $status)"
    echo "  build $built s, tests $((SECONDS - start - built)) s: $result" >&2
}
echo "the tree as it is:" >&2 && run
[[ $result == MISSED ]] || { tail -30 "$log" && echo "fails unplanted: $result" >&2 && exit 1; }
lines=() caught=0 planted_rows=0
for n in "${rows[@]}"; do
    row "$tree/src" "$n" || { lines+=("$n | $file | $what | REFUSED: $problem") && continue; }
    echo "$n: $file: $what" >&2
    cp "$tree/src/$file" "$tree/backup" && planted=$file log=$tree/row-$n.log
    O=$original R=$replacement perl -pi -e 's/\Q$ENV{O}\E/$ENV{R}/' "$tree/src/$file" || exit 1
    run; restore
    lines+=("$n | $file | $what | $result") && planted_rows=$((planted_rows + 1))
    [[ $result != caught* ]] || caught=$((caught + 1))
done
printf '%s\n' "${lines[@]}"
echo "caught $caught of $planted_rows"
