#!/bin/bash
# Installs what is missing, builds the planner and opens it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKETHMOR_WERROR=ON >/dev/null
cmake --build build --target kethmor-planner
exec build/kethmor-planner "$@"
