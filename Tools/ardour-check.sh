#!/usr/bin/env bash
# The plug-in in a real host, headless, in two runs with a host environment of their own each:
#   1. the plug-in as built: Ardour's VST scanner loads, identifies and closes it; an Ardour session
#      keeps the plug-in's chunk byte for byte across fresh processes (no instrument answers).
#   2. the test build of the plug-in, whose MIDI reaches the simulated instrument: the scanner again;
#      a new session saved with the instrument connected holds the instrument's data, and a fresh
#      process that reopens it sends that state to the instrument and saves the same bytes back.
# Neither run leaves a file in the folder the host runs in.
#   bash Tools/ardour-check.sh <build folder>     (default build/default)
# With ARDOUR_CHECK_INSTALLED=1 only the first run is made, and the plug-in is not copied from the
# build folder but found where the host's own plug-in path finds an installed one.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD
build=$(realpath -m "${1:-build/default}")
so="$build/Source/Common/Plugin/TolvaPlugInEditor.so"
sim_so="$build/Tests/TolvaSimPlugin.so"
fixture_tool="$build/Source/Common/Plugin/tolva_chunk_fixture"
scanner=/usr/lib/ardour7/ardour-vst-scanner
if [ ! -x "$scanner" ] || ! command -v ardour7-lua >/dev/null; then
  echo "ardour check SKIPPED: Ardour 7 is not installed (Tools/setup.sh installs it)" >&2
  exit 0
fi
installed=${ARDOUR_CHECK_INSTALLED:-}
needed=("$fixture_tool")
[ -n "$installed" ] || needed+=("$so" "$sim_so")
for built in "${needed[@]}"; do
  [ -f "$built" ] || { echo "ardour check: $built is not built" >&2; exit 1; }
done

root=$(mktemp -d /tmp/tolva-ardour-XXXXXX)
trap 'rm -rf "$root"' EXIT
fail() { echo "ardour check FAILED: $*" >&2; exit 1; }
chunk_of() { perl -ne 'print $1 if m#<chunk[^>]*>([^<]*)</chunk>#' "$1"; }

# A host environment of its own for one plug-in file, in $T: home, caches, settings, the lock folder,
# a plug-in folder holding only that file ($plugin), and the folder the host runs in ($T/cwd).
# Without a file, the installed plug-in that the host's plug-in path finds (its default unless
# LXVST_PATH is set).
host_for() {
  T="$root/$1"
  mkdir -p "$T/plugins" "$T/cache" "$T/config" "$T/cwd"
  export HOME="$T" XDG_CACHE_HOME="$T/cache" XDG_CONFIG_HOME="$T/config" TOLVA_LOCK_DIR="$T" \
         SESSION_DIR="$T/session"
  if [ -n "${2:-}" ]; then
    cp "$2" "$T/plugins/"
    plugin="$T/plugins/$(basename "$2")"
    export LXVST_PATH="$T/plugins"
  else
    printf 'print("PATH=" .. ARDOUR.config():get_plugin_path_lxvst())\n' >"$T/path.lua"
    local search folder
    search=$(timeout 60 ardour7-lua "$T/path.lua" 2>/dev/null | sed -n 's/^PATH=//p')
    plugin=""
    IFS=: read -r -a folders <<<"$search"
    for folder in "${folders[@]}"; do
      if [ -f "$folder/$(basename "$so")" ]; then plugin="$folder/$(basename "$so")"; break; fi
    done
    [ -n "$plugin" ] || fail "the host's plug-in path ($search) holds no $(basename "$so")"
    echo "found by the host's plug-in path: $plugin"
  fi
  # The host ignores a cache entry written in the same second as the plug-in's modification time.
  touch -d '-1 minute' "$plugin"
  xml="$T/session/check.ardour"
  cd "$T/cwd"
}
host_done() {
  cd "$repo"
  [ -z "$(ls -A "$T/cwd")" ] || { ls -la "$T/cwd"; fail "the host's folder holds files of the plug-in's"; }
}
lua() { timeout 120 ardour7-lua "$repo/Tools/ardour/$1" >"$T/$2.log" 2>&1 || { cat "$T/$2.log"; fail "$2"; }; }

