#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The desktop entry and the AppStream metainfo pass the validators that software centres and
# distributions run, and describe this build. Usage: desktop_metadata.sh SOURCE_DIR VERSION
set -euo pipefail

fail() { echo "FAIL: $*" >&2; exit 1; }

source_dir=$1
version=$2
app_id=org.mousecfg.mousecfg
desktop=$source_dir/data/$app_id.desktop
metainfo=$source_dir/data/$app_id.metainfo.xml

desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects $metainfo"

grep -qx "Icon=$app_id" "$desktop" || fail "the desktop entry does not name the icon $app_id"
grep -qx "Exec=mousecfg" "$desktop" || fail "the desktop entry does not start the mousecfg command"
# GNOME lists a program under its notification settings only when the entry says it notifies.
grep -qx "X-GNOME-UsesNotifications=true" "$desktop" || fail "the desktop entry does not say the program notifies"
grep -qF "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
  fail "the metainfo does not launch $app_id.desktop"
grep -qE "<release version=\"$version\" date=\"[0-9]{4}-[0-9]{2}-[0-9]{2}\"" "$metainfo" ||
  fail "the metainfo has no dated release for version $version"
# Software centres offer the program for the devices the udev rule opens to the user.
rule=$source_dir/data/udev/70-mousecfg.rules
ids=$(sed -nE 's/.*ATTRS\{idVendor\}=="([0-9a-f]{4})", ATTRS\{idProduct\}=="([0-9a-f]{4})".*/\1 \2/p' "$rule")
[[ -n "$ids" ]] || fail "no USB ids found in $rule"
while read -r vendor product; do
  modalias="usb:v${vendor^^}p${product^^}d*"
  grep -qF "<modalias>$modalias</modalias>" "$metainfo" || fail "the metainfo does not provide $modalias"
done <<<"$ids"
[[ $(grep -c '<modalias>' "$metainfo") == $(wc -l <<<"$ids") ]] || fail "the metainfo provides ids the udev rule does not open"

echo "desktop metadata: ok"
