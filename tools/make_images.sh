#!/usr/bin/env bash
# Draws the program's own pictures with ImageMagick and the DejaVu fonts:
# data/splash.png (285 x 145, the splash and about window) and data/tip.png
# (106 x 181, the tip of the day window).
set -euo pipefail
cd "$(dirname "$0")/.."
font=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
plain=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
convert -size 285x145 gradient:'#1d4e89'-'#4f9bd9' \
    -fill '#ffffff22' -draw "circle 250,30 300,30" -draw "circle 30,140 80,140" \
    -font "$font" -pointsize 36 -fill white -annotate +22+62 'Vokab' \
    -font "$font" -pointsize 20 -fill '#ffd447' -annotate +150+62 '2.20' \
    -font "$plain" -pointsize 13 -fill white -annotate +24+92 'Trenažér slovní zásoby' \
    -font "$plain" -pointsize 11 -fill '#dce9f7' -annotate +24+120 'pro české studenty cizích jazyků' \
    -define png:exclude-chunks=date,time -strip PNG24:data/splash.png
convert -size 106x181 gradient:'#fff6c8'-'#f2c94c' \
    -fill '#fffbe6' -stroke '#b58900' -strokewidth 2 -draw "circle 53,70 53,32" \
    -fill '#b58900' -stroke none -draw "rectangle 41,108 65,126" -draw "rectangle 44,130 62,136" \
    -font "$font" -pointsize 30 -fill '#b58900' -annotate +45+82 '!' \
    -font "$font" -pointsize 15 -fill '#7a5c00' -annotate +22+165 'Tip dne' \
    -define png:exclude-chunks=date,time -strip PNG24:data/tip.png
echo "data/splash.png and data/tip.png drawn"
