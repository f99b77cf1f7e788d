#!/usr/bin/env bash
# usage: fuzz/run.sh SECONDS [TARGET...]
#
# Builds the fuzz targets in a clang tree and runs each for SECONDS, one after
# another, one job each (the default is every fuzz/*_fuzz.cpp; a TARGET is the
# name without "_fuzz.cpp", such as "registry"). New corpus entries go to a
# scratch directory, never into fuzz/corpus/; crashing inputs are kept beside
# them and named at the end. Exits non-zero when any target found something.
#
# KELVAD_FUZZ_BUILD (default build-fuzz) is the build tree, KELVAD_FUZZ_SCRATCH
# (default $KELVAD_FUZZ_BUILD/scratch) the scratch directory. Arguments after
# "--" go to every fuzzer, e.g. "-- -max_len=16384" (after the script's own
# length for a target, so they win).
set -euo pipefail
cd "$(dirname "$0")/.."

if [ $# -lt 1 ] || ! [[ $1 =~ ^[0-9]+$ ]]; then
  sed -n '2,12s/^# \{0,1\}//p' "$0" >&2
  exit 2
fi
seconds=$1
shift
targets=()
extra=()
while [ $# -gt 0 ]; do
  if [ "$1" = "--" ]; then
    shift
    extra=("$@")
    break
  fi
  targets+=("$1")
  shift
done
if [ ${#targets[@]} -eq 0 ]; then
  for source in fuzz/*_fuzz.cpp; do
    name=$(basename "$source" _fuzz.cpp)
    targets+=("$name")
  done
fi
for t in "${targets[@]}"; do
  [ -f "fuzz/${t}_fuzz.cpp" ] || { echo "fuzz/run.sh: no target fuzz/${t}_fuzz.cpp" >&2; exit 2; }
done

build=${KELVAD_FUZZ_BUILD:-build-fuzz}
scratch=${KELVAD_FUZZ_SCRATCH:-$build/scratch}

tools/install-deps.sh clang libclang-rt-14-dev
if [ ! -f "$build/CMakeCache.txt" ]; then
  CC=clang CXX=clang++ cmake -S . -B "$build" -DKELVAD_FUZZ=ON -DKELVAD_TESTS=OFF -DKELVAD_WIZARD=OFF
fi
cmake --build "$build" -j2 --target "${targets[@]/%/_fuzz}"

# Some readers are costly only on long inputs (a registry key 64,000 levels
# deep takes 128 KB), which libFuzzer's default length never reaches.
max_len_of() {
  case $1 in
    registry) echo 262144 ;;
  esac
}

failed=()
for t in "${targets[@]}"; do
  length=()
  [ -n "$(max_len_of "$t")" ] && length=(-max_len="$(max_len_of "$t")")
  mkdir -p "$scratch/$t" "$scratch/$t-crashes"
  seeds=()
  [ -d "fuzz/corpus/$t" ] && seeds=("fuzz/corpus/$t")
  echo "== $t: ${seconds}s"
  # The first directory receives the new entries; the seeds are only read.
  if "$build/fuzz/${t}_fuzz" -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix="$scratch/$t-crashes/" ${length[@]+"${length[@]}"} ${extra[@]+"${extra[@]}"} \
      "$scratch/$t" ${seeds[@]+"${seeds[@]}"} \
      2>"$scratch/$t.log"; then
    grep -E '^(Done|stat::number_of_executed_units|stat::new_units_added)' "$scratch/$t.log" || true
  else
    failed+=("$t")
    tail -n 40 "$scratch/$t.log"
    echo "== $t found a fault; the input is in $scratch/$t-crashes/, the log in $scratch/$t.log"
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz/run.sh: faults found by: ${failed[*]}" >&2
  exit 1
fi
