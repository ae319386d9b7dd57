# The test run's stages, for scripts/test (sourced): each prints its wall time as it ends, and the
# run ends with a table of them. A stage slower than half again its usual time says so; that is
# no failure. A stage run in the background keeps its log and its status: the run fails with it.
#   stage NAME USUAL_SECONDS                   ends the stage before, begins this one
#   background_stage NAME USUAL_SECONDS CMD... runs CMD beside the stages that follow
#   wait_background_stages                     their logs, in order; fails if any failed
#   stages_done                                ends the last stage and prints the table

stages_names=()
stages_seconds=()
stages_usual=()
stages_current=""
stages_started=0
stages_background=()  # "pid|name|usual|log|time file", one a background stage
stages_run_started=$SECONDS

stages_minutes() { printf '%d min %02d s' $(($1 / 60)) $(($1 % 60)); }

stages_record() {  # stages_record NAME SECONDS USUAL
  stages_names+=("$1")
  stages_seconds+=("$2")
  stages_usual+=("$3")
  local note=""
  (($2 * 2 > $3 * 3)) && note=" (slower than its usual $(stages_minutes "$3"))"
  echo "-- $1: $(stages_minutes "$2")$note"
}

stages_end_current() {
  [[ -n "$stages_current" ]] || return 0
  stages_record "$stages_current" $((SECONDS - stages_started)) "$stages_current_usual"
  stages_current=""
}

stage() {
  stages_end_current
  stages_current="$1"
  stages_current_usual="$2"
  stages_started=$SECONDS
  echo "== $1"
}

background_stage() {
  local name="$1" usual="$2"
  shift 2
  stages_end_current
  local log time_file
  log="$(mktemp)"
  time_file="$(mktemp)"
  echo "== $name (in the background; its output follows the stages beside it)"
  ( started=$SECONDS; status=0; "$@" >"$log" 2>&1 || status=$?; echo "$((SECONDS - started)) $status" >"$time_file"; exit "$status" ) &
  stages_background+=("$!|$name|$usual|$log|$time_file")
}

wait_background_stages() {
  stages_end_current
  local failed=0 entry pid name usual log time_file seconds status
  for entry in "${stages_background[@]}"; do
    IFS='|' read -r pid name usual log time_file <<<"$entry"
    wait "$pid" || true
    echo "== $name"
    cat "$log"
    read -r seconds status <"$time_file" || { seconds=0; status=1; }
    stages_record "$name" "$seconds" "$usual"
    if ((status != 0)); then
      echo "FAILED: $name (exit status $status)" >&2
      failed=1
    fi
    rm -f "$log" "$time_file"
  done
  stages_background=()
  return "$failed"
}

stages_table() {
  echo
  echo "Stage times:"
  local i
  for i in "${!stages_names[@]}"; do
    printf '  %-92s %s\n' "${stages_names[$i]}" "$(stages_minutes "${stages_seconds[$i]}")"
  done
  printf '  %-92s %s\n' "the whole run" "$(stages_minutes $((SECONDS - stages_run_started)))"
}

stages_done() {
  stages_end_current
  trap - EXIT
  stages_table
}

# A process and everything it started, children first, so that no ctest or browser outlives it.
stages_kill_tree() {
  local child
  for child in $(pgrep -P "$1" 2>/dev/null); do stages_kill_tree "$child"; done
  kill "$1" 2>/dev/null || true
}

# A stage that fails ends the run: it says which, with the times so far; background stages are
# ended with it.
stages_on_exit() {
  local status=$?
  ((status == 0)) && return
  [[ -n "$stages_current" ]] && echo "FAILED: $stages_current" >&2
  stages_end_current
  local entry
  for entry in "${stages_background[@]}"; do stages_kill_tree "${entry%%|*}"; done
  stages_table
  exit "$status"
}
trap stages_on_exit EXIT
