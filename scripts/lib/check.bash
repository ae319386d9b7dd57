# Sourced by the check-* scripts: one line per property, ok or FAIL, and the count of failures.
failures=0
check() {  # check WHAT COMMAND... : the command's status says whether the program has it
  local what="$1"
  shift
  if "$@"; then
    echo "ok   $what"
  else
    echo "FAIL $what"
    failures=$((failures + 1))
  fi
}
