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
# Down to the pedantic notes: a software centre's reviewer sees those too.
notes=$(appstreamcli validate --pedantic --no-net "$metainfo" 2>&1) || { echo "$notes" >&2; fail "appstreamcli rejects $metainfo"; }
! grep -qE '^[EWIP]: ' <<<"$notes" || { echo "$notes" >&2; fail "appstreamcli has notes on $metainfo"; }

grep -qx "Icon=$app_id" "$desktop" || fail "the desktop entry does not name the icon $app_id"
grep -qx "Exec=mousecfg" "$desktop" || fail "the desktop entry does not start the mousecfg command"
# GNOME lists a program under its notification settings only when the entry says it notifies.
grep -qx "X-GNOME-UsesNotifications=true" "$desktop" || fail "the desktop entry does not say the program notifies"
grep -qF "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
  fail "the metainfo does not launch $app_id.desktop"
grep -qE "<release version=\"$version\" date=\"[0-9]{4}-[0-9]{2}-[0-9]{2}\"" "$metainfo" ||
  fail "the metainfo has no dated release for version $version"
grep -qF "<project_license>GPL-3.0-or-later</project_license>" "$metainfo" || fail "the metainfo names another licence"
grep -qE "^License: GPL-3.0-or-later$" "$source_dir/debian/copyright" || fail "debian/copyright names another licence"
changelog_version=$(sed -nE '1s/^mousecfg \(([^)]+)\).*/\1/p' "$source_dir/debian/changelog")
[[ "$changelog_version" == "$version" ]] || fail "debian/changelog is at $changelog_version, the build at $version"
sed -n "/<release version=\"$version\"/,/<\/release>/p" "$metainfo" | grep -q "<description>" ||
  fail "the release $version has no description"

# Each screenshot is one of the README's pictures, at its real size.
shots=$(sed -nE 's|.*<image type="source" width="([0-9]+)" height="([0-9]+)">https://[^/]+/(docs/[^<]+)</image>.*|\1 \2 \3|p' "$metainfo")
[[ -n "$shots" ]] || fail "the metainfo has no screenshots"
while read -r width height picture; do
  [[ -f "$source_dir/$picture" ]] || fail "the screenshot $picture is not in the source tree"
  grep -qF "($picture)" "$source_dir/README.md" || fail "the screenshot $picture is not one of the README's pictures"
  [[ "$(file -b "$source_dir/$picture")" == "PNG image data, $width x $height,"* ]] ||
    fail "$picture is not $width x $height: $(file -b "$source_dir/$picture")"
done <<<"$shots"
[[ $(wc -l <<<"$shots") == $(grep -c '<image' "$metainfo") ]] || fail "a screenshot is not a picture of the source tree"

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
