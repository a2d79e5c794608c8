#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a clean copy of the source tree as a distribution would, puts it
# through lintian and the hardening checks, and runs the unpacked programs from their installed
# folders. Usage: debian_package.sh SOURCE_DIR VERSION
set -euo pipefail

fail() { echo "FAIL: $*" >&2; exit 1; }

source_dir=$1
version=$2
arch=$(dpkg --print-architecture)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# What the repository holds: tracked files and new ones not yet ignored, never a build tree.
mkdir "$work/src"
if git -C "$source_dir" rev-parse --show-toplevel >/dev/null 2>&1; then
  (cd "$source_dir" && git ls-files -z -co --exclude-standard | tar --null -T - -cf -) | tar -xf - -C "$work/src"
else
  tar -C "$source_dir" --exclude='./build*' --exclude=./obj-* -cf - . | tar -xf - -C "$work/src"
fi

# The source package a distribution would take up, made before the build adds its own files.
(cd "$work" && dpkg-source -b src) >"$work/source.log" 2>&1 || { cat "$work/source.log" >&2; fail "dpkg-source -b failed"; }
dsc=$work/mousecfg_${version}.dsc

# The unit tests are built and run by the package build only when asked for; here they have run
# already. Nor is the debug-symbol package of any use here.
(cd "$work/src" && DEB_BUILD_OPTIONS="nocheck noddebs parallel=$(nproc)" dpkg-buildpackage -us -uc -b) \
  >"$work/build.log" 2>&1 || { tail -n 60 "$work/build.log" >&2; fail "dpkg-buildpackage failed"; }
deb=$work/mousecfg_${version}_${arch}.deb
changes=$work/mousecfg_${version}_${arch}.changes
[[ -f "$deb" && -f "$changes" ]] || fail "no $(basename "$deb") and $(basename "$changes"): $(ls "$work")"

# Every tag a reviewer would see fails the build, down to the pedantic ones; what is accepted is
# overridden in debian/*.lintian-overrides with its reason.
lintian --pedantic --fail-on error,warning,info,pedantic --no-tag-display-limit "$changes" "$dsc" \
  >"$work/lintian.log" 2>&1 ||
  { cat "$work/lintian.log" >&2; fail "lintian reports tags"; }

[[ "$(dpkg-deb -f "$deb" Package)" == mousecfg ]] || fail "package name: $(dpkg-deb -f "$deb" Package)"
[[ "$(dpkg-deb -f "$deb" Version)" == "$version" ]] || fail "package version: $(dpkg-deb -f "$deb" Version)"
# Whatever names dpkg-shlibdeps finds, so a library's next soname still passes.
depends=$(dpkg-deb -f "$deb" Depends)
for library in 'libhidapi-hidraw[0-9]+' 'libqt5widgets[0-9]+' 'libudev[0-9]+' 'libx11-[0-9]+'; do
  pattern="(^|, )${library}( |,|$)"
  [[ "$depends" =~ $pattern ]] || fail "Depends names no $library: $depends"
done

root=$work/root
dpkg -x "$deb" "$root"
appdir=/usr/libexec/mousecfg
datadir=/usr/share/mousecfg

# The distribution's flags reached every program: BIND_NOW and PIE, the stack protector, and a
# fortified call wherever the program calls a libc function that has one (the rule lintian and
# hardening-check apply).
fortifiable=$(grep -v '^#' /usr/share/lintian/data/binaries/hardened-functions | grep -v '^$')
fortified_anywhere=false
for program in mousecfg mousecfg-cli OSD; do
  binary=$root$appdir/$program
  [[ -x "$binary" && ! -L "$binary" ]] || fail "no program $appdir/$program"
  dynamic=$(readelf -d -W "$binary")
  grep -q 'BIND_NOW' <<<"$dynamic" || fail "$program is not linked with BIND_NOW"
  grep -qE 'FLAGS_1.*PIE' <<<"$dynamic" || fail "$program is not a position-independent executable"
  readelf -l -W "$binary" | grep -q GNU_RELRO || fail "$program has no RELRO segment"
  imported=$(readelf --dyn-syms -W "$binary" | awk '$7 == "UND" { sub(/@.*/, "", $8); print $8 }' | sort -u)
  grep -qx '__stack_chk_fail' <<<"$imported" || fail "$program is not built with the stack protector"
  checked=$(sed -nE 's/^__(.+)_chk$/\1/p' <<<"$imported" | grep -Fxf <(printf '%s\n' "$fortifiable") || true)
  plain=$(grep -Fxf <(printf '%s\n' "$fortifiable") <<<"$imported" || true)
  [[ -n "$checked" ]] && fortified_anywhere=true
  [[ -z "$plain" || -n "$checked" ]] || fail "$program calls $(tr '\n' ' ' <<<"$plain")but no fortified function"
done
$fortified_anywhere || fail "no program carries a fortified call: the build flags were not used"

