#!/usr/bin/env bash
# Configures and builds everything (program, demo writer, tests) in ./build.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
cmake -S . -B build
cmake --build build -j"$(nproc)"
