#!/usr/bin/env bash
# The install as a musician makes it, checked: the layout of `cmake --install` into a prefix and into
# a user's own ~/.local, the desktop entry and icons, the installed program finding the installed
# plug-in with no variable set, and a host finding the plug-in through its own default plug-in path
# after a system-wide install (made inside a private mount namespace, so the machine's /usr/local is
# never touched); and the Debian package that cpack makes, with its files and dependencies.
#   bash Tools/install-check.sh <build folder>     (default build/default)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/default}
fail() { echo "install check FAILED: $*" >&2; exit 1; }
[ -f "$build/CMakeCache.txt" ] || fail "$build is not a build folder"

T=$(mktemp -d /tmp/tolva-install-XXXXXX)
xvfb_pid=""
cleanup() {
  [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$T"
}
trap cleanup EXIT

# The files of an install, relative to its prefix (the plug-in's folder apart).
expected_common() {
  cat <<'EOF'
bin/tolva-editor
share/applications/tolva-editor.desktop
share/icons/hicolor/128x128/apps/tolva-editor.png
share/icons/hicolor/256x256/apps/tolva-editor.png
share/icons/hicolor/32x32/apps/tolva-editor.png
share/icons/hicolor/48x48/apps/tolva-editor.png
share/icons/hicolor/64x64/apps/tolva-editor.png
EOF
}
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ print $3 * 256 + $4 "x" $7 * 256 + $8 }'; }

echo "-- install into a prefix"
prefix="$T/prefix"
cmake --install "$build" --prefix "$prefix" >"$T/install.log" || { cat "$T/install.log"; fail "cmake --install"; }
(cd "$prefix" && find . -type f | sed 's#^\./##' | sort) >"$T/got"
{ expected_common; echo lib/vst/TolvaPlugInEditor.so; } | sort >"$T/want"
diff -u "$T/want" "$T/got" || fail "the installed files differ from the layout"
for icon in "$prefix"/share/icons/hicolor/*/apps/tolva-editor.png; do
  size=$(basename "$(dirname "$(dirname "$icon")")")
  [ "$(png_size "$icon")" = "$size" ] || fail "$icon is $(png_size "$icon"), not $size"
done
entry="$prefix/share/applications/tolva-editor.desktop"
desktop-file-validate "$entry" || fail "desktop-file-validate refused the desktop entry"
grep -qx 'Name=Tolva Editor' "$entry" || fail "the desktop entry's name"
grep -qx 'Categories=AudioVideo;Audio;Midi;' "$entry" || fail "the desktop entry's categories"
grep -qx 'Exec=tolva-editor' "$entry" || fail "the desktop entry's command"
echo "layout, icons and desktop entry as expected"

echo "-- install into a user's own ~/.local"
home="$T/home"
mkdir -p "$home"
HOME="$home" cmake --install "$build" --prefix "$home/.local" >"$T/install-user.log" ||
  { cat "$T/install-user.log"; fail "cmake --install --prefix ~/.local"; }
(cd "$home" && find . -type f | sed 's#^\./##' | sort) >"$T/got"
{ expected_common | sed 's#^#.local/#'; echo .vst/TolvaPlugInEditor.so; } | sort >"$T/want"
diff -u "$T/want" "$T/got" || fail "the user's install differs from the layout (plug-in in ~/.vst)"
echo "the plug-in is in ~/.vst, the program in ~/.local/bin"

# The installed program, started with no variable that names a plug-in or its folder, loads the
# installed plug-in: its file is mapped into the running program.
Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>"$T/display" 2>"$T/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$T/display" ] && break; sleep 0.1; done
[ -s "$T/display" ] || { cat "$T/xvfb.log"; fail "Xvfb did not start"; }
display=":$(head -n 1 "$T/display")"
program_loads() {  # program, its HOME, the plug-in it must load
  local program=$1 run_home=$2 want=$3 log="$T/program.log" pid mapped=""
  mkdir -p "$run_home/config" "$run_home/lock"
  env -u VST_PATH -u TOLVA_PLUGIN -u LXVST_PATH HOME="$run_home" XDG_CONFIG_HOME="$run_home/config" \
    TOLVA_LOCK_DIR="$run_home/lock" TOLVA_AUDIO=fake DISPLAY="$display" "$program" >"$log" 2>&1 &
  pid=$!
  for _ in $(seq 100); do
    if grep -qF "$want" "/proc/$pid/maps" 2>/dev/null; then mapped=yes; break; fi
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -TERM "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  [ -n "$mapped" ] || { cat "$log"; fail "$program did not load $want"; }
  echo "$program loaded $want"
}
program_loads "$prefix/bin/tolva-editor" "$T/nohome" "$prefix/lib/vst/TolvaPlugInEditor.so"
program_loads "$home/.local/bin/tolva-editor" "$home" "$home/.vst/TolvaPlugInEditor.so"

echo "-- the Debian package"
(cd "$build" && cpack -G DEB -B "$T/package" >"$T/cpack.log" 2>&1) || { cat "$T/cpack.log"; fail "cpack -G DEB"; }
deb=$(find "$T/package" -maxdepth 1 -name 'tolva-editor_*.deb' | head -n 1)
[ -n "$deb" ] || { cat "$T/cpack.log"; fail "cpack made no package"; }
dpkg-deb --contents "$deb" | tee "$T/contents"
dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ { sub(/^\.\//, "", $NF); print $NF }' | sort >"$T/got"
{ expected_common | sed 's#^#usr/#'; echo usr/lib/vst/TolvaPlugInEditor.so; } | sort >"$T/want"
diff -u "$T/want" "$T/got" || fail "the package's files differ from the layout under /usr"
depends=$(dpkg-deb --field "$deb" Depends)
echo "Depends: $depends"
for library in libasound2 libcairo2 libpng16-16 libx11-6; do
  grep -q "$library" <<<"$depends" || fail "the package does not depend on $library"
done
cp "$deb" "$build/"
echo "package: $build/$(basename "$deb")"

if [ ! -x /usr/lib/ardour7/ardour-vst-scanner ] || ! command -v ardour7-lua >/dev/null; then
  echo "install check: the host part SKIPPED: Ardour 7 is not installed (Tools/setup.sh installs it)" >&2
  exit 0
fi
echo "-- a system-wide install found by the host's default plug-in path"
# /usr/local is an empty tmpfs in a mount namespace of this check's own; the host's path is its
# default (no LXVST_PATH), which searches /usr/local/lib/vst.
ns=(unshare --mount --propagation private)
[ "$(id -u)" -eq 0 ] || ns=(unshare --map-root-user --mount --propagation private)
"${ns[@]}" env -u LXVST_PATH BUILD="$build" bash -euc '
  mount -t tmpfs tmpfs /usr/local
  cmake --install "$BUILD" --prefix /usr/local >/dev/null
  ARDOUR_CHECK_INSTALLED=1 bash Tools/ardour-check.sh "$BUILD"
' || fail "the host did not find and keep the system-wide installed plug-in (a mount namespace needs root or user namespaces)"
echo "-- the user's own install found by the host once ~/.vst is in its plug-in path"
LXVST_PATH="$home/.vst" ARDOUR_CHECK_INSTALLED=1 bash Tools/ardour-check.sh "$build" ||
  fail "the host did not find and keep the plug-in installed in ~/.vst"
echo "install check passed"
