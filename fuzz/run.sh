#!/usr/bin/env bash
# Runs libFuzzer targets of a sanitized build (the asan preset).
#
#   fuzz/run.sh [-t SECONDS] [-j JOBS] [TARGET...]     (default: every target, 20 s each)
#
# Each target starts from its seeds in fuzz/corpus/<target> and its saved findings in
# fuzz/regressions/<target>; what it learns goes to build-asan/fuzz/corpus/<target> (kept between runs,
# never committed), a crash or broken property to build-asan/fuzz/findings/<target>/. Stops at the
# first target with a finding and exits non-zero.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build-asan}"
seconds=20
jobs=1
while getopts "t:j:" option; do
  case "$option" in
    t) seconds="$OPTARG" ;;
    j) jobs="$OPTARG" ;;
    *) exit 2 ;;
  esac
done
shift $((OPTIND - 1))
targets=("$@")
if ((${#targets[@]} == 0)); then
  for binary in "$build"/bin/fuzz_*; do targets+=("${binary##*/fuzz_}"); done
fi

# Input size limits: enough for every structure the readers know (deep nesting is replayed from
# fuzz/regressions, whatever its size).
max_len_of() {
  case "$1" in
    commandline) echo 1024 ;;
    answerfile | formpost) echo 4096 ;;
    servicedescription) echo 16384 ;;
    workbook) echo 16384 ;; # the smallest real .xls of the seeds is 10.5 KiB
    *) echo 8192 ;;
  esac
}
dict_of() {
  case "$1" in
    commandline | answerfile) echo "$root/fuzz/$1.dict" ;;
    formpost) echo "" ;;
    *) echo "$root/fuzz/xml.dict" ;;
  esac
}

export ASAN_OPTIONS="${ASAN_OPTIONS:-halt_on_error=1:abort_on_error=1:detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}"
for target in "${targets[@]}"; do
  binary="$build/bin/fuzz_$target"
  [ -x "$binary" ] || { echo "no fuzz target $binary (build it: cmake --build --preset fuzz)" >&2; exit 2; }
  work="$build/fuzz/corpus/$target"
  findings="$build/fuzz/findings/$target"
  mkdir -p "$work" "$findings"
  seeds=("$root/fuzz/corpus/$target")
  [ -d "$root/fuzz/regressions/$target" ] && seeds+=("$root/fuzz/regressions/$target")
  dict="$(dict_of "$target")"
  options=(-max_total_time="$seconds" -max_len="$(max_len_of "$target")" -timeout=10 -rss_limit_mb=2048
           -artifact_prefix="$findings/" -print_final_stats=1)
  [ -n "$dict" ] && options+=(-dict="$dict")
  # Extra libFuzzer flags, later ones winning: FUZZ_OPTIONS="-timeout=60 -rss_limit_mb=4096" for long
  # runs on a busy machine, where a slice of wall time is not a slice of CPU.
  read -r -a extra <<< "${FUZZ_OPTIONS:-}"
  options+=("${extra[@]}")
  if ((jobs > 1)); then options+=(-fork="$jobs"); fi
  echo "== fuzz_$target: ${seconds}s" >&2
  ( cd "$findings" && "$binary" "${options[@]}" "$work" "${seeds[@]}" ) 2> "$build/fuzz/$target.log" || {
    tail -n 40 "$build/fuzz/$target.log" >&2
    # The cause again at the end (the sanitizer's or the property's own line, an escaped exception): a
    # deep stack pushes it out of the tail, and CI logs show their end.
    echo "cause:" >&2
    grep -m 5 -E "ERROR: |runtime error|fuzz property broken|terminate called|what\(\)" "$build/fuzz/$target.log" >&2 || true
    echo "fuzz_$target found a problem: $(ls "$findings")" >&2
    exit 1
  }
  # Single-process runs end with their statistics; forked ones with a progress line.
  { grep -E "stat::number_of_executed_units|stat::peak_rss_mb" "$build/fuzz/$target.log" ||
    grep -E "^#[0-9]+:? " "$build/fuzz/$target.log" | tail -n 1; } | tr '\n' ' ' >&2 || true
  echo >&2
done
