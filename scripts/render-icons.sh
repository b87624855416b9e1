#!/bin/sh
# Renders the icons kept in the repository from dist/icons/quillet.svg: the
# window icon embedded in the app and the Windows .ico. The hicolor PNGs are
# rendered by the build. Needs rsvg-convert (librsvg2-bin) and icotool (icoutils).
set -eu
cd "$(dirname "$0")/.."
svg=dist/icons/quillet.svg
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

rsvg-convert -w 256 -h 256 "$svg" -o resources/icons/app_icon.png
for size in 16 24 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" "$svg" -o "$tmp/$size.png"
done
icotool -c -o dist/icons/quillet.ico "$tmp/16.png" "$tmp/24.png" "$tmp/32.png" "$tmp/48.png" \
    "$tmp/64.png" "$tmp/128.png" -r "$tmp/256.png"
