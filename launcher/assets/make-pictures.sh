#!/bin/bash
# Draws the window's two pictures with ImageMagick and saves them as
# progressive JPEGs: the maker's logo (197 x 89) and the product box
# (120 x 154). The results are committed; run this only to change them.
set -euo pipefail
cd "$(dirname "$0")"
fonts=/usr/share/fonts/truetype/liberation
bold=$fonts/LiberationSans-Bold.ttf
regular=$fonts/LiberationSans-Regular.ttf

# Logo: an emblem of two hills under a sun, the maker's name and a tagline.
convert -size 197x89 xc:white \
    -fill '#0b6e74' -draw 'roundrectangle 6,10 74,78 12,12' \
    -fill '#f4b41a' -draw 'circle 52,30 60,30' \
    -fill '#8fd3c9' -draw 'polygon 6,70 28,40 48,62 60,50 74,66 74,78 6,78' \
    -fill '#ffffff' -draw 'polygon 6,78 24,58 40,72 52,64 74,78' \
    -font "$bold" -pointsize 22 -fill '#0b3c5d' -annotate +82+44 'Ardenvale' \
    -font "$regular" -pointsize 11 -fill '#5a6b78' -annotate +83+61 'Software & Security' \
    -fill '#0b6e74' -draw 'rectangle 83,67 190,68' \
    -strip -quality 92 -sampling-factor 2x2 -interlace JPEG logo.jpg

# Product box: front and side face in perspective, a padlock and the name.
convert -size 120x154 xc:white \
    -fill '#122f52' -draw 'polygon 8,14 96,6 96,146 8,140' \
    -fill '#0a1d35' -draw 'polygon 96,6 114,14 114,142 96,146' \
    -fill '#1d4f86' -draw 'polygon 8,14 96,6 114,14 26,20' \
    -fill '#f4b41a' -draw 'roundrectangle 34,50 70,80 4,4' \
    -stroke '#f4b41a' -strokewidth 5 -fill none -draw 'arc 39,30 65,62 180,360' \
    -stroke none -fill '#122f52' -draw 'circle 52,62 52,66' -draw 'rectangle 50,63 54,72' \
    -font "$bold" -pointsize 15 -fill white -annotate +14+102 'Quietlock' \
    -font "$bold" -pointsize 20 -fill '#f4b41a' -annotate +36+124 '2.0' \
    -font "$regular" -pointsize 9 -fill '#c8d6e5' -annotate +33+136 'Deutsch' \
    -strip -quality 92 -sampling-factor 2x2 -interlace JPEG box.jpg

identify logo.jpg box.jpg
