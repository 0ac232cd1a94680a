#!/usr/bin/env bash
# Makes the main window's background picture: 602 x 456 JPEG, a calm sky of
# soft blues with blurred light circles and a gentle wave at the bottom, so
# that the blue theme colour and the white veils of the controls sit well on it.
set -euo pipefail
cd "$(dirname "$0")"
convert -size 602x456 gradient:'#cfe6fb-#f4f9ff' \
  \( -size 602x456 xc:none \
     -fill 'rgba(255,255,255,0.55)' -draw 'circle 470,90 470,20' \
     -fill 'rgba(120,185,245,0.30)' -draw 'circle 120,330 120,230' \
     -fill 'rgba(255,255,255,0.45)' -draw 'circle 300,200 300,160' \
     -fill 'rgba(90,160,235,0.22)' -draw 'circle 540,360 540,270' \
     -blur 0x18 \) -composite \
  \( -size 602x456 xc:none -fill 'rgba(60,140,230,0.18)' \
     -draw 'path "M 0,380 C 150,340 300,420 450,370 S 602,350 602,350 L 602,456 L 0,456 Z"' \
     -fill 'rgba(40,120,220,0.14)' \
     -draw 'path "M 0,410 C 180,380 320,450 480,400 S 602,395 602,395 L 602,456 L 0,456 Z"' \
     -blur 0x3 \) -composite \
  -quality 92 -sampling-factor 4:2:0 -strip background.jpg
identify background.jpg
python3 ../../tools/embed_bytes.py background.jpg ../../app/background_picture.cpp \
  app/background_picture.h app background_picture
