#!/bin/sh
# A fuzz target's fixed-length regression run: its committed seeds, then a fixed number
# of new inputs from a fixed seed, in a scratch corpus so that the committed one stays
# as it is. A broken property ends the run with a failure and leaves the input that
# broke it beside the build (crash-*).
#
#   regression.sh TARGET SEED_FOLDER RUNS
set -eu
target=$1 seeds=$2 runs=$3
[ -d "$seeds" ] && [ -n "$(ls -A "$seeds")" ] || { echo "regression.sh: no seeds in $seeds" >&2; exit 1; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"$target" -seed=1 -runs="$runs" -max_len=8192 -print_final_stats=1 "$scratch" "$seeds"
