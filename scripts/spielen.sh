#!/usr/bin/env bash
# Installs what is missing, builds, writes the demo game to ./demo-spiel and
# starts Paarlix in that folder.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
scripts/setup.sh
scripts/build.sh
build/demo/paarlix_demo demo-spiel
cd demo-spiel
exec ../build/paarlix
