#!/usr/bin/env bash
# Installs what is missing, builds Arvex and runs it. Arguments go to arvex.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target arvex
exec ./build/arvex "$@"