scan() {
  echo "-- scanner"
  LD_LIBRARY_PATH=/usr/lib/ardour7 timeout 60 "$scanner" -f "$plugin" >"$T/scan.log" 2>&1 ||
    { cat "$T/scan.log"; fail "the scanner did not finish cleanly"; }
  local cache
  cache=$(find "$T/cache" -name '*.v2i' | head -n 1)
  [ -n "$cache" ] || { cat "$T/scan.log"; fail "the scanner wrote no cache entry"; }
  for attribute in 'id="1448365142"' 'name="Tolva Plug-In Editor"' 'creator="VELK"' 'category="Instrument"' \
                   'n_outputs="2"' 'n_midi_inputs="1"' 'is_instrument="1"' 'has_editor="1"'; do
    grep -q "$attribute" "$cache" || { cat "$cache"; fail "the cache entry lacks $attribute"; }
  done
  [ ! -e "$T/com.velk.TolvaPlugInEditor.lock" ] || fail "the lock file outlived the scan"
  grep -o '<VST2Info[^>]*>' "$cache"
}

# 1. No instrument: the host's state is kept as it was handed over.
session_without_instrument() {
  echo "-- session, no instrument"
  lua create.lua create
  grep -q '<lxvst' "$xml" || { cat "$T/create.log"; fail "the session holds no instance of the plug-in"; }
  # No instrument answered and nothing was handed over: the empty state, 4 zero bytes.
  [ "$(chunk_of "$xml")" = "AAAAAA==" ] ||
    { grep -o '<chunk[^>]*>[^<]\{0,80\}' "$xml" || true; fail "the new session's chunk is not the empty state"; }

  # The project's state replaced by a known bank chunk, then reloaded and saved by fresh processes.
  "$fixture_tool" "$T/fixture.bin"
  base64 -w0 "$T/fixture.bin" >"$T/fixture.b64"
  FIXTURE="$T/fixture.b64" perl -0pi -e \
    'BEGIN { open my $f, "<", $ENV{FIXTURE} or die; $b = <$f>; chomp $b } s#(<chunk[^>]*>)[^<]*(</chunk>)#$1$b$2#' "$xml"
  for pass in 1 2; do
    lua reload.lua "reload-$pass"
    chunk_of "$xml" | base64 -d >"$T/saved.bin"
    cmp "$T/fixture.bin" "$T/saved.bin" || fail "the chunk changed on reload $pass"
  done
  # With another instance holding the lock the host keeps the project's state as it was.
  flock "$T/com.velk.TolvaPlugInEditor.lock" -c "timeout 120 ardour7-lua $repo/Tools/ardour/reload.lua" \
    >"$T/locked.log" 2>&1 || true
  chunk_of "$xml" | base64 -d >"$T/saved.bin"
  cmp "$T/fixture.bin" "$T/saved.bin" || fail "the chunk changed while another instance held the lock"
  echo "session round trip: $(stat -c %s "$T/fixture.bin") bytes kept byte for byte"
}

# 2. The simulated instrument connected: the session holds its data and gives it back to it.
session_with_instrument() {
  echo "-- session, simulated instrument connected"
  export TOLVA_SIM_REPORT="$T/sim-report.txt"
  TOLVA_CHECK_CONNECTED=1 lua create.lua create
  grep -q 'inquiries=[1-9]' "$TOLVA_SIM_REPORT" || { cat "$TOLVA_SIM_REPORT" || true; fail "the instrument was never asked"; }
  chunk_of "$xml" | base64 -d >"$T/connected.bin"
  # A bank chunk of the instrument's data, not the empty state.
  [ "$(head -c 4 "$T/connected.bin")" = "Ccnk" ] && [ "$(stat -c %s "$T/connected.bin")" -gt 100000 ] ||
    { grep -o '<chunk[^>]*>[^<]\{0,80\}' "$xml" || true; fail "the session saved with the instrument holds no bank chunk"; }
  for pass in 1 2; do
    rm -f "$TOLVA_SIM_REPORT"
    # The reopened project's state goes to the instrument (about a bank's worth of bytes) first.
    TOLVA_CHECK_SENT_BYTES=500000 lua reload.lua "reload-$pass"
    local sent
    sent=$(sed -n 's/^received_bytes=//p' "$TOLVA_SIM_REPORT" 2>/dev/null || true)
    [ "${sent:-0}" -ge 500000 ] || { cat "$TOLVA_SIM_REPORT" || true; fail "reload $pass sent the project's state to no instrument"; }
    chunk_of "$xml" | base64 -d >"$T/saved.bin"
    cmp "$T/connected.bin" "$T/saved.bin" || fail "the chunk changed on reload $pass with the instrument"
  done
  unset TOLVA_SIM_REPORT
  echo "session round trip with the instrument: $(stat -c %s "$T/connected.bin") bytes kept byte for byte"
}

if [ -n "$installed" ]; then
  host_for installed
else
  host_for plugin "$so"
fi
scan
session_without_instrument
host_done
if [ -n "$installed" ]; then exit 0; fi

host_for simulated "$sim_so"
scan
session_with_instrument
host_done
