#!/usr/bin/env bash
# Renders the program's icon, desktop/icons/vokab.svg, into the PNG sizes the desktop's
# icon theme uses (desktop/icons/48, 128, 256) and into data/vokab.png, the icon of the
# program's windows, and desktop/icons/vokab.ico, the Windows executable's icon (256, 48, 32
# and 16 pixels). Needs rsvg-convert (Debian librsvg2-bin) and ImageMagick's convert.
set -euo pipefail
cd "$(dirname "$0")/.."
for size in 48 128 256; do
    mkdir -p "desktop/icons/$size"
    rsvg-convert --width "$size" --height "$size" desktop/icons/vokab.svg \
        --output "desktop/icons/$size/vokab.png"
done
cp desktop/icons/128/vokab.png data/vokab.png
convert desktop/icons/256/vokab.png -define icon:auto-resize=256,48,32,16 desktop/icons/vokab.ico
echo "desktop/icons/{48,128,256}/vokab.png, desktop/icons/vokab.ico and data/vokab.png rendered"
