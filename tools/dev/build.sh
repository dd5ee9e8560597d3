#!/usr/bin/env bash
# Configures and builds Lalora into build/ (the program folder is build/program/).
set -euo pipefail
cd "$(dirname "$0")/../.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DLALORA_WERROR=ON
cmake --build build
