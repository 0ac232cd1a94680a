#!/usr/bin/env bash
# Makes the program's icon: a blue rounded square with a white play mark,
# in 48, 32 and 16 pixels, as zovra.ico.
set -euo pipefail
cd "$(dirname "$0")"
convert -size 256x256 xc:none \
  -fill '#0088ff' -draw 'roundrectangle 8,8 247,247 52,52' \
  \( -size 256x256 gradient:'rgba(255,255,255,0.35)-rgba(255,255,255,0)' \) \
  -compose over -composite \
  -fill white -draw 'polygon 96,66 96,190 198,128' \
  -depth 8 PNG32:zovra-256.png
convert zovra-256.png -define icon:auto-resize=48,32,16 zovra.ico
identify zovra.ico
