#!/usr/bin/env bash
# Sets up, builds the product, and opens the standalone program "Tolva Editor" with the built
# plug-in. Needs a desktop (an X display); without one the program says why and fails.
# Extra arguments go to the program; TOLVA_AUDIO=fake plays to a fake device instead of ALSA.
set -euo pipefail
cd "$(dirname "$0")/.."
bash Tools/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)" --target tolva-editor TolvaPlugInEditor
program=build/default/Source/Host/tolva-editor
plugin=build/default/Source/Common/Plugin/TolvaPlugInEditor.so
if [ ! -x "$program" ] || [ ! -f "$plugin" ]; then
  echo "run: the build did not produce $program and $plugin" >&2
  exit 1
fi
export TOLVA_PLUGIN="${TOLVA_PLUGIN:-$PWD/$plugin}"
exec "$program" "$@"
