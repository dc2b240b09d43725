#!/usr/bin/env bash
# The plug-in in a real host, headless: Ardour's VST scanner loads, identifies and closes it; then an
# Ardour session keeps the plug-in's chunk byte for byte across a fresh process.
#   bash Tools/ardour-check.sh <build folder>     (default build/default)
# With ARDOUR_CHECK_INSTALLED=1 the plug-in is not copied from the build folder but found where the
# host's own plug-in path finds an installed one.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/default}
so="$build/Source/Common/Plugin/TolvaPlugInEditor.so"
fixture_tool="$build/Source/Common/Plugin/tolva_chunk_fixture"
scanner=/usr/lib/ardour7/ardour-vst-scanner
if [ ! -x "$scanner" ] || ! command -v ardour7-lua >/dev/null; then
  echo "ardour check SKIPPED: Ardour 7 is not installed (Tools/setup.sh installs it)" >&2
  exit 0
fi
[ -n "${ARDOUR_CHECK_INSTALLED:-}" ] || [ -f "$so" ] || { echo "ardour check: $so is not built" >&2; exit 1; }

T=$(mktemp -d /tmp/tolva-ardour-XXXXXX)
trap 'rm -rf "$T"' EXIT
mkdir -p "$T/plugins" "$T/cache" "$T/config"
fail() { echo "ardour check FAILED: $*" >&2; exit 1; }
# A home, caches, settings and the lock folder of the check's own.
export HOME="$T" XDG_CACHE_HOME="$T/cache" XDG_CONFIG_HOME="$T/config" TOLVA_LOCK_DIR="$T"
if [ -n "${ARDOUR_CHECK_INSTALLED:-}" ]; then
  # An installed plug-in, found as the host's rescan finds it: in a folder of the host's own plug-in
  # path (its default unless LXVST_PATH is set).
  printf 'print("PATH=" .. ARDOUR.config():get_plugin_path_lxvst())\n' >"$T/path.lua"
  search=$(timeout 60 ardour7-lua "$T/path.lua" 2>/dev/null | sed -n 's/^PATH=//p')
  plugin=""
  IFS=: read -r -a folders <<<"$search"
  for folder in "${folders[@]}"; do
    if [ -f "$folder/$(basename "$so")" ]; then plugin="$folder/$(basename "$so")"; break; fi
  done
  [ -n "$plugin" ] || fail "the host's plug-in path ($search) holds no $(basename "$so")"
  echo "found by the host's plug-in path: $plugin"
else
  cp "$so" "$T/plugins/"
  plugin="$T/plugins/$(basename "$so")"
  export LXVST_PATH="$T/plugins"
fi
# The host ignores a cache entry written in the same second as the plug-in's modification time.
touch -d '-1 minute' "$plugin"

echo "-- scanner"
LD_LIBRARY_PATH=/usr/lib/ardour7 timeout 60 "$scanner" -f "$plugin" >"$T/scan.log" 2>&1 ||
  { cat "$T/scan.log"; fail "the scanner did not finish cleanly"; }
cache=$(find "$T/cache" -name '*.v2i' | head -n 1)
[ -n "$cache" ] || { cat "$T/scan.log"; fail "the scanner wrote no cache entry"; }
for attribute in 'id="1448365142"' 'name="Tolva Plug-In Editor"' 'creator="VELK"' 'category="Instrument"' \
                 'n_outputs="2"' 'n_midi_inputs="1"' 'is_instrument="1"' 'has_editor="1"'; do
  grep -q "$attribute" "$cache" || { cat "$cache"; fail "the cache entry lacks $attribute"; }
done
[ ! -e "$T/com.velk.TolvaPlugInEditor.lock" ] || fail "the lock file outlived the scan"
grep -o '<VST2Info[^>]*>' "$cache"

echo "-- session"
export SESSION_DIR="$T/session"
timeout 120 ardour7-lua Tools/ardour/create.lua >"$T/create.log" 2>&1 || { cat "$T/create.log"; fail "no session"; }
xml="$SESSION_DIR/check.ardour"
grep -q '<lxvst' "$xml" || { cat "$T/create.log"; fail "the session holds no instance of the plug-in"; }
chunk_of() { perl -ne 'print $1 if m#<chunk[^>]*>([^<]*)</chunk>#' "$1"; }
# No instrument answered and nothing was handed over: the empty state, 4 zero bytes.
[ "$(chunk_of "$xml")" = "AAAAAA==" ] || { grep -o '<chunk[^>]*>[^<]\{0,80\}' "$xml"; fail "the new session's chunk is not the empty state"; }

# The project's state replaced by a known bank chunk, then reloaded and saved by fresh processes.
"$fixture_tool" "$T/fixture.bin"
base64 -w0 "$T/fixture.bin" >"$T/fixture.b64"
FIXTURE="$T/fixture.b64" perl -0pi -e \
  'BEGIN { open my $f, "<", $ENV{FIXTURE} or die; $b = <$f>; chomp $b } s#(<chunk[^>]*>)[^<]*(</chunk>)#$1$b$2#' "$xml"
for pass in 1 2; do
  timeout 120 ardour7-lua Tools/ardour/reload.lua >"$T/reload.log" 2>&1 || { cat "$T/reload.log"; fail "reload $pass"; }
  chunk_of "$xml" | base64 -d >"$T/saved.bin"
  cmp "$T/fixture.bin" "$T/saved.bin" || fail "the chunk changed on reload $pass"
done
# With another instance holding the lock the host keeps the project's state as it was.
flock "$T/com.velk.TolvaPlugInEditor.lock" -c "timeout 120 ardour7-lua Tools/ardour/reload.lua" >"$T/locked.log" 2>&1 || true
chunk_of "$xml" | base64 -d >"$T/saved.bin"
cmp "$T/fixture.bin" "$T/saved.bin" || fail "the chunk changed while another instance held the lock"
echo "session round trip: $(stat -c %s "$T/fixture.bin") bytes kept byte for byte"
