#!/usr/bin/env bash
# Builds the Debian package into a temporary folder and checks that it holds exactly what
# `cmake --install` puts under /usr, depends on the libraries the programs link, and that its
# postinst never fails. Usage: debian_package.sh BUILD_DIR VERSION
set -euo pipefail

fail() { echo "FAIL: $*" >&2; exit 1; }

build_dir=$1
version=$2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack --config "$build_dir/CPackConfig.cmake" -G DEB -B "$work/package" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; fail "cpack -G DEB failed"; }
debs=("$work"/package/mousecfg_*.deb)
((${#debs[@]} == 1)) && [[ -f "${debs[0]}" ]] || fail "expected one mousecfg_*.deb, found: ${debs[*]}"
deb=${debs[0]}
[[ "$(basename "$deb")" == "mousecfg_${version}_$(dpkg --print-architecture).deb" ]] ||
  fail "unexpected package file name $(basename "$deb")"

[[ "$(dpkg-deb -f "$deb" Package)" == mousecfg ]] || fail "package name: $(dpkg-deb -f "$deb" Package)"
[[ "$(dpkg-deb -f "$deb" Version)" == "$version" ]] || fail "package version: $(dpkg-deb -f "$deb" Version)"
# Whatever names dpkg-shlibdeps finds, so a library's next soname still passes.
depends=$(dpkg-deb -f "$deb" Depends)
for library in 'libhidapi-hidraw[0-9]+' 'libqt5widgets[0-9]+' 'libudev[0-9]+' 'libx11-[0-9]+'; do
  pattern="(^|, )${library}( |,|$)"
  [[ "$depends" =~ $pattern ]] || fail "Depends names no $library: $depends"
done

# One line per file or link, "path" or "path -> target", directories left out.
package_listing() {
  dpkg-deb -c "$deb" | grep -v '^d' | sed -E 's/^([^ ]+ +){5}//; s|^\./|/|' | LC_ALL=C sort
}
tree_listing() {
  (cd "$1" && find . ! -type d -printf '/%P' \( -type l -printf ' -> %l' , -true \) -printf '\n' | LC_ALL=C sort)
}
DESTDIR=$work/root cmake --install "$build_dir" --prefix /usr >"$work/install.log" 2>&1 ||
  { cat "$work/install.log" >&2; fail "cmake --install with DESTDIR failed"; }
package_listing >"$work/package.list"
tree_listing "$work/root" >"$work/install.list"
diff -u "$work/install.list" "$work/package.list" >&2 || fail "the package and cmake --install differ"
for line in '/usr/bin/mousecfg -> ../lib/mousecfg/mousecfg' '/usr/bin/mousecfg-cli -> ../lib/mousecfg/mousecfg-cli' \
  /usr/lib/mousecfg/mousecfg /usr/lib/mousecfg/DefaultProfile.bin /usr/lib/udev/rules.d/70-mousecfg.rules \
  /usr/share/applications/org.mousecfg.mousecfg.desktop; do
  grep -qxF -- "$line" "$work/package.list" || fail "the package lacks $line"
done

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
