#!/usr/bin/env bash
# Installs what is missing, builds Arvex and runs it. Without arguments it
# opens the windows on the first sample study of the application folder;
# without a display it prints that study's estimate instead and says how to
# see the windows. Arguments go to arvex.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target arvex
if [ $# -eq 0 ]; then set -- --sample; fi
exec ./build/arvex "$@"
