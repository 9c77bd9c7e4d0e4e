#!/usr/bin/env bash
# Builds the fuzz targets (preset fuzz: clang, libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer),
# writes their seed corpora from the project's fixtures and runs each target for SECONDS (default
# 10). Exits non-zero when a target reports a crash, a leak, a sanitizer error or a timeout; the
# input that did it is kept in build/fuzz/findings/<target>/.
#
#   bash scripts/fuzz.sh [SECONDS] [TARGET ...]
# With KELLAVOR_FUZZ_RUNS=N a target stops after N inputs as well, whichever comes first (the long
# run: KELLAVOR_FUZZ_RUNS=1000000 KELLAVOR_FUZZ_TIMEOUT=60 nice -n 19 bash scripts/fuzz.sh 3600 TARGET).
# KELLAVOR_FUZZ_TIMEOUT (default 10) is the wall time in seconds after which one input counts as a
# hang; a process at the lowest priority on a busy machine can wait longer than 10 s for the CPU.
# Each target's corpus grows in build/fuzz/corpus/<target>/ from run to run; the last line of each
# run's log (build/fuzz/logs/<target>.log) gives the inputs tried.
set -uo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-10}
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(ini_file config_ini theme_ini mohuyin_ini custom_ini user_file system_dictionaries key_script
  write_request exchange_file theme_package site_request)

cmake --preset fuzz >/dev/null || exit 1
cmake --build --preset fuzz --target kellavor_fuzz || exit 1

build=build/fuzz
seeds=$build/seeds
rm -rf "$seeds"
# The scratch files of the targets: in memory where the machine has a tmpfs for it (every INI
# write is flushed to the disk, which would slow the targets down a hundredfold), else in the
# build tree.
scratch_root=/dev/shm
[ -d "$scratch_root" ] && [ -w "$scratch_root" ] || scratch_root=$PWD/$build
export TMPDIR=$scratch_root/kellavor-fuzz-$$
rm -rf "$TMPDIR"
mkdir -p "$TMPDIR" "$build/logs"
"$build/fuzz/make_seeds" "$PWD" "$seeds" || exit 1

failed=()
for target in "${targets[@]}"; do
  corpus=$build/corpus/$target
  findings=$build/findings/$target
  mkdir -p "$corpus" "$findings"
  log=$build/logs/$target.log
  # Text files a user keeps and requests are a few kilobytes; dictionaries and theme packages larger.
  max_len=8192
  case $target in system_dictionaries | user_file | theme_package) max_len=65536 ;; esac
  # -rss_limit_mb: the targets map dictionaries and shared blocks; 2 GB is far above their need.
  runs=()
  [ -n "${KELLAVOR_FUZZ_RUNS:-}" ] && runs=(-runs="$KELLAVOR_FUZZ_RUNS")
  if "$build/fuzz/${target}_fuzz" "$corpus" "$seeds/$target" -max_total_time="$seconds" "${runs[@]}" -timeout="${KELLAVOR_FUZZ_TIMEOUT:-10}" \
      -rss_limit_mb=2048 -max_len="$max_len" -artifact_prefix="$findings/" -print_final_stats=1 >"$log" 2>&1; then
    executed=$(grep -m1 -oE 'stat::number_of_executed_units: *[0-9]+' "$log" | grep -oE '[0-9]+$')
    took=$(grep -m1 -oE 'Done [0-9]+ runs in [0-9]+ second' "$log" | grep -oE '[0-9]+ second' | grep -oE '[0-9]+')
    printf '%-22s passed  %8s inputs in %ss\n' "$target" "${executed:-?}" "${took:-$seconds}"
  else
    printf '%-22s FAILED  (see %s, input in %s)\n' "$target" "$log" "$findings"
    grep -m3 -E 'ERROR|SUMMARY|runtime error' "$log" | sed 's/^/    /'
    failed+=("$target")
  fi
done
rm -rf "$TMPDIR"
# The named locks the targets' dictionaries leave behind, one set per target process.
rm -f /dev/shm/*KellavorFuzz_*

[ ${#failed[@]} -eq 0 ] || { echo "fuzz: ${#failed[@]} target(s) failed: ${failed[*]}"; exit 1; }
