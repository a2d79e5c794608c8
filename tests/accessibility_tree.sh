#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the window on the virtual mouse with the accessibility bus of a private session and walks
# its tree through AT-SPI, as a screen reader would. Usage: accessibility_tree.sh PROGRAM WALKER
set -euo pipefail

program=$1
walker=$2
[[ -n "${DISPLAY:-}" ]] || { echo "SKIP: needs an X server"; exit 0; }

if [[ -z "${MOUSECFG_PRIVATE_BUS:-}" ]]; then
  # Every server the test needs is its own: the session bus, the accessibility bus, the window.
  exec env MOUSECFG_PRIVATE_BUS=1 dbus-run-session -- bash "$0" "$@"
fi

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

/usr/libexec/at-spi-bus-launcher --launch-immediately &
pids+=($!)
for _ in $(seq 200); do
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 && break
  sleep 0.05
done
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null ||
  { echo "FAIL: the accessibility bus did not start"; exit 1; }

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 LANG=C.UTF-8 LC_ALL=C.UTF-8 \
  "$program" --simulate --config-dir "$work/Configs" >"$work/app.log" 2>&1 &
app=$!
pids+=("$app")

status=0
/usr/bin/python3 "$walker" "$(basename "$program")" || status=$?
if ((status != 0)); then
  echo "--- the program's output:"
  cat "$work/app.log"
fi
exit "$status"
