#!/bin/sh
# Draws the application icon with ImageMagick: a pale vine with three leaves
# on a dark green rounded square, 128x128 pixels with an alpha channel, written
# as an .ico file holding that one 32-bits-per-pixel image.
#
#   sh resources/draw_icon.sh OUT.ico
#
# The build runs it (resources/CMakeLists.txt), naming ImageMagick's convert
# in CONVERT; nothing of the picture comes from elsewhere.
set -eu

if [ $# -ne 1 ]; then
  echo "usage: $0 OUT.ico" >&2
  exit 2
fi

"${CONVERT:-convert}" -size 128x128 xc:none \
  -fill '#1d5e45' -draw 'roundrectangle 4,4 123,123 28,28' \
  -fill '#f4f1de' \
  -draw 'path "M 30,112 C 30,72 56,42 102,24 C 62,46 40,76 38,112 Z"' \
  -fill '#9bd26b' \
  -draw 'path "M 48,66 C 32,64 22,50 24,32 C 42,36 52,48 48,66 Z"' \
  -draw 'path "M 74,42 C 80,26 94,18 112,20 C 106,36 92,46 74,42 Z"' \
  -draw 'path "M 40,88 C 54,78 72,80 84,92 C 68,102 52,100 40,88 Z"' \
  -alpha on -type TrueColorAlpha \
  "ICO:$1"