# Programs under libexec, commands on the PATH as links to them, everything else under share.
for command in mousecfg mousecfg-cli; do
  [[ "$(readlink "$root/usr/bin/$command")" == "../libexec/mousecfg/$command" ]] ||
    fail "/usr/bin/$command is not a link to $appdir/$command"
done
[[ -z "$(find "$root$appdir" ! -type d ! -name mousecfg ! -name mousecfg-cli ! -name OSD)" ]] ||
  fail "$appdir holds more than the programs: $(find "$root$appdir" ! -type d)"
[[ ! -e "$root/usr/lib/mousecfg" ]] || fail "the package still has /usr/lib/mousecfg"
for file in $datadir/DefaultProfile.bin $datadir/defaults/Config.ini $datadir/lang/mousecfg_de.qm \
  $datadir/skin/btn_1.png /usr/lib/udev/rules.d/70-mousecfg.rules \
  /usr/share/man/man1/mousecfg.1.gz /usr/share/man/man1/mousecfg-cli.1.gz \
  /usr/share/applications/org.mousecfg.mousecfg.desktop /usr/share/metainfo/org.mousecfg.mousecfg.metainfo.xml \
  /usr/share/dbus-1/interfaces/org.mousecfg.Mouse1.xml \
  /usr/share/doc/mousecfg/copyright /usr/share/doc/mousecfg/changelog.gz; do
  [[ -f "$root$file" ]] || fail "the package lacks $file"
done
[[ -z "$(find "$root/usr/share" -type f -perm /111)" ]] ||
  fail "executable files under /usr/share: $(find "$root/usr/share" -type f -perm /111)"

# The package holds what the install rules install, and the documentation and overrides debhelper
# adds.
listing() {
  (cd "$1" && find . ! -type d -printf '/%P' \( -type l -printf ' -> %l' , -true \) -printf '\n' |
    sed -E 's|^/usr/share/man/(.*)\.gz$|/usr/share/man/\1|' | grep -vE '^/usr/share/(doc|lintian)/' | LC_ALL=C sort)
}
DESTDIR=$work/installed cmake --install "$work/src/obj-$(dpkg-architecture -qDEB_HOST_GNU_TYPE)" >"$work/install.log" 2>&1 ||
  { cat "$work/install.log" >&2; fail "cmake --install of the package's build failed"; }
diff -u <(listing "$work/installed") <(listing "$root") >&2 || fail "the package and cmake --install differ"

# The unpacked commands find their data in the share folder; the user's files go to the home.
mkdir -p "$work/home" "$work/xdg" "$work/runtime"
chmod 700 "$work/runtime"
run_installed() {
  (cd "$work" && env -u MOUSECFG_APP_DIR -u MOUSECFG_CONFIG_DIR HOME="$work/home" XDG_CONFIG_HOME="$work/xdg" \
    XDG_RUNTIME_DIR="$work/runtime" MOUSECFG_SIM_PLUG=both QT_QPA_PLATFORM=offscreen "$@")
}
status=0
output=$(run_installed "$root/usr/bin/mousecfg-cli" --simulate devices 2>"$work/cli.err") || status=$?
((status == 0)) || { cat "$work/cli.err" >&2; fail "the unpacked mousecfg-cli --simulate devices exited with $status"; }
[[ "$output" == *"receiver 3a5c:1001: pointer 1, command 1 (connected)"* ]] ||
  fail "the unpacked mousecfg-cli names no receiver: $output"
cmp -s "$work/xdg/mousecfg/Configs/Config.ini" "$root$datadir/defaults/Config.ini" ||
  fail "the configuration was not seeded into the home from $datadir/defaults/Config.ini"
[[ ! -e "$root$appdir/Configs" && ! -e "$root$datadir/Configs" ]] || fail "the installed folders were written to"
status=0
version_line=$(run_installed "$root/usr/bin/mousecfg" --version 2>&1) || status=$?
((status == 0)) && [[ "$version_line" == "mousecfg $version"* ]] || fail "the unpacked mousecfg --version ($status): $version_line"

# The postinst tells udev about the rule, and an install without udevadm (a chroot) or with one
# that fails still succeeds.
dpkg-deb -e "$deb" "$work/control"
postinst=$work/control/postinst
[[ -x "$postinst" ]] || fail "the package has no executable postinst"
mkdir -p "$work/bin-none" "$work/bin-recording" "$work/bin-failing"
printf '#!/bin/sh\necho "$*" >>"%s"\n' "$work/udevadm.calls" >"$work/bin-recording/udevadm"
printf '#!/bin/sh\nexit 1\n' >"$work/bin-failing/udevadm"
chmod +x "$work/bin-recording/udevadm" "$work/bin-failing/udevadm"
for bin in bin-none bin-recording bin-failing; do
  PATH=$work/$bin /bin/sh "$postinst" configure || fail "postinst failed with $bin"
done
printf 'control --reload-rules\ntrigger --subsystem-match=hidraw --action=change\n' >"$work/udevadm.expected"
diff -u "$work/udevadm.expected" "$work/udevadm.calls" >&2 || fail "postinst did not reload and trigger udev"

echo "debian package: ok"
