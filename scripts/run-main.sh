#!/usr/bin/env bash
# Builds the programs and runs the main job on its built-in default.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --native-only
cmake --preset native >/dev/null
cmake --build --preset native --target Tallowen >/dev/null
./build/native/apps/Tallowen
