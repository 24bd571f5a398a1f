#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a while:
#   fuzz.sh [SECONDS per target, default 30] [TARGET...]
# or for a number of executions, e.g. EXECUTIONS=10000000 fuzz.sh 0 fuzz_base
# New inputs found go to a scratch copy of the seed corpus, never into tests/.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
secondes=${1:-30}
shift || true
"$racine/scripts/installer.sh" clang libclang-rt-14-dev
CC=clang CXX=clang++ "$racine/scripts/construire.sh" "$racine/build-fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DZUTA_FUZZ=ON -DZUTA_TESTS=OFF
cibles=("$@")
if ((${#cibles[@]} == 0)); then
  mapfile -t cibles < <(find "$racine/build-fuzz/tests/fuzz" -maxdepth 1 -type f -executable -name 'fuzz_*' -printf '%f\n' | sort)
fi
export ASAN_OPTIONS=detect_leaks=1
duree=(-max_total_time="$secondes")
delai=10
if [[ -n "${EXECUTIONS:-}" ]]; then
  duree=(-runs="$EXECUTIONS")
  # A run of an hour shares the machine with other work: an input held back
  # by the scheduler must not pass for a hang (every input takes well under
  # a second alone).
  delai=60
  # Qt is built without frame pointers: the fast unwind of every allocation
  # made inside it gives garbage stacks that fill ASan's stack store, and a
  # long run slows down and grows without end. Crash stacks are still whole;
  # rerun a kept input alone to see where its memory was allocated.
  export ASAN_OPTIONS=detect_leaks=1:malloc_context_size=0
fi
export LSAN_OPTIONS=suppressions=$racine/tests/lsan.supp:print_suppressions=0
for cible in "${cibles[@]}"; do
  corpus=$(mktemp -d)
  cp -r "$racine/tests/fuzz/corpus/${cible#fuzz_}/." "$corpus/" 2>/dev/null || true
  echo "== $cible (${duree[0]#-})"
  journal=$(mktemp)
  debut=$SECONDS
  if ! "$racine/build-fuzz/tests/fuzz/$cible" "${duree[@]}" -timeout="$delai" -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$corpus/" "$corpus" >"$journal" 2>&1; then
    tail -n 60 "$journal"
    echo "$cible: FAILED (inputs kept in $corpus)"
    exit 1
  fi
  grep -E '^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)' "$journal"
  echo "temps: $((SECONDS - debut)) s, corpus: $(find "$corpus" -type f | wc -l) entrées, $(du -sk "$corpus" | cut -f1) Kio"
  rm -rf "$corpus" "$journal"
done
