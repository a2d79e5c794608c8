#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary prefix and checks that the installed program finds its data
# there, as it would under /usr. Usage: install_tree.sh BUILD_DIR SOURCE_DIR PROGRAM...
set -euo pipefail

fail() { echo "FAIL: $*" >&2; exit 1; }

build_dir=$1
source_dir=$2
shift 2
programs=()
for program in "$@"; do
  [[ -n "$program" ]] && programs+=("$program")
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
appdir=$prefix/libexec/mousecfg
datadir=$prefix/share/mousecfg
app_id=org.mousecfg.mousecfg

cmake --install "$build_dir" --prefix "$prefix" >"$work/install.log" 2>&1 ||
  { cat "$work/install.log"; fail "cmake --install failed"; }

expect_file() { [[ -f "$prefix/$1" && ! -L "$prefix/$1" ]] || fail "not installed: $1"; }

for program in "${programs[@]}"; do
  [[ -x "$appdir/$program" && ! -L "$appdir/$program" ]] || fail "no executable libexec/mousecfg/$program"
done
for command in mousecfg mousecfg-cli; do
  link=$prefix/bin/$command
  [[ -L "$link" ]] || fail "bin/$command is not a symbolic link"
  [[ "$(readlink "$link")" != /* ]] || fail "bin/$command points to an absolute path: $(readlink "$link")"
  [[ "$(realpath "$link")" == "$(realpath "$appdir/$command")" ]] ||
    fail "bin/$command does not resolve to libexec/mousecfg/$command"
done

expect_file share/mousecfg/DefaultProfile.bin
expect_file share/mousecfg/defaults/Config.ini
expect_file share/man/man1/mousecfg.1
expect_file share/man/man1/mousecfg-cli.1
expect_file lib/udev/rules.d/70-mousecfg.rules
expect_file "share/applications/$app_id.desktop"
expect_file "share/metainfo/$app_id.metainfo.xml"
expect_file "share/dbus-1/interfaces/org.mousecfg.Mouse1.xml"
for side in 16 22 24 32 48 64 128 256; do
  icon=share/icons/hicolor/${side}x${side}/apps/$app_id.png
  expect_file "$icon"
  [[ "$(file -b "$prefix/$icon")" == "PNG image data, $side x $side,"* ]] || fail "$icon is not a $side px PNG"
done
for catalogue in "$source_dir"/data/lang/*.ts; do
  expect_file "share/mousecfg/lang/$(basename "${catalogue%.ts}").qm"
done
# The skin is drawn at build time: whatever the build tree's application directory holds.
skin_count=0
while IFS= read -r -d '' image; do
  expect_file "share/mousecfg/skin/${image#"$build_dir/bin/skin/"}"
  skin_count=$((skin_count + 1))
done < <(find "$build_dir/bin/skin" -type f ! -name .drawn -print0)
((skin_count > 0)) || fail "the build tree has no skin to compare with"
[[ ! -e "$datadir/skin/.drawn" ]] || fail "the skin's build stamp was installed"

# The command on the PATH reaches its real directory and the data in it.
mkdir -p "$work/home" "$work/xdg" "$work/runtime"
chmod 700 "$work/runtime"
run_installed() {
  (cd "$work" && env HOME="$work/home" XDG_CONFIG_HOME="$work/xdg" XDG_RUNTIME_DIR="$work/runtime" \
    MOUSECFG_SIM_PLUG=both QT_QPA_PLATFORM=offscreen "$@")
}
status=0
output=$(run_installed "$prefix/bin/mousecfg-cli" --simulate devices 2>"$work/cli.err") || status=$?
((status == 0)) || { cat "$work/cli.err" >&2; fail "installed mousecfg-cli --simulate devices exited with $status"; }
[[ "$output" == *"receiver 3a5c:1001: pointer 1, command 1 (connected)"* ]] ||
  fail "mousecfg-cli names no receiver interfaces: $output"
[[ "$output" == *"&MI_00&col04"* ]] || fail "mousecfg-cli names no command interface: $output"

# Even where it could write them (as root), the installed folders stay as installed: the
# configuration goes to XDG_CONFIG_HOME, started from the installed defaults.
cmp -s "$work/xdg/mousecfg/Configs/Config.ini" "$datadir/defaults/Config.ini" ||
  fail "the configuration was not seeded from the installed defaults/Config.ini"
[[ ! -e "$appdir/Configs" && ! -e "$datadir/Configs" ]] || fail "the installed folders were written to"

status=0
version=$(run_installed "$prefix/bin/mousecfg" --version 2>"$work/version.err") || status=$?
((status == 0)) && [[ "$version" == "mousecfg "* ]] ||
  fail "installed mousecfg --version ($status): $version $(cat "$work/version.err")"

echo "installed tree: ok"
