# Stages of a scripted run, sourced by the README's commands. Each stage runs only when the
# package groups it needs were installed (build/deps-status, written by install-deps.sh); the
# summary names every stage as passed, failed or skipped with its reason and wall time.
#
#   stage NAME "GROUP ..." COMMAND ARGS...   runs COMMAND as stage NAME
#   stage_summary                            prints the summary; returns 1 when a stage failed

stage_names=()
stage_results=()
stage_reasons=()
stage_seconds=()

# Why GROUP is not there, or nothing when it was installed.
group_missing_reason() {
  local line
  line=$(grep -s "^$1"$'\t' build/deps-status) || { echo "the $1 packages were not installed"; return; }
  [ "$(cut -f2 <<<"$line")" = ok ] && return
  echo "the $1 packages could not be installed ($(cut -f3 <<<"$line"))"
}

stage() {
  local name=$1 groups=$2 group reason=""
  shift 2
  for group in $groups; do
    reason=$(group_missing_reason "$group")
    [ -n "$reason" ] && break
  done
  stage_names+=("$name")
  if [ -n "$reason" ]; then
    echo "== $name: skipped, $reason"
    stage_results+=(SKIPPED) stage_reasons+=("$reason") stage_seconds+=(0)
    return 0
  fi
  echo "== $name"
  local start=$SECONDS
  if "$@"; then
    stage_results+=(passed) stage_reasons+=("")
  else
    stage_results+=(FAILED) stage_reasons+=("")
  fi
  stage_seconds+=($((SECONDS - start)))
}

# Skips NAME because an earlier stage it builds on failed or was skipped.
stage_skip() {
  echo "== $1: skipped, $2"
  stage_names+=("$1") stage_results+=(SKIPPED) stage_reasons+=("$2") stage_seconds+=(0)
}

# The result of the stage called NAME.
stage_result() {
  local i
  for i in "${!stage_names[@]}"; do
    [ "${stage_names[$i]}" = "$1" ] && { echo "${stage_results[$i]}"; return; }
  done
}

stage_summary() {
  local i passed=0 failed=0 skipped=0
  echo
  echo "== Summary"
  for i in "${!stage_names[@]}"; do
    case ${stage_results[$i]} in
      passed) passed=$((passed + 1)) ;;
      FAILED) failed=$((failed + 1)) ;;
      SKIPPED) skipped=$((skipped + 1)); continue ;;
    esac
    printf '%-22s %-8s %4d:%02d\n' "${stage_names[$i]}" "${stage_results[$i]}" \
      $((stage_seconds[i] / 60)) $((stage_seconds[i] % 60))
  done
  echo "stages: $passed passed, $failed failed, $skipped skipped"
  for i in "${!stage_names[@]}"; do
    [ "${stage_results[$i]}" = SKIPPED ] && printf 'SKIPPED %s: %s\n' "${stage_names[$i]}" "${stage_reasons[$i]}"
  done
  [ $failed -eq 0 ]
}
