#!/usr/bin/env bash
# Renders the application icon into the fixed-size PNGs of the hicolor theme.
# Run it by hand after changing resources/icons/tarnwick.svg and commit the
# result: the build installs the PNGs as they are and needs no renderer.
# Needs rsvg-convert (scripts/install-deps.sh --maintainer installs it).
set -euo pipefail
cd "$(dirname "$0")/.."

command -v rsvg-convert >/dev/null || {
    echo "render-icons: rsvg-convert is missing (scripts/install-deps.sh --maintainer)" >&2
    exit 1
}

svg=resources/icons/tarnwick.svg
# The sizes desktops ask the theme for: menus and panels (16 to 32), the
# launcher and file dialogs (48, 64), application grids and stores (128, 256).
for n in 16 22 24 32 48 64 128 256; do
    out=resources/icons/hicolor/${n}x${n}/apps/tarnwick.png
    mkdir -p "$(dirname "$out")"
    rsvg-convert --width "$n" --height "$n" --format png --output "$out" "$svg"
done
