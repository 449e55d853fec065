# Steps of a tool that never end silently: a step that fails says which step it was,
# what it ran and what that printed, and ends the tool with the step's exit code.
#
#   step "what it does" command [arguments...]      output kept, shown on failure
#   step_into FILE "what it does" command [...]      output kept in FILE
#   step_shown "what it does" command [arguments...]  output shown as it comes
#
# TOOL_NAME (default: the script's name) starts every message.

_step_tool=${TOOL_NAME:-$(basename "$0")}

_step_failed() {
  local what=$1 status=$2 log=$3
  shift 3
  {
    echo
    echo "$_step_tool: step failed: $what (exit code $status)"
    echo "$_step_tool: it ran: $(printf '%q ' "$@")"
    if [ -n "$log" ]; then
      if [ -s "$log" ]; then
        echo "$_step_tool: it printed (last 40 lines):"
        tail -n 40 "$log" | sed 's/^/    /'
      else
        echo "$_step_tool: it printed nothing"
      fi
    fi
  } >&2
  exit "$status"
}

step_into() {
  local log=$1 what=$2
  shift 2
  local status=0
  "$@" >"$log" 2>&1 || status=$?
  [ "$status" = 0 ] || _step_failed "$what" "$status" "$log" "$@"
}

step() {
  local log
  log=$(mktemp)
  step_into "$log" "$@"
  rm -f "$log"
}

step_shown() {
  local what=$1
  shift
  local status=0
  "$@" || status=$?
  [ "$status" = 0 ] || _step_failed "$what" "$status" "" "$@"
}

# Configures the host build. One configured with another compiler than the preset's
# (clang; g++ before) starts afresh: CMake fails once on such a switch before taking it.
configure_host_build() {
  local cache=build/host/CMakeCache.txt
  if [ -f "$cache" ] && ! grep -q '^CMAKE_CXX_COMPILER:[A-Z]*=.*clang' "$cache"; then rm -rf build/host; fi
  step "configure the host build" cmake --preset host
}
