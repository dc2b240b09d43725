#!/usr/bin/env bash
# Sets up, builds the product, and runs its main job as far as it exists.
set -euo pipefail
cd "$(dirname "$0")/.."
bash Tools/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)"
if [ -x build/default/Source/Host/tolva-editor ]; then
  exec build/default/Source/Host/tolva-editor "$@"
fi
echo "Built the subsystem libraries in build/default/Source."
echo "The standalone program and the plug-in are not built yet: see README.md."
