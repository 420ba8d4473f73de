#!/usr/bin/env bash
# First use of ./run: a device "Simulator" at 127.0.0.1 in the console's device
# list, made current, with on-line mode on. Later runs leave the user's choices.
set -euo pipefail
docs=$(xdg-user-dir DOCUMENTS 2>/dev/null || true)
[ -n "$docs" ] && [ "$docs" != "$HOME" ] || docs="$HOME/Documents"
data="$docs/Morvallion/${1:-QX770HD}"
device="$data/maps/Simulator.cfg"
[ -f "$device" ] && exit 0

mkdir -p "$data/maps"
header='<?xml version="1.0" encoding="UTF-8" standalone="yes"?>'
printf '%s\n<INI>\n<Device\n    IPAddr="127.0.0.1"\n/>\n</INI>\n' "$header" >"$device"

options="$data/qx770xpro.ini"
choice='<DEVICE\n    name="Simulator"\n/>\n<OPTIONS\n    ONLINE="1"\n/>\n'
if [ -f "$options" ] && grep -q '</INI>' "$options"; then
  # A later value of a key replaces an earlier one, so the choice goes last;
  # the console writes the file back in order when it closes.
  tmp=$(mktemp "$options.XXXXXX")
  awk -v add="$choice" '/<\/INI>/ { printf "%s", add } { print }' "$options" >"$tmp"
  mv "$tmp" "$options"
else
  printf "%s\n<INI>\n$choice</INI>\n" "$header" >"$options"
fi
echo "Prepared the device \"Simulator\" (127.0.0.1) in $data"
