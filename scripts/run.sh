#!/usr/bin/env bash
# Installs what building and running need when missing, builds and starts the program.
# Arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset default >/dev/null
# Only the program and what it links: the tests are for scripts/test.sh.
cmake --build --preset default --target Chronalys_CD4060
exec build/app/Chronalys_CD4060 "$@"
