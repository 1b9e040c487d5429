#!/usr/bin/env bash
# Renders the program's icon, desktop/icons/vokab.svg, into the PNG sizes the desktop's
# icon theme uses (desktop/icons/48, 128, 256) and into data/vokab.png, the icon of the
# program's windows. Needs rsvg-convert (Debian librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/.."
for size in 48 128 256; do
    mkdir -p "desktop/icons/$size"
    rsvg-convert --width "$size" --height "$size" desktop/icons/vokab.svg \
        --output "desktop/icons/$size/vokab.png"
done
cp desktop/icons/128/vokab.png data/vokab.png
echo "desktop/icons/{48,128,256}/vokab.png and data/vokab.png rendered"
