#!/bin/bash
# run_fuzzer.sh <fuzz target> <seed corpus> <runs>: fuzzes from a copy of the seed corpus for
# that many inputs, with a fixed random seed, so that every run of the same build tries the
# same inputs: a test that passed once passes again, wherever it runs. (A run cut short by the
# time limit tries a prefix of them.) A crash fails the test and leaves its input beside the
# scratch corpus. To hunt for new faults, run the target by hand without -runs and -seed.
set -u
target=$1 seeds=$2 runs=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/corpus" "$scratch/crashes"
"$target" -seed=1 -runs="$runs" -max_total_time=100 -print_final_stats=1 \
  -artifact_prefix="$scratch/crashes/" "$scratch/corpus" "$seeds" 2>&1 | tail -n 25
status=${PIPESTATUS[0]}
if [ "$status" != 0 ]; then
  kept=$(mktemp -d /tmp/fuzz-crash-XXXXXX)
  cp -r "$scratch/crashes/." "$kept/"
  echo "the fuzzer failed (status $status); inputs kept in $kept"
fi
exit "$status"
