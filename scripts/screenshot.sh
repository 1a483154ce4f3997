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

# A small, stable folder to show instead of whatever the machine has.
demo="$work/home/Documents"
mkdir -p "$demo"/{Projects,Photos,Reports,"Tax 2026"}
for f in notes.txt budget.ods letter.doc readme.md photo1.jpg photo2.jpg report10.pdf report2.pdf; do
    printf 'Tarnwick\n' > "$demo/$f"
done

export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" && chmod 700 "$XDG_RUNTIME_DIR"
printf '[Settings]\nview=3\nbutton=Details\n' > "$XDG_CONFIG_HOME/tarnwick.ini"

xvfb-run -a -s "-screen 0 800x600x24" bash -c '
    cd "$1" && QT_QPA_PLATFORM=xcb "$2" 2>/dev/null &
    pid=$!
    sleep 2
    wid=$(xdotool search --sync --onlyvisible --name "^Tarnwick$" | head -n 1)
    # Go to the demo folder through the address box, as a user would.
    xdotool mousemove --window "$wid" 200 60 click --clearmodifiers 1
    xdotool key --clearmodifiers ctrl+a
    xdotool type --delay 5 "$1"
    xdotool key Return
    sleep 1.5
    # Crop the root window to the main window and its frame.
    eval "$(xdotool getwindowgeometry --shell "$wid")"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$3"
    kill $pid
' _ "$demo" "$exe" "$(realpath -m "$out")"
echo "wrote $out"
