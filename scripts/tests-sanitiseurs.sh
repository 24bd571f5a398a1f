#!/usr/bin/env bash
# Builds with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
"$racine/scripts/installer.sh"
"$racine/scripts/construire.sh" "$racine/build-asan" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZUTA_SANITIZE=ON
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$racine/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd "$racine/build-asan"
ctest --output-on-failure --parallel "$(nproc)"
