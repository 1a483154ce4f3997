#!/usr/bin/env bash
# Renders the main window under a virtual X server and saves a screenshot.
# Usage: scripts/screenshot.sh <tarnwick executable> <output.png>
set -euo pipefail
exe=$(realpath "$1")
out=$2
mkdir -p "$(dirname "$out")"
work=/tmp/tarnwick-demo
rm -rf "$work"
trap 'rm -rf "$work"' EXIT

# A home folder that looks lived in, stable from run to run.
home="$work/home"
mkdir -p "$home"/{Desktop,Documents/{Projects,Reports,"Tax 2026"},Downloads,Music,Pictures/Holidays,Videos,.config}
sized() { head -c "$2" /dev/zero | tr '\0' 'x' > "$home/$1"; }
sized "Notes.txt" 1843
sized "Budget 2026.ods" 24576
sized "Letter to the bank.odt" 14336
sized "Presentation.odp" 412672
sized "Holiday route.pdf" 187392
sized "photo-0412.jpg" 2342912
sized "todo.md" 612
printf '#!/bin/sh\nrsync -a ~/Documents /media/backup/\n' > "$home/backup.sh"
ln -s Documents/Reports "$home/Reports"
touch -d '2026-11-30 09:15' "$home"/* "$home"/Documents/*

export HOME="$home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" && chmod 700 "$XDG_RUNTIME_DIR"
printf '[Settings]\nview=3\nbutton=Details\n' > "$XDG_CONFIG_HOME/tarnwick.ini"

xvfb-run -a -s "-screen 0 800x600x24" bash -c '
    cd "$1" && QT_QPA_PLATFORM=xcb "$2" "$1" 2>/dev/null &
    pid=$!
    wid=$(xdotool search --sync --onlyvisible --name "^Tarnwick$" | head -n 1)
    sleep 2
    # Crop the root window to the main window and its frame.
    eval "$(xdotool getwindowgeometry --shell "$wid")"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$3"
    kill $pid
' _ "$home" "$exe" "$(realpath -m "$out")"
echo "wrote $out"
