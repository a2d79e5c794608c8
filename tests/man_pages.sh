#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The manual pages render without a warning, name themselves for man's index and document every
# option, command and exit code their programs' --help lists, and nothing the programs dropped.
# Usage: man_pages.sh MAN_DIR VERSION APP_DIR DATA_DIR [--cli PROGRAM] [--window PROGRAM] [--osd PROGRAM]
# APP_DIR and DATA_DIR are the install rules' folders for the programs and their data, below the
# prefix. Only the pages of the programs given are checked; the companion is a section of the
# window's page.
set -euo pipefail

man_dir=$1
version=$2
app_dir=$3
data_dir=$4
shift 4
declare -A program=()
while [[ $# -gt 0 ]]; do
  program[${1#--}]=$2
  shift 2
done

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# The page as a terminal of 80 columns shows it, without bold or underlining.
render() { groff -man -Tutf8 -rLL=80n -P-cbou "$1" 2>/dev/null; }

# The lines of one section of rendered text, its heading excluded.
section() { awk -v name="$2" '/^[^ ]/ { inside = ($0 == name); next } inside' <<<"$1"; }

# The first word of each tag of a section's .TP list (tags start at the section's indentation).
tag_words() { sed -nE 's/^ {7}([^ ,]+).*/\1/p' <<<"$1"; }

# True when a tag of the section starts with text, followed by a blank, a comma or the line's end.
has_tag() {
  local line
  while IFS= read -r line; do
    line=${line:7}
    [[ "$line" == "$2" || "$line" == "$2 "* || "$line" == "$2,"* ]] && return 0
  done <<<"$1"
  return 1
}

check_rendering() {
  local page=$1 name
  name=$(basename "$page" .1)
  local warnings
  warnings=$(groff -ww -z -man -Tutf8 "$page" 2>&1) || fail "groff cannot format $page"
  [[ -z "$warnings" ]] || fail "groff warns about $page: $warnings"
  if command -v man >/dev/null; then
    warnings=$(MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null) || fail "man cannot show $page"
    [[ -z "$warnings" ]] || fail "man warns about $page: $warnings"
  fi
  local index
  index=$(lexgrog "$page") || fail "lexgrog finds no NAME section in $page"
  [[ "$index" == "$page: \"$name - "* ]] || fail "lexgrog reads the NAME of $page as: $index"
  grep -qE "^\.TH .* \"mousecfg $version\"" "$page" || fail "$page does not carry version $version in .TH"
  local width
  width=$(render "$page" | wc -L)
  [[ $width -le 80 ]] || fail "$page has a line of $width columns, wider than a terminal of 80"
  check_layout "$page"
}

# The package installs under /usr; every folder of ours the page names is one the install rules fill.
check_layout() {
  local page=$1 folder expected
  for expected in "$app_dir" "$data_dir"; do
    grep -qF "/usr/$expected/" "$page" || fail "$page does not name the installed folder /usr/$expected/"
  done
  while IFS= read -r folder; do
    [[ "$folder" == "/usr/$app_dir/" || "$folder" == "/usr/$data_dir/" ]] ||
      fail "$page names $folder, where nothing is installed (programs: /usr/$app_dir/, data: /usr/$data_dir/)"
  done < <(grep -oE '/usr/[a-z/]+/mousecfg/' "$page" | sort -u)
}

# Each option of the help's lines starting with "  --", with its argument ("--trace FILE").
help_options() { sed -nE 's/^  (--[^ ].*)$/\1/p' <<<"$1" | sed -E 's/  +.*//; s/, /\n/g'; }

# Each command of the help's indented lines that start with a lower-case letter ("apply [--full]").
help_commands() { sed -nE 's/^  ([a-z].*)$/\1/p' <<<"$1" | sed -E 's/  +.*//'; }

# Both ways between the entries a --help lists (one a line, with their arguments) and the tags of a
# page's section: each entry has its tag, and each tag whose first word matches pattern is an entry.
check_entries() {
  local page=$1 heading=$2 text=$3 entries=$4 pattern=$5 entry names word
  [[ -n "$entries" ]] || fail "$page: the --help lists nothing for $heading"
  while IFS= read -r entry; do
    has_tag "$text" "$entry" || fail "$page: $heading does not describe \"$entry\""
  done <<<"$entries"
  names=$(sed 's/ .*//' <<<"$entries")
  while IFS= read -r word; do
    [[ $word =~ $pattern ]] || continue
    grep -qxF -- "$word" <<<"$names" || fail "$page: $heading describes $word, which --help does not list"
  done < <(tag_words "$text")
}

check_cli_page() {
  local page=$man_dir/mousecfg-cli.1 help text
  help=$("${program[cli]}" --help) || fail "mousecfg-cli --help failed"
  text=$(render "$page")
  check_entries "$page" OPTIONS "$(section "$text" OPTIONS)" "$(help_options "$help")" '^--'
  check_entries "$page" COMMANDS "$(section "$text" COMMANDS)" "$(help_commands "$help")" '^[a-z]'

  local codes documented
  codes=$(sed -n '/^Exit codes:/,/^$/p' <<<"$help" | sed -nE 's/^  ([0-9]+) .*/\1/p' | sort -n)
  [[ -n "$codes" ]] || fail "no exit codes found in mousecfg-cli --help"
  documented=$(tag_words "$(section "$text" "EXIT STATUS")" | grep -E '^[0-9]+$' | sort -n)
  [[ "$codes" == "$documented" ]] ||
    fail "$page: EXIT STATUS lists $(tr '\n' ' ' <<<"$documented"), --help lists $(tr '\n' ' ' <<<"$codes")"
}

check_window_page() {
  local page=$man_dir/mousecfg.1 help text
  help=$(QT_QPA_PLATFORM=offscreen "${program[window]}" --help) || fail "mousecfg --help failed"
  text=$(render "$page")
  check_entries "$page" OPTIONS "$(section "$text" OPTIONS)" "$(help_options "$help")" '^--'
  if [[ -n "${program[osd]:-}" ]]; then
    help=$(QT_QPA_PLATFORM=offscreen "${program[osd]}" --help) || fail "OSD --help failed"
    check_entries "$page" "ON-SCREEN DISPLAY" "$(section "$text" "ON-SCREEN DISPLAY")" \
      "$(help_options "$help")" '^--'
  fi
}

[[ -n "${program[cli]:-}" || -n "${program[window]:-}" ]] || fail "no program given"
if [[ -n "${program[cli]:-}" ]]; then
  check_rendering "$man_dir/mousecfg-cli.1"
  check_cli_page
fi
if [[ -n "${program[window]:-}" ]]; then
  check_rendering "$man_dir/mousecfg.1"
  check_window_page
fi

[[ $failures -eq 0 ]] || exit 1
echo "man pages: ok"
