#!/bin/bash
# run_fuzzer.sh <fuzz target> <seed corpus> <seconds>: fuzzes from a copy of the seed corpus for
# that long; a crash fails the test and leaves its input beside the scratch corpus.
set -u
target=$1 seeds=$2 seconds=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/corpus" "$scratch/crashes"
"$target" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$scratch/crashes/" \
  "$scratch/corpus" "$seeds" 2>&1 | tail -n 25
status=${PIPESTATUS[0]}
if [ "$status" != 0 ]; then
  kept=$(mktemp -d /tmp/fuzz-crash-XXXXXX)
  cp -r "$scratch/crashes/." "$kept/"
  echo "the fuzzer failed (status $status); inputs kept in $kept"
fi
exit "$status"
