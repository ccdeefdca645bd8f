#!/usr/bin/env bash
# Builds VENTRO and starts it on its default data folder.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)" --target ventro
exec build/bin/ventro
